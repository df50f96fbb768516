#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkProperty.h>
#include <vtkTransform.h>

#include <array>

#include "ArchTestSupport.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmBallList.h"

namespace {
// Byte offsets in a ball record whose name is "Desconhecido" (12 characters).
constexpr size_t RadiusOffset = 8;
constexpr size_t NameOffset = 12;
constexpr size_t BallColorOffset = NameOffset + 1 + 12;
constexpr size_t SelectionColorOffset = BallColorOffset + 12;
constexpr size_t MatrixOffset = SelectionColorOffset + 12;
constexpr size_t DefaultRecordSize = MatrixOffset + 128;

std::array<double, 3> ActorColor(const CQlmBall& ball) {
  std::array<double, 3> color;
  ball.GetActor()->GetProperty()->GetColor(color.data());
  return color;
}

std::array<double, 3> Rgb(double r, double g, double b) { return {r, g, b}; }

TEST(CQlmBall, NewBallHasTheControlPointDefaults) {
  CQlmBall ball;
  EXPECT_EQ(ball.GetVisible(), 1);
  EXPECT_EQ(ball.GetSelected(), 0);
  EXPECT_EQ(ball.GetRadius(), 1.0f);
  EXPECT_EQ(ball.GetName(), "Desconhecido");
  EXPECT_EQ(ActorColor(ball), Rgb(1, 0, 0));
  EXPECT_TRUE(ball.GetMatrix()->IsIdentity());
  EXPECT_EQ(ball.GetActor()->GetVisibility(), 1);
}

TEST(CQlmBall, ActorShowsTheSelectionColourExactlyWhileSelected) {
  CQlmBall ball;
  ball.SetColor(0, 1, 0);
  EXPECT_EQ(ActorColor(ball), Rgb(0, 1, 0));
  ball.SetSelected(1);
  EXPECT_EQ(ActorColor(ball), Rgb(1, 1, 1));
  ball.SetColor(0, 0, 1);
  EXPECT_EQ(ActorColor(ball), Rgb(1, 1, 1));
  ball.SetSelectionColor(1, 1, 0);
  EXPECT_EQ(ActorColor(ball), Rgb(1, 1, 0));
  ball.SetSelected(0);
  EXPECT_EQ(ActorColor(ball), Rgb(0, 0, 1));
  ball.SetSelectionColor(0, 1, 1);
  EXPECT_EQ(ActorColor(ball), Rgb(0, 0, 1));
}

TEST(CQlmBall, RecordHoldsTheFieldsInOrderAndRoundTripsByteForByte) {
  CQlmBall ball;
  ball.SetSelected(1);
  ball.SetColor(0.25f, 0.5f, 0.75f);
  ball.GetTransform()->Translate(-9, 21, 3);
  const auto bytes = StoreBytes(ball);
  ASSERT_EQ(bytes.size(), DefaultRecordSize);
  EXPECT_EQ(GetAt<int32_t>(bytes, 0), 1);
  EXPECT_EQ(GetAt<int32_t>(bytes, 4), 1);
  EXPECT_EQ(GetAt<float>(bytes, RadiusOffset), 1.0f);
  EXPECT_EQ(bytes[NameOffset], 12);
  EXPECT_EQ(std::string(bytes.begin() + NameOffset + 1, bytes.begin() + BallColorOffset), "Desconhecido");
  EXPECT_EQ(GetAt<float>(bytes, BallColorOffset + 8), 0.75f);
  EXPECT_EQ(GetAt<float>(bytes, SelectionColorOffset), 1.0f);
  // Row by row: the translation sits in elements 3, 7 and 11.
  EXPECT_EQ(GetAt<double>(bytes, MatrixOffset + 3 * 8), -9.0);
  EXPECT_EQ(GetAt<double>(bytes, MatrixOffset + 7 * 8), 21.0);
  EXPECT_EQ(GetAt<double>(bytes, MatrixOffset + 11 * 8), 3.0);
  EXPECT_EQ(GetAt<double>(bytes, MatrixOffset + 15 * 8), 1.0);

  CQlmBall loaded;
  EXPECT_EQ(LoadBytes(loaded, bytes), 0u);
  EXPECT_EQ(StoreBytes(loaded), bytes);
}

TEST(CQlmBall, LoadingKeepsTheRadiusAtOneAndPaintsByTheStoredSelection) {
  CQlmBall stored;
  auto bytes = StoreBytes(stored);
  PutAt<int32_t>(bytes, 0, 0);
  PutAt<int32_t>(bytes, 4, 1);
  PutAt<float>(bytes, RadiusOffset, 2.5f);
  PutAt<float>(bytes, SelectionColorOffset + 4, 0.0f);  // selection colour (1, 0, 1)
  PutAt<double>(bytes, MatrixOffset + 7 * 8, 12.5);

  CQlmBall ball;
  LoadBytes(ball, bytes);
  EXPECT_EQ(ball.GetRadius(), 1.0f);
  EXPECT_EQ(ball.GetSelected(), 1);
  EXPECT_EQ(ActorColor(ball), Rgb(1, 0, 1));
  EXPECT_EQ(ball.GetActor()->GetVisibility(), 0);
  double position[3];
  ball.GetPosition(position);
  EXPECT_EQ(position[1], 12.5);
  // The stored radius is dropped: the record stores 1 again.
  EXPECT_EQ(GetAt<float>(StoreBytes(ball), RadiusOffset), 1.0f);
}

TEST(CQlmBall, JoinsAndLeavesTheLayerRenderersOfItsWindow) {
  ArchTestWindow window;
  {
    CQlmBall alone;
    alone.AddToRenderer();
    alone.RemoveFromRenderers();
  }
  auto ball = std::make_unique<CQlmBall>();
  ball->SetWindow(&window);
  ball->AddToRenderer();
  EXPECT_TRUE(window.Holds(1, ball->GetActor()));
  ball->RemoveFromRenderers();
  EXPECT_EQ(window.PropCount(1), 0);

  ball->AddToRenderer();
  window.GetLayerRenderer(3)->AddActor(ball->GetActor());
  ball.reset();
  EXPECT_EQ(window.PropCount(1), 0);
  EXPECT_EQ(window.PropCount(3), 0);
}

class BallList : public ::testing::Test {
protected:
  // Balls a, b, c by index 0, 1, 2.
  void SetUp() override {
    this->B = this->List.AddTail();
    this->C = this->List.AddTail();
    this->A = this->List.AddHead();
  }

