#include "freebody/drawing.h"

#include <GL/gl.h>

#include "freebody/parameters.h"
#include "freebody/world.h"

namespace freebody {
namespace {

enum Part { Block, Axes };

void Quad(GLfloat nx, GLfloat ny, GLfloat nz, const GLfloat (&corners)[4][3]) {
  glNormal3f(nx, ny, nz);
  for (const auto& corner : corners) glVertex3fv(corner);
}

void DrawBlock() {
  glColor3f(0.9f, 0.9f, 0.0f);
  glBegin(GL_QUADS);
  // Counter-clockwise seen from outside.
  Quad(-1, 0, 0, {{-dX, -dY, -dZ}, {-dX, -dY, dZ}, {-dX, dY, dZ}, {-dX, dY, -dZ}});
  Quad(1, 0, 0, {{dX, dY, dZ}, {dX, -dY, dZ}, {dX, -dY, -dZ}, {dX, dY, -dZ}});
  Quad(0, -1, 0, {{-dX, -dY, -dZ}, {dX, -dY, -dZ}, {dX, -dY, dZ}, {-dX, -dY, dZ}});
  Quad(0, 1, 0, {{dX, dY, dZ}, {dX, dY, -dZ}, {-dX, dY, -dZ}, {-dX, dY, dZ}});
  Quad(0, 0, -1, {{-dX, -dY, -dZ}, {-dX, dY, -dZ}, {dX, dY, -dZ}, {dX, -dY, -dZ}});
  Quad(0, 0, 1, {{dX, dY, dZ}, {-dX, dY, dZ}, {-dX, -dY, dZ}, {dX, -dY, dZ}});
  glEnd();
}

void DrawAxes() {
  // Longer than the block's largest half-extent, so all three stick out.
  constexpr GLfloat a = WorldSize * (1.0f / 3.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  glBegin(GL_LINES);
  glVertex3f(-a, 0, 0);
  glVertex3f(a, 0, 0);
  glVertex3f(0, -a, 0);
  glVertex3f(0, a, 0);
  glVertex3f(0, 0, -a);
  glVertex3f(0, 0, a);
  glEnd();
}

// Paused, the world holds no momentum; running or on the next start, the block has
// InitialMomentum (no command changes it during a run). Both arrows come from it
// and the orientation, seen from the observer frame as the block is.
void DrawVectors(const State& state) {
  const Matrix3x3& r = state.BlockOrientation;
  const Vector3& momentum = state.InitialMomentum;
  const Vector3 omega = r * (InverseBodyInertia() * (math3d::Transpose(r) * momentum));
  const scene::Arrow arrows[] = {{momentum, MomentumScale, 0.05f, scene::MomentumColour},
                                 {omega, VelocityScale, 0.075f, scene::VelocityColour}};
  scene::PushTurned(state.FrameOrientation);
  scene::DrawArrows(arrows, LongestArrow);
  glPopMatrix();
}

}  // namespace

void Drawing::Compile() {
  lists_.Compile({DrawBlock, DrawAxes});
}

void Drawing::Draw(const State& state) const {
  // The block as seen from the observer frame; the room turns with the frame only.
  const Matrix3x3 drawn = state.FrameOrientation * state.BlockOrientation;
  glEnable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  lists_.CallTurned(Block, drawn);
  glDisable(GL_LIGHTING);
  if (state.ShowAxes)
    lists_.CallTurned(Axes, drawn);
  scene::PushTurned(state.FrameOrientation);
  glColor3f(1, 1, 1);
  scene::DrawRoom(WorldSize / 2);
  glPopMatrix();
  if (state.ShowVectors)
    DrawVectors(state);
}

}  // namespace freebody
