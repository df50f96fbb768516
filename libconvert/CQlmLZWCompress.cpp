#include "libconvert/CQlmLZWCompress.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <unordered_map>
#include <vector>

namespace {

constexpr int MinimumWidth = 9;
constexpr int MaximumWidth = 25;
constexpr int HeaderBits = 40;
constexpr uint32_t FirstStringCode = 256;

bool IsValidWidth(int width)
{
  return width >= MinimumWidth && width <= MaximumWidth;
}

class CodeWriter {
public:
  CodeWriter(int32_t count, int width) : Width(width)
  {
    this->Stream.resize(HeaderBits / 8);
    std::memcpy(this->Stream.data(), &count, sizeof count);
    this->Stream[4] = static_cast<uint8_t>(width);
  }

  void Put(uint32_t code)
  {
    this->Stream.resize((this->BitPosition + this->Width + 7) / 8, 0);
    for (int bit = 0; bit < this->Width; ++bit, ++this->BitPosition) {
      if ((code >> bit) & 1u) {
        this->Stream[this->BitPosition / 8] |= static_cast<uint8_t>(1u << (this->BitPosition % 8));
      }
    }
  }

  const std::vector<uint8_t>& Bytes() const { return this->Stream; }

private:
  int Width;
  size_t BitPosition = HeaderBits;
  std::vector<uint8_t> Stream;
};

class CodeReader {
public:
  CodeReader(const uint8_t* stream, size_t size, int width) : Stream(stream), Size(size), Width(width) {}

  uint64_t CodesLeft() const
  {
    return (static_cast<uint64_t>(this->Size) * 8 - this->BitPosition) / static_cast<uint64_t>(this->Width);
  }

  bool Get(uint32_t& code)
  {
    if (this->CodesLeft() == 0) {
      return false;
    }
    code = 0;
    for (int bit = 0; bit < this->Width; ++bit, ++this->BitPosition) {
      if ((this->Stream[this->BitPosition / 8] >> (this->BitPosition % 8)) & 1u) {
        code |= 1u << bit;
      }
    }
    return true;
  }

private:
  const uint8_t* Stream;
  size_t Size;
  int Width;
  uint64_t BitPosition = HeaderBits;
};

// A decoded string, kept as its place in the output.
struct OutputString {
  size_t Position;
  size_t Length;
};

unsigned char* CopyToMalloc(const std::vector<uint8_t>& bytes)
{
  auto* copy = static_cast<unsigned char*>(std::malloc(bytes.size()));
  if (copy) {
    std::memcpy(copy, bytes.data(), bytes.size());
  }
  return copy;
}

std::vector<uint8_t> Encode(const unsigned char* input, int32_t count, int width)
{
  CodeWriter writer(count, width);
  if (count == 0) {
    return writer.Bytes();
  }
  const uint32_t codeLimit = 1u << width;
  // A string is keyed by its prefix's code and its last byte. At each emptying the
  // current string is a single byte, so keys never mix codes of two dictionaries.
  std::unordered_map<uint64_t, uint32_t> dictionary;
  uint32_t nextCode = FirstStringCode;
  uint32_t current = input[0];
  for (int32_t i = 1; i < count; ++i) {
    if (nextCode == codeLimit) {
      dictionary.clear();
      nextCode = FirstStringCode;
    }
    const uint64_t key = (static_cast<uint64_t>(current) << 8) | input[i];
    const auto found = dictionary.find(key);
    if (found != dictionary.end()) {
      current = found->second;
      continue;
    }
    dictionary.emplace(key, nextCode++);
    writer.Put(current);
    current = input[i];
  }
  writer.Put(current);
  return writer.Bytes();
}

// Decodes into output[0..count); false when the codes do not make exactly that.
bool Decode(CodeReader& reader, unsigned char* output, size_t count, int width)
{
  uint32_t code = 0;
  if (!reader.Get(code)) {
    return false;
  }
  output[0] = static_cast<unsigned char>(code & 0xFFu);
  const size_t capacity = (size_t{1} << width) - FirstStringCode;
  std::vector<OutputString> dictionary;
  OutputString previous{0, 1};
  size_t produced = 1;
  while (produced < count) {
    if (!reader.Get(code)) {
      return false;
    }
    if (dictionary.size() == capacity) {
      dictionary.clear();
    }
    OutputString current{produced, 1};
    if (code < FirstStringCode) {
      output[produced] = static_cast<unsigned char>(code);
    } else if (code - FirstStringCode < dictionary.size()) {
      current.Length = dictionary[code - FirstStringCode].Length;
      if (current.Length > count - produced) {
        return false;
      }
      std::memcpy(output + produced, output + dictionary[code - FirstStringCode].Position, current.Length);
    } else if (code - FirstStringCode == dictionary.size()) {
      // The string being defined: the previous one followed by its own first byte.
      current.Length = previous.Length + 1;
      if (current.Length > count - produced) {
        return false;
      }
      std::memcpy(output + produced, output + previous.Position, previous.Length);
      output[produced + previous.Length] = output[previous.Position];
    } else {
      return false;
    }
    // The previous string is directly followed by the current one in the output.
    dictionary.push_back({previous.Position, previous.Length + 1});
    produced += current.Length;
    previous = current;
  }
  return true;
}

}  // namespace

CQlmLZWCompress* CQlmLZWCompress::New()
{
  return new (std::nothrow) CQlmLZWCompress;
}

void CQlmLZWCompress::Delete()
{
  delete this;
}

void CQlmLZWCompress::Delete(CQlmLZWCompress* coder)
{
  delete coder;
}

int CQlmLZWCompress::CompressLZW(const unsigned char* input, int count, unsigned char*& output,
                                 int& outputLength, int width)
{
  output = nullptr;
  outputLength = 0;
  if (!IsValidWidth(width) || count < 0 || (count > 0 && !input)) {
    return 0;
  }
  try {
    const std::vector<uint8_t> stream = Encode(input, count, width);
    if (stream.size() > static_cast<size_t>(INT32_MAX)) {
      return 0;
    }
    output = CopyToMalloc(stream);
    if (!output) {
      return 0;
    }
    outputLength = static_cast<int>(stream.size());
    return 1;
  } catch (const std::exception&) {
    return 0;
  }
}

int CQlmLZWCompress::DecompressLZW(const unsigned char* stream, int streamLength, unsigned char*& output,
                                   int& outputLength)
{
  output = nullptr;
  outputLength = 0;
  if (!stream || streamLength < HeaderBits / 8) {
    return 0;
  }
  int32_t count = 0;
  std::memcpy(&count, stream, sizeof count);
  const int width = stream[4];
  if (count < 0 || !IsValidWidth(width)) {
    return 0;
  }
  CodeReader reader(stream, static_cast<size_t>(streamLength), width);
  // The k-th code yields at most k + 1 bytes: refuse a length the codes cannot reach.
  const uint64_t codes = reader.CodesLeft();
  if (static_cast<uint64_t>(count) > codes * (codes + 1) / 2) {
    return 0;
  }
  auto* decoded = static_cast<unsigned char*>(std::calloc(static_cast<size_t>(count) + 1, 1));
  if (!decoded) {
    return 0;
  }
  try {
    if (count > 0 && !Decode(reader, decoded, static_cast<size_t>(count), width)) {
      std::free(decoded);
      return 0;
    }
  } catch (const std::exception&) {
    std::free(decoded);
    return 0;
  }
  output = decoded;
  outputLength = count;
  return 1;
}

void CQlmLZWCompress::FreePtr(void* buffer)
{
  std::free(buffer);
}
