// Cost of the physics that runs 10 000 sub-steps per second of wall time while a
// window is open.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "gyroscope/conditions.h"
#include "gyroscope/parameters.h"
#include "gyroscope/simulation.h"
#include "gyroscope/state.h"

namespace {

std::uint32_t GyroscopeClockMs = 0;

// The default top, running with gravity on, on a clock the benchmark moves.
void StartGyroscope() {
  GyroscopeClockMs = 0;
  gyroscope::SetClock([] { return GyroscopeClockMs; });
  gyroscope::SetUpSimulation();
  gyroscope::SwitchGravity(true);
  gyroscope::Running = true;
  gyroscope::AdvanceFrame();  // starts the clock
}

void BM_GyroscopeSubstep(benchmark::State& state) {
  StartGyroscope();
  for (auto _ : state) {
    gyroscope::pWorld->Simulate(gyroscope::MaxStep);
    benchmark::DoNotOptimize(gyroscope::TipAzimuth);
  }
  gyroscope::ReleaseScene();
}
BENCHMARK(BM_GyroscopeSubstep);

// One frame that catches up a whole simulated second: 10 000 sub-steps.
void BM_GyroscopeSecond(benchmark::State& state) {
  StartGyroscope();
  for (auto _ : state) {
    GyroscopeClockMs += 1000;
    gyroscope::AdvanceFrame();
    benchmark::DoNotOptimize(gyroscope::TipAzimuth);
  }
  gyroscope::ReleaseScene();
}
BENCHMARK(BM_GyroscopeSecond)->Unit(benchmark::kMillisecond);

}  // namespace
