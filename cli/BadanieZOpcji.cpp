#include "BadanieZOpcji.h"

#include "OpcjeWsadowe.h"
#include "ZrodloZiarna.h"

BadaniePowtorzen BadanieZOpcji(const OpcjeWsadowe& o, ZrodloZiarna& zegar) {
    BadaniePowtorzen b;
    b.Parametry = o.Parametry;
    b.Stopien = o.Stopien;
    b.Ziarno = o.Ziarno ? *o.Ziarno : zegar.Ziarno().value_or(0);
    b.ZiarnoZZegara = !o.Ziarno;
    b.Powtorzenia = o.Powtorzenia;
    b.DwaStarty = o.DwaStarty;
    b.Generator = o.Generator;
    return b;
}
