#pragma once
// A status bar control inside a window (a dialog): a row of sunken text parts
// whose right edges are given in pixels; the last part with edge -1 reaches
// the right border. Placed by its creation rectangle, like any child control.
#include <vector>

#include "platform/gui/CWnd.h"

class QLabel;

class CStatusBarCtrl : public CWnd {
public:
  // `rightEdges` holds `count` right edges in client pixels, left to right.
  BOOL SetParts(int count, const int* rightEdges);
  int GetParts() const { return static_cast<int>(this->Parts.size()); }
  // FALSE for a part that does not exist.
  BOOL SetText(const CString& text, int part);
  // Empty for a part that does not exist.
  CString GetText(int part) const;

protected:
  QWidget* CreateWidget(QWidget* parent) override;

private:
  std::vector<QLabel*> Parts;
};
