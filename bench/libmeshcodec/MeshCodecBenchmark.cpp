// MeshCompress beside Draco (edgebreaker, 12-bit positions) and meshoptimizer
// (vertex cache and fetch order, 12-bit positions, index and vertex codecs) on
// the real skull surface and the bunny; single thread, except that MeshCompress
// pairs its corners on a second one. One table: triangles per second
// (items_per_second), bits per triangle of the raw streams and after zlib
// level 9, and the peak heap of one call.
#include "libmeshcodec/MeshCompress.h"

#include "HeapPeak.h"
#include "MeshCodecFixtures.h"
#include "QlmTestData.h"

#include <benchmark/benchmark.h>
#include <draco/compression/decode.h>
#include <draco/compression/encode.h>
#include <draco/core/decoder_buffer.h>
#include <draco/core/encoder_buffer.h>
#include <draco/mesh/mesh.h>
#include <meshoptimizer.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
using MeshCodecFixtures::IndexedMesh;

struct MeshFile
{
  const char* Name;
  const char* File;
};

constexpr std::array<MeshFile, 2> MeshFiles = {{{"skull", QlmTestData::CraniumSurface}, {"bunny", "meshes/bunny00.off"}}};

// The mesh of a data file, read once; nullptr (and the benchmark skipped)
// without the real test data.
const IndexedMesh* LoadMesh(const MeshFile& file, benchmark::State& state)
{
  static std::map<std::string, IndexedMesh> loaded;
  const auto found = loaded.find(file.Name);
  if (found != loaded.end())
  {
    return &found->second;
  }
  const std::filesystem::path path = QlmTestData::Path(file.File);
  if (!std::filesystem::exists(path))
  {
    state.SkipWithError(("missing test data " + path.string() + " (scripts/fetch-test-data.sh)").c_str());
    return nullptr;
  }
  const bool isOff = path.extension() == ".off";
  IndexedMesh mesh = isOff ? MeshCodecFixtures::ReadOff(path) : MeshCodecFixtures::ReadVtp(path);
  return &loaded.emplace(file.Name, std::move(mesh)).first->second;
}

size_t ZlibSize(const Bytes& stream)
{
  uLongf packedSize = compressBound(static_cast<uLong>(stream.size()));
  Bytes packed(packedSize);
  compress2(packed.data(), &packedSize, stream.data(), static_cast<uLong>(stream.size()), 9);
  return packedSize;
}

void Report(benchmark::State& state, const IndexedMesh& mesh, const std::vector<Bytes>& streams, size_t peakBytes)
{
  const double triangles = static_cast<double>(mesh.Corners.size() / 3);
  size_t raw = 0;
  size_t zlib = 0;
  for (const Bytes& stream : streams)
  {
    raw += stream.size();
    zlib += ZlibSize(stream);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * static_cast<int64_t>(triangles)));
  state.counters["raw_bits/tri"] = 8.0 * static_cast<double>(raw) / triangles;
  state.counters["zlib_bits/tri"] = 8.0 * static_cast<double>(zlib) / triangles;
  state.counters["peak_MiB"] = static_cast<double>(peakBytes) / (1024.0 * 1024.0);
}

// --- MeshCompress

void Fill(MeshCompress& codec, const IndexedMesh& mesh)
{
  codec.Vertices = mesh.Vertices;
  codec.Corners = mesh.Corners;
}

void MeshCompressEncode(benchmark::State& state, MeshFile file)
{
  const IndexedMesh* mesh = LoadMesh(file, state);
  if (mesh == nullptr)
  {
    return;
  }
  MeshCompress codec;
  Fill(codec, *mesh);
  HeapPeak::Reset();
  if (codec.Encode() != MeshCodecError::Success)
  {
    state.SkipWithError("MeshCompress::Encode failed");
    return;
  }
  const size_t peak = HeapPeak::BytesSinceReset();
  for (auto _ : state)
  {
    state.PauseTiming();
    Fill(codec, *mesh);
    state.ResumeTiming();
    benchmark::DoNotOptimize(codec.Encode());
  }
  Report(state, *mesh, {codec.GateBytes, codec.CoordinateBytes}, peak);
}

void MeshCompressDecode(benchmark::State& state, MeshFile file)
{
  const IndexedMesh* mesh = LoadMesh(file, state);
  if (mesh == nullptr)
  {
    return;
  }
  MeshCompress encoded;
  Fill(encoded, *mesh);
  if (encoded.Encode() != MeshCodecError::Success)
  {
    state.SkipWithError("MeshCompress::Encode failed");
    return;
  }
  MeshCompress codec = encoded;
  HeapPeak::Reset();
  if (codec.Decode() != MeshCodecError::Success)
  {
    state.SkipWithError("MeshCompress::Decode failed");
    return;
  }
  const size_t peak = HeapPeak::BytesSinceReset();
  for (auto _ : state)
  {
    state.PauseTiming();
    codec.GateBytes = encoded.GateBytes;
    state.ResumeTiming();
    benchmark::DoNotOptimize(codec.Decode());
  }
  Report(state, *mesh, {encoded.GateBytes, encoded.CoordinateBytes}, peak);
}

