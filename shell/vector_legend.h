#pragma once
// The legend of a scene's arrows in the top-left corner of its panel: for each
// arrow a swatch, its symbol and its name, all in its colour, in bitmap text from
// fonts of the legend's own (the panel's fonts and their settings stay as they are).

#include <QByteArray>
#include <QChar>

#include <memory>
#include <vector>

struct OpenGLFont2D;
class TOpenGLPanel;

namespace shell {

struct LegendLine {
  QChar symbol;         // any character, Greek letters too
  const char* name;     // marked in the context "shell::VectorLegend"; Latin-1 translated
  const float* colour;  // red, green, blue from 0 to 1
};

class VectorLegend {
 public:
  explicit VectorLegend(std::vector<LegendLine> lines);
  ~VectorLegend();

  // With the panel's context current, again for every new context: the fonts.
  void Create(TOpenGLPanel& panel);
  // The names in the language installed now, and the box that holds them.
  void Translate();
  // Over whatever is drawn, in the current viewport's top-left corner.
  void Draw(TOpenGLPanel& panel) const;

 private:
  std::vector<LegendLine> lines_;
  std::vector<QByteArray> names_text_;  // translated, each line's
  int width_ = 0;                       // in pixels, with the margins
  // Only the records are deleted here: their lists go with the context.
  std::unique_ptr<OpenGLFont2D> names_;
  std::vector<std::unique_ptr<OpenGLFont2D>> symbols_;  // one character each
};

}  // namespace shell
