#include "shell/vector_legend.h"

#include <GL/gl.h>

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>

#include <algorithm>

#include "components/openglpanel/opengl_font.h"
#include "components/openglpanel/opengl_panel.h"

namespace shell {

namespace {

// In pixels: the text's height, the first baseline and the spacing, the left edges.
constexpr int TextHeight = 13, FirstBaseline = 16, LineSpacing = 17;
constexpr int SwatchLeft = 6, SymbolLeft = 20, NameLeft = 38;

QFont LegendFont() {
  QFont font("Arial");  // Liberation Sans or DejaVu Sans here, both with Greek
  font.setPixelSize(TextHeight);
  return font;
}

}  // namespace

VectorLegend::VectorLegend(std::vector<LegendLine> lines) : lines_(std::move(lines)) {}

VectorLegend::~VectorLegend() = default;

void VectorLegend::Create(TOpenGLPanel& panel) {
  const QFont font = LegendFont();
  names_.reset(panel.Create2DFont(&font, 32, 224));
  symbols_.clear();
  for (const LegendLine& line : lines_)
    symbols_.emplace_back(panel.Create2DFont(&font, line.symbol.unicode(), 1));
  Translate();
}

void VectorLegend::Translate() {
  const QFontMetrics metrics(LegendFont());
  names_text_.clear();
  width_ = 0;
  for (const LegendLine& line : lines_) {
    const QString name = QCoreApplication::translate("shell::VectorLegend", line.name);
    names_text_.push_back(name.toLatin1());
    width_ = std::max(width_, NameLeft + metrics.horizontalAdvance(name) + SwatchLeft);
  }
}

void VectorLegend::Draw(TOpenGLPanel& panel) const {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT);
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, viewport[2], viewport[3], 0, -1, 1);  // pixels, y down
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  // On black, so that the room's lines never cross the text.
  glColor3f(0.0f, 0.0f, 0.0f);
  glRecti(0, 0, width_, FirstBaseline + int(lines_.size() - 1) * LineSpacing + 5);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const LegendLine& line = lines_[i];
    const int baseline = FirstBaseline + int(i) * LineSpacing;
    // The raster position takes the colour current when it is set.
    glColor3fv(line.colour);
    glRecti(SwatchLeft, baseline - 9, SwatchLeft + 9, baseline);
    glRasterPos2i(SymbolLeft, baseline);
    if (const OpenGLFont2D* symbol = symbols_[i].get())
      glCallList(symbol->ListBase);
    glRasterPos2i(NameLeft, baseline);
    panel.Draw2DText(names_.get(), names_text_[i].constData());
  }
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glPopAttrib();
}

}  // namespace shell
