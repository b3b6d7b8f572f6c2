#pragma once
// The camera both main windows share: keys set per-tick rates, every tick adds
// them, and the paint handler applies the view before the scene is drawn.

namespace shell {

// Virtual-key codes the handlers receive.
enum VirtualKey { VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_I = 73, VK_O = 79 };

struct Camera {
  float ViewDistance;
  float ViewDistanceRate = 0.0f;
  float ViewYaw = 0.0f;  // degrees
  float ViewYawRate = 0.0f;
  float ViewPitch = 0.0f;  // degrees
  float ViewPitchRate = 0.0f;
  float ZoomStep;  // distance added per tick while I or O is held

  Camera(float view_distance, float zoom_step) : ViewDistance(view_distance), ZoomStep(zoom_step) {}

  // A key sets one rate; other keys do nothing.
  void KeyDown(int key);
  // Releasing any key stops every motion.
  void KeyUp();
  void Tick();
  // Loads the model-view matrix: distance, pitch, yaw, then the fixed turns that
  // put the simulation's z axis up and its y axis to the right.
  void Apply() const;
};

}  // namespace shell
