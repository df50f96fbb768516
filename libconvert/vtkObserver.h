#pragma once
// Forwards a VTK filter's ProgressEvent to a CQlmObserver as step (0..100) of 100.
//
//   vtkObserver* command = vtkObserver::New();
//   command->SetQlmObserver(observer);
//   filter->AddObserver(vtkCommand::ProgressEvent, command);
//   filter->Update();
//   command->Delete();
#include <vtkCommand.h>

class CQlmObserver;

class vtkObserver : public vtkCommand {
public:
  vtkTypeMacro(vtkObserver, vtkCommand);
  static vtkObserver* New();
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // The observer that receives the progress; not owned, null (the default) ignores every event.
  void SetQlmObserver(CQlmObserver* observer) { this->Observer = observer; }
  CQlmObserver* GetQlmObserver() const { return this->Observer; }

  // Reads the caller's progress (a vtkAlgorithm) and hands trunc(progress * 100) of 100,
  // flag 0, to the observer's Execute. The event id and data are not looked at.
  void Execute(vtkObject* caller, unsigned long eventId, void* callData) override;

  vtkObserver(const vtkObserver&) = delete;
  vtkObserver& operator=(const vtkObserver&) = delete;

protected:
  vtkObserver() = default;
  ~vtkObserver() override = default;

  CQlmObserver* Observer = nullptr;
};
