#pragma once
// Byte buffers of tests: whole files, and the byte arrays that codecs and
// project files exchange.
#include <vtkSmartPointer.h>
#include <vtkUnsignedCharArray.h>

#include <cstdint>
#include <string>
#include <vector>

namespace QlmBytes {

using Bytes = std::vector<uint8_t>;

// The whole file; empty when it cannot be read.
Bytes ReadFile(const std::string& path);
void WriteFile(const std::string& path, const Bytes& bytes);

Bytes FromArray(vtkUnsignedCharArray* array);
vtkSmartPointer<vtkUnsignedCharArray> ToArray(const Bytes& bytes);

}  // namespace QlmBytes
