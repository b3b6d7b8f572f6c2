#include "freebody/drawing.h"

#include <GL/gl.h>

#include "scene/scene_gl.h"
#include "freebody/step.h"
#include "freebody/world.h"

namespace freebody {
namespace {

void Quad(GLfloat nx, GLfloat ny, GLfloat nz, const GLfloat (&corners)[4][3]) {
  glNormal3f(nx, ny, nz);
  for (const auto& corner : corners) glVertex3fv(corner);
}

void CompileBlockList() {
  glNewList(BlockList, GL_COMPILE);
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
  glEndList();
}

void CompileAxesList() {
  // Longer than the block's largest half-extent, so all three stick out.
  constexpr GLfloat a = WorldSize * (1.0f / 3.0f);
  glNewList(AxesList, GL_COMPILE);
  glColor3f(1.0f, 1.0f, 1.0f);
  glBegin(GL_LINES);
  glVertex3f(-a, 0, 0);
  glVertex3f(a, 0, 0);
  glVertex3f(0, -a, 0);
  glVertex3f(0, a, 0);
  glVertex3f(0, 0, -a);
  glVertex3f(0, 0, a);
  glEnd();
  glEndList();
}

void MultiplyPlacement(const Matrix3x3& orientation, const Vector3& position) {
  GLfloat placement[16];
  math3d::ToOpenGLMatrix(orientation, position, placement);
  glMultMatrixf(placement);
}

}  // namespace

void InitializeScene() {
  scene::SetFixedSceneState(ViewportWidth, ViewportHeight);
  SetUpSimulation();
  glMaterialf(GL_FRONT, GL_SHININESS, 25);
  CompileBlockList();
  CompileAxesList();
}

void RunFrame() {
  if (!pWorld)
    return;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  AdvanceFrame();
  pWorld->Render();
}

void simulation_world::Render() {
  const BodyConfiguration& block = Source(BlockBody);
  const BodyConfiguration& frame = Source(FrameBody);
  // The block as seen from the observer frame; the room turns with the frame only.
  const Matrix3x3 drawn = frame.Orientation * block.Orientation;

  glEnable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glPushMatrix();
  MultiplyPlacement(drawn, block.Position);
  glCallList(BlockList);
  glPopMatrix();

  WriteBackOrientations();
  glDisable(GL_LIGHTING);

  if (ShowAxes) {
    glPushMatrix();
    MultiplyPlacement(drawn, block.Position);
    glCallList(AxesList);
    glPopMatrix();
  }

  glPushMatrix();
  glColor3f(1, 1, 1);
  MultiplyPlacement(frame.Orientation, frame.Position);
  scene::DrawRoom(WorldSize / 2);
  glPopMatrix();
}

}  // namespace freebody
