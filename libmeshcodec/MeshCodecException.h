#pragma once

#include "libmeshcodec/MeshCodecError.h"

#include <system_error>

// Internal to the library: thrown where a coding step finds bad input and
// caught by the exported operation, which returns Error().
class MeshCodecException : public std::system_error
{
public:
  explicit MeshCodecException(MeshCodecError error);

  MeshCodecError Error() const noexcept;
};
