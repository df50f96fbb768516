#pragma once
// Peak heap use of the benchmark process, counted by its global operator new.
#include <cstddef>

namespace HeapPeak {

// Starts a measurement at the bytes in use now.
void Reset();

// Largest number of bytes in use since Reset, above the level at Reset.
std::size_t BytesSinceReset();

}  // namespace HeapPeak
