// Ratio, speed and peak memory of the CT volume block codec, beside zlib (level 6) and
// zstd (level 3) on the same slices, each with one thread and with all cores. "peak MB" is
// the most resident memory above what was resident before the timed runs (the volume, and
// the block or packed slices to decode).
//
// Data: the real head CT shifted by +1024 into 0..4010, and a 512 x 512 x 400 volume made
// from it by trilinear upsampling. Run: CTVolumeBlockBenchmark --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>
#include <vtkImageData.h>
#include <vtkImageReslice.h>
#include <vtkNew.h>
#include <vtkSmartPointer.h>
#include <vtkUnsignedCharArray.h>
#include <zlib.h>
#include <zstd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "QlmTestData.h"
#include "ct/CQlmImageCompressor.h"

namespace {

struct Volume {
  vtkSmartPointer<vtkImageData> Image;
  size_t SliceBytes = 0;
  int SliceCount = 0;
  size_t RawBytes() const { return this->SliceBytes * static_cast<size_t>(this->SliceCount); }
  const uint8_t* Slice(int z) const {
    return static_cast<const uint8_t*>(this->Image->GetScalarPointer()) + this->SliceBytes * static_cast<size_t>(z);
  }
};

Volume Describe(vtkSmartPointer<vtkImageData> image) {
  const int* dims = image->GetDimensions();
  return {image, static_cast<size_t>(dims[0]) * dims[1] * 2, dims[2]};
}

const Volume& RealCt() {
  static const Volume volume = [] {
    const auto& d = QlmTestData::CraniumDims;
    auto image = vtkSmartPointer<vtkImageData>::New();
    image->SetDimensions(d[0], d[1], d[2]);
    image->SetSpacing(QlmTestData::CraniumSpacing[0], QlmTestData::CraniumSpacing[1], QlmTestData::CraniumSpacing[2]);
    image->AllocateScalars(VTK_UNSIGNED_SHORT, 1);
    const size_t count = static_cast<size_t>(d[0]) * d[1] * d[2];
    std::vector<int16_t> voxels(count);
    std::ifstream in(QlmTestData::Path(QlmTestData::CraniumMatrix), std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(voxels.data()), static_cast<std::streamsize>(count * 2))) {
      throw std::runtime_error("the real CT is missing: run scripts/fetch-test-data.sh");
    }
    auto* out = static_cast<uint16_t*>(image->GetScalarPointer());
    for (size_t i = 0; i < count; ++i) {
      out[i] = static_cast<uint16_t>(voxels[i] + 1024);
    }
    return Describe(image);
  }();
  return volume;
}

const Volume& UpsampledCt() {
  static const Volume volume = [] {
    vtkImageData* source = RealCt().Image;
    const int* in = source->GetDimensions();
    const double* spacing = source->GetSpacing();
    const int out[3] = {512, 512, 400};
    vtkNew<vtkImageReslice> reslice;
    reslice->SetInputData(source);
    reslice->SetInterpolationModeToLinear();
    reslice->SetOutputOrigin(source->GetOrigin());
    reslice->SetOutputSpacing(spacing[0] * (in[0] - 1) / (out[0] - 1), spacing[1] * (in[1] - 1) / (out[1] - 1),
                              spacing[2] * (in[2] - 1) / (out[2] - 1));
    reslice->SetOutputExtent(0, out[0] - 1, 0, out[1] - 1, 0, out[2] - 1);
    reslice->Update();
    auto image = vtkSmartPointer<vtkImageData>::New();
    image->DeepCopy(reslice->GetOutput());
    return Describe(image);
  }();
  return volume;
}

// Peak resident memory above the level at Start, sampled by a watcher thread. Start first
// hands freed heap back to the system, so that reused memory counts as new.
class PeakMemory {
public:
  void Start() {
    malloc_trim(0);
    this->Base = Resident();
    this->Peak = this->Base;
    this->Watcher = std::jthread([this](std::stop_token stop) {
      while (!stop.stop_requested()) {
        this->Peak = std::max(this->Peak.load(), Resident());
        std::this_thread::sleep_for(std::chrono::microseconds(500));
      }
    });
  }
  double StopMegabytes() {
    this->Watcher = {};
    return static_cast<double>(this->Peak - this->Base) / 1e6;
  }

private:
  static size_t Resident() {
    size_t pages = 0;
    size_t resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * static_cast<size_t>(sysconf(_SC_PAGESIZE));
  }
  size_t Base = 0;
  std::atomic<size_t> Peak{0};
  std::jthread Watcher;
};

int AllCores() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

// Runs work(z) for every slice on `threads` threads.
void ForEachSlice(int sliceCount, int threads, const std::function<void(int)>& work) {
  std::atomic<int> next{0};
  auto run = [&] {
    for (int z = next++; z < sliceCount; z = next++) {
      work(z);
    }
  };
  std::vector<std::jthread> workers;
  for (int t = 1; t < threads; ++t) {
    workers.emplace_back(run);
  }
  run();
}

enum class Codec { JpegLs, Zlib, Zstd };
enum class Direction { Compress, Decompress };

// One general-purpose codec applied slice by slice.
struct SliceCodec {
  std::function<size_t(const uint8_t*, size_t, std::vector<uint8_t>&)> Pack;
  std::function<void(const std::vector<uint8_t>&, uint8_t*, size_t)> Unpack;
};

