#pragma once
// The demo's window: the panel on the left, save and print buttons on the right.

#include "examples/panel-demo/demo_scene.h"

#include <QWidget>

class TOpenGLPanel;

class DemoWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DemoWindow(const std::string& textureFile);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SaveClick();
  void PrintClick();

  TOpenGLPanel* panel_;
  DemoScene scene_;
};
