#pragma once
// Volumes, blocks and a progress recorder shared by the CT volume tests.
#include <vtkImageData.h>
#include <vtkSmartPointer.h>
#include <vtkUnsignedCharArray.h>

#include <cstdint>
#include <thread>
#include <vector>

#include "libconvert/CQlmObserver.h"

#include "QlmBytes.h"

namespace CTVolumeFixtures {

// A volume of one 16-bit component whose voxels vary smoothly with noise, spanning
// `low`..`high` (signed when `low` is negative).
vtkSmartPointer<vtkImageData> MakeVolume(int x, int y, int z, int low = -1024, int high = 2986);

// The real head CT (signed), optionally shifted by +1024 into unsigned 0..4010.
vtkSmartPointer<vtkImageData> LoadCranium(bool shiftToUnsigned);

// True when both images have the same dimensions, scalar type and voxel bytes.
bool SameVoxels(vtkImageData* a, vtkImageData* b);

using QlmBytes::FromArray;
using QlmBytes::ToArray;

// Little-endian helpers for building and patching byte layouts.
void PutInt32(std::vector<uint8_t>& bytes, int32_t value);
void PutFloat(std::vector<uint8_t>& bytes, float value);
void PokeInt32(std::vector<uint8_t>& bytes, size_t offset, int32_t value);
int32_t PeekInt32(const std::vector<uint8_t>& bytes, size_t offset);

}  // namespace CTVolumeFixtures

struct ProgressCall {
  long Current;
  unsigned int Total;
  int Param;
  std::thread::id Thread;
};

// Copies what each progress call sees, with the calling thread.
class ProgressRecorder : public CQlmObserver {
public:
  std::vector<ProgressCall> Calls;

protected:
  void Execute() override {
    this->Calls.push_back({*this->Current, *this->Total, this->Param, std::this_thread::get_id()});
  }
};
