#include "RegulaZapisu.h"

#include <QFileInfo>
#include <QRegularExpression>

QStringList RozszerzeniaFiltra(const QString& filtr) {
    static const QRegularExpression wzorzec(QStringLiteral("\\*\\.([^\\s()*]+)"));
    const qsizetype nawias = filtr.lastIndexOf(QLatin1Char('('));
    QStringList rozszerzenia;
    auto dopasowania = wzorzec.globalMatch(nawias < 0 ? filtr : filtr.mid(nawias));
    while (dopasowania.hasNext()) {
        rozszerzenia.append(dopasowania.next().captured(1).toLower());
    }
    return rozszerzenia;
}

WybranyPlik PlikWedlugTypu(const QString& nazwa, const QStringList& filtry, int wybranyTyp) {
    const int typ = wybranyTyp >= 1 && wybranyTyp <= filtry.size() ? wybranyTyp : 1;
    const QString plik = QFileInfo(nazwa).fileName().toLower();
    for (qsizetype i = 0; i < filtry.size(); ++i) {
        for (const QString& rozszerzenie : RozszerzeniaFiltra(filtry[i])) {
            if (plik.endsWith(QLatin1Char('.') + rozszerzenie)) {
                return {nazwa, static_cast<int>(i) + 1};
            }
        }
    }
    if (filtry.isEmpty()) {
        return {nazwa, typ};
    }
    const QStringList wybrane = RozszerzeniaFiltra(filtry[typ - 1]);
    if (wybrane.isEmpty()) {
        return {nazwa, typ};
    }
    // A name ending in a dot takes the extension after that dot.
    const QString kropka = nazwa.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".");
    return {nazwa + kropka + wybrane.first(), typ};
}
