#pragma once
// Reduced display of the 3D surfaces while the 3D view is dragged: the 3D
// view's mouse style calls StartInteraction on every drag step and
// EndInteraction when the drag ends. The base class does nothing; the
// controller's subclass draws the imported 3D objects as points in between.
class CQlmDegradation {
public:
  CQlmDegradation() = default;
  CQlmDegradation(const CQlmDegradation&) = delete;
  CQlmDegradation& operator=(const CQlmDegradation&) = delete;

  // Destroys the object through its virtual destructor.
  virtual void Delete() { delete this; }
  virtual ~CQlmDegradation() = default;

  virtual void StartInteraction() {}
  virtual void EndInteraction() {}

  // 0 (the default) keeps the surfaces during drags.
  int Enabled = 0;
};
