#include "views/CQlmOrientWindow.h"

#include <vtkActor2D.h>
#include <vtkProperty2D.h>

#include <new>

#include "toolkit/vtkOrientWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {
vtkWin32TextMapper2* LetterMapper(vtkOrientWindow* source, int letter) {
  vtkWin32TextMapper2* mappers[] = {source->GetTopMapper(), source->GetBottomMapper(), source->GetLeftMapper(),
                                    source->GetRightMapper()};
  return mappers[letter];
}
}  // namespace

CQlmOrientWindow* CQlmOrientWindow::New() {
  vtkOrientWindow* source = vtkOrientWindow::New();
  auto* window = new (std::nothrow) CQlmOrientWindow(source);
  if (!window) source->Delete();
  return window;
}

CQlmOrientWindow::CQlmOrientWindow(vtkOrientWindow* source)
    : CQlmLabelOverlay(source, {source->GetTopActor(), source->GetBottomActor(), source->GetLeftActor(),
                                source->GetRightActor()}) {
  this->SetVisibility(1);
  this->SetColor(1, 1, 1);
  this->SetBackgroundColor(1, 1, 1);
}

vtkOrientWindow* CQlmOrientWindow::GetSource() const { return static_cast<vtkOrientWindow*>(this->Source); }

vtkActor2D* CQlmOrientWindow::GetLetterActor(Letter letter) const {
  vtkOrientWindow* source = this->GetSource();
  vtkActor2D* actors[] = {source->GetTopActor(), source->GetBottomActor(), source->GetLeftActor(),
                          source->GetRightActor()};
  return actors[letter];
}

void CQlmOrientWindow::SetColor(float r, float g, float b) {
  for (int letter = 0; letter < LetterCount; ++letter) {
    this->GetLetterActor(static_cast<Letter>(letter))->GetProperty()->SetColor(r, g, b);
  }
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
}

void CQlmOrientWindow::SetVisibility(int on) {
  this->Visible = on;
  for (int letter = 0; letter < LetterCount; ++letter) {
    this->GetLetterActor(static_cast<Letter>(letter))->SetVisibility(on && this->Show[letter]);
  }
}

void CQlmOrientWindow::SetShow(Letter letter, int on) {
  this->GetLetterActor(letter)->SetVisibility(on && this->Visible);
  this->Show[letter] = on;
}

void CQlmOrientWindow::SetBackground(int on) {
  for (int letter = 0; letter < LetterCount; ++letter) LetterMapper(this->GetSource(), letter)->SetBackground(on);
}

void CQlmOrientWindow::SetBackgroundColor(float r, float g, float b) {
  for (int letter = 0; letter < LetterCount; ++letter) {
    LetterMapper(this->GetSource(), letter)->SetColorBackground(r, g, b);
  }
}
