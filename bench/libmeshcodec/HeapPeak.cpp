#include "HeapPeak.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// Every block carries its size in front, keeping malloc's 16-byte alignment.
constexpr std::size_t HeaderSize = 16;

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};
std::atomic<std::size_t> baseline{0};

void* Allocate(std::size_t size) noexcept
{
  auto* block = static_cast<unsigned char*>(std::malloc(size + HeaderSize));
  if (block == nullptr)
  {
    return nullptr;
  }
  *reinterpret_cast<std::size_t*>(block) = size;
  const std::size_t now = inUse.fetch_add(size) + size;
  std::size_t highest = peak.load();
  while (now > highest && !peak.compare_exchange_weak(highest, now))
  {
  }
  return block + HeaderSize;
}

void Release(void* pointer) noexcept
{
  if (pointer == nullptr)
  {
    return;
  }
  unsigned char* block = static_cast<unsigned char*>(pointer) - HeaderSize;
  inUse.fetch_sub(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}

void* AllocateOrThrow(std::size_t size)
{
  void* pointer = Allocate(size);
  if (pointer == nullptr)
  {
    throw std::bad_alloc();
  }
  return pointer;
}

}  // namespace

namespace HeapPeak {

void Reset()
{
  baseline = inUse.load();
  peak = baseline.load();
}

std::size_t BytesSinceReset()
{
  return peak.load() - baseline.load();
}

}  // namespace HeapPeak

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Release(pointer); }
