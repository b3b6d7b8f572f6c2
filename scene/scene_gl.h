#pragma once
// Drawing that both simulations' scenes share: the fixed GL state they start
// from, their display lists, the room (or box) they stand in, and the panel's
// initialisation and paint around a simulation and its drawing. Plain OpenGL, no Qt.

#include <initializer_list>
#include <span>
#include <utility>

#include "math/math3d.h"

namespace scene {

// Black clear colour, culling, depth test, flat shading, light 0 fixed to the
// eye with colour material on front faces, and a 45-degree perspective on the
// given viewport. Lighting itself stays off; the scene switches it per object.
void SetFixedSceneState(int viewport_width, int viewport_height);

// Clears the colour and depth buffers.
void ClearBuffers();

// Pushes the model-view matrix and turns it by `orientation` about the origin;
// glPopMatrix undoes it.
void PushTurned(const math3d::Matrix3x3& orientation);

// A cube of half-edge h around the origin, in the current colour: the four top
// and four vertical edges as lines, and a grey floor whose border gives the
// bottom edges. Leaves face culling enabled.
void DrawRoom(float h);

// The colours both programs give the angular momentum, the angular velocity and
// the torque: pure hues that the lighting saturates facing the eye.
using Colour = float[3];
inline constexpr Colour MomentumColour = {0.0f, 1.0f, 1.0f};
inline constexpr Colour VelocityColour = {1.0f, 0.0f, 1.0f};
inline constexpr Colour TorqueColour = {1.0f, 0.5f, 0.0f};

// A vector quantity drawn as an arrow: `scale` scene units per unit of `vector`,
// a shaft of `radius` and a cone head.
struct Arrow {
  math3d::Vector3 vector;
  float scale;
  float radius;
  const float* colour;
};

// The arrows from the origin, none longer than `longest` (a zero vector draws
// nothing), lit as the scene's solids; the lighting, culling, shading and colour
// are left as they were.
void DrawArrows(std::span<const Arrow> arrows, float longest);

// A drawing's display lists, one per part. Their names come from glGenLists, so
// they never take ones the panel's fonts hold.
class DisplayLists {
 public:
  // With a context current: new names, each list compiled from its part.
  void Compile(std::initializer_list<void (*)()> parts);
  // Calls the list of part `part` (counted from 0) turned by `orientation`.
  void CallTurned(unsigned part, const math3d::Matrix3x3& orientation) const;

 private:
  unsigned base_ = 0;
};

// The panel's initialisation, with its context current: the fixed GL state, a
// world with the default conditions when there is none yet, and the drawing's GL
// objects. After Qt re-creates the context it rebuilds the GL objects only: the
// conditions and the run stay as they are.
template <class Simulation, class Drawing>
void InitializeScene(Simulation& simulation, Drawing& drawing,
                     const std::pair<int, int>& viewport) {
  SetFixedSceneState(viewport.first, viewport.second);
  if (!simulation.World())
    simulation.SetUpSimulation();
  drawing.Compile();
}

// The panel's paint, after the camera is set: clears, advances the world to the
// clock and draws the state. Nothing without a world (after ReleaseScene).
template <class Simulation, class Drawing>
void RunFrame(Simulation& simulation, const Drawing& drawing) {
  if (!simulation.World())
    return;
  ClearBuffers();
  simulation.AdvanceFrame();
  drawing.Draw(simulation.state);
}

// The window's two entry points for a program's one simulation, `program()`, with
// the drawing kept for the panel's context.
template <auto& program, class Drawing, const std::pair<int, int>& viewport>
struct Panel {
  static void Initialize() { InitializeScene(program(), PanelDrawing(), viewport); }
  static void RunFrame() { scene::RunFrame(program(), PanelDrawing()); }
  static Drawing& PanelDrawing() {
    static Drawing drawing;
    return drawing;
  }
};

}  // namespace scene
