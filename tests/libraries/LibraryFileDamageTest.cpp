// Every truncation and a thousand seeded mutations of a small file of each
// kind: Load answers 0 or 1 and never crashes, leaks or allocates beyond
// the file's size; on 0 the library is as it was and the reason is set.
#include <gtest/gtest.h>
#include <vtkNew.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <random>

#include "LibraryFixtures.h"
#include "libraries/vtkGeom.h"

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime (g++ ships no header for it).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*onMalloc)(const volatile void*, size_t),
                                                         void (*onFree)(const volatile void*));
#endif

using namespace LibraryFixtures;

namespace {

// Largest single allocation while watching (only measured under AddressSanitizer).
std::atomic<size_t> LargestAllocation{0};
std::atomic<bool> Watching{false};

#if defined(__SANITIZE_ADDRESS__)
void OnMalloc(const volatile void*, size_t size) {
  if (!Watching) return;
  size_t largest = LargestAllocation;
  while (size > largest && !LargestAllocation.compare_exchange_weak(largest, size)) {
  }
}
void OnFree(const volatile void*) {}
#endif

class DamagedFiles : public testing::Test {
protected:
  void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
#endif
  }

  // Loads `bytes` as the file of a library that already holds strings and
  // an item, checks the outcome and returns Load's result.
  int ExpectLoadWholeOrNothing(const LibraryKind& kind, const Bytes& bytes) {
    QlmBytes::WriteFile(this->Folder.File("Anterior" + kind.Extension), bytes);
    vtkSmartPointer<vtkLibrary> library = kind.NewLibrary();
    library->Name = "Anterior";
    library->Identifier = "    9";
    library->Password = "antiga";
    vtkNew<vtkGeom> held;
    library->GetCollection(0)->AddItem(held);
    const LibraryState before = LibraryState::Of(library);

    CString reason;
    LargestAllocation = 0;
    Watching = true;
    const int result = kind.Load(library, reason);
    Watching = false;
    EXPECT_LE(LargestAllocation, 2 * bytes.size() + (1 << 20));

    if (result == 0) {
      EXPECT_FALSE(reason.IsEmpty());
      EXPECT_TRUE(LibraryState::Of(library) == before);
    } else {
      EXPECT_EQ(result, 1);
      EXPECT_TRUE(reason.IsEmpty());
      ExpectMeshesWhole(library);
    }
    return result;
  }

  const LibraryFolder Folder;
};

}  // namespace

TEST_F(DamagedFiles, EveryTruncationIsRefused) {
  for (const LibraryKind& kind : AllKinds()) {
    SCOPED_TRACE(kind.Extension);
    for (size_t size = 0; size < kind.Fixture.size(); ++size) {
      const Bytes cut(kind.Fixture.begin(), kind.Fixture.begin() + size);
      EXPECT_EQ(ExpectLoadWholeOrNothing(kind, cut), 0);
      if (HasFailure()) FAIL() << "cut at " << size;
    }
  }
}

TEST_F(DamagedFiles, SeededMutationsLoadWholeOrNotAtAll) {
  const int32_t values[] = {-1, 0, 1, 2, 3, 255, 65534, 65535, 0x40000000, 0x7FFFFFFF, INT32_MIN};
  for (const LibraryKind& kind : AllKinds()) {
    SCOPED_TRACE(kind.Extension);
    std::mt19937 random(20211);
    int loaded = 0;
    for (int round = 0; round < 1000; ++round) {
      Bytes bytes = kind.Fixture;
      const auto at = [&](size_t room) {
        return std::uniform_int_distribution<size_t>(0, bytes.size() - room)(random);
      };
      switch (random() % 4) {
        case 0:  // a few random bytes
          for (int k = 1 + random() % 3; k > 0; --k) bytes[at(1)] = static_cast<uint8_t>(random());
          break;
        case 1: {  // a count or length that matters
          const int32_t value = values[random() % std::size(values)];
          std::memcpy(&bytes[at(4)], &value, 4);
          break;
        }
        case 2:  // cut short and a random tail
          bytes.resize(at(1));
          for (int k = random() % 8; k > 0; --k) bytes.push_back(static_cast<uint8_t>(random()));
          break;
        default:  // a slice repeated
          const size_t from = at(1);
          const size_t length = std::min<size_t>(bytes.size() - from, 1 + random() % 40);
          const Bytes slice(bytes.begin() + from, bytes.begin() + from + length);
          bytes.insert(bytes.begin() + at(0), slice.begin(), slice.end());
      }
      loaded += ExpectLoadWholeOrNothing(kind, bytes);
      if (HasFailure()) FAIL() << "round " << round;
    }
    // Both outcomes occur, so the mutations reach past the first check.
    EXPECT_GT(loaded, 50);
    EXPECT_LT(loaded, 950);
  }
}
