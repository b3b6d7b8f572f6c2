#pragma once
// A glyph outline flattened into closed polygons for the tessellator and the side walls.

#include <QPainterPath>
#include <QPointF>

#include <vector>

using Contour = std::vector<QPointF>;

// Each subpath of `path` as one closed polygon (the closing point not repeated), with
// curves replaced by chords that stay within `deviation` of them. A deviation that is
// not positive asks for the finest flattening.
std::vector<Contour> FlattenPath(const QPainterPath& path, double deviation);
