#pragma once

#include <QList>
#include <QPointF>

// The points of a line that draw the same picture at a given width in pixels.
// Of the points falling into one pixel column (x ascending, as every line of
// the program keeps them) only the first, the lowest, the highest and the last
// are needed, so a line of 10 000 points hands the chart at most four points
// per column. Points left or right of [xMin, xMax] share one column on each
// side, so the line still leaves the plot where it did. A line with at most
// four points per column is returned as it is.
QList<QPointF> PrzerzedzLinie(const QList<QPointF>& punkty, double xMin, double xMax, int kolumny);
