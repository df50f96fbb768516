#pragma once
// Lossless coder of one z slice of a 16-bit image into an in-memory JPEG-LS stream.
//
// A stream is a standard JPEG-LS grey-scale image of the slice's voxels minus the
// slice minimum, coded with just the bits their range needs. An application segment
// (APP7, "QV16") before the frame carries that minimum and whether the voxels are
// signed, so that vtkJPEG16Decompressor gives back the exact 16-bit values.
//
//   compressor->SetInputData(volume);
//   compressor->SetZSlice(z);
//   compressor->Write();
//   vtkUnsignedCharArray* stream = compressor->GetResult();
//
// See also: vtkJPEG16Decompressor.
#include <vtkImageAlgorithm.h>
#include <vtkNew.h>
#include <vtkUnsignedCharArray.h>

#include <string>
#include <vector>

class vtkJPEG16Compressor : public vtkImageAlgorithm {
public:
  static vtkJPEG16Compressor* New();
  vtkTypeMacro(vtkJPEG16Compressor, vtkImageAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Quality asked by the caller (callers pass 3). Every value codes losslessly.
  vtkSetMacro(Quality, int);
  vtkGetMacro(Quality, int);

  // Index of the slice that Write encodes, counted from the first slice of the
  // input's extent. Default 0.
  vtkSetMacro(ZSlice, int);
  vtkGetMacro(ZSlice, int);

  // Encodes slice ZSlice of the input into the result. Without input, with an input
  // that is not one 16-bit component, or with ZSlice outside the input, it reports an
  // error and leaves the result empty.
  void Write();

  // The stream of the last Write; its number of tuples is the stream length in bytes.
  // Owned by the compressor and overwritten by the next Write.
  vtkUnsignedCharArray* GetResult() { return this->Result; }

  // Work memory of EncodeSlice, kept from one slice to the next so that coding a volume
  // allocates per thread, not per slice. The stream is the first StreamLength bytes of Stream.
  struct SliceBuffers {
    std::vector<unsigned char> Samples;
    std::vector<unsigned char> Stream;
    size_t StreamLength = 0;
  };

  // Encodes width x height voxels (x fastest) of type VTK_SHORT or VTK_UNSIGNED_SHORT
  // into buffers.Stream. Safe to call from several threads at once, each with its own
  // buffers. Returns false and sets `error` (when given) for another type, a size outside
  // 1..65535 or a codec failure.
  static bool EncodeSlice(const void* voxels, int scalarType, int width, int height, SliceBuffers& buffers,
                          std::string* error = nullptr);

  // The application segment of a stream: id, then the payload of SegmentSize bytes:
  // the signature, one byte 1 for signed voxels (0 unsigned), the int32 slice minimum
  // (little-endian) that the decoder adds back modulo 2^16.
  static constexpr int SegmentId = 7;
  static constexpr char SegmentSignature[4] = {'Q', 'V', '1', '6'};
  static constexpr size_t SegmentSize = 9;

  vtkJPEG16Compressor(const vtkJPEG16Compressor&) = delete;
  vtkJPEG16Compressor& operator=(const vtkJPEG16Compressor&) = delete;

protected:
  vtkJPEG16Compressor();
  ~vtkJPEG16Compressor() override = default;

  int FillInputPortInformation(int port, vtkInformation* info) override;
  int RequestData(vtkInformation* request, vtkInformationVector** inputVector,
                  vtkInformationVector* outputVector) override;

  int Quality = 3;
  int ZSlice = 0;
  vtkNew<vtkUnsignedCharArray> Result;
};
