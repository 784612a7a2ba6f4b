#include "StrazEkranu.h"

#include <QTest>

// Whether the program can open its windows, from the platform asked for and
// the display variables set; the rows are the ways users start it.
class StrazEkranuTest : public QObject {
    Q_OBJECT

private slots:
    void ekranDostepny_data() {
        QTest::addColumn<QString>("platforma");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<bool>("dostepny");
        QTest::newRow("sesja X11") << ""
                                   << ":0"
                                   << "" << true;
        QTest::newRow("sesja Wayland") << ""
                                       << ""
                                       << "wayland-0" << true;
        QTest::newRow("ssh bez przekazania X") << ""
                                               << ""
                                               << "" << false;
        QTest::newRow("xcb bez DISPLAY") << "xcb"
                                         << ""
                                         << "wayland-0" << false;
        QTest::newRow("xcb z DISPLAY") << "xcb"
                                       << ":1"
                                       << "" << true;
        QTest::newRow("lista z xcb na końcu") << "wayland;xcb"
                                              << ""
                                              << "" << true;
        QTest::newRow("offscreen") << "offscreen"
                                   << ""
                                   << "" << true;
        QTest::newRow("offscreen z opcją") << "offscreen:fontengine=freetype"
                                           << ""
                                           << "" << true;
        QTest::newRow("xcb z opcją") << "xcb:nohighdpi"
                                     << ""
                                     << "" << false;
    }

    void ekranDostepny() {
        QFETCH(QString, platforma);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(bool, dostepny);
        const std::string p = platforma.toStdString();
        const std::string d = display.toStdString();
        const std::string w = wayland.toStdString();
        QCOMPARE(EkranDostepny(p, d, w), dostepny);
    }

    // "-platform" on the command line outranks the environment, as in Qt.
    void argumentPlatformyWygrywa() {
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        char program[] = "fazolab";
        char opcja[] = "-platform";
        char offscreen[] = "offscreen";
        char* zOpcja[] = {program, opcja, offscreen, nullptr};
        char* bezOpcji[] = {program, nullptr};
        QVERIFY(EkranDostepny(3, zOpcja));
        QVERIFY(!EkranDostepny(1, bezOpcji));
    }
};

QTEST_GUILESS_MAIN(StrazEkranuTest)
#include "StrazEkranuTest.moc"
