#include "ct/CQlmSliceStreamCodec.h"

#include <vtkDataArray.h>
#include <vtkImageData.h>
#include <vtkPointData.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include "libconvert/CQlmObserver.h"
#include "toolkit/vtkJPEG16Compressor.h"
#include "toolkit/vtkJPEG16Decompressor.h"

static_assert(std::endian::native == std::endian::little, "stream lengths are stored raw");

namespace {

using SliceStream = std::vector<unsigned char>;
struct Nothing {};

// Passes the result of one slice from a worker to the calling thread.
template <typename Result>
struct Slot {
  Result Value;
  long FreeFor = 0;    // the slice that may fill the slot next
  long ReadyFor = -1;  // the slice whose result the slot holds
};

// The same contract as RunInSliceOrder, all on the calling thread.
template <typename Scratch, typename Result, typename Produce, typename Report, typename Consume>
bool RunOneByOne(long count, Produce produce, Report report, Consume consume, std::string& error) {
  Scratch scratch;
  Result result;
  try {
    for (long z = 0; z < count; ++z) {
      report(z);
      if (!produce(z, scratch, result, error) || !consume(z, result, error)) {
        return false;
      }
    }
  } catch (const std::exception& e) {
    error = e.what();
    return false;
  }
  return true;
}

// Runs produce(z, scratch, result, error) for every slice z on `threads` threads, each
// with its own scratch; on the calling thread, in slice order, calls report(z) before
// waiting for slice z and consume(z, result, error) after it. Results pass through
// `window` slots: the slot of slice z goes to slice z + window only once consume(z) has
// returned, so at most `window` slices are in flight. Stops at the first false result or
// exception and returns false with its reason in `error`.
template <typename Scratch, typename Result, typename Produce, typename Report, typename Consume>
bool RunInSliceOrder(long count, int threads, long window, Produce produce, Report report, Consume consume,
                     std::string& error) {
  if (threads == 1) {
    return RunOneByOne<Scratch, Result>(count, produce, report, consume, error);
  }
  auto slots = std::make_unique<Slot<Result>[]>(static_cast<size_t>(window));
  std::mutex mutex;
  std::condition_variable changed;
  long nextSlice = 0;
  bool failed = false;
  std::string failure;
  auto fail = [&](const std::string& reason) {
    {
      std::lock_guard lock(mutex);
      if (!failed) {
        failed = true;
        failure = reason;
      }
    }
    changed.notify_all();
  };
  for (long s = 0; s < window; ++s) {
    slots[static_cast<size_t>(s)].FreeFor = s;
  }

  auto work = [&] {
    Scratch scratch;
    for (;;) {
      long z = 0;
      Slot<Result>* slot = nullptr;
      {
        std::unique_lock lock(mutex);
        if (failed || nextSlice >= count) {
          return;
        }
        z = nextSlice++;
        slot = &slots[static_cast<size_t>(z % window)];
        changed.wait(lock, [&] { return failed || slot->FreeFor == z; });
        if (failed) {
          return;
        }
      }
      std::string reason;
      bool produced = false;
      try {
        produced = produce(z, scratch, slot->Value, reason);
      } catch (const std::exception& e) {
        reason = e.what();
      }
      if (!produced) {
        fail(reason);
        return;
      }
      {
        std::lock_guard lock(mutex);
        slot->ReadyFor = z;
      }
      changed.notify_all();
    }
  };

  std::vector<std::jthread> workers;
  workers.reserve(static_cast<size_t>(threads));
  try {
    for (int t = 0; t < threads; ++t) {
      workers.emplace_back(work);
    }
    for (long z = 0; z < count; ++z) {
      report(z);
      Slot<Result>& slot = slots[static_cast<size_t>(z % window)];
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return failed || slot.ReadyFor == z; });
        if (failed) {
          break;
        }
      }
      std::string reason;
      if (!consume(z, slot.Value, reason)) {
        fail(reason);
        break;
      }
      {
        std::lock_guard lock(mutex);
        slot.FreeFor = z + window;
      }
      changed.notify_all();
    }
  } catch (const std::exception& e) {
    fail(e.what());
  }
  workers.clear();  // joins
  error = failure;
  return !failed;
}

