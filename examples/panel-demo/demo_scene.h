#pragma once
// What the demo's panel draws: a textured square, a turning 3D word and a 2D caption.

#include <memory>
#include <string>

class TOpenGLPanel;

class DemoScene {
 public:
  explicit DemoScene(std::string textureFile) : texture_file_(std::move(textureFile)) {}

  // With the panel's context current, from its OnInit and OnPaint.
  void Init(TOpenGLPanel& panel);
  void Paint(TOpenGLPanel& panel);

  void Turn(float degrees) { angle_ += degrees; }

 private:
  void DrawTexturedSquare() const;
  void DrawWord(TOpenGLPanel& panel) const;
  static void DrawCaption(TOpenGLPanel& panel);

  std::string texture_file_;
  unsigned texture_ = 0;
  float angle_ = 20;
};
