#pragma once
// Drawing that both simulations' scenes share: the fixed GL state they start
// from and the room (or box) they stand in. Plain OpenGL, no Qt.

namespace scene {

// Black clear colour, culling, depth test, flat shading, light 0 fixed to the
// eye with colour material on front faces, and a 45-degree perspective on the
// given viewport. Lighting itself stays off; the scene switches it per object.
void SetFixedSceneState(unsigned viewport_width, unsigned viewport_height);

// A cube of half-edge h around the origin, in the current colour: the four top
// and four vertical edges as lines, and a grey floor whose border gives the
// bottom edges. Leaves face culling enabled.
void DrawRoom(float h);

}  // namespace scene
