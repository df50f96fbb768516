#include "QlmBytes.h"

#include <algorithm>
#include <fstream>

namespace QlmBytes {

// In one read: files of tens of megabytes come in at once, also in the sanitized build.
Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  Bytes bytes(static_cast<size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes FromArray(vtkUnsignedCharArray* array) {
  const auto count = static_cast<size_t>(array->GetNumberOfValues());
  const uint8_t* first = count ? array->GetPointer(0) : nullptr;
  return Bytes(first, first + count);
}

vtkSmartPointer<vtkUnsignedCharArray> ToArray(const Bytes& bytes) {
  auto array = vtkSmartPointer<vtkUnsignedCharArray>::New();
  array->SetNumberOfValues(static_cast<vtkIdType>(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), array->GetPointer(0));
  return array;
}

}  // namespace QlmBytes
