#pragma once
// Fixed arrays of raw values written to or read from an archive in order.
#include <cstddef>

#include "platform/CArchive.h"

template <typename T, size_t N>
void QlmStoreArray(CArchive& archive, const T (&values)[N]) {
  for (const T& value : values) archive << value;
}

template <typename T, size_t N>
void QlmLoadArray(CArchive& archive, T (&values)[N]) {
  for (T& value : values) archive >> value;
}
