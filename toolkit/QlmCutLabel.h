#pragma once
// The label the outline filters of one planned object share between their
// cuts: mode 0 the object's number at FontSize + 4 ("n", or "n-p" for part
// slot p - 1 of a multi-part object), mode 1 a description
// at FontSize, any other mode no text (the font stays); bold, shadowed,
// (1, 1, 0.7). Mode 0, size 12, number 0 at first.
#include <vtkNew.h>

#include <string>

class vtkActor2D;
class vtkWin32TextMapper2;

class QlmCutLabel {
public:
  QlmCutLabel();
  ~QlmCutLabel();

  // Each setter keeps the value; Update rebuilds the text.
  void SetNumber(int number) { this->Number = number; }
  void SetMode(int mode) { this->Mode = mode; }
  void SetFontSize(int size) { this->FontSize = size; }
  // -1 (the object itself, at first) or the part slot 0..49 the number text names after the number.
  void SetPart(int part) { this->Part = part; }
  int GetPart() const { return this->Part; }
  int GetNumber() const { return this->Number; }
  int GetMode() const { return this->Mode; }
  int GetFontSize() const { return this->FontSize; }

  // The text for the present mode; `description` is mode 1's.
  void Update(const std::string& description);
  // `label` draws the shared text, placed in world coordinates.
  void SetUp(vtkActor2D* label) const;
  vtkWin32TextMapper2* GetTextMapper() const { return this->TextMapper; }

  QlmCutLabel(const QlmCutLabel&) = delete;
  QlmCutLabel& operator=(const QlmCutLabel&) = delete;

private:
  int Number = 0;
  int Mode = 0;
  int FontSize = 12;
  int Part = -1;
  vtkNew<vtkWin32TextMapper2> TextMapper;
};
