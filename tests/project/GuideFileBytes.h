#pragma once
// The bytes a guide file should hold, built item by item from its layout:
// little-endian values, short archive strings, matrices of 16 doubles.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "QlmBytes.h"

class GuideFileBytes {
public:
  template <class T>
  GuideFileBytes& Raw(T value) {
    uint8_t bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    this->Data.insert(this->Data.end(), bytes, bytes + sizeof value);
    return *this;
  }
  GuideFileBytes& Int(int32_t value) { return this->Raw(value); }
  // Texts here are shorter than 255 bytes: one length byte, then the Windows-1252 bytes.
  GuideFileBytes& Text(const std::string& cp1252) {
    this->Data.push_back(static_cast<uint8_t>(cp1252.size()));
    this->Data.insert(this->Data.end(), cp1252.begin(), cp1252.end());
    return *this;
  }
  GuideFileBytes& Matrix(const double (&matrix)[16]) {
    for (double element : matrix) this->Raw(element);
    return *this;
  }

  // `actual` holds exactly these bytes; else the first offset that differs.
  void ExpectSameAs(const QlmBytes::Bytes& actual) const {
    ASSERT_EQ(actual.size(), this->Data.size());
    for (size_t k = 0; k < actual.size(); ++k)
      ASSERT_EQ(actual[k], this->Data[k]) << "first difference at offset " << k;
  }

  QlmBytes::Bytes Data;
};
