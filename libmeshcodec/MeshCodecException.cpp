#include "libmeshcodec/MeshCodecException.h"

MeshCodecException::MeshCodecException(MeshCodecError error)
  : std::system_error(make_error_code(error))
{
}

MeshCodecError MeshCodecException::Error() const noexcept
{
  return static_cast<MeshCodecError>(this->code().value());
}
