#include "output/CQlmMail.h"

#include <QDebug>
#include <algorithm>

#include "output/CQlmMimeMessage.h"
#include "output/CQlmSmtp.h"

namespace {

void AppendRecipients(std::vector<CQlmMailbox>& to, const std::vector<CString>& names,
                      const std::vector<CString>& addresses, int count) {
  const int used = std::clamp(count, 0, CQlmMail::MaximumRecipients);
  for (int i = 0; i < used; ++i) to.emplace_back(addresses[i].c_str(), names[i].c_str());
}

}  // namespace

int CQlmMail::Send() {
  CQlmMimeMessage message;
  message.subject = this->subject;
  message.sender = CQlmMailbox(this->fromAddress.c_str(), this->fromName.c_str());
  message.recipient = CQlmMailbox(this->toAddress.c_str(), this->toName.c_str());
  AppendRecipients(message.furtherRecipients, this->furtherNames, this->furtherAddresses, this->furtherCount);
  AppendRecipients(message.hiddenRecipients, this->hiddenNames, this->hiddenAddresses, this->hiddenCount);
  message.textParts.emplace_back(this->body.c_str(), "text/plain", "iso-8859-1", CQlmMimeMessage::ChooseFromData);
  if (!this->attachmentPath.IsEmpty()) {
    message.attachments.emplace_back(this->attachmentPath.c_str(), nullptr, 0, nullptr, "iso-8859-1",
                                     CQlmMimeMessage::ChooseFromData);
  }

  CQlmSmtpSettings settings = this->server;
  settings.user = this->user;
  settings.password = this->password;
  CQlmSmtp client;
  client.SetSettings(settings);
  client.SetObserver(this->observer);
  // Protocol errors go to the debug output only; the login never reaches it.
  client.SetDebugSink([](const std::string& text) { qDebug("CQlmMail::Send: %s", text.c_str()); });
  if (!client.Connect(settings.host.c_str())) return 0;
  const int sent = client.Send(message);
  client.Close();
  return sent == 0 ? 1 : 0;
}
