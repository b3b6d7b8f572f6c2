#pragma once
// Precondition checks for the math library and the simulations. A failed check
// names the condition, the source it belongs to and the line, then stops the
// program: these guard against programming errors, never against user input.

#include <cstdio>
#include <cstdlib>

namespace math3d {

[[noreturn]] inline void CheckFailed(const char* condition, const char* source, int line) {
  std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", condition, source, line);
  std::fflush(stderr);
  std::abort();
}

}  // namespace math3d

#define RB_CHECK(condition, source) \
  ((condition) ? void(0) : ::math3d::CheckFailed(#condition, source, __LINE__))