// --- Draco

std::unique_ptr<draco::Mesh> ToDraco(const IndexedMesh& mesh)
{
  auto result = std::make_unique<draco::Mesh>();
  const auto vertexCount = static_cast<uint32_t>(mesh.Vertices.size() / 3);
  result->set_num_points(vertexCount);
  draco::GeometryAttribute position;
  position.Init(draco::GeometryAttribute::POSITION, nullptr, 3, draco::DT_FLOAT32, false, 3 * sizeof(float), 0);
  const int attribute = result->AddAttribute(position, true, vertexCount);
  for (uint32_t v = 0; v < vertexCount; ++v)
  {
    result->attribute(attribute)->SetAttributeValue(draco::AttributeValueIndex(v), &mesh.Vertices[3 * v]);
  }
  for (size_t c = 0; c < mesh.Corners.size(); c += 3)
  {
    result->AddFace({draco::PointIndex(static_cast<uint32_t>(mesh.Corners[c])),
                     draco::PointIndex(static_cast<uint32_t>(mesh.Corners[c + 1])),
                     draco::PointIndex(static_cast<uint32_t>(mesh.Corners[c + 2]))});
  }
  return result;
}

void ConfigureDraco(draco::Encoder& encoder)
{
  encoder.SetEncodingMethod(draco::MESH_EDGEBREAKER_ENCODING);
  encoder.SetAttributeQuantization(draco::GeometryAttribute::POSITION, 12);
}

Bytes DracoEncoded(const draco::Mesh& mesh, draco::Encoder& encoder)
{
  draco::EncoderBuffer buffer;
  if (!encoder.EncodeMeshToBuffer(mesh, &buffer).ok())
  {
    return {};
  }
  return Bytes(buffer.data(), buffer.data() + buffer.size());
}

void DracoEncode(benchmark::State& state, MeshFile file)
{
  const IndexedMesh* mesh = LoadMesh(file, state);
  if (mesh == nullptr)
  {
    return;
  }
  const std::unique_ptr<draco::Mesh> input = ToDraco(*mesh);
  draco::Encoder encoder;
  ConfigureDraco(encoder);
  HeapPeak::Reset();
  const Bytes encoded = DracoEncoded(*input, encoder);
  const size_t peak = HeapPeak::BytesSinceReset();
  if (encoded.empty())
  {
    state.SkipWithError("Draco encoding failed");
    return;
  }
  for (auto _ : state)
  {
    draco::EncoderBuffer buffer;
    benchmark::DoNotOptimize(encoder.EncodeMeshToBuffer(*input, &buffer).ok());
  }
  Report(state, *mesh, {encoded}, peak);
}

bool DracoDecoded(const Bytes& encoded)
{
  draco::DecoderBuffer buffer;
  buffer.Init(reinterpret_cast<const char*>(encoded.data()), encoded.size());
  draco::Decoder decoder;
  auto decoded = decoder.DecodeMeshFromBuffer(&buffer);
  return decoded.ok() && decoded.value()->num_faces() > 0;
}

void DracoDecode(benchmark::State& state, MeshFile file)
{
  const IndexedMesh* mesh = LoadMesh(file, state);
  if (mesh == nullptr)
  {
    return;
  }
  draco::Encoder encoder;
  ConfigureDraco(encoder);
  const Bytes encoded = DracoEncoded(*ToDraco(*mesh), encoder);
  HeapPeak::Reset();
  if (!DracoDecoded(encoded))
  {
    state.SkipWithError("Draco decoding failed");
    return;
  }
  const size_t peak = HeapPeak::BytesSinceReset();
  for (auto _ : state)
  {
    benchmark::DoNotOptimize(DracoDecoded(encoded));
  }
  Report(state, *mesh, {encoded}, peak);
}

// --- meshoptimizer

// Positions on a 12-bit grid of the bounding box, padded to the 4-byte
// multiple its vertex codec needs.
struct GridVertex
{
  uint16_t x;
  uint16_t y;
  uint16_t z;
  uint16_t pad;
};

struct MeshoptStreams
{
  Bytes Indices;
  Bytes Vertices;
  size_t IndexCount = 0;
  size_t VertexCount = 0;
  std::array<float, 3> Minimum{};
  std::array<float, 3> Step{};
};

