#pragma once
// The grey window of the CT images, set by its lower and upper end with two
// trackbars and two edits; every change acts at once on the three CT viewers,
// the nerves and status pane 2, and closing the dialog keeps it. The ends
// stay 0 <= lower < upper <= 4095 on every path: an end moved onto or past
// the other pushes the other one away by 1.
#include "platform/gui/CDialog.h"
#include "platform/gui/CEdit.h"
#include "platform/gui/CSliderCtrl.h"

class CQlmQuorvantile;

class CDialogContrast : public CDialog {
public:
  explicit CDialogContrast(CWnd* parent = nullptr);

  CEdit EditLower;
  CEdit EditUpper;
  CSliderCtrl SliderUpper;
  CSliderCtrl SliderLower;
  // Set by the caller before DoModal; its axial viewer gives the starting ends.
  CQlmQuorvantile* Quorvantile = nullptr;

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  // Ranges, steps and text limits; then the ends of the axial viewer's grey window.
  BOOL OnInitDialog() override;
  void OnHScroll(UINT code, UINT position, CWnd* scrollBar) override;
  void OnEditKillFocus(UINT id) override;
  // Enter, Escape and the close box end the dialog; an edit being typed in is taken first.
  void OnOK() override;
  void OnCancel() override;

private:
  void ReadGreyWindow();
  void LeaveUpperEdit();
  void LeaveLowerEdit();
  void LeaveFocusedEdit();
  // Pushes the other end away from the one that moved, then shows both.
  void KeepOrder(const CSliderCtrl& moved);
  void ShowEnds();
  void Apply();
};
