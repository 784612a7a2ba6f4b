#include "StrazEkranu.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
// Qt's handler is a plain function: what it holds lives here, for the one
// guard the program makes around its application object.
struct Wiadomosc {
    QtMsgType Typ;
    std::string Plik;
    int Wiersz;
    std::string Funkcja;
    std::string Kategoria;
    QString Tekst;
};
QtMessageHandler poprzedni = nullptr;
std::vector<Wiadomosc> wstrzymane;

void Wstrzymaj(QtMsgType typ, const QMessageLogContext& kontekst, const QString& tekst) {
    // The only fatal message while the application is made is the platform's
    // failure, after its own warnings: all of them give way to one Polish line.
    if (typ == QtFatalMsg) {
        std::fputs(KomunikatBrakuEkranu, stderr);
        std::_Exit(1);
    }
    const auto tekstC = [](const char* c) { return std::string(c ? c : ""); };
    wstrzymane.push_back({typ, tekstC(kontekst.file), kontekst.line, tekstC(kontekst.function),
                          tekstC(kontekst.category), tekst});
}
} // namespace

bool EkranDostepny(std::string_view platforma, std::string_view display,
                   std::string_view waylandDisplay) {
    if (platforma.empty()) {
        return !display.empty() || !waylandDisplay.empty();
    }
    while (!platforma.empty()) {
        const std::size_t koniec = platforma.find(';');
        const std::string_view wpis = platforma.substr(0, koniec);
        const std::string_view nazwa = wpis.substr(0, wpis.find(':'));
        if (nazwa != "xcb" || !display.empty()) {
            return true;
        }
        platforma = koniec == std::string_view::npos ? "" : platforma.substr(koniec + 1);
    }
    return false;
}

bool EkranDostepny([[maybe_unused]] int argc, [[maybe_unused]] char* argv[]) {
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    // The system's own window system is always there.
    return true;
#else
    const auto zmienna = [](const char* nazwa) -> std::string_view {
        const char* wartosc = std::getenv(nazwa);
        return wartosc ? wartosc : "";
    };
    std::string_view platforma = zmienna("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            platforma = argv[i + 1];
        }
    }
    return EkranDostepny(platforma, zmienna("DISPLAY"), zmienna("WAYLAND_DISPLAY"));
#endif
}

StrazEkranu::StrazEkranu() {
    poprzedni = qInstallMessageHandler(Wstrzymaj);
}

StrazEkranu::~StrazEkranu() {
    qInstallMessageHandler(poprzedni);
    for (const Wiadomosc& w : wstrzymane) {
        const QMessageLogContext kontekst(w.Plik.c_str(), w.Wiersz, w.Funkcja.c_str(),
                                          w.Kategoria.c_str());
        qt_message_output(w.Typ, kontekst, w.Tekst);
    }
    wstrzymane.clear();
}
