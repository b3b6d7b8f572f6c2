#pragma once

namespace math3d {

// How a world moves: the explicit scheme the programs have always run, or a method
// that keeps what the motion conserves for as long as a run lasts.
enum class Integrator { Scheme, Exact };

}  // namespace math3d
