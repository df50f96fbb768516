#pragma once
// Counts the renders of a render window from its construction on.
#include <vtkCallbackCommand.h>
#include <vtkNew.h>
#include <vtkRenderWindow.h>

class QlmRenderCounter {
public:
  explicit QlmRenderCounter(vtkRenderWindow* window) {
    this->Command->SetClientData(&this->Count);
    this->Command->SetCallback([](vtkObject*, unsigned long, void* count, void*) { ++*static_cast<int*>(count); });
    window->AddObserver(vtkCommand::StartEvent, this->Command);
  }
  int Count = 0;

private:
  vtkNew<vtkCallbackCommand> Command;
};