// Gives the block room for `bytes` values, keeping the values it holds. Reserving the
// uncoded size up front means the block is never copied while it grows; the pages that
// stay unused are never touched, so they cost address space, not memory.
void Reserve(vtkUnsignedCharArray* block, size_t bytes) {
  if (static_cast<size_t>(block->GetSize()) >= bytes) {
    return;
  }
  const vtkIdType count = block->GetNumberOfValues();
  const std::vector<unsigned char> kept(block->GetPointer(0), block->GetPointer(0) + count);
  block->Allocate(static_cast<vtkIdType>(bytes));
  if (count > 0) {
    std::memcpy(block->WritePointer(0, count), kept.data(), kept.size());
  }
}

void ReportProgress(CQlmObserver* observer, long z, long count) {
  if (!observer) {
    return;
  }
  long current = z;
  auto total = static_cast<unsigned int>(count);
  observer->SendMessageA(&current, &total, 0);
}

std::string SliceFailure(long z, const std::string& reason) { return "slice " + std::to_string(z) + ": " + reason; }

}  // namespace

CQlmSliceStreamCodec::CQlmSliceStreamCodec(CQlmObserver* progressObserver, int threadCount)
    : ProgressObserver(progressObserver), ThreadCount(threadCount) {}

bool CQlmSliceStreamCodec::Fail(const std::string& reason) {
  this->Error = reason;
  return false;
}

int CQlmSliceStreamCodec::ThreadsFor(long sliceCount) const {
  const long cores = std::max(1u, std::thread::hardware_concurrency());
  const long wanted = this->ThreadCount > 0 ? this->ThreadCount : cores;
  return static_cast<int>(std::clamp(std::min(wanted, sliceCount), 1L, 1024L));
}

bool CQlmSliceStreamCodec::Encode(vtkImageData* image, vtkUnsignedCharArray* block) {
  this->Error.clear();
  const CQlmVolumeGeometry geometry = CQlmVolumeGeometry::FromImage(image);
  if (const std::string problem = geometry.Check(); !problem.empty()) {
    return this->Fail(problem);
  }
  vtkDataArray* scalars = image->GetPointData()->GetScalars();
  if (scalars->GetNumberOfValues() != geometry.GetVoxelCount()) {
    return this->Fail("the image holds " + std::to_string(scalars->GetNumberOfValues()) + " voxels, not " +
                      std::to_string(geometry.GetVoxelCount()));
  }
  const long sliceCount = geometry.Dimensions[2];
  const auto sliceBytes = static_cast<size_t>(geometry.GetSliceVoxelCount()) * 2;
  const auto* voxels = static_cast<const unsigned char*>(scalars->GetVoidPointer(0));
  const vtkIdType start = block->GetNumberOfValues();
  Reserve(block, static_cast<size_t>(start) + static_cast<size_t>(sliceCount) * (4 + sliceBytes));

  auto encode = [&](long z, vtkJPEG16Compressor::SliceBuffers& buffers, SliceStream& stream, std::string& error) {
    if (!vtkJPEG16Compressor::EncodeSlice(voxels + static_cast<size_t>(z) * sliceBytes, geometry.ScalarType,
                                          geometry.Dimensions[0], geometry.Dimensions[1], buffers, &error)) {
      error = SliceFailure(z, error);
      return false;
    }
    stream.assign(buffers.Stream.data(), buffers.Stream.data() + buffers.StreamLength);
    return true;
  };
  auto report = [&](long z) { ReportProgress(this->ProgressObserver, z, sliceCount); };
  auto append = [&](long z, const SliceStream& stream, std::string& error) {
    if (stream.size() > static_cast<size_t>(INT32_MAX - 4)) {
      error = SliceFailure(z, "stream too long");
      return false;
    }
    const auto length = static_cast<int32_t>(stream.size());
    unsigned char* out = block->WritePointer(block->GetNumberOfValues(), 4 + length);
    std::memcpy(out, &length, 4);
    std::memcpy(out + 4, stream.data(), stream.size());
    return true;
  };

  std::string error;
  // Coded streams are small beside the slices: a window of several per thread lets the
  // other workers go on while one is held up, at little cost in memory.
  const int threads = this->ThreadsFor(sliceCount);
  const long window = 4L * threads;
  if (!RunInSliceOrder<vtkJPEG16Compressor::SliceBuffers, SliceStream>(sliceCount, threads, window, encode, report,
                                                                       append, error)) {
    block->SetNumberOfValues(start);
    return this->Fail(error);
  }
  block->Squeeze();
  return true;
}

