#pragma once

struct PunktWykresu {
    double X = 0.0;
    double Y = 0.0;
};
