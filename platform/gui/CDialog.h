#pragma once
// A dialog over QDialog. DoModal makes the window, runs OnInitDialog and then
// the modal loop until EndDialog. Tests install a modal hook that decides the
// result in place of the loop, so no test ever blocks on a dialog.
#include <functional>

#include "platform/gui/CWnd.h"

class CDialog : public CWnd {
public:
  using ModalHook = std::function<INT_PTR(CDialog&)>;

  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  ~CDialog() override;

  // IDOK, IDCANCEL or what EndDialog was given; the window is gone afterwards.
  virtual INT_PTR DoModal();
  // Ends the modal loop with `result`; later calls change nothing.
  void EndDialog(int result);
  bool IsEnded() const { return this->Ended; }
  UINT GetTemplateID() const { return this->TemplateID; }

  // Installs the hook that replaces every modal loop (null restores the real
  // loop); returns the previous one. The hook runs after OnInitDialog, unless
  // the dialog ended there.
  static ModalHook SetModalHook(ModalHook hook);

protected:
  QWidget* CreateWidget(QWidget* parent) override;
  virtual BOOL OnInitDialog() { return TRUE; }
  // Enter and Escape.
  virtual void OnOK() { this->EndDialog(IDOK); }
  virtual void OnCancel() { this->EndDialog(IDCANCEL); }
  // The caption's close button cancels.
  void OnClose() override { this->OnCancel(); }

private:
  friend class QlmDialogWidget;
  UINT TemplateID;
  CWnd* ParentWindow;
  bool Ended = false;
  int Result = IDCANCEL;
};
