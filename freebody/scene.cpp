#include "freebody/scene.h"

#include "freebody/drawing.h"
#include "freebody/parameters.h"
#include "freebody/simulation.h"
#include "scene/scene_gl.h"

namespace freebody {

void InitializeScene() {
  scene::InitializeScene(Program(), scene::PanelDrawing<Drawing>(), ViewportWidth,
                         ViewportHeight);
}

void RunFrame() {
  scene::RunFrame(Program(), scene::PanelDrawing<Drawing>());
}

}  // namespace freebody
