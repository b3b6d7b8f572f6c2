#pragma once
// The panel's drawing surface: a native window of its own inside the panel, so that
// presenting a frame swaps only the panel's pixels and never recomposes the window
// around it. It never takes the keyboard focus: the keys stay with the window. The
// mouse over it reaches the application through the panel's signals.

#include <QWindow>

class TOpenGLPanel;

class PanelSurface : public QWindow {
 public:
  explicit PanelSurface(TOpenGLPanel* panel);

 protected:
  void exposeEvent(QExposeEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  TOpenGLPanel* panel_;
};
