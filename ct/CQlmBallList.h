#pragma once
// The control points of one polyline, in order; the list owns its balls.
// Indices count from the head, starting at 0.
#include <climits>

#include "platform/CObList.h"
#include "platform/CObject.h"

class CQlmBall;
class vtkActor;

class CQlmBallList : public CObject {
public:
  CQlmBallList() = default;
  ~CQlmBallList() override;

  int GetCount() const { return this->List.GetCount(); }

  // Create a default ball and put it at the head, at the tail, or after the
  // ball at `index` (null, nothing created, when there is no such ball).
  CQlmBall* AddHead();
  CQlmBall* AddTail();
  CQlmBall* InsertAfter(int index);

  void RemoveAll();
  // Deletes the ball at `index`; nothing when there is no such ball.
  void DeleteListItemAt(int index);

  // Ball at `index`, null when there is no such ball.
  CQlmBall* GetListItemAt(int index) const;
  CQlmBall* GetFirst() const;
  CQlmBall* GetLast() const;
  // Index of the first selected ball, -1 when none.
  int GetSelectedIndex() const;
  // Index of the first ball drawn by `actor`, -1 when none or for a null actor.
  int FindByActor(const vtkActor* actor) const;
  // Calls `visit` with every ball, head first (needs CQlmBall.h where used).
  template <typename Visit, typename Ball = CQlmBall>
  void ForEach(Visit visit) const {
    for (POSITION position = this->List.GetHeadPosition(); position;) {
      visit(static_cast<Ball*>(this->List.GetNext(position)));
    }
  }

  // int32 count, then each ball's record. Loading appends the balls read.
  void Serialize(CArchive& archive) override;
  // The same, but loading refuses a count outside [minimumCount, maximumCount]
  // with CArchiveException::badIndex before it reads any ball.
  void Serialize(CArchive& archive, int minimumCount, int maximumCount);

private:
  CObList List;
};
