#pragma once
// The widget of a CQlmFlatComboBox: a QComboBox that tells its owner of
// hover, focus and button changes and draws the owner's frame state over
// the style's own drawing.
#include <QComboBox>

class CQlmFlatComboBox;

class QlmFlatComboWidget : public QComboBox {
public:
  QlmFlatComboWidget(CQlmFlatComboBox& owner, QWidget* parent);

  // Whether the pointer is over the control now.
  bool IsPointerOver() const;
  void hidePopup() override;

protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  void ReleaseButton();
  // The frame for a state; a disabled control gets the outer frames only.
  void DrawFrame(QPainter& painter) const;

  CQlmFlatComboBox& Owner;
  bool Hovered = false;
};
