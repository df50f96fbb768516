#pragma once
// The texts of a combo box's entries, in list order.
#include <string>
#include <vector>

class CComboBox;

std::vector<std::string> QlmComboEntries(const CComboBox& combo);
