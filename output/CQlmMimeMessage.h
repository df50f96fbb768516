#pragma once
// One e-mail: sender, recipients, subject, text parts, file attachments and a
// table of header fields. Compose turns it into the text sent after DATA:
// the header and one part, or a MIME multipart body, each part with a transfer
// encoding chosen from its data.
//
// Every text is the program's UTF-8. Names and the subject go out as encoded
// words when they are not plain ASCII, long header lines are folded, text
// parts are sent with CRLF line ends, and every line of the result ends with
// CRLF, so the text can be handed to a mail server or a parser as it is.
#include <QDateTime>
#include <string_view>
#include <utility>
#include <vector>

#include "output/CQlmMailbox.h"
#include "output/CQlmMimeAttachment.h"
#include "output/CQlmMimeTextPart.h"
#include "platform/CString.h"

class CQlmMimeMessage {
public:
  // Transfer encodings of a part.
  enum Encoding { ChooseFromData = 0, SevenBit = 1, EightBit = 2, QuotedPrintable = 3, Base64 = 4 };
  // Kinds of multipart body.
  enum MultipartKind { ChooseKind = 0, Mixed = 1, Alternative = 2, Related = 3 };

  // An empty message dated now, in the local time zone.
  CQlmMimeMessage();

  // Replaces `output` with the whole message (header, blank line, body),
  // without the ".\r\n" that ends DATA. With `eightBitAllowed` false a part
  // that would go out as 8bit goes out as quoted-printable.
  //
  // Returns false, with `output` empty, when an address of the sender or a
  // recipient is not valid (CQlmMailbox::IsValidAddress). An attachment whose
  // file cannot be read is left out; GetSkippedAttachments names it.
  //
  // Fixes multipartKind when it was ChooseKind and rewrites the header table.
  bool Compose(CString& output, bool eightBitAllowed = true);

  // The first mailbox whose address cannot be sent: a non-empty sender or
  // primary recipient address, or any further or hidden recipient address,
  // that CQlmMailbox::IsValidAddress refuses. Null when all are valid.
  const CQlmMailbox* FindInvalidMailbox() const;
  // Paths of the attachments the last Compose could not read.
  const std::vector<CString>& GetSkippedAttachments() const { return this->skippedAttachments; }

  // The header table: fields are written in reverse order of addition.
  // AddHeader appends; SetHeader removes any field of that name (compared
  // exactly) and appends; FindHeader returns -1 when there is none.
  void AddHeader(const char* name, const char* value);
  void SetHeader(const char* name, const char* value);
  void RemoveHeader(const char* name);
  int FindHeader(const char* name) const;
  const std::vector<std::pair<CString, CString>>& GetHeaders() const { return this->headers; }

  // Fills From, To, Subject and Date, and the four priority and mailer fields
  // a caller has not set.
  void AddStandardHeaders();

  // The encoded data of one part and the name of its encoding ("7bit", ...).
  // ChooseFromData asks ChooseEncoding; 8bit becomes quoted-printable when
  // not allowed.
  static CString EncodePart(int encoding, std::string_view data, bool eightBitAllowed, CString& encodingName);
  // The encoding for these bytes: base64 when at most 89 % of them are
  // printable or when a NUL, a lone CR or a lone LF must survive;
  // quoted-printable when a line is longer than 76 characters; 8bit when a
  // byte is above 126 or a control; else (and for no data) 7bit.
  static int ChooseEncoding(std::string_view data);
  // Cuts lines longer than `width` after the last of " -;.,?!" within the
  // width, or at the width; every line end becomes CRLF.
  static CString WrapLines(std::string_view input, size_t width = 76);
  // Quoted-printable with soft line breaks at 76 characters.
  static CString EncodeQuotedPrintable(std::string_view input);
  // Every byte above 126 becomes "?".
  static CString StripHighBytes(std::string_view input);
  // Lone CR and lone LF become CRLF.
  static std::string NormaliseLineEnds(std::string_view text);

  CQlmMailbox sender;
  // First in To.
  CQlmMailbox recipient;
  CString subject;
  std::vector<CQlmMimeTextPart> textParts;
  // Listed in To after the primary recipient.
  std::vector<CQlmMailbox> furtherRecipients;
  // Receive the message but stand in no header.
  std::vector<CQlmMailbox> hiddenRecipients;
  std::vector<CQlmMimeAttachment> attachments;
  // Local date and time of the Date field.
  QDateTime time;
  int multipartKind = ChooseKind;
  // Without angle brackets; empty: no Message-ID field.
  CString messageId;
  // The time zone of `time` as a signed ±HHMM number (-300 is three hours west of UTC).
  int zoneOffset = 0;

private:
  void WriteTextPart(CString& output, const CQlmMimeTextPart& part, bool eightBitAllowed) const;
  void WriteAttachment(CString& output, const CQlmMimeAttachment& attachment, const CString& boundary,
                       bool eightBitAllowed);
  CString FormatDate() const;
  CString FormatTo() const;

  std::vector<std::pair<CString, CString>> headers;
  std::vector<CString> skippedAttachments;
};
