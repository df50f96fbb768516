#include "output/CQlmSmtp.h"

#include <unistd.h>

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslSocket>
#include <algorithm>
#include <cctype>
#include <vector>

#include "output/CBase64.h"
#include "output/CQlmMimeMessage.h"
#include "output/CQlmObserverTransfer.h"
#include "output/QlmMimeHeader.h"

namespace {

constexpr size_t ChunkSize = 1024;
constexpr int MaxLogins = 2;
constexpr char Redacted[] = "****\r\n";

// Milliseconds left before `deadline`, 0 when it has passed.
int Remaining(const QDeadlineTimer& deadline) {
  return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

// Blanks, NULs and a final colon do not count when prompts are compared.
std::string PromptWords(std::string prompt) {
  while (!prompt.empty() && (prompt.back() == '\0' || prompt.back() == ' ' || prompt.back() == ':')) prompt.pop_back();
  std::transform(prompt.begin(), prompt.end(), prompt.begin(), [](unsigned char c) { return std::tolower(c); });
  return prompt;
}

// The DATA stream: every line end CRLF, a dot at the start of a line doubled,
// and the final "." line.
std::string DataStream(std::string_view text) {
  std::string stream;
  stream.reserve(text.size() + text.size() / 64 + 8);
  bool lineStart = true;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      stream += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lineStart = true;
      continue;
    }
    if (lineStart && c == '.') stream += '.';
    stream += c;
    lineStart = false;
  }
  if (!lineStart) stream += "\r\n";
  return stream + ".\r\n";
}

bool IsDomainName(const std::string& name) {
  return !name.empty() &&
         std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) || c == '-' || c == '.'; });
}

}  // namespace

CQlmSmtp::CQlmSmtp() = default;

CQlmSmtp::~CQlmSmtp() { this->Close(); }

void CQlmSmtp::SetSettings(const CQlmSmtpSettings& settings) {
  this->Port = settings.port;
  this->Security = settings.security;
  this->CaFile = settings.caFile;
  this->User = settings.user;
  this->Password = settings.password;
  this->TimeoutSeconds = settings.timeoutSeconds;
}

bool CQlmSmtp::IsEncrypted() const { return this->Socket && this->Socket->isEncrypted(); }

int CQlmSmtp::Connect(const char* host) {
  this->Close();
  this->ErrorText.Empty();
  this->Extended = 0;
  this->OffersStartTls = false;
  this->OffersEightBitMime = false;
  this->LoginAttempts = 0;
  this->LoginRefused = false;
  this->OutOfStep = false;
  this->Host = host;
  if (this->Host.IsEmpty()) {
    this->ErrorText = "O servidor de email não foi configurado.";
    return 0;
  }

  QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
  configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
  if (!this->CaFile.IsEmpty()) {
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(QString::fromStdString(this->CaFile.Str()));
    if (certificates.isEmpty()) {
      this->ErrorText.Format("Não foi possível ler os certificados de %s.", this->CaFile.c_str());
      return 0;
    }
    configuration.addCaCertificates(certificates);
  }
  this->Socket = std::make_unique<QSslSocket>();
  this->Socket->setSslConfiguration(configuration);

  const QString name = QString::fromStdString(this->Host.Str());
  const int timeout = this->TimeoutSeconds * 1000;
  bool opened = false;
  if (this->Security == CQlmSmtpSettings::Security::Tls) {
    this->Socket->connectToHostEncrypted(name, static_cast<quint16>(this->Port));
    opened = this->Socket->waitForEncrypted(timeout);
  } else {
    this->Socket->connectToHost(name, static_cast<quint16>(this->Port));
    opened = this->Socket->waitForConnected(timeout);
  }
  if (!opened) {
    const bool secured = this->Socket->error() == QAbstractSocket::SslHandshakeFailedError ||
                         !this->Socket->sslHandshakeErrors().isEmpty();
    this->ErrorText =
        secured ? this->SecurityFailure()
                : CString::Formatted("Não foi possível conectar ao servidor de email %s, porta %d (%s).",
                                     this->Host.c_str(), this->Port, this->Socket->errorString().toStdString().c_str());
    this->Socket.reset();
    return 0;
  }

  const int greeting = this->Command({});
  if (greeting != 220) {
    this->Fail(greeting, "O servidor de email não aceitou a conexão.");
    this->Close();
    return 0;
  }
  if (this->Hello() != 0) {
    this->Close();
    return 0;
  }
  return 1;
}

