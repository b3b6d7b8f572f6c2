#pragma once
// Drawing tests of a simulation's scene on a 400 x 400 offscreen panel, through the
// window's initialisation and paint, the camera at rest `Distance` away on +x.

#include <GL/gl.h>

#include <QImage>
#include <QRect>

#include <cmath>

#include "math/stepped_run_testing.h"
#include "scene/scene_gl.h"
#include "testing/offscreen_gl.h"
#include "testing/pixels.h"

namespace scene {

template <class Simulation, class Drawing, double Distance>
class SceneTest : public math3d::SteppedRunTest<Simulation> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gl.IsValid());
    InitializeScene(this->run, drawing, {400, 400});
  }
  // The window's camera at rest, then the frame.
  QImage Paint() {
    gl.MakeCurrent();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -float(Distance));
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    RunFrame(this->run, drawing);
    return gl.Image();
  }
  // Where the point (0, y, z) lands, and the square `half` pixels each way around it.
  static QPoint Screen(double y, double z) {
    const double pixels_per_unit = 200.0 / (std::tan(22.5 * M_PI / 180.0) * Distance);
    return QPoint(int(std::lround(200 + y * pixels_per_unit)),
                  int(std::lround(200 - z * pixels_per_unit)));
  }
  static QRect Around(double y, double z, int half) {
    return QRect(Screen(y, z) - QPoint(half, half), Screen(y, z) + QPoint(half, half));
  }

  testkit::OffscreenGL gl{400, 400};
  Drawing drawing;
};

}  // namespace scene
