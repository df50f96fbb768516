#include "output/CQlmMimeMessage.h"

#include <QFile>
#include <QLocale>
#include <QMimeDatabase>
#include <QString>
#include <chrono>
#include <cstdlib>
#include <new>

#include "output/QlmMimeHeader.h"
#include "platform/QlmPath.h"

namespace {

constexpr char MailerName[] = "Quorvantile 2021R";

// "CQlmSmtpMsgPart123X456_00n_" and the milliseconds since the clock's start.
CString Boundary(int level) {
  const auto milliseconds =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
  return CString::Formatted("CQlmSmtpMsgPart123X456_%03d_%8.8X", level,
                            static_cast<unsigned>(milliseconds.count() & 0xFFFFFFFFu));
}

bool IsTextType(const CString& contentType) { return CString(contentType.Left(5)).CompareNoCase("text/") == 0; }

const char* KindName(int kind) {
  switch (kind) {
    case CQlmMimeMessage::Mixed:
      return "mixed";
    case CQlmMimeMessage::Alternative:
      return "alternative";
    case CQlmMimeMessage::Related:
      return "related";
    default:
      return "";
  }
}

// The text in ISO-8859-1 when every character has a form there.
bool ToLatin1(const std::string& utf8, std::string& latin1) {
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  for (const QChar c : text) {
    if (c.unicode() > 0xFF) return false;
  }
  latin1 = text.toLatin1().toStdString();
  return true;
}

// The whole file; false when it cannot be opened or read.
bool ReadWholeFile(const CString& path, std::string& bytes) {
  QFile file(QString::fromStdString(QlmPath::ToNative(path.Str())));
  if (!file.open(QIODevice::ReadOnly)) return false;
  try {
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError || data.size() != file.size()) return false;
    bytes.assign(data.constData(), static_cast<size_t>(data.size()));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

CString TypeForName(const CString& name) {
  return QMimeDatabase()
      .mimeTypeForFile(QString::fromStdString(name.Str()), QMimeDatabase::MatchExtension)
      .name()
      .toStdString();
}

void AppendLine(CString& output, const char* name, const CString& value) {
  output += QlmMimeHeader::Line(name, value.Str());
  output += "\r\n";
}

}  // namespace

CQlmMimeMessage::CQlmMimeMessage() : time(QDateTime::currentDateTime()) {
  const int minutes = this->time.offsetFromUtc() / 60;
  const int hoursAndMinutes = std::abs(minutes) / 60 * 100 + std::abs(minutes) % 60;
  this->zoneOffset = minutes < 0 ? -hoursAndMinutes : hoursAndMinutes;
}

bool CQlmMimeMessage::Compose(CString& output, bool eightBitAllowed) {
  output.Empty();
  this->skippedAttachments.clear();
  if (this->FindInvalidMailbox()) return false;

  const size_t parts = this->textParts.size() + this->attachments.size();
  this->RemoveHeader("Content-Type");
  CString outer;
  if (parts > 1) {
    outer = Boundary(0);
    if (this->multipartKind == ChooseKind) this->multipartKind = this->attachments.empty() ? Alternative : Mixed;
    this->SetHeader("Content-Type",
                    CString("multipart/") + KindName(this->multipartKind) + ";\r\n\tboundary=\"" + outer + "\"");
  }
  this->SetHeader("MIME-Version", "1.0");
  this->RemoveHeader("Message-ID");
  if (!this->messageId.IsEmpty()) this->SetHeader("Message-ID", "<" + this->messageId + ">");
  this->AddStandardHeaders();
  for (auto field = this->headers.rbegin(); field != this->headers.rend(); ++field) {
    AppendLine(output, field->first, field->second);
  }
  if (parts > 1) output += "\r\nThis is a multipart message in MIME format\r\n";

  CString inner;
  if (parts > 1 && !this->attachments.empty() && this->textParts.size() > 1) {
    inner = Boundary(1);
    output += "\r\n--" + outer + "\r\n";
    AppendLine(output, "Content-Type", "multipart/alternative;\r\n\tboundary=\"" + inner + "\"");
  }
  const CString& textBoundary = inner.IsEmpty() ? outer : inner;
  for (const CQlmMimeTextPart& part : this->textParts) {
    if (!textBoundary.IsEmpty()) output += "\r\n--" + textBoundary + "\r\n";
    this->WriteTextPart(output, part, eightBitAllowed);
  }
  if (!inner.IsEmpty()) output += "\r\n--" + inner + "--\r\n";
  for (const CQlmMimeAttachment& attachment : this->attachments) {
    this->WriteAttachment(output, attachment, outer, eightBitAllowed);
  }
  if (!outer.IsEmpty()) output += "\r\n--" + outer + "--\r\n";
  return true;
}

const CQlmMailbox* CQlmMimeMessage::FindInvalidMailbox() const {
  for (const CQlmMailbox* mailbox : {&this->sender, &this->recipient}) {
    if (!mailbox->address.IsEmpty() && !CQlmMailbox::IsValidAddress(mailbox->address)) return mailbox;
  }
  for (const auto* list : {&this->furtherRecipients, &this->hiddenRecipients}) {
    for (const CQlmMailbox& mailbox : *list) {
      if (!CQlmMailbox::IsValidAddress(mailbox.address)) return &mailbox;
    }
  }
  return nullptr;
}

void CQlmMimeMessage::AddHeader(const char* name, const char* value) { this->headers.emplace_back(name, value); }

void CQlmMimeMessage::SetHeader(const char* name, const char* value) {
  this->RemoveHeader(name);
  this->AddHeader(name, value);
}

void CQlmMimeMessage::RemoveHeader(const char* name) {
  std::erase_if(this->headers, [&](const auto& field) { return field.first == name; });
}

int CQlmMimeMessage::FindHeader(const char* name) const {
  for (size_t i = 0; i < this->headers.size(); ++i) {
    if (this->headers[i].first == name) return static_cast<int>(i);
  }
  return -1;
}

void CQlmMimeMessage::AddStandardHeaders() {
  const std::pair<const char*, const char*> defaults[] = {{"X-Priority", "3 (Normal)"},
                                                          {"X-MSMail-Priority", "Normal"},
                                                          {"X-Mailer", MailerName},
                                                          {"Importance", "Normal"}};
  for (const auto& [name, value] : defaults) {
    if (this->FindHeader(name) < 0) this->AddHeader(name, value);
  }
  this->SetHeader("Date", this->FormatDate());
  this->SetHeader("Subject", QlmMimeHeader::Unstructured(this->subject.Str()).c_str());
  this->SetHeader("To", this->FormatTo());
  this->SetHeader("From", QlmMimeHeader::Mailbox(this->sender.name.Str(), this->sender.address.Str()).c_str());
}

void CQlmMimeMessage::WriteTextPart(CString& output, const CQlmMimeTextPart& part, bool eightBitAllowed) const {
  std::string text = NormaliseLineEnds(part.text.Str());
  CString type = part.contentType;
  if (IsTextType(part.contentType)) {
    CString charset = part.charset;
    if (charset.CompareNoCase("iso-8859-1") == 0 && !ToLatin1(text, text)) charset = "utf-8";
    type += ";\r\n\tcharset=\"" + charset + "\"";
  }
  AppendLine(output, "Content-Type", type);
  CString encodingName;
  const CString encoded = EncodePart(part.encoding, text, eightBitAllowed, encodingName);
  AppendLine(output, "Content-Transfer-Encoding", encodingName);
  if (!part.contentId.IsEmpty()) AppendLine(output, "Content-ID", "<" + part.contentId + ">");
  output += "\r\n";
  output += encoded;
}

void CQlmMimeMessage::WriteAttachment(CString& output, const CQlmMimeAttachment& attachment, const CString& boundary,
                                      bool eightBitAllowed) {
  std::string bytes;
  if (!ReadWholeFile(attachment.path, bytes)) {
    this->skippedAttachments.push_back(attachment.path);
    return;
  }
  if (!boundary.IsEmpty()) output += "\r\n--" + boundary + "\r\n";
  const CString name =
      attachment.displayName.IsEmpty() ? CString(QlmPath::FileName(attachment.path.Str())) : attachment.displayName;
  CString type = attachment.contentType.IsEmpty() ? TypeForName(name) : attachment.contentType;
  if (IsTextType(type)) type += ";\r\n\tcharset=\"" + attachment.charset + "\"";
  AppendLine(output, "Content-Type", type + ";\r\n\t" + QlmMimeHeader::Parameter("name", name.Str()).c_str());
  CString encodingName;
  const CString encoded = EncodePart(attachment.encoding, bytes, eightBitAllowed, encodingName);
  AppendLine(output, "Content-Transfer-Encoding", encodingName);
  AppendLine(output, "Content-Disposition",
             CString(attachment.isInline ? "inline" : "attachment") + ";\r\n\t" +
                 QlmMimeHeader::Parameter("filename", name.Str()).c_str());
  if (!attachment.contentId.IsEmpty()) AppendLine(output, "Content-ID", "<" + attachment.contentId + ">");
  output += "\r\n";
  output += encoded;
}

CString CQlmMimeMessage::FormatDate() const {
  const QLocale english = QLocale::c();
  const int offset = std::abs(this->zoneOffset);
  return CString::Formatted("%s %s %c%04d", english.toString(this->time, "ddd, d MMM yyyy").toStdString().c_str(),
                            english.toString(this->time, "HH:mm:ss").toStdString().c_str(),
                            this->zoneOffset >= 0 ? '+' : '-', offset);
}

CString CQlmMimeMessage::FormatTo() const {
  std::string to;
  if (!this->recipient.name.IsEmpty()) to = QlmMimeHeader::Phrase(this->recipient.name.Str());
  if (!this->recipient.address.IsEmpty()) to += (to.empty() ? "<" : " <") + this->recipient.address.Str() + ">";
  for (const CQlmMailbox& further : this->furtherRecipients) {
    if (!to.empty()) to += ",\r\n\t";
    to += QlmMimeHeader::Mailbox(further.name.Str(), further.address.Str());
  }
  return to;
}
