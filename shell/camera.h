#pragma once
// The camera both main windows share: keys set rates per second and every frame
// adds them for the time it covers, so the view moves as fast on every machine;
// the paint handler applies the view before the scene is drawn.

namespace shell {

// Virtual-key codes the handlers receive.
enum VirtualKey { VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_I = 73, VK_O = 79 };

// Degrees per second while an arrow is held.
constexpr float TurnSpeed = 60.0f;
// Degrees per pixel of a drag over the drawing.
constexpr float DragTurn = 0.5f;
// One wheel notch (120 eighths of a degree) moves as far as holding I or O this long.
constexpr double NotchSeconds = 1.0 / 6.0;

struct Camera {
  float ViewDistance;
  float ViewDistanceRate = 0.0f;  // per second, as the other rates
  float ViewYaw = 0.0f;           // degrees
  float ViewYawRate = 0.0f;
  float ViewPitch = 0.0f;  // degrees
  float ViewPitchRate = 0.0f;
  float ZoomSpeed;  // distance per second while I or O is held

  Camera(float view_distance, float zoom_speed)
      : ViewDistance(view_distance), ZoomSpeed(zoom_speed) {}

  // A key sets one rate; other keys do nothing.
  void KeyDown(int key);
  // Releasing any key stops every motion.
  void KeyUp();
  // A drag by (dx, dy) pixels turns the view at once, the scene following the
  // pointer: to the right as the left arrow turns it, down as the up arrow.
  void Drag(int dx, int dy);
  // The wheel turned by `delta` eighths of a degree; away from the user moves in, as I.
  void Wheel(int delta);
  // Moves the view by the rates over `seconds`.
  void Tick(double seconds);
  // Loads the model-view matrix: distance, pitch, yaw, then the fixed turns that
  // put the simulation's z axis up and its y axis to the right.
  void Apply() const;
};

}  // namespace shell
