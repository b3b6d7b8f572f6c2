#include "gyroscope/scene.h"

#include <GL/gl.h>

#include "scene/scene_gl.h"
#include "gyroscope/render.h"
#include "gyroscope/simulation.h"
#include "gyroscope/state.h"

namespace gyroscope {

void InitializeScene() {
  scene::SetFixedSceneState(ViewportWidth, ViewportHeight);
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
