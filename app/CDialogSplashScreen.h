#pragma once
// The splash picture shown at start-up (closing itself after 4 s) and from
// the Info menu (staying until a key). The picture is the one downloaded by
// the previous run ("pic.bmp" in the data folder), else the standard one
// ("picStd.jpg" there, else the copy built into the program). Magenta pixels
// are transparent; a click opens the maker's page.
#include <QImage>

#include "platform/gui/CDialog.h"

class CDialogSplashScreen : public CDialog {
public:
  static constexpr UINT TimerId = 100;
  static constexpr UINT TimerMs = 4000;

  explicit CDialogSplashScreen(CWnd* parent = nullptr);

  // The data folder, ending with a separator.
  static CString GetDataFolder();

  int GetWidth() const { return this->Width; }
  int GetHeight() const { return this->Height; }
  const QImage& GetPicture() const { return this->Picture; }

  // 1: the dialog closes itself after TimerMs; 0: it stays until a key.
  int TimerFlag = 1;

protected:
  QWidget* CreateWidget(QWidget* parent) override;
  BOOL OnInitDialog() override;
  void OnTimer(UINT id) override;
  void OnPaint() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnChar(UINT character, UINT repeat, UINT flags) override;

private:
  bool LoadPicture();

  int Width = 0;
  int Height = 0;
  QImage Picture;
};
