#include "Program.h"

#include "DialogiQt.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication aplikacja(argc, argv);
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

    DialogiQt dialogi;
    const Program program(dialogi, QGuiApplication::primaryScreen()->geometry());
    return QApplication::exec();
}
