#include "ct/CQlmBallList.h"

#include "ct/CQlmBall.h"
#include "platform/CArchive.h"

CQlmBallList::~CQlmBallList() { this->RemoveAll(); }

CQlmBall* CQlmBallList::AddHead() {
  auto* ball = new CQlmBall;
  this->List.AddHead(ball);
  return ball;
}

CQlmBall* CQlmBallList::AddTail() {
  auto* ball = new CQlmBall;
  this->List.AddTail(ball);
  return ball;
}

CQlmBall* CQlmBallList::InsertAfter(int index) {
  POSITION position = this->List.FindIndex(index);
  if (!position) return nullptr;
  auto* ball = new CQlmBall;
  this->List.InsertAfter(position, ball);
  return ball;
}

void CQlmBallList::RemoveAll() {
  for (POSITION position = this->List.GetHeadPosition(); position;) delete this->List.GetNext(position);
  this->List.RemoveAll();
}

void CQlmBallList::DeleteListItemAt(int index) {
  POSITION position = this->List.FindIndex(index);
  if (!position) return;
  delete this->List.GetAt(position);
  this->List.RemoveAt(position);
}

CQlmBall* CQlmBallList::GetListItemAt(int index) const {
  POSITION position = this->List.FindIndex(index);
  return position ? static_cast<CQlmBall*>(this->List.GetAt(position)) : nullptr;
}

CQlmBall* CQlmBallList::GetFirst() const { return this->GetListItemAt(0); }

CQlmBall* CQlmBallList::GetLast() const { return this->GetListItemAt(this->GetCount() - 1); }

int CQlmBallList::GetSelectedIndex() const {
  int index = 0;
  for (POSITION position = this->List.GetHeadPosition(); position; ++index) {
    if (static_cast<CQlmBall*>(this->List.GetNext(position))->GetSelected()) return index;
  }
  return -1;
}

int CQlmBallList::FindByActor(const vtkActor* actor) const {
  if (!actor) return -1;
  int index = 0;
  for (POSITION position = this->List.GetHeadPosition(); position; ++index) {
    if (static_cast<CQlmBall*>(this->List.GetNext(position))->GetActor() == actor) return index;
  }
  return -1;
}

void CQlmBallList::Serialize(CArchive& archive) { this->Serialize(archive, 0, INT_MAX); }

void CQlmBallList::Serialize(CArchive& archive, int minimumCount, int maximumCount) {
  if (archive.IsStoring()) {
    archive << int32_t(this->GetCount());
    for (POSITION position = this->List.GetHeadPosition(); position;) this->List.GetNext(position)->Serialize(archive);
    return;
  }
  const int32_t count = archive.ReadCount(CQlmBall::MinimumRecordSize);
  if (count < minimumCount || count > maximumCount) {
    throw CArchiveException(CArchiveException::badIndex, "control point count out of range");
  }
  for (int32_t i = 0; i < count; ++i) this->AddTail()->Serialize(archive);
}