int CQlmSmtp::Send(CQlmMimeMessage& message) {
  this->ErrorText.Empty();
  if (message.sender.address.IsEmpty() || (message.recipient.address.IsEmpty() && message.furtherRecipients.empty())) {
    this->ErrorText = "A mensagem não tem remetente ou destinatário.";
    return -1;
  }
  if (const CQlmMailbox* invalid = message.FindInvalidMailbox()) {
    this->ErrorText.Format("Endereço de email inválido: \"%s\".",
                           QlmMimeHeader::SingleLine(invalid->address.Str()).c_str());
    return -1;
  }
  if (!this->Connected) {
    this->ErrorText = "Não há conexão com o servidor de email.";
    return -1;
  }
  CString text;
  message.Compose(text, this->OffersEightBitMime);
  if (!message.GetSkippedAttachments().empty()) {
    this->ErrorText.Format("Não foi possível ler o anexo %s.", message.GetSkippedAttachments().front().c_str());
    return -1;
  }
  const bool eightBitBody =
      std::any_of(text.Str().begin(), text.Str().end(), [](char c) { return static_cast<unsigned char>(c) > 127; });
  const int from = this->MailFrom(message.sender.address, eightBitBody);
  if (from != 0) return from;

  std::vector<CString> recipients;
  if (!message.recipient.address.IsEmpty()) recipients.push_back(message.recipient.address);
  for (const auto* list : {&message.furtherRecipients, &message.hiddenRecipients}) {
    for (const CQlmMailbox& mailbox : *list) recipients.push_back(mailbox.address);
  }
  int accepted = 0;
  int last = 0;
  for (const CString& address : recipients) {
    last = this->RcptTo(address);
    if (last == 0) ++accepted;
    if (last == -1) break;
  }
  if (accepted == 0) return this->Fail(last, "O servidor de email recusou todos os destinatários.");
  return this->Data(text);
}

void CQlmSmtp::Close() {
  if (!this->Socket) return;
  if (this->Connected && this->Quit() == 0) {
    this->Socket->disconnectFromHost();
    if (this->Socket->state() != QAbstractSocket::UnconnectedState) this->Socket->waitForDisconnected(1000);
  }
  this->Socket->abort();
  this->Socket.reset();
  this->Connected = 0;
}

int CQlmSmtp::OnWarning(int /*code*/, const CString& text) {
  this->Notify("SmtpWarning: ", text);
  return 0;
}

int CQlmSmtp::OnError(int /*code*/, const CString& text) {
  this->Notify("SmtpError: ", text);
  return 0;
}

void CQlmSmtp::OnTrace(const CString& command, int /*code*/, const CString& reply) {
  if (!this->Sink) return;
  std::string trace;
  if (!command.IsEmpty()) trace = "SmtpCommand : " + command.Str();
  this->Sink(trace + "SmtpResponse: " + reply.Str() + "\n");
}

int CQlmSmtp::OnProgress(std::string_view /*data*/, size_t sent, size_t total) {
  if (!this->Observer) return 1;
  if (!this->Observer->GetContinue()) return 0;
  this->Observer->SetPos(static_cast<int>(static_cast<float>(sent) / static_cast<float>(total) * 100.0f));
  return 1;
}

int CQlmSmtp::Command(std::string_view command, std::string_view traced) {
  if (this->OutOfStep || !this->Socket || this->Socket->state() != QAbstractSocket::ConnectedState) {
    if (!this->OutOfStep) this->ErrorText = "A conexão com o servidor de email foi fechada.";
    this->Connected = 0;
    return -1;
  }
  if (!command.empty()) {
    this->DiscardUnread();
    if (!this->Write(command)) {
      this->Connected = 0;
      this->OutOfStep = true;
      return -1;
    }
  }
  return this->ReadReply(traced.empty() ? command : traced);
}

bool CQlmSmtp::Write(std::string_view data) {
  for (size_t sent = 0; sent < data.size();) {
    const size_t piece = std::min(ChunkSize, data.size() - sent);
    if (this->Socket->write(data.data() + sent, static_cast<qint64>(piece)) != static_cast<qint64>(piece) ||
        !this->Flush()) {
      if (this->ErrorText.IsEmpty()) this->ErrorText = "Falha ao enviar ao servidor de email.";
      return false;
    }
    sent += piece;
    if (data.size() > ChunkSize && !this->OnProgress(data, sent, data.size())) {
      this->ErrorText = "Envio cancelado.";
      return false;
    }
  }
  return true;
}

bool CQlmSmtp::Flush() {
  const QDeadlineTimer deadline(this->TimeoutSeconds * 1000);
  while (this->Socket->bytesToWrite() > 0 || this->Socket->encryptedBytesToWrite() > 0) {
    if (deadline.hasExpired() || !this->Socket->waitForBytesWritten(Remaining(deadline))) {
      this->ErrorText = deadline.hasExpired()
                            ? CString::Formatted("O servidor de email não recebeu os dados no tempo limite (%d s).",
                                                 this->TimeoutSeconds)
                            : CString("A conexão com o servidor de email foi fechada durante o envio.");
      return false;
    }
  }
  return true;
}

