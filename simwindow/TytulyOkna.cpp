#include "TytulyOkna.h"

#include "TytulOknaSieci.h"

QString TytulOkna(RodzajSieci rodzaj, const QString& etap) {
    return QString::fromStdString(TekstTytuluOkna(rodzaj, etap.toStdString()));
}
