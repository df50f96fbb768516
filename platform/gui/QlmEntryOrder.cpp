#include "platform/gui/QlmEntryOrder.h"

#include <QCollator>
#include <QLocale>

namespace QlmEntryOrder {

namespace {
const QCollator& Collator() {
  static const QCollator collator = [] {
    QCollator portuguese(QLocale(QLocale::Portuguese, QLocale::Brazil));
    portuguese.setCaseSensitivity(Qt::CaseInsensitive);
    return portuguese;
  }();
  return collator;
}
}  // namespace

int InsertionIndex(int count, const std::function<QString(int)>& textAt, const QString& text) {
  int low = 0;
  int high = count;
  while (low < high) {
    const int middle = (low + high) / 2;
    if (Collator().compare(textAt(middle), text) <= 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

}  // namespace QlmEntryOrder
