#pragma once
// The slice streams of a 16-bit volume: for each slice from z = 0, an int32 stream
// length L and the L bytes of its vtkJPEG16Compressor stream.
//
// Slices are coded on several threads. Progress still goes to the observer on the
// calling thread, once per slice and in slice order (step z of the slice count, before
// slice z is taken), and the bytes are exactly those of coding one slice after the other.
#include <cstddef>
#include <string>
#include <vector>

#include "ct/CQlmVolumeGeometry.h"

class CQlmObserver;
class vtkImageData;
class vtkUnsignedCharArray;

class CQlmSliceStreamCodec {
public:
  // `progressObserver` may be null; `threadCount` 0 means one thread per core.
  CQlmSliceStreamCodec(CQlmObserver* progressObserver, int threadCount);

  // Appends the streams of every slice of `image`, whose geometry must pass
  // CQlmVolumeGeometry::Check, to the values of `block`. On failure returns false and
  // the block keeps its old values.
  bool Encode(vtkImageData* image, vtkUnsignedCharArray* block);

  // Checks that the `size` bytes at `data` are the streams of the slices of `geometry`
  // (which passed Check): every length within the bytes, every stream a decodable
  // slice of exactly dimension x by dimension y voxels, nothing after the last stream
  // (a count of slices below the streams stored). Remembers where the streams lie for
  // Decode.
  bool Index(const unsigned char* data, size_t size, const CQlmVolumeGeometry& geometry);

  // Decodes the streams found by the last successful Index into `image`, allocated to
  // that geometry; the indexed bytes must still be there. On failure the image holds
  // part of the volume.
  bool Decode(vtkImageData* image);

  // Why the last Encode, Index or Decode failed.
  const std::string& GetError() const { return this->Error; }

private:
  struct StreamSpan {
    const unsigned char* Bytes;
    size_t Length;
  };

  bool Fail(const std::string& reason);
  int ThreadsFor(long sliceCount) const;

  CQlmObserver* ProgressObserver;
  int ThreadCount;
  CQlmVolumeGeometry IndexedGeometry;
  std::vector<StreamSpan> Streams;
  std::string Error;
};
