#include "QlmOpenDialog.h"

#include "platform/gui/CDialog.h"

namespace QlmOpenDialog {

INT_PTR Run(CDialog& dialog, const std::function<void()>& whileOpen) {
  CDialog::ModalHook previous = CDialog::SetModalHook([&whileOpen](CDialog&) {
    if (whileOpen) whileOpen();
    return StillOpen;
  });
  const INT_PTR result = dialog.DoModal();
  CDialog::SetModalHook(previous);
  return result;
}

}  // namespace QlmOpenDialog
