#include "libconvert/vtkObserver.h"

#include "libconvert/CQlmObserver.h"

#include <vtkAlgorithm.h>

vtkObserver* vtkObserver::New()
{
  return new vtkObserver;
}

void vtkObserver::PrintSelf(ostream& os, vtkIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Observer: " << static_cast<const void*>(this->Observer) << "\n";
}

void vtkObserver::Execute(vtkObject* caller, unsigned long /*eventId*/, void* /*callData*/)
{
  vtkAlgorithm* filter = vtkAlgorithm::SafeDownCast(caller);
  if (!this->Observer || !filter) {
    return;
  }
  const float progress = static_cast<float>(filter->GetProgress());
  long current = static_cast<long>(progress * 100.0f);
  unsigned int total = 100;
  this->Observer->SendMessageA(&current, &total, 0);
}