bool CQlmSliceStreamCodec::Index(const unsigned char* data, size_t size, const CQlmVolumeGeometry& geometry) {
  this->Error.clear();
  this->Streams.clear();
  const long sliceCount = geometry.Dimensions[2];
  std::vector<StreamSpan> streams;
  streams.reserve(static_cast<size_t>(std::min<long>(sliceCount, static_cast<long>(size / 4))));
  size_t offset = 0;
  for (long z = 0; z < sliceCount; ++z) {
    if (size - offset < 4) {
      return this->Fail(SliceFailure(z, "the data ends before the stream length"));
    }
    int32_t length = 0;
    std::memcpy(&length, data + offset, 4);
    offset += 4;
    if (length < 0 || static_cast<size_t>(length) > size - offset) {
      return this->Fail(SliceFailure(z, "stream length " + std::to_string(length) + " outside the " +
                                            std::to_string(size - offset) + " bytes left"));
    }
    vtkJPEG16Decompressor::StreamInfo info;
    std::string error;
    if (!vtkJPEG16Decompressor::ReadStreamInfo(data + offset, static_cast<size_t>(length), info, &error)) {
      return this->Fail(SliceFailure(z, error));
    }
    if (info.Width != geometry.Dimensions[0] || info.Height != geometry.Dimensions[1]) {
      return this->Fail(SliceFailure(
          z, "the stream holds " + std::to_string(info.Width) + " x " + std::to_string(info.Height) + " voxels"));
    }
    streams.push_back({data + offset, static_cast<size_t>(length)});
    offset += static_cast<size_t>(length);
  }
  if (offset != size) {
    return this->Fail(std::to_string(size - offset) + " bytes after the last of " + std::to_string(sliceCount) +
                      " slices");
  }
  this->IndexedGeometry = geometry;
  this->Streams = std::move(streams);
  return true;
}

bool CQlmSliceStreamCodec::Decode(vtkImageData* image) {
  this->Error.clear();
  const CQlmVolumeGeometry& geometry = this->IndexedGeometry;
  const auto sliceCount = static_cast<long>(this->Streams.size());
  vtkDataArray* scalars = image->GetPointData()->GetScalars();
  if (!scalars || scalars->GetDataTypeSize() != 2 || scalars->GetNumberOfValues() != geometry.GetVoxelCount() ||
      geometry.Dimensions[2] != sliceCount) {
    return this->Fail("the image is not allocated to the indexed volume");
  }
  const auto sliceBytes = static_cast<size_t>(geometry.GetSliceVoxelCount()) * 2;
  auto* voxels = static_cast<unsigned char*>(scalars->GetVoidPointer(0));

  auto decode = [&](long z, Nothing&, Nothing&, std::string& error) {
    const StreamSpan& stream = this->Streams[static_cast<size_t>(z)];
    if (vtkJPEG16Decompressor::DecodeSlice(stream.Bytes, stream.Length, geometry.Dimensions[0], geometry.Dimensions[1],
                                           voxels + static_cast<size_t>(z) * sliceBytes, &error)) {
      return true;
    }
    error = SliceFailure(z, error);
    return false;
  };
  auto report = [&](long z) { ReportProgress(this->ProgressObserver, z, sliceCount); };
  auto done = [](long, const Nothing&, std::string&) { return true; };

  std::string error;
  // Slices decode straight into the volume, so none has to wait for the progress of another.
  const long window = std::max(sliceCount, 1L);
  if (!RunInSliceOrder<Nothing, Nothing>(sliceCount, this->ThreadsFor(sliceCount), window, decode, report, done,
                                         error)) {
    return this->Fail(error);
  }
  return true;
}
