#include "app/CDialogSplashScreen.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QUrl>
#include <QWidget>

#include "app/QlmConfigFile.h"
#include "app/QlmResourceIds.h"
#include "app/QlmWebServer.h"

namespace {

// Pixels of the colour key RGB(255, 0, 255) become transparent.
QImage WithColourKey(const QImage& picture) {
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      if ((line[x] & 0x00FFFFFF) == 0x00FF00FF) line[x] = 0;
    }
  }
  return keyed;
}

}  // namespace

CDialogSplashScreen::CDialogSplashScreen(CWnd* parent) : CDialog(IDD_SPLASH, parent) {}

CString CDialogSplashScreen::GetDataFolder() { return CString(QlmConfigFile::Folder()); }

QWidget* CDialogSplashScreen::CreateWidget(QWidget* parent) {
  QWidget* dialog = CDialog::CreateWidget(parent);
  dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  dialog->setAttribute(Qt::WA_TranslucentBackground);
  dialog->setCursor(Qt::PointingHandCursor);
  return dialog;
}

bool CDialogSplashScreen::LoadPicture() {
  const CString folder = GetDataFolder();
  for (const QString& path : {QString::fromStdString((folder + "pic.bmp").Str()),
                              QString::fromStdString((folder + "picStd.jpg").Str()), QString(":/picStd.jpg")}) {
    QImage picture(path);
    if (!picture.isNull()) {
      this->Picture = WithColourKey(picture);
      return true;
    }
  }
  return false;
}

BOOL CDialogSplashScreen::OnInitDialog() {
  if (this->TimerFlag == 1) this->SetTimer(TimerId, TimerMs);
  if (!this->LoadPicture()) this->EndDialog(IDCANCEL);
  // A picture larger than the screen is shown scaled down to fit it.
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen && !this->Picture.isNull()) {
    QSize room = screen->availableGeometry().size();
    if (this->Picture.width() > room.width() || this->Picture.height() > room.height()) {
      this->Picture = this->Picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
  }
  this->Width = this->Picture.width();
  this->Height = this->Picture.height();
  QWidget* window = this->GetSafeHwnd();
  window->setFixedSize(this->Width, this->Height);
  if (screen) window->move(screen->availableGeometry().center() - QPoint(this->Width / 2, this->Height / 2));
  return TRUE;
}

void CDialogSplashScreen::OnTimer(UINT id) {
  if (id == TimerId) this->EndDialog(IDCANCEL);
}

void CDialogSplashScreen::OnPaint() {
  QPainter painter(this->GetSafeHwnd());
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, this->Picture);
}

void CDialogSplashScreen::OnLButtonDown(UINT, CPoint) {
  CString link = QlmWebServer::LinkUrl();
  if (!link.IsEmpty()) QDesktopServices::openUrl(QUrl(QString::fromStdString(link.Str())));
}

void CDialogSplashScreen::OnChar(UINT, UINT, UINT) { this->EndDialog(IDCANCEL); }
