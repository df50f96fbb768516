#pragma once
// The project's request for surgical guides and prototypes: who asks
// (surgeon or institution with address and contacts), for which patient, and
// comments. Seventeen strings; the newest project format carries the first
// ten (FormCount), older generations the whole record through Serialize.
#include "platform/CObject.h"
#include "platform/CString.h"

class CQlmRequestInfo : public CObject {
public:
  enum Field {
    PatientName = 0,
    Requester = 1,  // surgeon or institution
    Address = 2,    // several lines
    City = 3,
    State = 4,
    Country = 5,
    PostalCode = 6,
    Telephone = 7,
    Email = 8,
    Comments = 9,  // several lines
  };
  static constexpr int FieldCount = 17;
  // The fields the request form edits and the newest project format stores.
  static constexpr int FormCount = 10;

  // A record with every string empty.
  static CQlmRequestInfo* New() { return new CQlmRequestInfo; }

  // The 17 strings in index order, each in the archive's string form.
  // Loading raises CArchiveException at the end of the data.
  void Serialize(CArchive& archive) override;

  CString Texts[FieldCount];
};
