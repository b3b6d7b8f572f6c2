#pragma once
// How a teacher runs the motion, behind the last items of "Opciones": slow motion,
// a submenu of exclusive speeds, a single step while the run stands still, and the
// exact integration in place of the explicit scheme.

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>

#include "math/integrator.h"

class QAction;

namespace shell {

class SceneForm;

struct TimeToolItems {
  std::array<QAction*, 4> speeds;  // checkable: ×1, ×1/2, ×1/4, ×1/10, the chosen one checked
  QAction* step;
  QAction* exact;                        // checkable: the exact integration when checked
  std::array<QAction*, 2> run_commands;  // start or pause, and reset: the step follows them
};

// The simulation's side of the items.
struct TimeControls {
  std::function<void(std::uint32_t slowdown)> set_slowdown;
  std::function<void()> step;  // only while paused or not started
  std::function<bool()> running;
  std::function<void(math3d::Integrator)> set_integrator;  // at once, mid-run or paused
};

// The controls of a program's one simulation, which outlives the window.
template <class Simulation>
TimeControls ControlsOf(Simulation& simulation) {
  return {[&simulation](std::uint32_t slowdown) { simulation.SetSlowdown(slowdown); },
          [&simulation] { simulation.Step(); }, [&simulation] { return simulation.state.Running; },
          [&simulation](math3d::Integrator integrator) { simulation.SetIntegrator(integrator); }};
}

class TimeTools : public QObject {
 public:
  // Lives as long as `form`; applies the checked speed and integration at once.
  TimeTools(SceneForm& form, TimeToolItems items, TimeControls controls);

 private:
  void Step();
  // The step only while the run stands still.
  void FollowRun();

  SceneForm& form_;
  QAction* const step_;
  const TimeControls controls_;
};

}  // namespace shell
