#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/CUndoHistory.h"

namespace {

// The codes of a list, newest first, read from a copy.
std::vector<int> UndoCodes(CUndoHistory history) {
  std::vector<int> codes;
  for (; history.GetNewestUndo() != 0; history.DropUndo()) codes.push_back(history.GetNewestUndo());
  return codes;
}
std::vector<int> RedoCodes(CUndoHistory history) {
  std::vector<int> codes;
  for (; history.GetNewestRedo() != 0; history.DropRedo()) codes.push_back(history.GetNewestRedo());
  return codes;
}

// Steps: "+k" Push(k, 0), "=k" Push(k, 1), "u" PopUndo, "r" PopRedo, "du" DropUndo, "dr" DropRedo.
void RunSteps(CUndoHistory& history, const std::string& steps) {
  std::istringstream words(steps);
  for (std::string step; words >> step;) {
    if (step[0] == '+' || step[0] == '=')
      history.Push(std::stoi(step.substr(1)), step[0] == '=');
    else if (step == "u")
      history.PopUndo();
    else if (step == "r")
      history.PopRedo();
    else if (step == "du")
      history.DropUndo();
    else if (step == "dr")
      history.DropRedo();
    else
      ADD_FAILURE() << "unknown step " << step;
  }
}

struct Case {
  const char* Steps;
  std::vector<int> Undo;
  std::vector<int> Redo;
};

void PrintTo(const Case& value, std::ostream* out) { *out << '"' << value.Steps << '"'; }

class UndoHistorySteps : public ::testing::TestWithParam<Case> {};

TEST_P(UndoHistorySteps, LeaveTheListsAsExpected) {
  CUndoHistory history;
  RunSteps(history, GetParam().Steps);
  EXPECT_EQ(UndoCodes(history), GetParam().Undo);
  EXPECT_EQ(RedoCodes(history), GetParam().Redo);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UndoHistorySteps,
    ::testing::Values(Case{"", {}, {}},                      // a new history is empty
                      Case{"+4 +1", {1, 4}, {}},             // newest first
                      Case{"+4 +1 u", {4}, {1}},             // a pop moves the code to the redo codes
                      Case{"+4 +1 u u", {}, {4, 1}},         //
                      Case{"+4 +1 u u =4 r", {4}, {1}},      // a redo: the tool pushed, the code leaves redo
                      Case{"+4 +1 u u +3", {3}, {}},         // a new change empties every redo code
                      Case{"+4 +1 u =1 +5", {5, 1, 4}, {}},  //
                      Case{"+4 +1 du", {4}, {}},             // a dropped code goes nowhere
                      Case{"+4 +1 u u dr", {}, {1}},         //
                      Case{"u r du dr", {}, {}},             // empty lists stay empty
                      Case{"+4 r", {4}, {}}),                // a pop of no redo code keeps the undo codes
    [](const ::testing::TestParamInfo<Case>& info) { return "Case" + std::to_string(info.index); });

TEST(UndoHistory, KeepsTheNewestHundredCodesOfEachList) {
  CUndoHistory history;
  history.Push(1, 0);
  for (int change = 0; change < 100; ++change) history.Push(4, 0);
  EXPECT_EQ(UndoCodes(history), std::vector<int>(100, 4));
  for (int step = 0; step < 100; ++step) history.PopUndo();
  EXPECT_EQ(history.PopUndo(), 0);
  EXPECT_EQ(RedoCodes(history), std::vector<int>(100, 4));
}

}  // namespace
