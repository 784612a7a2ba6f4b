#include "Program.h"

#include <QCoreApplication>

Program::Program(Dialogi& dialogi, const QRect& ekran)
    : Logo(dialogi, ekran), Pomoc(Logo.PlikPomocy()), Menu(dialogi, ekran),
      OknoSymulacji(dialogi, &Menu) {
    QCoreApplication::instance()->installEventFilter(&Pomoc);
    // One help window for F1 and for the simulation window's "Pomoc".
    QObject::connect(&OknoSymulacji, &TSiec2D3D::Pomoc, &Pomoc,
                     [this](int kontekst) { Pomoc.Pokaz(kontekst, &OknoSymulacji); });
    Logo.UstawMenu(&Menu);
    Menu.UstawOknoSymulacji(&OknoSymulacji,
                            [this](const QString& rodzaj) { OknoSymulacji.UstawSiec(rodzaj); });
    Logo.show();
}

Program::~Program() {
    QCoreApplication::instance()->removeEventFilter(&Pomoc);
}