MeshoptStreams MeshoptEncoded(const IndexedMesh& mesh)
{
  MeshoptStreams streams;
  streams.IndexCount = mesh.Corners.size();
  const size_t vertexCount = mesh.Vertices.size() / 3;
  std::vector<unsigned> indices(mesh.Corners.begin(), mesh.Corners.end());
  meshopt_optimizeVertexCache(indices.data(), indices.data(), indices.size(), vertexCount);

  std::array<float, 3> maximum{};
  for (int axis = 0; axis < 3; ++axis)
  {
    streams.Minimum[axis] = maximum[axis] = mesh.Vertices[axis];
  }
  for (size_t i = 0; i < mesh.Vertices.size(); ++i)
  {
    streams.Minimum[i % 3] = std::min(streams.Minimum[i % 3], mesh.Vertices[i]);
    maximum[i % 3] = std::max(maximum[i % 3], mesh.Vertices[i]);
  }
  std::vector<GridVertex> grid(vertexCount);
  for (int axis = 0; axis < 3; ++axis)
  {
    streams.Step[axis] = std::max(maximum[axis] - streams.Minimum[axis], 1e-30F) / 4095.0F;
  }
  for (size_t v = 0; v < vertexCount; ++v)
  {
    const auto toGrid = [&](int axis) {
      return static_cast<uint16_t>((mesh.Vertices[3 * v + axis] - streams.Minimum[axis]) / streams.Step[axis] + 0.5F);
    };
    grid[v] = {toGrid(0), toGrid(1), toGrid(2), 0};
  }
  streams.VertexCount =
    meshopt_optimizeVertexFetch(grid.data(), indices.data(), indices.size(), grid.data(), vertexCount, sizeof(GridVertex));

  streams.Indices.resize(meshopt_encodeIndexBufferBound(indices.size(), streams.VertexCount));
  streams.Indices.resize(
    meshopt_encodeIndexBuffer(streams.Indices.data(), streams.Indices.size(), indices.data(), indices.size()));
  streams.Vertices.resize(meshopt_encodeVertexBufferBound(streams.VertexCount, sizeof(GridVertex)));
  streams.Vertices.resize(meshopt_encodeVertexBuffer(streams.Vertices.data(), streams.Vertices.size(), grid.data(),
                                                     streams.VertexCount, sizeof(GridVertex)));
  return streams;
}

IndexedMesh MeshoptDecoded(const MeshoptStreams& streams)
{
  IndexedMesh mesh;
  mesh.Corners.resize(streams.IndexCount);
  std::vector<GridVertex> grid(streams.VertexCount);
  if (meshopt_decodeIndexBuffer(mesh.Corners.data(), streams.IndexCount, sizeof(int), streams.Indices.data(),
                                streams.Indices.size()) != 0 ||
      meshopt_decodeVertexBuffer(grid.data(), streams.VertexCount, sizeof(GridVertex), streams.Vertices.data(),
                                 streams.Vertices.size()) != 0)
  {
    return {};
  }
  mesh.Vertices.resize(3 * streams.VertexCount);
  for (size_t v = 0; v < streams.VertexCount; ++v)
  {
    const uint16_t values[3] = {grid[v].x, grid[v].y, grid[v].z};
    for (int axis = 0; axis < 3; ++axis)
    {
      mesh.Vertices[3 * v + axis] = values[axis] * streams.Step[axis] + streams.Minimum[axis];
    }
  }
  return mesh;
}

void MeshoptEncode(benchmark::State& state, MeshFile file)
{
  const IndexedMesh* mesh = LoadMesh(file, state);
  if (mesh == nullptr)
  {
    return;
  }
  HeapPeak::Reset();
  const MeshoptStreams streams = MeshoptEncoded(*mesh);
  const size_t peak = HeapPeak::BytesSinceReset();
  for (auto _ : state)
  {
    benchmark::DoNotOptimize(MeshoptEncoded(*mesh).Indices.data());
  }
  Report(state, *mesh, {streams.Indices, streams.Vertices}, peak);
}

void MeshoptDecode(benchmark::State& state, MeshFile file)
{
  const IndexedMesh* mesh = LoadMesh(file, state);
  if (mesh == nullptr)
  {
    return;
  }
  const MeshoptStreams streams = MeshoptEncoded(*mesh);
  HeapPeak::Reset();
  if (MeshoptDecoded(streams).Corners.empty())
  {
    state.SkipWithError("meshoptimizer decoding failed");
    return;
  }
  const size_t peak = HeapPeak::BytesSinceReset();
  for (auto _ : state)
  {
    benchmark::DoNotOptimize(MeshoptDecoded(streams).Corners.data());
  }
  Report(state, *mesh, {streams.Indices, streams.Vertices}, peak);
}

const bool Registered = [] {
  using Function = void (*)(benchmark::State&, MeshFile);
  const std::array<std::pair<const char*, Function>, 6> codecs = {{{"MeshCompress/Encode", MeshCompressEncode},
                                                                   {"MeshCompress/Decode", MeshCompressDecode},
                                                                   {"Draco/Encode", DracoEncode},
                                                                   {"Draco/Decode", DracoDecode},
                                                                   {"meshoptimizer/Encode", MeshoptEncode},
                                                                   {"meshoptimizer/Decode", MeshoptDecode}}};
  for (const MeshFile& file : MeshFiles)
  {
    for (const auto& [name, function] : codecs)
    {
      benchmark::RegisterBenchmark((std::string(file.Name) + "/" + name).c_str(), function, file)
        ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
