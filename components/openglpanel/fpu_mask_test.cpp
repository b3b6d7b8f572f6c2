#include "components/openglpanel/fpu_mask.h"

#include <cfenv>
#include <cmath>

#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#endif

#include <gtest/gtest.h>

namespace {

TEST(FpuMaskTest, TrapsEnabledBeforeAreMaskedAfterwards) {
  feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
  ASSERT_NE(fegetexcept(), 0);

  MaskFloatingPointExceptions();

  EXPECT_EQ(fegetexcept(), 0);
  volatile float zero = 0.0f;
  EXPECT_TRUE(std::isinf(1.0f / zero));
  EXPECT_TRUE(std::isnan(zero / zero));
#if defined(__x86_64__) || defined(__i386__)
  unsigned short control = 0;
  asm volatile("fnstcw %0" : "=m"(control));
  EXPECT_EQ(control & 0x3F, 0x3F);
  EXPECT_EQ(_mm_getcsr() & 0x1F80, 0x1F80u);
#endif
}

}  // namespace
