// Transfer encodings of CQlmMimeMessage.
#include <algorithm>

#include "output/CBase64.h"
#include "output/CQlmMimeMessage.h"

namespace {

constexpr size_t LineWidth = 76;
constexpr std::string_view BreakCharacters = " -;.,?!";

bool IsPrintable(unsigned char byte) {
  return byte == '\t' || byte == '\n' || byte == '\r' || (byte >= 32 && byte <= 126);
}

// The data up to its first NUL: 7bit and 8bit text cannot carry one.
std::string_view UpToNul(std::string_view data) { return data.substr(0, data.find('\0')); }

// Calls `onLine(line, ended)` for each line of `text` split at CRLF; `ended`
// tells whether a CRLF followed the line.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
  size_t first = 0;
  while (first <= text.size()) {
    const size_t end = text.find("\r\n", first);
    if (end == std::string_view::npos) {
      if (first < text.size()) onLine(text.substr(first), false);
      return;
    }
    onLine(text.substr(first, end - first), true);
    first = end + 2;
  }
}

void AppendEscape(std::string& output, unsigned char byte) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  output += '=';
  output += Hex[byte >> 4];
  output += Hex[byte & 15];
}

// One escaped line with soft breaks: no piece longer than 76 characters, no
// escape split, no blank or tab at the end of the line.
void AppendQuotedPrintableLine(std::string& output, std::string line) {
  for (;;) {
    while (line.size() > LineWidth) {
      size_t piece = LineWidth - 1;
      if (line[piece - 1] == '=') {
        piece -= 1;
      } else if (line[piece - 2] == '=') {
        piece -= 2;
      }
      output.append(line, 0, piece);
      output += "=\r\n";
      line.erase(0, piece);
    }
    if (line.empty() || (line.back() != ' ' && line.back() != '\t')) break;
    const auto last = static_cast<unsigned char>(line.back());
    line.pop_back();
    AppendEscape(line, last);
  }
  output += line;
}

}  // namespace

CString CQlmMimeMessage::EncodePart(int encoding, std::string_view data, bool eightBitAllowed, CString& encodingName) {
  if (encoding == ChooseFromData) encoding = ChooseEncoding(data);
  if (encoding == EightBit && !eightBitAllowed) encoding = QuotedPrintable;
  switch (encoding) {
    case SevenBit:
      encodingName = "7bit";
      return WrapLines(StripHighBytes(NormaliseLineEnds(UpToNul(data))).Str());
    case EightBit:
      encodingName = "8bit";
      return WrapLines(NormaliseLineEnds(UpToNul(data)));
    case QuotedPrintable:
      encodingName = "quoted-printable";
      return EncodeQuotedPrintable(data);
    default: {
      encodingName = "base64";
      CBase64 codec;
      codec.Encode(data);
      return WrapLines(codec.GetEncoded());
    }
  }
}

int CQlmMimeMessage::ChooseEncoding(std::string_view data) {
  if (data.empty()) return SevenBit;
  size_t printable = 0;
  bool loneLineEnd = false;
  for (size_t i = 0; i < data.size(); ++i) {
    const auto byte = static_cast<unsigned char>(data[i]);
    if (IsPrintable(byte)) ++printable;
    const bool pairedCr = byte == '\r' && i + 1 < data.size() && data[i + 1] == '\n';
    const bool pairedLf = byte == '\n' && i > 0 && data[i - 1] == '\r';
    if ((byte == '\r' && !pairedCr) || (byte == '\n' && !pairedLf)) loneLineEnd = true;
  }
  if (printable * 100 / data.size() <= 89) return Base64;
  if (loneLineEnd || data.find('\0') != std::string_view::npos) return Base64;
  bool longLine = false;
  ForEachLine(data, [&](std::string_view line, bool) { longLine = longLine || line.size() > LineWidth; });
  if (longLine) return QuotedPrintable;
  return printable == data.size() ? SevenBit : EightBit;
}

CString CQlmMimeMessage::WrapLines(std::string_view input, size_t width) {
  std::string output;
  output.reserve(input.size() + input.size() / 60 * 2 + 2);
  ForEachLine(input, [&](std::string_view line, bool ended) {
    while (line.size() > width) {
      const size_t lastBreak = line.substr(0, width).find_last_of(BreakCharacters);
      const size_t piece = lastBreak == std::string_view::npos ? width : lastBreak + 1;
      output.append(line.substr(0, piece));
      output += "\r\n";
      line.remove_prefix(piece);
    }
    output.append(line);
    if (ended) output += "\r\n";
  });
  return output;
}

CString CQlmMimeMessage::EncodeQuotedPrintable(std::string_view input) {
  std::string output;
  output.reserve(input.size() + input.size() / 8);
  ForEachLine(input, [&](std::string_view line, bool ended) {
    std::string escaped;
    escaped.reserve(line.size());
    for (const char c : line) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte == '=' || byte >= 127 || (byte < 32 && byte != '\t')) {
        AppendEscape(escaped, byte);
      } else {
        escaped += c;
      }
    }
    AppendQuotedPrintableLine(output, std::move(escaped));
    if (ended) output += "\r\n";
  });
  return output;
}

CString CQlmMimeMessage::StripHighBytes(std::string_view input) {
  std::string output(input);
  std::replace_if(
      output.begin(), output.end(), [](char c) { return static_cast<unsigned char>(c) > 126; }, '?');
  return output;
}

std::string CQlmMimeMessage::NormaliseLineEnds(std::string_view text) {
  std::string output;
  output.reserve(text.size() + text.size() / 32);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      output += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      output += text[i];
    }
  }
  return output;
}