  CQlmBallList List;
  CQlmBall* A = nullptr;
  CQlmBall* B = nullptr;
  CQlmBall* C = nullptr;
};

TEST_F(BallList, IndicesCountFromTheHead) {
  ASSERT_EQ(this->List.GetCount(), 3);
  EXPECT_EQ(this->List.GetListItemAt(0), this->A);
  EXPECT_EQ(this->List.GetListItemAt(2), this->C);
  EXPECT_EQ(this->List.GetListItemAt(3), nullptr);
  EXPECT_EQ(this->List.GetListItemAt(-1), nullptr);
  EXPECT_EQ(this->List.GetFirst(), this->A);
  EXPECT_EQ(this->List.GetLast(), this->C);
}

TEST_F(BallList, InsertAfterAMissingIndexCreatesNothing) {
  EXPECT_EQ(this->List.InsertAfter(3), nullptr);
  EXPECT_EQ(this->List.InsertAfter(-1), nullptr);
  EXPECT_EQ(this->List.GetCount(), 3);

  CQlmBall* appended = this->List.InsertAfter(2);
  EXPECT_EQ(this->List.GetLast(), appended);
  CQlmBall* second = this->List.InsertAfter(0);
  EXPECT_EQ(this->List.GetListItemAt(1), second);
  EXPECT_EQ(this->List.GetCount(), 5);
}

TEST_F(BallList, DeleteListItemAtIgnoresMissingIndices) {
  this->List.DeleteListItemAt(3);
  this->List.DeleteListItemAt(-1);
  EXPECT_EQ(this->List.GetCount(), 3);
  this->List.DeleteListItemAt(1);
  EXPECT_EQ(this->List.GetCount(), 2);
  EXPECT_EQ(this->List.GetListItemAt(1), this->C);
}

TEST_F(BallList, LookupsBySelectionAndActor) {
  EXPECT_EQ(this->List.GetSelectedIndex(), -1);
  this->C->SetSelected(1);
  this->B->SetSelected(1);
  EXPECT_EQ(this->List.GetSelectedIndex(), 1);
  EXPECT_EQ(this->List.FindByActor(this->C->GetActor()), 2);
  EXPECT_EQ(this->List.FindByActor(nullptr), -1);
  CQlmBall stranger;
  EXPECT_EQ(this->List.FindByActor(stranger.GetActor()), -1);
}

TEST_F(BallList, RoundTripsByteForByteAndAppendsOnLoading) {
  this->B->GetTransform()->Translate(1, 2, 3);
  this->C->SetSelected(1);
  const auto bytes = StoreBytes(this->List);
  EXPECT_EQ(GetAt<int32_t>(bytes, 0), 3);
  EXPECT_EQ(bytes.size(), 4 + 3 * DefaultRecordSize);

  CQlmBallList loaded;
  EXPECT_EQ(LoadBytes(loaded, bytes), 0u);
  EXPECT_EQ(loaded.GetCount(), 3);
  EXPECT_EQ(loaded.GetSelectedIndex(), 2);
  EXPECT_EQ(StoreBytes(loaded), bytes);
}

TEST(CQlmBallListArchive, EmptyListIsOneZeroCount) {
  CQlmBallList empty;
  const auto bytes = StoreBytes(empty);
  EXPECT_EQ(bytes, std::vector<uint8_t>(4, 0));
  CQlmBallList loaded;
  EXPECT_EQ(LoadBytes(loaded, bytes), 0u);
  EXPECT_EQ(loaded.GetCount(), 0);
}

TEST(CQlmBallListArchive, CountsOutsideTheLimitsAreRefusedBeforeAnyBallIsRead) {
  CQlmBallList source;
  for (int i = 0; i < 5; ++i) source.AddTail();
  const auto valid = StoreBytes(source);
  const struct {
    int32_t count;
    CArchiveException::Cause cause;
  } cases[] = {
      {1, CArchiveException::badIndex},           {-1, CArchiveException::badIndex},
      {4, CArchiveException::badIndex},           {6, CArchiveException::endOfFile},  // more balls than bytes
      {0x7FFFFFFF, CArchiveException::endOfFile},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    auto bytes = valid;
    PutAt<int32_t>(bytes, 0, c.count);
    CMemFile file(bytes);
    CArchive archive(&file, CArchive::load);
    CQlmBallList list;
    try {
      list.Serialize(archive, 2, 3);
      ADD_FAILURE() << "count accepted";
    } catch (const CArchiveException& e) {
      EXPECT_EQ(e.m_cause, c.cause);
    }
    EXPECT_EQ(list.GetCount(), 0);
  }
}
}  // namespace
