#pragma once
// A dialog over QDialog. DoModal makes the window, runs OnInitDialog and then
// the modal loop until EndDialog. Tests install a modal hook that decides the
// result in place of the loop, so no test ever blocks on a dialog.
//
// A dialog made from a template (QlmDialogTemplate) gets its controls at
// their template rectangles; a click on one reaches the command map under
// the control's identifier, and IDOK and IDCANCEL, when not mapped, run
// OnOK and OnCancel. Enter presses the default button, Escape and the close
// box cancel. DoDataExchange moves values between member fields and the
// controls (CDataExchange): OnInitDialog fills the controls, OnOK reads them
// back and ends the dialog only when every value is valid.
#include <functional>
#include <map>
#include <memory>

#include "platform/gui/CWnd.h"
#include "platform/gui/QlmDialogTemplate.h"

class CDataExchange;

class CDialog : public CWnd {
public:
  using ModalHook = std::function<INT_PTR(CDialog&)>;

  // A dialog that builds its own widgets in OnInitDialog.
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  // A dialog laid out by `dialogTemplate`, which must outlive it.
  explicit CDialog(const QlmDialogTemplate& dialogTemplate, CWnd* parent = nullptr);
  ~CDialog() override;

  // IDOK, IDCANCEL or what EndDialog was given; the window is gone afterwards.
  virtual INT_PTR DoModal();
  // A modeless dialog: makes the window, a child of `parent` when not null,
  // and runs OnInitDialog; not shown yet (ShowWindow). FALSE when the window
  // exists already or OnInitDialog ended the dialog (the window is then gone).
  using CWnd::Create;
  BOOL Create(CWnd* parent);
  // Ends the modal loop with `result`; later calls change nothing.
  void EndDialog(int result);
  bool IsEnded() const { return this->Ended; }
  UINT GetTemplateID() const { return this->TemplateID; }

  // The window of control `id`: the one that subclassed it, else one the
  // dialog keeps for it. Null when there is no such control or no window.
  CWnd* GetDlgItem(UINT id);
  void SetDlgItemText(UINT id, const CString& text);
  CString GetDlgItemText(UINT id) const;
  // BST_CHECKED or BST_UNCHECKED (check boxes and radio buttons).
  void CheckDlgButton(UINT id, UINT check);
  UINT IsDlgButtonChecked(UINT id) const;
  // The default button's identifier; IDOK when the dialog has none.
  UINT GetDefID() const;
  // Dialog units to pixels with this dialog's font: left and right times the
  // average character width / 4, top and bottom times the height / 8.
  void MapDialogRect(CRect* rect) const;

  // TRUE: controls to fields, FALSE when a value is refused (its message has
  // been shown and its control has the focus). FALSE: fields to controls.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  // Installs the hook that replaces every modal loop (null restores the real
  // loop); returns the previous one. The hook runs after OnInitDialog, unless
  // the dialog ended there.
  static ModalHook SetModalHook(ModalHook hook);

protected:
  QWidget* CreateWidget(QWidget* parent) override;
  // Fills the controls from the fields.
  virtual BOOL OnInitDialog();
  // The field exchange of the dialog class; none by default.
  virtual void DoDataExchange(CDataExchange* exchange) { (void)exchange; }
  // IDOK: reads the controls back, then ends with IDOK.
  virtual void OnOK();
  // IDCANCEL, Escape and the close box.
  virtual void OnCancel() { this->EndDialog(IDCANCEL); }
  // The keyboard focus has left the template's edit `id` (EN_KILLFOCUS);
  // not once the dialog has ended.
  virtual void OnEditKillFocus(UINT id) { (void)id; }
  void OnClose() override { this->OnCancel(); }

private:
  friend class QlmDialogWidget;
  friend class QlmEditFocusWatch;
  // A control's click or Enter: the command map, else OnOK / OnCancel.
  void SendCommand(UINT id);

  UINT TemplateID;
  const QlmDialogTemplate* Template = nullptr;
  CWnd* ParentWindow;
  bool Ended = false;
  int Result = IDCANCEL;
  // Windows for controls that no member subclassed (GetDlgItem).
  std::map<UINT, std::unique_ptr<CWnd>> ItemWindows;
};
