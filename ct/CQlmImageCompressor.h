#pragma once
// Packs a CT volume into a volume block and rebuilds it from one.
//
// The block, little-endian: int32 scalar type, int32 component count, int32
// dimensions x, y, z, float spacing x, y, z, float origin x, y, z (44 bytes), then for
// each slice from z = 0 an int32 stream length and the slice's stream
// (CQlmSliceStreamCodec). Slices are coded losslessly on all cores; progress goes to
// ProgressObserver once per slice on the calling thread.
//
//   CQlmImageCompressor* codec = CQlmImageCompressor::New();
//   codec->ImageData = image;
//   codec->VolumeBlock = block;
//   codec->ProgressObserver = observer;   // may stay null
//   bool done = codec->Compress();        // or Decompress()
//   codec->Delete();
#include <string>

class CQlmObserver;
class vtkImageData;
class vtkUnsignedCharArray;

class CQlmImageCompressor {
public:
  static constexpr int HeaderSize = 44;

  // A codec with all pointers null; released with Delete. The codec owns nothing.
  static CQlmImageCompressor* New();
  void Delete();

  // ImageData -> VolumeBlock; the block's previous values are discarded. Returns false,
  // with the block empty, when the image is not one 16-bit component within the bounds
  // of CQlmVolumeGeometry or a slice cannot be coded.
  bool Compress();

  // VolumeBlock -> ImageData; the image's previous voxels and geometry are discarded.
  // Everything read is checked before the volume is allocated: the header's voxel
  // type, components and dimensions, every stream length against the bytes left, every
  // stream against the slice size. Returns false, with the image empty, when the block
  // fails a check, a stream cannot be decoded or bytes follow the last stream.
  bool Decompress();

  // Why the last Compress or Decompress failed.
  const std::string& GetError() const { return this->Error; }

  // Threads that code slices; 0 (the default) means one per core.
  void SetThreadCount(int threadCount) { this->ThreadCount = threadCount; }

  vtkImageData* ImageData = nullptr;            // not owned
  vtkUnsignedCharArray* VolumeBlock = nullptr;  // not owned
  CQlmObserver* ProgressObserver = nullptr;     // not owned

  CQlmImageCompressor(const CQlmImageCompressor&) = delete;
  CQlmImageCompressor& operator=(const CQlmImageCompressor&) = delete;

private:
  CQlmImageCompressor() = default;
  ~CQlmImageCompressor() = default;

  bool Fail(const std::string& reason);

  int ThreadCount = 0;
  std::string Error;
};
