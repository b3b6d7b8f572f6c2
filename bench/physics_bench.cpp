// Cost of the physics that runs while a window is open: 10 000 sub-steps per second
// of wall time for the top, about 1 000 for the block.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "freebody/commands.h"
#include "gyroscope/commands.h"

namespace {

// The default top, running with gravity on, on a clock the benchmark moves.
struct RunningTop {
  explicit RunningTop(math3d::Integrator integrator = math3d::Integrator::Scheme) {
    top.SetIntegrator(integrator);
    top.SetUpSimulation();
    gyroscope::SwitchGravity(top, true);
    gyroscope::Start(top);
    top.AdvanceFrame();  // starts the clock
  }
  std::uint32_t now_ms = 0;
  gyroscope::Simulation top{[this] { return now_ms; }};
};

void BM_GyroscopeSubstep(benchmark::State& state) {
  RunningTop running;
  // A world of its own on the running top's state, stepped by hand.
  gyroscope::simulation_world world(running.top.state);
  for (auto _ : state) {
    world.Simulate(gyroscope::MaxStep);
    benchmark::DoNotOptimize(running.top.state.TipAzimuth);
  }
}
BENCHMARK(BM_GyroscopeSubstep);

// The same sub-step in the exact mode.
void BM_GyroscopeSubstepExact(benchmark::State& state) {
  RunningTop running;
  gyroscope::simulation_world world(running.top.state);
  world.SetIntegrator(math3d::Integrator::Exact);
  for (auto _ : state) {
    world.Simulate(gyroscope::MaxStep);
    benchmark::DoNotOptimize(running.top.state.TipAzimuth);
  }
}
BENCHMARK(BM_GyroscopeSubstepExact);

// One frame that catches up a whole simulated second: 10 000 sub-steps.
void GyroscopeSecond(benchmark::State& state, math3d::Integrator integrator) {
  RunningTop running(integrator);
  for (auto _ : state) {
    running.now_ms += 1000;
    running.top.AdvanceFrame();
    benchmark::DoNotOptimize(running.top.state.TipAzimuth);
  }
}
void BM_GyroscopeSecond(benchmark::State& state) {
  GyroscopeSecond(state, math3d::Integrator::Scheme);
}
BENCHMARK(BM_GyroscopeSecond)->Unit(benchmark::kMillisecond);
void BM_GyroscopeSecondExact(benchmark::State& state) {
  GyroscopeSecond(state, math3d::Integrator::Exact);
}
BENCHMARK(BM_GyroscopeSecondExact)->Unit(benchmark::kMillisecond);

// Example 2, the block tumbling about its intermediate axis, on a clock the
// benchmark moves.
struct TumblingBlock {
  explicit TumblingBlock(math3d::Integrator integrator = math3d::Integrator::Scheme) {
    block.SetUpSimulation();
    block.SetIntegrator(integrator);
    freebody::ApplyExample(block, 2);
    freebody::Start(block);
    block.AdvanceFrame();  // starts the clock
  }
  std::uint32_t now_ms = 0;
  freebody::Simulation block{[this] { return now_ms; }};
};

void BM_FreeBodySubstep(benchmark::State& state) {
  TumblingBlock tumbling;
  freebody::simulation_world world(tumbling.block.state);
  for (auto _ : state) {
    world.Simulate(0.001f);  // one 1 ms frame of the window
    benchmark::DoNotOptimize(world.SourceIndex);
  }
}
BENCHMARK(BM_FreeBodySubstep);

// One simulated second in 1 ms frames, as the window's timer paces them.
void BM_FreeBodySecond(benchmark::State& state) {
  TumblingBlock tumbling;
  for (auto _ : state) {
    for (int frame = 0; frame < 1000; ++frame) {
      ++tumbling.now_ms;
      tumbling.block.AdvanceFrame();
    }
    benchmark::DoNotOptimize(tumbling.block.state.BlockOrientation);
  }
}
BENCHMARK(BM_FreeBodySecond)->Unit(benchmark::kMicrosecond);

// The same second in the exact mode: it must cost no more than BM_GyroscopeSecond.
void BM_FreeBodySecondExact(benchmark::State& state) {
  TumblingBlock tumbling(math3d::Integrator::Exact);
  for (auto _ : state) {
    for (int frame = 0; frame < 1000; ++frame) {
      ++tumbling.now_ms;
      tumbling.block.AdvanceFrame();
    }
    benchmark::DoNotOptimize(tumbling.block.state.BlockOrientation);
  }
}
BENCHMARK(BM_FreeBodySecondExact)->Unit(benchmark::kMicrosecond);

}  // namespace
