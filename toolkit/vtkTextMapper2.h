#pragma once
// A label's text and look, kept in the text property of VTK's vtkTextMapper:
// font, size, style, justification, the box behind the text and the colours.
// The text picture, box included, is multiplied by the vtkActor2D's colour
// when drawn, so a label keeps its actor white and takes its colour here.
//
// The shadow is the program's own (see vtkWin32TextMapper2): the property's
// shadow stays off and Shadow/ColorShadow are kept here.
#include <vtkTextMapper.h>

class vtkTextMapper2 : public vtkTextMapper {
public:
  static vtkTextMapper2* New();
  vtkTypeMacro(vtkTextMapper2, vtkTextMapper);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Font size in points; 12 by default.
  void SetFontSize(int size);
  int GetFontSize();

  // Bold and italic text; off by default.
  void SetBold(int on);
  int GetBold();
  void BoldOn() { this->SetBold(1); }
  void BoldOff() { this->SetBold(0); }
  void SetItalic(int on);
  int GetItalic();
  void ItalicOn() { this->SetItalic(1); }
  void ItalicOff() { this->SetItalic(0); }

  // VTK_ARIAL (default), VTK_COURIER or VTK_TIMES.
  void SetFontFamily(int family);
  int GetFontFamily();

  // Horizontal: 0 left (default), 1 centred, 2 right of the actor's position.
  void SetJustification(int justification);
  int GetJustification();
  // Vertical: 0 bottom (default), 1 centred, 2 top at the actor's position.
  void SetVerticalJustification(int justification);
  int GetVerticalJustification();

  // A shadow one pixel right of and below the text, in ColorShadow (black by
  // default); off by default.
  vtkSetMacro(Shadow, int);
  vtkGetMacro(Shadow, int);
  vtkBooleanMacro(Shadow, int);
  vtkSetVector3Macro(ColorShadow, double);
  vtkGetVector3Macro(ColorShadow, double);

  // A filled box behind the text in ColorBackground (white by default) when
  // Background is 1; none when 0 (the default).
  void SetBackground(int on);
  int GetBackground() { return this->Background; }
  void SetColorBackground(double r, double g, double b);
  void GetColorBackground(double rgb[3]);

  // Text colour; white by default.
  void SetColor(double r, double g, double b);
  void GetColor(double rgb[3]);

  vtkTextMapper2(const vtkTextMapper2&) = delete;
  void operator=(const vtkTextMapper2&) = delete;

protected:
  vtkTextMapper2();
  ~vtkTextMapper2() override = default;

  int Shadow = 0;
  double ColorShadow[3] = {0.0, 0.0, 0.0};
  int Background = 0;
};
