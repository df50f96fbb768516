#pragma once
// Conversions of whole arrays between the stored doubles and the floats of
// the meshes. They run over blocks of a fixed size, so that the compiler
// uses vector instructions for them even at -O2.
#include <cstddef>

namespace QlmBlockConversions {

// Values of a fixed-size block.
inline constexpr size_t Lanes = 16;

void Narrow(const double* in, float* out, size_t count);
void Widen(const float* in, double* out, size_t count);

}  // namespace QlmBlockConversions
