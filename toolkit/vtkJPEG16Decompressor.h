#pragma once
// Decoder of one slice stream of vtkJPEG16Compressor into a 16-bit image.
//
// The output is a width x height x 1 image of one component, VTK_SHORT when the
// stream says the voxels are signed, else VTK_UNSIGNED_SHORT. A JPEG-LS grey-scale
// stream without the compressor's application segment decodes as unsigned values;
// anything that is not a one-component JPEG-LS stream of 2 to 16 bits ending with its
// end-of-image marker (no bytes after it) is refused.
//
//   decompressor->SetBuffer(stream);   // refill the same array for the next slice,
//   decompressor->Modified();          // then Modified() and Update() again
//   decompressor->Update();
//   vtkImageData* slice = decompressor->GetOutput();
//
// See also: vtkJPEG16Compressor.
#include <vtkImageAlgorithm.h>

#include <cstddef>
#include <string>

class vtkUnsignedCharArray;

class vtkJPEG16Decompressor : public vtkImageAlgorithm {
public:
  static vtkJPEG16Decompressor* New();
  vtkTypeMacro(vtkJPEG16Decompressor, vtkImageAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The stream to decode: all values of the array, one slice. Not copied; the
  // decompressor keeps a reference. Default null (Update then fails).
  virtual void SetBuffer(vtkUnsignedCharArray* buffer);
  vtkGetObjectMacro(Buffer, vtkUnsignedCharArray);

  vtkMTimeType GetMTime() override;

  // Largest slice a stream may declare, in voxels.
  static constexpr size_t MaximumSliceVoxels = size_t(1) << 28;

  struct StreamInfo {
    int Width = 0;
    int Height = 0;
    int ScalarType = 0;  // VTK_SHORT or VTK_UNSIGNED_SHORT
  };

  // Reads the headers of a stream without decoding it. Returns false and sets
  // `error` (when given) for a stream that is not a decodable slice.
  static bool ReadStreamInfo(const unsigned char* stream, size_t length, StreamInfo& info,
                             std::string* error = nullptr);

  // Decodes a stream into width x height 16-bit voxels (x fastest) at `voxels`. Safe to
  // call from several threads at once. Returns false and sets `error` (when given) when
  // the stream is not decodable or is not of exactly width x height voxels; `voxels`
  // may then hold part of the slice, but nothing beyond width x height x 2 bytes is written.
  static bool DecodeSlice(const unsigned char* stream, size_t length, int width, int height, void* voxels,
                          std::string* error = nullptr);

  vtkJPEG16Decompressor(const vtkJPEG16Decompressor&) = delete;
  vtkJPEG16Decompressor& operator=(const vtkJPEG16Decompressor&) = delete;

protected:
  vtkJPEG16Decompressor();
  ~vtkJPEG16Decompressor() override;

  int RequestInformation(vtkInformation* request, vtkInformationVector** inputVector,
                         vtkInformationVector* outputVector) override;
  int RequestData(vtkInformation* request, vtkInformationVector** inputVector,
                  vtkInformationVector* outputVector) override;

  vtkUnsignedCharArray* Buffer = nullptr;
};
