#pragma once
// The frame benchmark's yardstick: a plain Qt program as one would write it without
// our panel. A QMainWindow holds a QOpenGLWidget drawing a scene like Vorlat's with
// GL 1.1 and GLU, and four labels that never change; a 1 ms timer repaints it.

#include <QWidget>

#include <functional>
#include <memory>

// `painted` runs after every frame drawn.
std::unique_ptr<QWidget> OpenPlainWindow(std::function<void()> painted);
