#pragma once
// The print (or print set-up) dialog over QPrintDialog, run as every modal
// dialog is, so a test's modal hook answers it. The printer it was shown for
// holds the user's choice after OK.
#include <memory>

#include "platform/gui/CDialog.h"

class QPrinter;

class CPrintDialog : public CDialog {
public:
  // Template identifiers of the two forms, as the modal hook sees them.
  static constexpr UINT PrintTemplate = 1538;
  static constexpr UINT SetupTemplate = 1539;

  // `setupOnly`: printer and paper only, no page range or copies.
  explicit CPrintDialog(BOOL setupOnly, CWnd* parent = nullptr);
  ~CPrintDialog() override;

  // The default printer at its high resolution, taken without showing the
  // dialog. Without a printer on the system the job goes to a PDF file named
  // in the prompter's save dialog. FALSE when there is neither.
  BOOL GetDefaults();

  QPrinter& GetPrinter() { return *this->Printer; }

protected:
  QWidget* CreateWidget(QWidget* parent) override;
  BOOL OnInitDialog() override;

private:
  std::shared_ptr<QPrinter> Printer;
  bool SetupOnly;
};
