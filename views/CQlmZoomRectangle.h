#pragma once
// The rubber band of an area zoom, drawn over the view's host widget.
#include <QPointer>
#include <QRect>

class QRubberBand;
class QWidget;

class CQlmZoomRectangle {
public:
  CQlmZoomRectangle() = default;
  ~CQlmZoomRectangle();
  CQlmZoomRectangle(const CQlmZoomRectangle&) = delete;
  CQlmZoomRectangle& operator=(const CQlmZoomRectangle&) = delete;

  // Shows the band at `rect` (window coordinates of `host`), replacing the previous one.
  void Show(QWidget* host, const QRect& rect);
  void Hide();

private:
  QPointer<QRubberBand> Band;
};
