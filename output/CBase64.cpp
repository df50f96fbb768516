#include "output/CBase64.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Six-bit value of every 7-bit character; characters outside the alphabet
// (and "=") read as zero bits.
constexpr std::array<unsigned char, 128> MakeDecodingTable() {
  std::array<unsigned char, 128> table{};
  for (unsigned char value = 0; value < 64; ++value) table[static_cast<unsigned char>(Alphabet[value])] = value;
  return table;
}

constexpr std::array<unsigned char, 128> DecodingTable = MakeDecodingTable();

// Bytes a group of `characters` decoded characters yields, "=" ending the data.
size_t BytesOfGroup(const char* group, size_t characters) {
  size_t bytes = characters > 0 ? characters - 1 : 0;
  if (characters == 4 && (group[3] & 0x7F) == '=') bytes = 2;
  if (characters >= 3 && (group[2] & 0x7F) == '=') bytes = 1;
  return bytes;
}

}  // namespace

void CBase64::EncodeString(const char* text) { this->Encode(text ? std::string_view(text) : std::string_view()); }

void CBase64::Encode(const unsigned char* bytes, size_t count) {
  this->Encode(std::string_view(reinterpret_cast<const char*>(bytes), bytes ? count : 0));
}

void CBase64::Encode(std::string_view bytes) {
  this->Encoded.clear();
  this->Encoded.reserve((bytes.size() + 2) / 3 * 4);
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t left = bytes.size() - i;
    const unsigned b0 = static_cast<unsigned char>(bytes[i]);
    const unsigned b1 = left > 1 ? static_cast<unsigned char>(bytes[i + 1]) : 0;
    const unsigned b2 = left > 2 ? static_cast<unsigned char>(bytes[i + 2]) : 0;
    const unsigned group = (b0 << 16) | (b1 << 8) | b2;
    this->Encoded += Alphabet[(group >> 18) & 63];
    this->Encoded += Alphabet[(group >> 12) & 63];
    this->Encoded += left > 1 ? Alphabet[(group >> 6) & 63] : '=';
    this->Encoded += left > 2 ? Alphabet[group & 63] : '=';
  }
}

void CBase64::DecodeString(const char* text) { this->Decode(text, text ? std::strlen(text) : 0); }

void CBase64::Decode(const char* text, size_t count) {
  std::string kept;
  kept.reserve(count);
  for (size_t i = 0; text && i < count; ++i) {
    if (!IsIgnorable(static_cast<unsigned char>(text[i]))) kept += text[i];
  }
  this->Decoded.clear();
  this->Decoded.reserve(kept.size() / 4 * 3 + 3);
  for (size_t i = 0; i < kept.size(); i += 4) {
    const size_t characters = std::min<size_t>(4, kept.size() - i);
    unsigned group = 0;
    for (size_t k = 0; k < 4; ++k) {
      const unsigned char c = k < characters ? static_cast<unsigned char>(kept[i + k]) & 0x7F : 'A';
      group = (group << 6) | DecodingTable[c];
    }
    const char decoded[3] = {static_cast<char>(group >> 16), static_cast<char>(group >> 8), static_cast<char>(group)};
    this->Decoded.append(decoded, BytesOfGroup(kept.data() + i, characters));
  }
}

bool CBase64::IsIgnorable(unsigned char byte) { return (byte >= 7 && byte <= 13) || byte == ' '; }
