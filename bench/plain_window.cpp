#include "bench/plain_window.h"

#include <GL/glu.h>

#include <QLabel>
#include <QMainWindow>
#include <QOpenGLWidget>
#include <QTimer>

#include <cmath>
#include <vector>

namespace {

constexpr int TracePoints = 2000;

class PlainScene : public QOpenGLWidget {
 public:
  PlainScene(std::function<void()> painted, QWidget* parent)
      : QOpenGLWidget(parent), painted_(std::move(painted)) {
    // The path of a nodding, precessing tip, as the top's trace draws one.
    for (int i = 0; i < TracePoints; ++i) {
      const double t = i * 0.01, tilt = 0.5 + 0.1 * std::sin(7.0 * t);
      trace_.push_back(
          {std::sin(tilt) * std::cos(t), std::sin(tilt) * std::sin(t), std::cos(tilt)});
    }
  }
  ~PlainScene() override {
    makeCurrent();
    gluDeleteQuadric(quadric_);
  }

 protected:
  void initializeGL() override {
    quadric_ = gluNewQuadric();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    const GLfloat light[] = {2.0f, 2.0f, 3.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
  }

  void resizeGL(int width, int height) override {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, double(width) / height, 0.1, 100.0);
  }

  void paintGL() override {
    ++frame_;
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(5.0, 3.5, 2.0, 0.0, 0.0, 0.5, 0.0, 0.0, 1.0);

    glDisable(GL_LIGHTING);
    glColor3f(0.3f, 0.3f, 0.4f);  // the floor
    glBegin(GL_QUADS);
    glVertex3f(-2, -2, 0);
    glVertex3f(2, -2, 0);
    glVertex3f(2, 2, 0);
    glVertex3f(-2, 2, 0);
    glEnd();
    glColor3f(1.0f, 1.0f, 0.0f);  // the axes
    glBegin(GL_LINES);
    for (int axis = 0; axis < 3; ++axis) {
      glVertex3f(0, 0, 0);
      glVertex3f(axis == 0, axis == 1, axis == 2);
    }
    glEnd();
    glColor3f(0.0f, 1.0f, 0.5f);  // the trace, drawn from a moving start
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i < TracePoints; ++i) {
      const auto& [x, y, z] = trace_[(frame_ + i) % TracePoints];
      glVertex3d(x, y, z);
    }
    glEnd();

    glEnable(GL_LIGHTING);  // the top: an axle and a spinning disc on it
    const auto& [x, y, z] = trace_[(frame_ + TracePoints - 1) % TracePoints];
    glRotated(std::atan2(y, x) * 180.0 / M_PI, 0.0, 0.0, 1.0);
    glRotated(std::acos(z) * 180.0 / M_PI, 0.0, 1.0, 0.0);
    glColor3f(0.7f, 0.7f, 0.7f);
    gluCylinder(quadric_, 0.02, 0.02, 1.0, 12, 1);
    glTranslated(0.0, 0.0, 0.7);
    glRotated(frame_ * 5.0, 0.0, 0.0, 1.0);
    glColor3f(0.8f, 0.2f, 0.2f);
    gluCylinder(quadric_, 0.45, 0.45, 0.08, 20, 20);
    gluDisk(quadric_, 0.0, 0.45, 20, 20);
    glTranslated(0.0, 0.0, 0.08);
    gluDisk(quadric_, 0.0, 0.45, 20, 20);
    painted_();
  }

 private:
  struct Point {
    double x, y, z;
  };
  std::function<void()> painted_;
  std::vector<Point> trace_;
  GLUquadric* quadric_ = nullptr;
  int frame_ = 0;
};

}  // namespace

std::unique_ptr<QWidget> OpenPlainWindow(std::function<void()> painted) {
  auto window = std::make_unique<QMainWindow>();
  auto* central = new QWidget(window.get());
  window->setCentralWidget(central);
  central->setFixedSize(560, 397);  // Vorlat's window, its drawing the same size as Vorlat's
  auto* scene = new PlainScene(std::move(painted), central);
  scene->setGeometry(0, 0, 405, 397);
  for (int i = 0; i < 4; ++i)
    (new QLabel(QString("Label %1").arg(i), central))->setGeometry(420, 20 + 30 * i, 130, 16);
  auto* timer = new QTimer(window.get());
  timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer, &QTimer::timeout, scene, [scene] { scene->repaint(); });
  timer->start(1);
  return window;
}