SliceCodec ZlibCodec() {
  return {[](const uint8_t* in, size_t size, std::vector<uint8_t>& out) {
            uLongf length = compressBound(size);
            out.resize(length);
            if (compress2(out.data(), &length, in, size, 6) != Z_OK) throw std::runtime_error("zlib failed");
            out.resize(length);
            return size_t{length};
          },
          [](const std::vector<uint8_t>& in, uint8_t* out, size_t size) {
            uLongf length = size;
            if (uncompress(out, &length, in.data(), in.size()) != Z_OK) throw std::runtime_error("zlib failed");
          }};
}

SliceCodec ZstdCodec() {
  return {[](const uint8_t* in, size_t size, std::vector<uint8_t>& out) {
            out.resize(ZSTD_compressBound(size));
            const size_t length = ZSTD_compress(out.data(), out.size(), in, size, 3);
            if (ZSTD_isError(length)) throw std::runtime_error("zstd failed");
            out.resize(length);
            return length;
          },
          [](const std::vector<uint8_t>& in, uint8_t* out, size_t size) {
            if (ZSTD_isError(ZSTD_decompress(out, size, in.data(), in.size()))) throw std::runtime_error("zstd failed");
          }};
}

// Every slice as an int32 length and its stream, as the volume block frames them.
size_t FramedSize(const std::vector<std::vector<uint8_t>>& slices) {
  size_t size = 0;
  for (const auto& slice : slices) size += 4 + slice.size();
  return size;
}

void RunSliceCodec(benchmark::State& state, const Volume& volume, const SliceCodec& codec, Direction direction,
                   int threads, PeakMemory& peak) {
  std::vector<std::vector<uint8_t>> packed(static_cast<size_t>(volume.SliceCount));
  ForEachSlice(volume.SliceCount, threads, [&](int z) { codec.Pack(volume.Slice(z), volume.SliceBytes, packed[z]); });
  const double ratio = static_cast<double>(volume.RawBytes()) / static_cast<double>(FramedSize(packed));
  if (direction == Direction::Compress) {
    packed = {};
  }
  std::vector<uint8_t> unpacked;
  peak.Start();
  for (auto _ : state) {
    if (direction == Direction::Compress) {
      std::vector<std::vector<uint8_t>> out(static_cast<size_t>(volume.SliceCount));
      ForEachSlice(volume.SliceCount, threads, [&](int z) { codec.Pack(volume.Slice(z), volume.SliceBytes, out[z]); });
      benchmark::DoNotOptimize(out.data());
    } else {
      unpacked.assign(volume.RawBytes(), 0);
      ForEachSlice(volume.SliceCount, threads, [&](int z) {
        codec.Unpack(packed[z], unpacked.data() + volume.SliceBytes * static_cast<size_t>(z), volume.SliceBytes);
      });
      benchmark::DoNotOptimize(unpacked.data());
    }
  }
  state.counters["ratio"] = ratio;
}

void RunVolumeBlock(benchmark::State& state, const Volume& volume, Direction direction, int threads, PeakMemory& peak) {
  vtkNew<vtkUnsignedCharArray> block;
  auto run = [&](vtkImageData* image, bool compress) {
    CQlmImageCompressor* codec = CQlmImageCompressor::New();
    codec->ImageData = image;
    codec->VolumeBlock = block;
    codec->SetThreadCount(threads);
    const bool done = compress ? codec->Compress() : codec->Decompress();
    const std::string error = codec->GetError();
    codec->Delete();
    if (!done) throw std::runtime_error(error);
  };
  run(volume.Image, true);
  const vtkIdType blockBytes = block->GetNumberOfValues();
  if (direction == Direction::Compress) {
    block->Initialize();
  }
  vtkNew<vtkImageData> decoded;
  peak.Start();
  for (auto _ : state) {
    if (direction == Direction::Compress) {
      run(volume.Image, true);
    } else {
      run(decoded, false);
    }
  }
  state.counters["ratio"] = static_cast<double>(volume.RawBytes()) / static_cast<double>(blockBytes);
}

void VolumeBenchmark(benchmark::State& state, const Volume& (*data)(), Codec codec, Direction direction, int threads) {
  const Volume& volume = data();
  PeakMemory peak;
  switch (codec) {
    case Codec::JpegLs:
      RunVolumeBlock(state, volume, direction, threads, peak);
      break;
    case Codec::Zlib:
      RunSliceCodec(state, volume, ZlibCodec(), direction, threads, peak);
      break;
    case Codec::Zstd:
      RunSliceCodec(state, volume, ZstdCodec(), direction, threads, peak);
      break;
  }
  state.counters["MB"] =
      benchmark::Counter(static_cast<double>(volume.RawBytes()) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak MB"] = peak.StopMegabytes();
  state.counters["volume MB"] = static_cast<double>(volume.RawBytes()) / 1e6;
}

const bool registered = [] {
  struct Data {
    const char* name;
    const Volume& (*get)();
  };
  struct Named {
    const char* name;
    Codec codec;
  };
  for (const Data data : {Data{"realCT", &RealCt}, Data{"upsampled512x512x400", &UpsampledCt}}) {
    for (const Named codec :
         {Named{"jpegls", Codec::JpegLs}, Named{"zlib6", Codec::Zlib}, Named{"zstd3", Codec::Zstd}}) {
      for (Direction direction : {Direction::Compress, Direction::Decompress}) {
        for (int threads : {1, AllCores()}) {
          const std::string name = std::string(data.name) + "/" + codec.name + "/" +
                                   (direction == Direction::Compress ? "compress" : "decompress") +
                                   "/threads:" + std::to_string(threads);
          benchmark::RegisterBenchmark(name.c_str(), VolumeBenchmark, data.get, codec.codec, direction, threads)
              ->UseRealTime()
              ->Unit(benchmark::kMillisecond);
        }
      }
    }
  }
  return true;
}();

}  // namespace
