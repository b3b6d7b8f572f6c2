#include "components/openglpanel/glyph_outlines.h"

#include "components/openglpanel/glyph_code.h"
#include "components/openglpanel/glyph_contours.h"

#include <QFontMetricsF>
#include <QPolygonF>
#include <QTransform>

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <deque>

namespace {

// Outlines are taken at this size and scaled down to one em.
constexpr int kEmPixels = 1024;

using Vertex = std::array<GLdouble, 3>;

// The tessellator's triangles for one glyph face.
struct Tessellation {
  std::vector<QPointF> triangles;  // three points each
  std::deque<Vertex> vertices;     // addresses handed to the tessellator stay valid
  bool failed = false;
};

void APIENTRY OnVertex(void* vertex, void* data) {
  const auto* v = static_cast<const GLdouble*>(vertex);
  static_cast<Tessellation*>(data)->triangles.emplace_back(v[0], v[1]);
}
void APIENTRY OnCombine(GLdouble coords[3], void* [4], GLfloat[4], void** out, void* data) {
  auto& vertices = static_cast<Tessellation*>(data)->vertices;
  *out = vertices.emplace_back(Vertex{coords[0], coords[1], coords[2]}).data();
}
void APIENTRY OnError(GLenum, void* data) {
  static_cast<Tessellation*>(data)->failed = true;
}
// Registering an edge-flag callback makes the tessellator give plain triangles only.
void APIENTRY OnEdgeFlag(GLboolean, void*) {}

using Callback = void(APIENTRY*)();

std::vector<QPointF> Tessellate(const std::vector<Contour>& contours) {
  Tessellation result;
  GLUtesselator* tess = gluNewTess();
  if (tess == nullptr)
    return {};
  gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<Callback>(OnVertex));
  gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<Callback>(OnCombine));
  gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<Callback>(OnError));
  gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<Callback>(OnEdgeFlag));
  // Glyph outlines are filled by the non-zero rule.
  gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
  gluTessNormal(tess, 0, 0, 1);
  gluTessBeginPolygon(tess, &result);
  for (const Contour& contour : contours) {
    gluTessBeginContour(tess);
    for (QPointF p : contour) {
      Vertex& v = result.vertices.emplace_back(Vertex{p.x(), p.y(), 0});
      gluTessVertex(tess, v.data(), v.data());
    }
    gluTessEndContour(tess);
  }
  gluTessEndPolygon(tess);
  gluDeleteTess(tess);
  if (result.failed)
    return {};
  return std::move(result.triangles);
}

double Cross(QPointF a, QPointF b, QPointF c) {
  return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
}

// Whether the glyph's filled side lies left of its contours' direction: the contour
// enclosing the largest area is an outer one, and a font keeps one convention.
bool FilledOnTheLeft(const std::vector<Contour>& contours) {
  double largest = 0;
  for (const Contour& contour : contours) {
    double area = 0;
    for (std::size_t i = 0; i < contour.size(); ++i)
      area += Cross({0, 0}, contour[i], contour[(i + 1) % contour.size()]);
    if (std::abs(area) > std::abs(largest))
      largest = area;
  }
  return largest >= 0;
}

void DrawFace(const std::vector<QPointF>& triangles, GLfloat z, bool facingUp) {
  glNormal3f(0, 0, facingUp ? 1 : -1);
  for (std::size_t t = 0; t + 2 < triangles.size(); t += 3) {
    QPointF a = triangles[t], b = triangles[t + 1], c = triangles[t + 2];
    // Counter-clockwise as seen from the side the face looks at.
    if ((Cross(a, b, c) > 0) != facingUp)
      std::swap(b, c);
    for (QPointF p : {a, b, c}) glVertex3f(GLfloat(p.x()), GLfloat(p.y()), z);
  }
}

void DrawWalls(const std::vector<Contour>& contours, GLfloat depth) {
  const bool left = FilledOnTheLeft(contours);
  glBegin(GL_QUADS);
  for (const Contour& contour : contours) {
    for (std::size_t i = 0; i < contour.size(); ++i) {
      QPointF a = contour[i], b = contour[(i + 1) % contour.size()];
      if (!left)
        std::swap(a, b);  // walk with the filled side on the left
      const QPointF d = b - a;
      const double length = std::hypot(d.x(), d.y());
      if (length == 0)
        continue;
      glNormal3f(GLfloat(d.y() / length), GLfloat(-d.x() / length), 0);
      glVertex3f(GLfloat(a.x()), GLfloat(a.y()), -depth);
      glVertex3f(GLfloat(b.x()), GLfloat(b.y()), -depth);
      glVertex3f(GLfloat(b.x()), GLfloat(b.y()), 0);
      glVertex3f(GLfloat(a.x()), GLfloat(a.y()), 0);
    }
  }
  glEnd();
}

void DrawSolid(const std::vector<Contour>& contours, GLfloat extrusion) {
  const std::vector<QPointF> triangles = Tessellate(contours);
  glBegin(GL_TRIANGLES);
  DrawFace(triangles, 0, true);
  if (extrusion != 0)
    DrawFace(triangles, -extrusion, false);
  glEnd();
  if (extrusion != 0)
    DrawWalls(contours, extrusion);
}

void DrawLoops(const std::vector<Contour>& contours, GLfloat z) {
  for (const Contour& contour : contours) {
    glBegin(GL_LINE_LOOP);
    for (QPointF p : contour) glVertex3f(GLfloat(p.x()), GLfloat(p.y()), z);
    glEnd();
  }
}

void DrawLines(const std::vector<Contour>& contours, GLfloat extrusion) {
  DrawLoops(contours, 0);
  if (extrusion != 0)
    DrawLoops(contours, -extrusion);
}

GlyphMetricsFloat Metrics(const std::vector<Contour>& contours, double advance) {
  QRectF box;
  for (const Contour& contour : contours)
    box |= QPolygonF(QList<QPointF>(contour.begin(), contour.end())).boundingRect();
  // y grows upwards here, so the box's "bottom" in Qt terms is its top edge.
  return {float(box.width()),  float(box.height()), float(box.left()),
          float(box.bottom()), float(advance),      0};
}

}  // namespace

void UseFontOutlines(const QFont& font, std::int32_t first, std::int32_t count,
                     std::uint32_t listBase, float deviation, float extrusion, int format,
                     GlyphMetricsFloat* metrics) {
  QFont scaled(font);
  scaled.setPixelSize(kEmPixels);
  scaled.setHintingPreference(QFont::PreferNoHinting);
  const QFontMetricsF font_metrics(scaled);
  // From Qt's pixels, y down, to em units, y up.
  const QTransform to_em = QTransform::fromScale(1.0 / kEmPixels, -1.0 / kEmPixels);

  for (std::int32_t i = 0; i < count; ++i) {
    const QString text = GlyphText(std::int64_t{first} + i);
    QPainterPath path;
    if (!text.isEmpty())
      path.addText(0, 0, scaled, text);
    const std::vector<Contour> contours = FlattenPath(to_em.map(path), deviation);
    const double advance = text.isEmpty() ? 0 : font_metrics.horizontalAdvance(text) / kEmPixels;
    metrics[i] = Metrics(contours, advance);

    glNewList(listBase + static_cast<std::uint32_t>(i), GL_COMPILE);
    if (format == kFontLines)
      DrawLines(contours, extrusion);
    else
      DrawSolid(contours, extrusion);
    glTranslatef(float(advance), 0, 0);
    glEndList();
  }
}
