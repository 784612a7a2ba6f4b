#pragma once

#include "PunktWykresu.h"

#include <QList>
#include <QPointF>

#include <vector>

// The points the results core computes, as a chart series takes them.
QList<QPointF> PunktyWykresu(const std::vector<PunktWykresu>& punkty);
