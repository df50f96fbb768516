#pragma once
// Base64 codec of the mail: the standard alphabet with "=" padding, no line
// breaks in the encoded text (the MIME encoder wraps it).
//
// Decoding is lenient, as mail readers are: blanks and the control bytes 7 to
// 13 are skipped, a byte with its top bit set reads as the same byte without
// it, characters outside the alphabet count as zero bits, and a last
// incomplete group is decoded as far as its characters reach. Nothing is
// reported. A codec object may be reused; each call replaces its result.
#include <cstddef>
#include <string>
#include <string_view>

class CBase64 {
public:
  // Encodes a zero-terminated string; a null pointer encodes nothing.
  void EncodeString(const char* text);
  void Encode(const unsigned char* bytes, size_t count);
  void Encode(std::string_view bytes);

  // Decodes a zero-terminated string; a null pointer decodes nothing.
  void DecodeString(const char* text);
  void Decode(const char* text, size_t count);
  void Decode(std::string_view text) { this->Decode(text.data(), text.size()); }

  // The bytes of the last decoding (c_str() is zero-terminated after them).
  const std::string& GetDecoded() const { return this->Decoded; }
  // The text of the last encoding.
  const std::string& GetEncoded() const { return this->Encoded; }

  // True for the bytes a decoding skips: 7 to 13 and the blank.
  static bool IsIgnorable(unsigned char byte);

private:
  std::string Encoded;
  std::string Decoded;
};
