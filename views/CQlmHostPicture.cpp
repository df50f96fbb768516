#include "views/CQlmHostPicture.h"

#include <vtkRenderWindow.h>

#include <QEvent>
#include <QObject>
#include <QPainter>
#include <cstring>

#include "platform/gui/CWnd.h"

class CQlmHostPicture::PaintFilter : public QObject {
public:
  explicit PaintFilter(CQlmHostPicture* owner) : Owner(owner) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || watched != this->Owner->Host) return false;
    this->Owner->PaintHost();
    return true;
  }

private:
  CQlmHostPicture* Owner;
};

CQlmHostPicture::CQlmHostPicture(vtkRenderWindow* window, const int& enabled)
    : Window(window), Enabled(enabled), Filter(std::make_unique<PaintFilter>(this)) {}

CQlmHostPicture::~CQlmHostPicture() {
  if (this->Host) this->Host->removeEventFilter(this->Filter.get());
}

void CQlmHostPicture::SetHost(QWidget* host) {
  if (this->Host) this->Host->removeEventFilter(this->Filter.get());
  this->Host = host;
  if (host) host->installEventFilter(this->Filter.get());
}

void CQlmHostPicture::Render() {
  if (this->Draw()) this->Host->update();
}

bool CQlmHostPicture::Draw() {
  if (!this->Host || this->Drawing) return false;
  const QSize size = this->ClientSize();
  if (!this->Enabled) {
    this->ShowDisabled(size);
    return true;
  }
  if (size.width() <= 0 || size.height() <= 0) return false;
  this->Drawing = true;
  this->Window->SetSize(size.width(), size.height());
  this->Window->Render();
  this->Capture(size);
  this->Drawing = false;
  return true;
}

// A window with a scroll bar draws beside it, not under it.
QSize CQlmHostPicture::ClientSize() const {
  const CWnd* window = CWnd::FromHandlePermanent(this->Host);
  if (!window) return this->Host->size();
  CRect client;
  window->GetClientRect(&client);
  return QSize(client.Width(), client.Height());
}

void CQlmHostPicture::ShowDisabled(const QSize& size) {
  this->Image = QImage(size, QImage::Format_RGB888);
  if (this->Image.isNull()) return;
  this->Image.fill(QColor(192, 192, 192));
  QPainter painter(&this->Image);
  painter.setPen(QPen(Qt::black, 0));
  painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
}

void CQlmHostPicture::Capture(const QSize& size) {
  const int width = size.width();
  const int height = size.height();
  this->Window->GetPixelData(0, 0, width - 1, height - 1, 0, this->Pixels, 0);
  if (this->Image.size() != size || this->Image.format() != QImage::Format_RGB888) {
    this->Image = QImage(size, QImage::Format_RGB888);
  }
  const unsigned char* rows = this->Pixels->GetPointer(0);
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  // The toolkit's first row is the bottom one.
  for (int row = 0; row < height; ++row) {
    std::memcpy(this->Image.scanLine(height - 1 - row), rows + row * rowBytes, rowBytes);
  }
}

void CQlmHostPicture::PaintHost() {
  if (this->Image.size() != this->ClientSize()) this->Draw();
  if (this->Image.isNull()) return;
  QPainter painter(this->Host);
  painter.drawImage(0, 0, this->Image);
}
