#include "shell/time_tools.h"

#include <QAction>
#include <QActionGroup>

#include <cstddef>
#include <utility>

#include "shell/scene_form.h"

namespace shell {

TimeTools::TimeTools(SceneForm& form, TimeToolItems items, TimeControls controls)
    : QObject(&form), form_(form), step_(items.step), controls_(std::move(controls)) {
  // Divisors of 1000: a millisecond of the clock stays whole microseconds of the world's time.
  constexpr std::uint32_t Slowdowns[] = {1, 2, 4, 10};
  auto* speeds = new QActionGroup(this);
  for (std::size_t i = 0; i < items.speeds.size(); ++i) {
    QAction* speed = speeds->addAction(items.speeds[i]);
    const std::uint32_t slowdown = Slowdowns[i];
    connect(speed, &QAction::triggered, this,
            [this, slowdown] { controls_.set_slowdown(slowdown); });
    if (speed->isChecked())
      controls_.set_slowdown(slowdown);
  }
  connect(step_, &QAction::triggered, this, &TimeTools::Step);
  // Resets and examples keep the integration, and so the check mark.
  const auto integrate = [this](bool exact) {
    controls_.set_integrator(exact ? math3d::Integrator::Exact : math3d::Integrator::Scheme);
  };
  connect(items.exact, &QAction::toggled, this, integrate);
  integrate(items.exact->isChecked());
  // Connected after the window's own handlers, so these run once the command is done.
  for (QAction* command : items.run_commands)
    connect(command, &QAction::triggered, this, &TimeTools::FollowRun);
  FollowRun();
}

void TimeTools::Step() {
  controls_.step();
  form_.PresentFrame();
}

void TimeTools::FollowRun() {
  step_->setEnabled(!controls_.running());
}

}  // namespace shell
