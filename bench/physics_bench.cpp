// Cost of the physics that runs while a window is open: 10 000 sub-steps per second
// of wall time for the top, about 1 000 for the block.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "freebody/commands.h"
#include "freebody/step.h"
#include "freebody/world.h"
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

std::uint32_t FreeBodyClockMs = 0;

// Example 2, the block tumbling about its intermediate axis, on a clock the
// benchmark moves.
void StartFreeBody() {
  FreeBodyClockMs = 0;
  freebody::RestoreStartUpState();
  freebody::SetClock([] { return FreeBodyClockMs; });
  freebody::SetUpSimulation();
  freebody::ApplyExample(2);
  freebody::Start();
  freebody::AdvanceFrame();  // starts the clock
}

void BM_FreeBodySubstep(benchmark::State& state) {
  StartFreeBody();
  for (auto _ : state) {
    freebody::pWorld->Simulate(0.001f);  // one 1 ms frame of the window
    benchmark::DoNotOptimize(freebody::pWorld->SourceIndex);
  }
  freebody::ReleaseScene();
}
BENCHMARK(BM_FreeBodySubstep);

// One simulated second in 1 ms frames, as the window's timer paces them.
void BM_FreeBodySecond(benchmark::State& state) {
  StartFreeBody();
  for (auto _ : state) {
    for (int frame = 0; frame < 1000; ++frame) {
      ++FreeBodyClockMs;
      freebody::AdvanceFrame();
    }
    benchmark::DoNotOptimize(freebody::pWorld->SourceIndex);
  }
  freebody::ReleaseScene();
}
BENCHMARK(BM_FreeBodySecond)->Unit(benchmark::kMicrosecond);

}  // namespace