int CQlmSmtp::ReadReply(std::string_view traced) {
  this->Reader.Reset();
  const QDeadlineTimer deadline(this->TimeoutSeconds * 1000);
  while (this->Reader.GetState() == CQlmSmtpReplyReader::State::Incomplete) {
    if (this->Socket->bytesAvailable() > 0) {
      const QByteArray bytes = this->Socket->read(4096);
      this->Reader.Feed(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    } else if (deadline.hasExpired() || !this->Socket->waitForReadyRead(Remaining(deadline))) {
      if (this->Socket->bytesAvailable() > 0) continue;
      this->LastReply = this->Reader.GetText();
      this->Connected = 0;
      this->OutOfStep = true;
      const bool timedOut = deadline.hasExpired() || this->Socket->error() == QAbstractSocket::SocketTimeoutError;
      this->ErrorText = timedOut ? CString::Formatted("O servidor de email não respondeu no tempo limite (%d s).",
                                                      this->TimeoutSeconds)
                                 : CString("A conexão com o servidor de email foi fechada.");
      return -1;
    }
  }
  this->LastReply = this->Reader.GetText();
  if (this->Reader.GetState() == CQlmSmtpReplyReader::State::Malformed) {
    this->Connected = 0;
    this->OutOfStep = true;
    this->ErrorText = "O servidor de email deu uma resposta inválida.";
    return -1;
  }
  this->OnTrace(CString(traced), this->Reader.GetCode(), this->LastReply);
  return this->Reader.GetCode();
}

void CQlmSmtp::DiscardUnread() {
  this->Socket->readAll();
  if (this->Socket->waitForReadyRead(0)) this->Socket->readAll();
}

int CQlmSmtp::Hello() {
  const std::string ehlo = this->EhloLine();
  int code = this->TryExtended ? this->Command(ehlo) : 0;
  this->Extended = code == 250;
  if (this->Extended) {
    this->ReadExtensions();
  } else {
    code = this->Command("HELO" + ehlo.substr(4));
    if (code != 250) return this->Fail(code, "O servidor de email recusou a saudação.");
  }
  if (this->Extended && this->OffersStartTls && !this->IsEncrypted()) {
    code = this->StartTls();
    if (code != 0) return code;
  }
  this->Connected = 1;
  if (this->Extended && !this->User.IsEmpty()) {
    if (this->CanSendLogin()) {
      this->AuthLogin();
    } else {
      this->OnWarning(0, "O servidor de email não oferece conexão segura; a senha não foi enviada.");
    }
  }
  return 0;
}

int CQlmSmtp::StartTls() {
  const int code = this->Command("STARTTLS\r\n");
  if (code == -1) return this->Fail(code, "O servidor de email não respondeu ao STARTTLS.");
  if (code != 220) {
    this->OnWarning(code, this->LastReply);
    return 0;
  }
  // Whatever came in clear after the answer must not count as sent under TLS.
  this->DiscardUnread();
  this->Socket->startClientEncryption();
  if (!this->Socket->waitForEncrypted(this->TimeoutSeconds * 1000)) {
    this->OutOfStep = true;
    return this->Fail(-1, this->SecurityFailure());
  }
  const int ehlo = this->Command(this->EhloLine());
  if (ehlo != 250) return this->Fail(ehlo, "O servidor de email recusou a saudação após o STARTTLS.");
  this->ReadExtensions();
  return 0;
}

void CQlmSmtp::ReadExtensions() {
  this->OffersStartTls = false;
  this->OffersEightBitMime = false;
  const auto& lines = this->Reader.GetLines();
  for (size_t i = 1; i < lines.size(); ++i) {
    CString keyword(lines[i].size() > 4 ? lines[i].substr(4) : std::string());
    keyword = keyword.Left(keyword.Find(' ') < 0 ? keyword.GetLength() : keyword.Find(' '));
    if (keyword.CompareNoCase("STARTTLS") == 0) this->OffersStartTls = true;
    if (keyword.CompareNoCase("8BITMIME") == 0) this->OffersEightBitMime = true;
  }
}

int CQlmSmtp::AuthLogin() {
  if (this->User.IsEmpty()) return 0;
  ++this->LoginAttempts;
  int code = this->Command("AUTH LOGIN\r\n");
  if (code != 334) {
    this->OnWarning(code, this->LastReply);
    return code;
  }
  CBase64 codec;
  for (int answered = 0; code == 334; ++answered) {
    if (answered == 2) return this->Fail(334, "O servidor de email pediu mais do que usuário e senha.");
    const std::string& prompt = this->Reader.GetLines().back();
    codec.Decode(prompt.size() > 4 ? std::string_view(prompt).substr(4) : std::string_view());
    const std::string words = PromptWords(codec.GetDecoded());
    const bool password = words == "password" || (words != "username" && answered > 0);
    codec.Encode((password ? this->Password : this->User).Str());
    code = this->Command(codec.GetEncoded() + "\r\n", Redacted);
  }
  if (code == 235) {
    this->LoginRefused = false;
    return 0;
  }
  if (code == 535) {
    this->LoginRefused = true;
    if (this->OnWarning(535, this->LastReply) == 1 && this->LoginAttempts < MaxLogins) return this->AuthLogin();
    return this->Fail(535, "O servidor de email recusou o usuário ou a senha.");
  }
  return this->Fail(code, "O servidor de email recusou a autenticação.");
}

int CQlmSmtp::MailFrom(const CString& address, bool eightBitBody) {
  const std::string line = "MAIL FROM:<" + address.Str() + ">" + (eightBitBody ? " BODY=8BITMIME" : "") + "\r\n";
  int code = this->Command(line);
  if (code == 530 && !this->User.IsEmpty() && this->CanSendLogin() && this->LoginAttempts < MaxLogins) {
    this->AuthLogin();
    code = this->Command(line);
  }
  if (code == 250) return 0;
  if (code != 530) return this->Fail(code, "O servidor de email recusou o remetente.");
  if (this->LoginRefused) return this->Fail(code, "O servidor de email recusou o usuário ou a senha.");
  if (!this->User.IsEmpty() && !this->CanSendLogin()) {
    return this->Fail(code, "O servidor de email não oferece conexão segura; a senha não foi enviada.");
  }
  return this->Fail(code, "O servidor de email exige autenticação.");
}

int CQlmSmtp::RcptTo(const CString& address) {
  const int code = this->Command("RCPT TO:<" + address.Str() + ">\r\n");
  if (code == 250 || code == 251) return 0;
  this->OnWarning(code, this->LastReply);
  return code;
}

int CQlmSmtp::Data(const CString& text) {
  const int code = this->Command("DATA\r\n");
  if (code != 354) return this->Fail(code, "O servidor de email recusou o envio da mensagem.");
  const std::string stream = DataStream(text.Str());
  const int stored = this->Command(stream, CString::Formatted("(mensagem de %zu bytes)\r\n", stream.size()).Str());
  if (stored != 250) return this->Fail(stored, "O servidor de email recusou a mensagem.");
  return 0;
}

int CQlmSmtp::Quit() {
  if (!this->Connected) return 0;
  const int code = this->Command("QUIT\r\n");
  if (code != 221) this->OnError(code, this->LastReply);
  this->Connected = 0;
  return code == 221 ? 0 : code;
}

bool CQlmSmtp::CanSendLogin() const {
  return this->IsEncrypted() || (this->Socket && this->Socket->peerAddress().isLoopback());
}

std::string CQlmSmtp::EhloLine() const {
  char name[256] = {};
  std::string local = gethostname(name, sizeof name - 1) == 0 ? name : "";
  if (!IsDomainName(local)) {
    const QHostAddress address = this->Socket->localAddress();
    local = address.protocol() == QAbstractSocket::IPv6Protocol ? "[IPv6:" + address.toString().toStdString() + "]"
                                                                : "[" + address.toString().toStdString() + "]";
  }
  return "EHLO " + local + "\r\n";
}

CString CQlmSmtp::SecurityFailure() const {
  std::string reasons;
  for (const QSslError& error : this->Socket->sslHandshakeErrors()) {
    reasons += (reasons.empty() ? "" : "; ") + error.errorString().toStdString();
  }
  if (reasons.empty()) reasons = this->Socket->errorString().toStdString();
  return CString::Formatted("Não foi possível estabelecer uma conexão segura com o servidor de email %s (%s).",
                            this->Host.c_str(), reasons.c_str());
}

// Reports the failure of a step: the error text (for -1 the more precise one
// that the failed send or reply already set is kept) and OnError with the code
// and the reply, or with the error text when no reply came.
int CQlmSmtp::Fail(int code, const CString& text) {
  if (code != -1 || this->ErrorText.IsEmpty()) {
    this->ErrorText = text;
    if (code != -1 && !this->LastReply.IsEmpty()) this->ErrorText += " (" + this->LastReply + ")";
  }
  if (code == -1) this->Connected = 0;
  this->OnError(code, code == -1 ? this->ErrorText : this->LastReply);
  return code;
}

void CQlmSmtp::Notify(const char* prefix, const CString& text) const {
  if (this->Sink) this->Sink(prefix + text.Str() + "\n");
}
