#pragma once
// The value box: a frameless pop-up of one edit at a screen point, for one
// number. DoModal gives IDOK (Enter), IDCANCEL (Escape) or ClickedOutside
// (a mouse button pressed outside the box). The caller reads GetValue only
// after IDOK and applies its own range.
#include <optional>

#include "platform/gui/CDialog.h"

class CDialogFloat : public CDialog {
public:
  static constexpr int ClickedOutside = 200;

  explicit CDialogFloat(CWnd* parent = nullptr);

  // The text "%.2f" of `value` ("3.50").
  void SetValue(float value);
  // The whole text as a number, read with a point or a comma ("3,50" is
  // 3.5); none for text that is no finite float ("abc", "", "4.5mm", "inf", "1e40").
  std::optional<float> GetValue() const;

  CString Text;
  // The box's top-left corner in screen coordinates.
  int x = 0;
  int y = 0;

protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void DoDataExchange(CDataExchange* exchange) override;
  // Moves the box to (x, y) with its own size.
  BOOL OnInitDialog() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnMButtonDown(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;

private:
  void EndWhenOutside(CPoint point);
};
