#include "libmeshcodec/MeshCodecError.h"

#include <string>

namespace
{
class MeshCodecErrorCategory final : public std::error_category
{
public:
  const char* name() const noexcept override { return "MeshCompress"; }

  std::string message(int value) const override
  {
    switch (static_cast<MeshCodecError>(value))
    {
      case MeshCodecError::Success:
        return "success";
      case MeshCodecError::InvalidMesh:
        return "MeshCompress::Encode failed: vertices or corners are not triples, or too many";
      case MeshCodecError::BadVertexId:
        return "MeshCompress::Encode failed: a corner names a vertex that does not exist";
      case MeshCodecError::GateStreamTruncated:
        return "MeshCompress::Decode failed: the gate stream ends early";
      case MeshCodecError::CoordinateStreamTruncated:
        return "MeshCompress::Decode failed: the coordinate stream ends early";
      case MeshCodecError::TooManyVertices:
        return "MeshCompress::Decode failed: the stream holds more vertices than can be indexed";
      case MeshCodecError::OutOfMemory:
        return "MeshCompress failed: out of memory";
    }
    return "MeshCompress: unknown error " + std::to_string(value);
  }
};
} // namespace

const std::error_category& MeshCodecCategory() noexcept
{
  static const MeshCodecErrorCategory category;
  return category;
}

std::error_code make_error_code(MeshCodecError error) noexcept
{
  return {static_cast<int>(error), MeshCodecCategory()};
}
