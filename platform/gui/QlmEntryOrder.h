#pragma once
// The order of the entries of sorted lists and combo boxes: Portuguese
// (Brazil) collation without regard to case, so "ápice" sorts beside "apice"
// and "Bloco" beside "bloco". An entry equal to others goes after them, so
// equal names keep the order in which they were added.
#include <QString>
#include <functional>

namespace QlmEntryOrder {

// The index at which `text` goes among `count` sorted entries whose texts `textAt` gives.
int InsertionIndex(int count, const std::function<QString(int)>& textAt, const QString& text);

}  // namespace QlmEntryOrder
