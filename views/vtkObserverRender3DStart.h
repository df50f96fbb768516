#pragma once
// Shows "Renderizando Janela 3D..." on a status target when a renderer starts
// rendering. Without a target (the default) it does nothing.
#include <vtkCommand.h>

class CQlmObserver;

class vtkObserverRender3DStart : public vtkCommand {
public:
  vtkTypeMacro(vtkObserverRender3DStart, vtkCommand);
  static vtkObserverRender3DStart* New();
  vtkObserverRender3DStart(const vtkObserverRender3DStart&) = delete;
  vtkObserverRender3DStart& operator=(const vtkObserverRender3DStart&) = delete;

  // Receives the text through SetText; not owned, may be null.
  void SetStatusTarget(CQlmObserver* target) { this->StatusTarget = target; }
  CQlmObserver* GetStatusTarget() const { return this->StatusTarget; }

  void Execute(vtkObject* caller, unsigned long eventId, void* callData) override;

protected:
  vtkObserverRender3DStart() = default;
  ~vtkObserverRender3DStart() override = default;

  CQlmObserver* StatusTarget = nullptr;
};
