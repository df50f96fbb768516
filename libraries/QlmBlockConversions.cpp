#include "libraries/QlmBlockConversions.h"

namespace QlmBlockConversions {
namespace {

template <class From, class To>
void Convert(const From* in, To* out, size_t count) {
  size_t i = 0;
  for (; i + Lanes <= count; i += Lanes) {
    for (size_t k = 0; k < Lanes; ++k) out[i + k] = static_cast<To>(in[i + k]);
  }
  for (; i < count; ++i) out[i] = static_cast<To>(in[i]);
}

}  // namespace

void Narrow(const double* in, float* out, size_t count) { Convert(in, out, count); }

void Widen(const float* in, double* out, size_t count) { Convert(in, out, count); }

}  // namespace QlmBlockConversions
