#include "Kontrolki.h"

#include "DostepnaEtykieta.h"
#include "Opis.h"
#include "PrzyciskPrzezroczysty.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>

QLabel* Etykieta(QWidget* rodzic, const char* nazwa, const QString& tekst,
                 Qt::Alignment wyrownanie) {
    auto* etykieta = new QLabel(tekst, rodzic);
    etykieta->setObjectName(QLatin1String(nazwa));
    etykieta->setAlignment(wyrownanie);
    return etykieta;
}

QLabel* Wartosc(QWidget* rodzic, const char* nazwa, const QString& podpis) {
    auto* etykieta = Etykieta(rodzic, nazwa, QString());
    QFont pogrubiona = etykieta->font();
    pogrubiona.setBold(true);
    etykieta->setFont(pogrubiona);
    DostepnaEtykieta::OpiszWartosc(etykieta, podpis);
    return etykieta;
}

QLabel* Wiersz(QWidget* rodzic, const char* nazwa, const QString& podpis) {
    Etykieta(rodzic, (QByteArray(nazwa) + "Podpis").constData(), podpis);
    QString bezDwukropka = podpis;
    if (bezDwukropka.endsWith(QLatin1Char(':'))) {
        bezDwukropka.chop(1);
    }
    return Wartosc(rodzic, nazwa, bezDwukropka);
}

QGroupBox* Grupa(QWidget* rodzic, const char* nazwa, const QString& tytul, int kontekst) {
    auto* grupa = new QGroupBox(tytul, rodzic);
    grupa->setObjectName(QLatin1String(nazwa));
    Opisz(grupa, tytul.trimmed(), {}, kontekst);
    return grupa;
}

PrzyciskPrzezroczysty* Przycisk(QWidget* rodzic, const char* nazwa, const QString& napis,
                                const QString& obrazek, const QString& podpowiedz, int kontekst,
                                int wielkosc, const QString& nazwaDostepna) {
    auto* przycisk = new PrzyciskPrzezroczysty(napis, rodzic);
    przycisk->setObjectName(QLatin1String(nazwa));
    przycisk->setIcon(QIcon(obrazek));
    przycisk->setFocusPolicy(Qt::StrongFocus);
    QFont czcionka = przycisk->font();
    czcionka.setBold(true);
    czcionka.setPixelSize(wielkosc);
    przycisk->setFont(czcionka);
    Opisz(przycisk, nazwaDostepna.isEmpty() ? napis.trimmed() : nazwaDostepna, podpowiedz,
          kontekst);
    return przycisk;
}

void Pokaz(std::initializer_list<QWidget*> kontrolki, bool widoczne) {
    for (QWidget* kontrolka : kontrolki) {
        kontrolka->setVisible(widoczne);
    }
}

namespace {
void UstawTabGrupy(const QRadioButton* zmieniony) {
    QWidget* rodzic = zmieniony->parentWidget();
    QRadioButton* zaznaczony = nullptr;
    const QList<QRadioButton*> grupa =
        rodzic->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (QRadioButton* r : grupa) {
        if (r->isChecked()) {
            zaznaczony = r;
        }
    }
    for (QRadioButton* r : grupa) {
        const bool tab = zaznaczony == nullptr || r == zaznaczony;
        r->setFocusPolicy(tab ? Qt::StrongFocus : Qt::ClickFocus);
    }
}
} // namespace

void TabNaZaznaczonym(QWidget* korzen) {
    for (QRadioButton* r : korzen->findChildren<QRadioButton*>()) {
        QObject::connect(r, &QAbstractButton::toggled, r, [r] { UstawTabGrupy(r); });
        UstawTabGrupy(r);
    }
}

void Mrugnij(PrzyciskPrzezroczysty* przycisk, const QColor& pierwszy, const QColor& drugi) {
    if (przycisk->isEnabled()) {
        przycisk->UstawKolorCzcionki(przycisk->KolorCzcionki() == pierwszy ? drugi : pierwszy);
    }
}
