#include "gyroscope/scene.h"

#include "gyroscope/drawing.h"
#include "gyroscope/parameters.h"
#include "gyroscope/simulation.h"
#include "scene/scene_gl.h"

namespace gyroscope {

void InitializeScene() {
  scene::InitializeScene(Program(), scene::PanelDrawing<Drawing>(), ViewportWidth,
                         ViewportHeight);
}

void RunFrame() {
  scene::RunFrame(Program(), scene::PanelDrawing<Drawing>());
}

}  // namespace gyroscope
