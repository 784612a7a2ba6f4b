#include "DialogiQt.h"
#include "Program.h"
#include "StrazEkranu.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {
// --version and --help are answered without a window (and so without a
// display), as packaging tools and users at a terminal expect. Returns
// whether one of them was there.
bool OdpowiedzBezOkna(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("fazolab " FAZOLAB_WERSJA "\n", stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs("Użycie: fazolab [--help | --version]\n"
                       "Symulacje przejść fazowych porządek-nieporządek metodą Monte Carlo.\n"
                       "Bez opcji otwiera okno programu; F1 w oknie otwiera pomoc.\n"
                       "\n"
                       "  --help, -h    ten opis\n"
                       "  --version     nazwa i wersja programu\n"
                       "\n"
                       "Symulacje bez okna: fazolab-batch (fazolab-batch --pomoc).\n",
                       stdout);
            return true;
        }
    }
    return false;
}
} // namespace

int main(int argc, char* argv[]) {
    if (OdpowiedzBezOkna(argc, argv)) {
        return 0;
    }
    // Without a display Qt would abort with its own English message.
    if (!EkranDostepny(argc, argv)) {
        std::fputs(KomunikatBrakuEkranu, stderr);
        return 1;
    }
    std::optional<StrazEkranu> straz(std::in_place);
    QApplication aplikacja(argc, argv);
    straz.reset();
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
