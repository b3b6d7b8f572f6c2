#pragma once
// Floating-point exceptions never trap: degenerate arithmetic yields non-finite values.

// Masks invalid operation, denormal operand, division by zero, overflow, underflow and
// inexact result for the calling thread, in every unit the processor computes with.
void MaskFloatingPointExceptions();
