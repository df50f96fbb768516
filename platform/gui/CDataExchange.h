#pragma once
// The exchange between a dialog's member fields and its controls, run by
// CDialog::UpdateData through the dialog's DoDataExchange:
//
//   void CDialogReformat::DoDataExchange(CDataExchange* exchange) {
//     DDX_Text(exchange, 1004, this->Curves);
//     DDX_Check(exchange, 1203, this->ThickImage);
//     DDX_Radio(exchange, 1206, this->Reconstruction);
//   }
//
// Saving reads the controls into the fields; a text that is not a number
// shows a message, gives its control the focus and fails the exchange, and
// the calls after it change nothing. Loading writes the fields into the
// controls. Numbers are read and written in the C locale.
#include "platform/CString.h"
#include "platform/gui/QlmGuiConstants.h"

class CDialog;
class CWnd;

class CDataExchange {
public:
  CDataExchange(CDialog* dialog, BOOL saveAndValidate) : Dialog(dialog), SaveAndValidate(saveAndValidate) {}

  // Shows `message`, focuses control `id` and fails the exchange.
  void Fail(UINT id, const CString& message);
  bool HasFailed() const { return this->Failed; }

  CDialog* const Dialog;
  // TRUE: controls to fields; FALSE: fields to controls.
  const BOOL SaveAndValidate;

private:
  bool Failed = false;
};

// Makes `control` the window of control `id` (CWnd::SubclassDlgItem) when
// it has no widget yet; both directions.
void DDX_Control(CDataExchange* exchange, UINT id, CWnd& control);
// An edit's or a static's text.
void DDX_Text(CDataExchange* exchange, UINT id, CString& value);
// "%d"; reading refuses what is not a whole number.
void DDX_Text(CDataExchange* exchange, UINT id, int& value);
// Six significant digits ("%.6g"); reading refuses what is not a number.
void DDX_Text(CDataExchange* exchange, UINT id, float& value);
// A check box: 1 checked, 0 not.
void DDX_Check(CDataExchange* exchange, UINT id, int& value);
// A group of radio buttons that starts with `firstId` and runs over the
// following radio buttons of the template up to the next group: the
// 0-based index of the checked one, -1 when none is.
void DDX_Radio(CDataExchange* exchange, UINT firstId, int& value);
// After saving control `id` into `value`: refuses a value outside minimum to
// maximum with "Digite um número inteiro entre minimum e maximum.".
void DDV_MinMaxInt(CDataExchange* exchange, UINT id, int value, int minimum, int maximum);
// When filling the controls: edit `id` takes at most `count` characters.
void DDV_MaxChars(CDataExchange* exchange, UINT id, int count);
