#pragma once
// Collects what VTK would print (errors and warnings) while it is alive, so a
// test can assert an expected error and check that nothing else was reported.
#include <vtkObjectFactory.h>
#include <vtkOutputWindow.h>
#include <vtkSmartPointer.h>

#include <string>

class QlmVtkErrorCatcher {
public:
  QlmVtkErrorCatcher() : Previous(vtkOutputWindow::GetInstance()) {
    this->Window->Text = &this->Collected;
    vtkOutputWindow::SetInstance(this->Window);
  }
  ~QlmVtkErrorCatcher() { vtkOutputWindow::SetInstance(this->Previous); }
  QlmVtkErrorCatcher(const QlmVtkErrorCatcher&) = delete;
  QlmVtkErrorCatcher& operator=(const QlmVtkErrorCatcher&) = delete;

  bool Saw(const std::string& text) const { return this->Collected.find(text) != std::string::npos; }
  bool SawAny() const { return !this->Collected.empty(); }
  const std::string& Text() const { return this->Collected; }

private:
  class Window : public vtkOutputWindow {
  public:
    static Window* New() { VTK_STANDARD_NEW_BODY(Window); }
    void DisplayText(const char* text) override { *this->Text += text ? text : ""; }
    std::string* Text = nullptr;
  };

  std::string Collected;
  vtkSmartPointer<vtkOutputWindow> Previous;
  vtkNew<Window> Window;
};
