#include "libconvert/CQlmZStream.h"

#include <zlib.h>

#include <algorithm>

#include "platform/QlmParallelFor.h"

namespace {
// Deflate never expands more than about 1032 times; a little slack for the header.
constexpr size_t MaximumInflateRatio = 1040;
constexpr size_t InflateSlack = 1024;

constexpr int Level = 9;
// compress2's memory level and window; a negative window asks for raw deflate.
constexpr int MemoryLevel = 8;
constexpr int RawWindowBits = -15;
constexpr size_t Window = size_t{1} << 15;
// zlib header of a deflate stream with a 32 KiB window at level 9, as compress2 writes it.
constexpr uint8_t LevelNineHeader[2] = {0x78, 0xDA};
// Room for the empty stored block that ends a chunk on a byte boundary.
constexpr size_t FlushSlack = 16;

size_t Capacity(size_t rawSize) { return static_cast<size_t>(static_cast<double>(rawSize) * 1.15 + 12.0); }

// A raw deflate stream, ended whichever way a chunk finishes.
class RawDeflater {
public:
  RawDeflater() {
    this->Opened = deflateInit2(&this->Z, Level, Z_DEFLATED, RawWindowBits, MemoryLevel, Z_DEFAULT_STRATEGY) == Z_OK;
  }
  ~RawDeflater() {
    if (this->Opened) deflateEnd(&this->Z);
  }
  RawDeflater(const RawDeflater&) = delete;
  RawDeflater& operator=(const RawDeflater&) = delete;

  bool Opened = false;
  z_stream Z{};
};

// Raw deflate of raw[begin, end), primed with the window before `begin`. The
// last chunk ends with the final block; the others end on a byte boundary.
bool DeflateChunk(const uint8_t* raw, size_t begin, size_t end, bool last, std::vector<uint8_t>& out) {
  RawDeflater deflater;
  z_stream& z = deflater.Z;
  if (!deflater.Opened) return false;
  const size_t primed = std::min(begin, Window);
  if (primed && deflateSetDictionary(&z, raw + begin - primed, static_cast<uInt>(primed)) != Z_OK) return false;
  out.resize(deflateBound(&z, static_cast<uLong>(end - begin)) + FlushSlack);
  z.next_in = const_cast<Bytef*>(raw + begin);
  z.avail_in = static_cast<uInt>(end - begin);
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
  out.resize(z.total_out);
  return last ? result == Z_STREAM_END : result == Z_OK && z.avail_in == 0 && z.avail_out > 0;
}

// One piece of work: a whole stream of up to one chunk, or one chunk of a longer stream.
struct Piece {
  size_t Stream;
  size_t Begin;
  size_t End;
  std::vector<uint8_t> Out;
  bool Done = false;
};

std::vector<Piece> CutIntoPieces(const std::vector<CQlmZStream::Stream>& streams) {
  std::vector<Piece> pieces;
  for (size_t s = 0; s < streams.size(); ++s) {
    const size_t size = streams[s].RawSize;
    size_t begin = 0;
    do {
      const size_t end = std::min(size, begin + CQlmZStream::ChunkSize);
      pieces.push_back(Piece{s, begin, end, {}, false});
      begin = end;
    } while (begin < size);
  }
  return pieces;
}

void DeflatePiece(const CQlmZStream::Stream& stream, Piece& piece) {
  try {
    if (stream.RawSize <= CQlmZStream::ChunkSize) {
      piece.Done = CQlmZStream::Deflate(stream.Raw, stream.RawSize, piece.Out);
    } else {
      piece.Done = DeflateChunk(stream.Raw, piece.Begin, piece.End, piece.End == stream.RawSize, piece.Out);
    }
  } catch (const std::exception&) {
    piece.Done = false;
  }
}

void AppendBigEndian(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

// The zlib stream of `stream` from its pieces, in order; false when one failed
// or the stream outgrows its capacity.
bool JoinPieces(const CQlmZStream::Stream& stream, std::vector<Piece>::iterator first,
                std::vector<Piece>::iterator last) {
  if (!std::all_of(first, last, [](const Piece& piece) { return piece.Done; })) return false;
  std::vector<uint8_t>& packed = *stream.Packed;
  if (last - first == 1 && stream.RawSize <= CQlmZStream::ChunkSize) {
    packed = std::move(first->Out);
    return true;
  }
  packed.assign(std::begin(LevelNineHeader), std::end(LevelNineHeader));
  for (auto piece = first; piece != last; ++piece) packed.insert(packed.end(), piece->Out.begin(), piece->Out.end());
  AppendBigEndian(packed, static_cast<uint32_t>(adler32_z(adler32_z(0, nullptr, 0), stream.Raw, stream.RawSize)));
  if (packed.size() <= Capacity(stream.RawSize)) return true;
  packed.clear();
  return false;
}

}  // namespace

bool CQlmZStream::Deflate(const uint8_t* raw, size_t rawSize, std::vector<uint8_t>& packed)
{
  const auto capacity = static_cast<uLongf>(Capacity(rawSize));
  packed.assign(capacity, 0);
  uLongf packedSize = capacity;
  const uint8_t empty = 0;
  if (compress2(packed.data(), &packedSize, rawSize ? raw : &empty, static_cast<uLong>(rawSize), Level) != Z_OK) {
    packed.clear();
    return false;
  }
  packed.resize(packedSize);
  return true;
}

bool CQlmZStream::DeflateAll(const std::vector<Stream>& streams)
{
  std::vector<Piece> pieces = CutIntoPieces(streams);
  size_t rawSize = 0;
  for (const Stream& stream : streams) rawSize += stream.RawSize;
  const auto deflatePiece = [&](int i) { DeflatePiece(streams[pieces[i].Stream], pieces[i]); };
  // Streams of less than a chunk in all are deflated faster than a thread starts.
  if (rawSize > ChunkSize) {
    QlmParallelFor::Run(static_cast<int>(pieces.size()), deflatePiece);
  } else {
    for (size_t i = 0; i < pieces.size(); ++i) deflatePiece(static_cast<int>(i));
  }
  bool joined = true;
  for (auto first = pieces.begin(); first != pieces.end();) {
    const auto last =
        std::find_if(first, pieces.end(), [&](const Piece& piece) { return piece.Stream != first->Stream; });
    joined = JoinPieces(streams[first->Stream], first, last) && joined;
    first = last;
  }
  return joined;
}

bool CQlmZStream::InflateExact(const uint8_t* packed, size_t packedSize, size_t rawSize,
                               std::vector<uint8_t>& raw)
{
  if (rawSize > packedSize * MaximumInflateRatio + InflateSlack) {
    return false;
  }
  raw.assign(rawSize, 0);
  // An empty target gets one spare byte, so that a stream with content does not pass as empty.
  uint8_t spare = 0;
  uLongf inflated = rawSize ? static_cast<uLongf>(rawSize) : 1;
  uLong consumed = static_cast<uLong>(packedSize);
  const int result = uncompress2(rawSize ? raw.data() : &spare, &inflated, packed, &consumed);
  if (result != Z_OK || inflated != rawSize) {
    raw.clear();
    return false;
  }
  return true;
}
