#include "components/openglpanel/fpu_mask.h"

#include <cfenv>

#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#endif

void MaskFloatingPointExceptions() {
  fedisableexcept(FE_ALL_EXCEPT);
#if defined(__x86_64__) || defined(__i386__)
  // FE_ALL_EXCEPT leaves out the denormal-operand trap; set all six mask bits in both
  // the x87 control word and MXCSR.
  unsigned short control = 0;
  asm volatile("fnstcw %0" : "=m"(control));
  control |= 0x3F;
  asm volatile("fldcw %0" : : "m"(control));
  _mm_setcsr(_mm_getcsr() | 0x1F80);
#endif
}
