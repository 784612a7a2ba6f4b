#include "TLogo.h"
#include "TPrg.h"
#include "TSiec2D3D.h"

#include "DialogiQt.h"
#include "FiltrPomocy.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication program(argc, argv);
    // The name is the caption of the message boxes; with the organisation it
    // also names the settings ("Vendra Software/Fazolab").
    QApplication::setApplicationName(QStringLiteral("Fazolab"));
    QApplication::setOrganizationName(QStringLiteral("Vendra Software"));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    // Qt's own translation, so the standard buttons read "Tak", "Nie", "Anuluj".
    QTranslator tlumaczenieQt;
    if (tlumaczenieQt.load(QStringLiteral("qtbase_pl"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&tlumaczenieQt);
    }
    QDir::setSearchPaths(QStringLiteral("okna"), {QStringLiteral(":/okna")});
    QApplication::setWindowIcon(QIcon(QStringLiteral("okna:fazolab.png")));

    const QRect ekran = QGuiApplication::primaryScreen()->geometry();
    DialogiQt dialogi;
    TLogo logo(dialogi, ekran);
    FiltrPomocy pomoc(logo.PlikPomocy());
    QApplication::instance()->installEventFilter(&pomoc);
    TPrg menu(dialogi, ekran);
    TSiec2D3D oknoSymulacji(dialogi, &menu);

    logo.UstawMenu(&menu);
    menu.UstawOknoSymulacji(&oknoSymulacji, [&oknoSymulacji](const QString& rodzaj) {
        oknoSymulacji.UstawSiec(rodzaj);
    });
    logo.show();
    return QApplication::exec();
}
