#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>
#include <vtkTransform.h>

#include <array>
#include <random>

#include "ArchTestSupport.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmBallList.h"
#include "ct/CQlmPolyLine.h"
#include "ct/CQlmPolyLineNerve.h"

namespace {
// Bytes of one ball record with the default name.
constexpr size_t BallRecordSize = 177;

template <typename Line>
size_t BallListSize(const Line& line) {
  return 4 + BallRecordSize * line.GetBalls().GetCount();
}

// A line whose every stored field differs from its default.
void Alter(CQlmPolyLine& arch) {
  arch.GetBalls().GetListItemAt(4)->GetTransform()->Translate(0, 3, 0);
  arch.GetBalls().GetListItemAt(2)->SetSelected(1);
  arch.BuildLine();
  arch.SetBallColor(0, 1, 0);
  arch.SetBallSelectionColor(0, 0, 1);
  arch.SetLineColor(1, 0.5f, 0);
  arch.SetSectionWidth(20);
  arch.SetSectionSpacing(3);
  arch.SetSectionMarksVisibility(0);
  arch.SetHighlight(1);
}

void Alter(CQlmPolyLineNerve& nerve) {
  nerve.SetShapeIndex(2);
  nerve.Reset();
  nerve.GetBalls().GetListItemAt(1)->SetSelected(1);
  nerve.SetBallColor(0, 1, 0);
  nerve.SetBallSelectionColor(0, 0, 1);
  nerve.SetVisibility(0);
}

template <typename Line>
class PolyLineArchive : public ::testing::Test {};
using LineKinds = ::testing::Types<CQlmPolyLine, CQlmPolyLineNerve>;
TYPED_TEST_SUITE(PolyLineArchive, LineKinds);

TYPED_TEST(PolyLineArchive, RoundTripsByteForByte) {
  TypeParam line;
  Alter(line);
  const auto bytes = StoreBytes(line);

  TypeParam loaded;
  EXPECT_EQ(LoadBytes(loaded, bytes), 0u);
  EXPECT_EQ(StoreBytes(loaded), bytes);
  ASSERT_EQ(loaded.GetBalls().GetCount(), line.GetBalls().GetCount());
  EXPECT_EQ(loaded.GetLinePolyData()->GetNumberOfPoints(), line.GetBalls().GetCount());
  EXPECT_EQ(loaded.GetLength(), line.GetLength());
  EXPECT_EQ(loaded.GetBalls().GetSelectedIndex(), line.GetBalls().GetSelectedIndex());
  EXPECT_EQ(loaded.GetVisible(), line.GetVisible());
  EXPECT_EQ(loaded.GetLineActor()->GetVisibility(), line.GetLineActor()->GetVisibility());
}

// Every cut inside the count, the first ball and the fields after the balls;
// every 13th byte in between.
TYPED_TEST(PolyLineArchive, TruncatedRecordsRaiseTheArchiveError) {
  TypeParam line;
  const auto bytes = StoreBytes(line);
  const size_t afterBalls = BallListSize(line);
  TypeParam loaded;
  for (size_t size = 0; size < bytes.size(); size += (size > 4 + BallRecordSize && size + 13 < afterBalls) ? 13 : 1) {
    EXPECT_THROW(LoadBytes(loaded, std::vector<uint8_t>(bytes.begin(), bytes.begin() + size)), CArchiveException)
        << "size " << size;
  }
}

TYPED_TEST(PolyLineArchive, PointCountsOutsideTwoToFiftyAreRefused) {
  TypeParam line;
  const auto valid = StoreBytes(line);
  const std::vector<uint8_t> tail(valid.begin() + BallListSize(line), valid.end());
  const struct {
    int count;
    bool accepted;
  } cases[] = {{0, false}, {1, false}, {2, true}, {50, true}, {51, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    CQlmBallList balls;
    for (int i = 0; i < c.count; ++i) balls.AddTail()->GetTransform()->Translate(i, 0, 0);
    auto bytes = StoreBytes(balls);
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    TypeParam loaded;
    if (c.accepted) {
      EXPECT_EQ(LoadBytes(loaded, bytes), 0u);
      EXPECT_EQ(loaded.GetBalls().GetCount(), c.count);
      EXPECT_FLOAT_EQ(loaded.GetLength(), c.count - 1.0f);
      continue;
    }
    try {
      LoadBytes(loaded, bytes);
      ADD_FAILURE() << "count accepted";
    } catch (const CArchiveException& e) {
      EXPECT_EQ(e.m_cause, CArchiveException::badIndex);
    }
  }
}

// Corrupt records must either load or raise the archive error; nothing else.
TYPED_TEST(PolyLineArchive, MutatedRecordsLoadOrRaiseTheArchiveError) {
  TypeParam line;
  Alter(line);
  const auto valid = StoreBytes(line);
  std::mt19937 random(7);
  std::uniform_int_distribution<size_t> position(0, valid.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 150; ++round) {
    auto bytes = valid;
    for (int flips = 1 + round % 4; flips > 0; --flips) bytes[position(random)] = static_cast<uint8_t>(byte(random));
    TypeParam loaded;
    try {
      LoadBytes(loaded, bytes);
    } catch (const CArchiveException&) {
    }
    loaded.BuildLine();
  }
}

TEST(CQlmPolyLineArchive, FieldsFollowTheBallsInOrder) {
  CQlmPolyLine arch;
  Alter(arch);
  const auto bytes = StoreBytes(arch);
  const size_t colors = BallListSize(arch);
  ASSERT_EQ(bytes.size(), colors + 6 * 12 + 2 * 4 + 4 * 4);
  EXPECT_EQ(GetAt<float>(bytes, colors + 4), 1.0f);       // ball colour g
  EXPECT_EQ(GetAt<float>(bytes, colors + 12), 0.5f);      // tick colour r
  EXPECT_EQ(GetAt<float>(bytes, colors + 24 + 4), 0.5f);  // line colour g
  EXPECT_EQ(GetAt<float>(bytes, colors + 36 + 8), 1.0f);  // selection colour b
  EXPECT_EQ(GetAt<float>(bytes, colors + 72), 20.0f);     // tick width
  EXPECT_EQ(GetAt<float>(bytes, colors + 76), 3.0f);      // tick spacing
  EXPECT_EQ(GetAt<int32_t>(bytes, colors + 80), 0);       // ticks enabled
  EXPECT_EQ(GetAt<int32_t>(bytes, colors + 84), 1);       // visible
  EXPECT_EQ(GetAt<int32_t>(bytes, colors + 88), 1);       // highlighted
  EXPECT_EQ(GetAt<int32_t>(bytes, colors + 92), 30);      // most points
}

TEST(CQlmPolyLineArchive, LoadingTruncatesTickSizesAndJoinsTheWindow) {
  CQlmPolyLine stored;
  auto bytes = StoreBytes(stored);
  const size_t sizes = BallListSize(stored) + 72;
  PutAt<float>(bytes, sizes, 32.7f);
  PutAt<float>(bytes, sizes + 4, 2.9f);

  ArchTestWindow window;
  CQlmPolyLine arch;
  arch.SetWindow(&window);
  LoadBytes(arch, bytes);
  EXPECT_EQ(arch.GetSectionWidth(), 32.0f);
  EXPECT_EQ(arch.GetSectionSpacing(), 2.0f);
  EXPECT_EQ(arch.GetMarksPolyData()->GetNumberOfLines(), 63);
  EXPECT_EQ(window.PropCount(1), 9);
  arch.GetBalls().ForEach([&](CQlmBall* ball) { EXPECT_TRUE(window.Holds(1, ball->GetActor())); });
}

TEST(CQlmPolyLineArchive, LoadedHighlightAndHiddenTicksAreApplied) {
  CQlmPolyLine stored;
  Alter(stored);
  CQlmPolyLine arch;
  LoadBytes(arch, StoreBytes(stored));
  std::array<double, 3> line;
  arch.GetLineActor()->GetProperty()->GetColor(line.data());
  EXPECT_EQ(line, (std::array<double, 3>{1, 1, 1}));
  EXPECT_EQ(arch.GetMarksActor()->GetVisibility(), 0);
  EXPECT_EQ(arch.GetLineActor()->GetVisibility(), 1);
  EXPECT_EQ(arch.GetMarksPolyData()->GetNumberOfLines(), static_cast<vtkIdType>(stored.GetLength() / 3 + 1));
}

TEST(CQlmPolyLineNerveArchive, LoadingKeepsTheShapeAndLeavesTheBallsOutOfAnyWindow) {
  CQlmPolyLineNerve stored;
  Alter(stored);
  const auto bytes = StoreBytes(stored);
  const size_t colors = BallListSize(stored);
  ASSERT_EQ(bytes.size(), colors + 4 * 12 + 3 * 4);
  EXPECT_EQ(GetAt<float>(bytes, colors + 12 + 4), 1.0f);  // line colour: yellow
  EXPECT_EQ(GetAt<float>(bytes, colors + 12 + 8), 0.0f);
  EXPECT_EQ(GetAt<int32_t>(bytes, colors + 48), 0);  // visible

  ArchTestWindow window;
  CQlmPolyLineNerve nerve;
  nerve.SetWindow(&window);
  nerve.SetShapeIndex(1);
  LoadBytes(nerve, bytes);
  EXPECT_EQ(nerve.GetShapeIndex(), 1);
  EXPECT_EQ(window.PropCount(1), 0);
  EXPECT_EQ(nerve.GetBalls().GetFirst()->GetWindow(), nullptr);
  EXPECT_EQ(nerve.GetLineActor()->GetVisibility(), 0);
}

TEST(CQlmPolyLineNerveArchive, LoadedHighlightPaintsTheLineInItsHighlightColour) {
  CQlmPolyLineNerve stored;
  auto bytes = StoreBytes(stored);
  PutAt<int32_t>(bytes, BallListSize(stored) + 48 + 4, 1);
  CQlmPolyLineNerve nerve;
  LoadBytes(nerve, bytes);
  std::array<double, 3> line;
  nerve.GetLineActor()->GetProperty()->GetColor(line.data());
  EXPECT_EQ(line, (std::array<double, 3>{1, 1, 1}));
}
}  // namespace
