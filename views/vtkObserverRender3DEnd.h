#pragma once
// Shows "Pronto" on a status target when a renderer has finished
// rendering. Without a target (the default) it does nothing.
#include <vtkCommand.h>

class CQlmObserver;

class vtkObserverRender3DEnd : public vtkCommand {
public:
  vtkTypeMacro(vtkObserverRender3DEnd, vtkCommand);
  static vtkObserverRender3DEnd* New();
  vtkObserverRender3DEnd(const vtkObserverRender3DEnd&) = delete;
  vtkObserverRender3DEnd& operator=(const vtkObserverRender3DEnd&) = delete;

  // Receives the text through SetText; not owned, may be null.
  void SetStatusTarget(CQlmObserver* target) { this->StatusTarget = target; }
  CQlmObserver* GetStatusTarget() const { return this->StatusTarget; }

  void Execute(vtkObject* caller, unsigned long eventId, void* callData) override;

protected:
  vtkObserverRender3DEnd() = default;
  ~vtkObserverRender3DEnd() override = default;

  CQlmObserver* StatusTarget = nullptr;
};
