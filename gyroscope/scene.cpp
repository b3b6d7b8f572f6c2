#include "gyroscope/scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "gyroscope/render.h"
#include "gyroscope/simulation.h"
#include "gyroscope/state.h"

namespace gyroscope {

namespace {

void SetFixedGLState() {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glEnable(GL_CULL_FACE);
  glEnable(GL_DEPTH_TEST);
  glShadeModel(GL_FLAT);
  // Placed while the model-view matrix is the identity: the light rides with the eye.
  const GLfloat light_position[] = {0.0f, 0.0f, 1.0f, 1.0f};
  glLightfv(GL_LIGHT0, GL_POSITION, light_position);
  glEnable(GL_LIGHT0);
  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
  glMatrixMode(GL_PROJECTION);
  glViewport(0, 0, ViewportWidth, ViewportHeight);
  gluPerspective(45.0, ViewportWidth / ViewportHeight, 0.1, 100.0);
  glMatrixMode(GL_MODELVIEW);
}

}  // namespace

void InitializeScene() {
  SetFixedGLState();
  SetUpSimulation();
  glMaterialf(GL_FRONT, GL_SHININESS, 25.0f);
  CompileDisplayLists();
}

void RunFrame() {
  if (!pWorld)
    return;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  AdvanceFrame();
  pWorld->Render();
}

}  // namespace gyroscope
