#include "output/CQlmMailbox.h"

#include <cstring>

bool CQlmMailbox::IsValidAddress(const CString& address) {
  if (address.IsEmpty()) return false;
  for (const char c : address.Str()) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= ' ' || byte >= 127 || std::strchr("<>\"(),;:\\[]", c)) return false;
  }
  return true;
}
