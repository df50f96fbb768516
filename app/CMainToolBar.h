#pragma once
// The main tool bar with the three fields of new implants: diameter, length
// and connector height (mm), each with its label and a pair of arrows that
// add or take 1.0. The fields are made once with the frame and disabled
// while no project is open.
#include <array>

#include "app/CNumEdit.h"
#include "platform/gui/CFont.h"
#include "platform/gui/CSpinButtonCtrl.h"
#include "platform/gui/CStatic.h"
#include "platform/gui/CToolBar.h"

class CMainToolBar : public CToolBar {
public:
  CMainToolBar();

  // Puts the labels, fields and arrows on their placeholder buttons. FALSE
  // when a placeholder is missing or a control cannot be made.
  BOOL CreateFields();
  // Disabling also empties the fields.
  void EnableFields(BOOL enable);

  // Each getter validates its field first.
  double GetDiameter();
  double GetLength();
  double GetConnector();
  void SetDiameter(float value);
  void SetLength(float value);
  void SetConnector(float value);
  // 3.5, 11.0 and 2.5 mm.
  void SetDefaultValues();

  CFont Font;
  CStatic DiameterLabel;
  CNumEdit Diameter;
  CSpinButtonCtrl DiameterSpin;
  CStatic LengthLabel;
  CNumEdit Length;
  CSpinButtonCtrl LengthSpin;
  CStatic ConnectorLabel;
  CNumEdit Connector;
  CSpinButtonCtrl ConnectorSpin;

protected:
  // An arrow of a field moves its value by 1.0 (then validated) and goes back to 0.
  void OnVScroll(UINT code, UINT position, CWnd* scrollBar) override;

private:
  // A field with its label and arrows: placeholder buttons, control identifiers and widths.
  struct Field {
    CStatic& Label;
    CNumEdit& Edit;
    CSpinButtonCtrl& Spin;
    const char* Text;
    UINT LabelPlaceholder, LabelID;
    int LabelWidth;
    UINT EditPlaceholder, EditID;
    UINT SpinID;
    float Minimum, Maximum;
  };
  std::array<Field, 3> Fields();
  bool CreateField(const Field& field);
  static double Validated(CNumEdit& field);
  static void SetField(CNumEdit& field, float value);
};
