#pragma once
// One mail address with its display name.
#include "platform/CString.h"

class CQlmMailbox {
public:
  CQlmMailbox() = default;
  // Null arguments leave the field empty.
  CQlmMailbox(const char* address, const char* name) : address(address), name(name) {}

  // True when the address can stand in an SMTP command and a header as it is:
  // not empty, printable ASCII only, and none of the blanks, controls or
  // characters <>"(),;:\[] that would end or break the line around it.
  static bool IsValidAddress(const CString& address);

  CString address;
  CString name;
};
