#include "libconvert/CWebGrabSession.h"

#include <arpa/inet.h>
#include <curl/curl.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string_view>

namespace {

constexpr long ConnectTimeOutMs = 30000;
constexpr unsigned long DefaultReceiveTimeOutMs = 60000;
constexpr long PieceSize = 4095;
constexpr int PollIntervalMs = 100;
constexpr unsigned long Context = 1;

CURL* EasyOf(void* handle)
{
  return static_cast<CURL*>(handle);
}

CURLM* MultiOf(void* handle)
{
  return static_cast<CURLM*>(handle);
}

void InitializeCurlOnce()
{
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string AddressText(const sockaddr* address)
{
  char text[INET6_ADDRSTRLEN] = {};
  if (address->sa_family == AF_INET) {
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
  } else if (address->sa_family == AF_INET6) {
    inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text, sizeof text);
  }
  return text;
}

}  // namespace

struct CWebGrabSessionCallbacks {
  static size_t OnBody(char* bytes, size_t size, size_t count, void* userData)
  {
    auto* session = static_cast<CWebGrabSession*>(userData);
    session->LastActivity = std::chrono::steady_clock::now();
    (*session->OnPiece)(bytes, size * count);
    return size * count;
  }

  static size_t OnHeader(char* bytes, size_t size, size_t count, void* userData)
  {
    auto* session = static_cast<CWebGrabSession*>(userData);
    session->LastActivity = std::chrono::steady_clock::now();
    const std::string_view line(bytes, size * count);
    // Each response of a redirect chain starts with its status line.
    if (line.starts_with("HTTP/")) {
      session->ResponseHeaders.Empty();
      session->OnStatusCallback(Context, CWebGrabSession::RequestSent, nullptr, 0);
      session->OnStatusCallback(Context, CWebGrabSession::ResponseReceived, nullptr, 0);
    }
    session->ResponseHeaders += CString(line);
    return size * count;
  }

  static curl_socket_t OnOpenSocket(void* userData, curlsocktype, curl_sockaddr* address)
  {
    auto* session = static_cast<CWebGrabSession*>(userData);
    const std::string text = AddressText(&address->addr);
    session->OnStatusCallback(Context, CWebGrabSession::NameResolved, text.c_str(), text.size() + 1);
    session->OnStatusCallback(Context, CWebGrabSession::ConnectingToServer, nullptr, 0);
    return socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
  }

  static int OnRequestReady(void* userData, char*, char*, int, int)
  {
    auto* session = static_cast<CWebGrabSession*>(userData);
    session->Connected = true;
    session->LastActivity = std::chrono::steady_clock::now();
    session->OnStatusCallback(Context, CWebGrabSession::ConnectedToServer, nullptr, 0);
    session->OnStatusCallback(Context, CWebGrabSession::SendingRequest, nullptr, 0);
    return CURL_PREREQFUNC_OK;
  }
};

CWebGrabSession::CWebGrabSession(const char* agent)
{
  InitializeCurlOnce();
  this->Easy = curl_easy_init();
  this->Multi = curl_multi_init();
  if (!this->IsOpen()) {
    return;
  }
  CURL* easy = EasyOf(this->Easy);
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, this->CurlError);
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, ConnectTimeOutMs);
  curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, PieceSize);
  if (agent) {
    curl_easy_setopt(easy, CURLOPT_USERAGENT, agent);
  }
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &CWebGrabSessionCallbacks::OnBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &CWebGrabSessionCallbacks::OnHeader);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
  curl_easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, &CWebGrabSessionCallbacks::OnOpenSocket);
  curl_easy_setopt(easy, CURLOPT_OPENSOCKETDATA, this);
  curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, &CWebGrabSessionCallbacks::OnRequestReady);
  curl_easy_setopt(easy, CURLOPT_PREREQDATA, this);
  this->OnStatusCallback(Context, HandleCreated, nullptr, 0);
}

CWebGrabSession::~CWebGrabSession()
{
  if (this->Easy) {
    curl_easy_cleanup(EasyOf(this->Easy));
  }
  if (this->Multi) {
    curl_multi_cleanup(MultiOf(this->Multi));
  }
}

bool CWebGrabSession::Get(const CString& url, const PieceHandler& onPiece)
{
  this->HttpStatus = 0;
  this->ResponseHeaders.Empty();
  this->ErrorText.Empty();
  this->CurlError[0] = '\0';
  this->Connected = false;
  if (!this->IsOpen()) {
    this->ErrorText = "no HTTP session";
    return false;
  }
  CURL* easy = EasyOf(this->Easy);
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  CURLU* parts = curl_url();
  char* host = nullptr;
  if (parts && curl_url_set(parts, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK &&
      curl_url_get(parts, CURLUPART_HOST, &host, 0) == CURLUE_OK) {
    this->OnStatusCallback(Context, ResolvingName, host, std::strlen(host) + 1);
  }
  curl_free(host);
  curl_url_cleanup(parts);

  this->OnPiece = &onPiece;
  const bool received = this->RunTransfer();
  this->OnPiece = nullptr;
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &this->HttpStatus);
  return received;
}

bool CWebGrabSession::RunTransfer()
{
  CURLM* multi = MultiOf(this->Multi);
  CURL* easy = EasyOf(this->Easy);
  this->LastActivity = std::chrono::steady_clock::now();
  curl_multi_add_handle(multi, easy);
  bool stopped = false;
  int running = 1;
  while (running) {
    if (curl_multi_perform(multi, &running) != CURLM_OK) {
      this->ErrorText = "HTTP transfer failed";
      stopped = true;
      break;
    }
    if (!running) {
      break;
    }
    if (this->Cancel && this->Cancel->load()) {
      this->ErrorText = "Download cancelled";
      stopped = true;
      break;
    }
    if (this->ReceiveTimedOut()) {
      this->ErrorText = "The operation timed out";
      stopped = true;
      break;
    }
    curl_multi_poll(multi, nullptr, 0, PollIntervalMs, nullptr);
  }
  CURLcode result = CURLE_OK;
  int queued = 0;
  while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
    if (message->msg == CURLMSG_DONE) {
      result = message->data.result;
    }
  }
  curl_multi_remove_handle(multi, easy);
  if (stopped) {
    return false;
  }
  const unsigned int words[2] = {result == CURLE_OK ? 1u : 0u, static_cast<unsigned int>(result)};
  this->OnStatusCallback(Context, RequestComplete, words, sizeof words);
  if (result != CURLE_OK) {
    this->ErrorText = CString(this->CurlError[0] ? this->CurlError : curl_easy_strerror(result)).Left(255);
    return false;
  }
  return true;
}

bool CWebGrabSession::ReceiveTimedOut() const
{
  if (!this->Connected) {
    return false;  // the connect time-out of libcurl applies
  }
  const unsigned long limit = this->ReceiveTimeOut ? this->ReceiveTimeOut : DefaultReceiveTimeOutMs;
  return std::chrono::steady_clock::now() - this->LastActivity > std::chrono::milliseconds(limit);
}

void CWebGrabSession::ShowStatus(const char* format, ...)
{
  char text[512];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);
  this->StatusText = text;
}

void CWebGrabSession::OnStatusCallback(unsigned long, unsigned long status, const void* information,
                                       unsigned long informationLength)
{
  const char* text = information ? static_cast<const char*>(information) : "";
  switch (status) {
    case ResolvingName:
      this->ShowStatus("Resolving name for %s", text);
      break;
    case NameResolved:
      this->ShowStatus("Resolved name for %s", text);
      break;
    case ConnectingToServer:
      this->ShowStatus("Connecting to socket address ");
      break;
    case ConnectedToServer:
      this->ShowStatus("Connected to socket address");
      break;
    case SendingRequest:
      this->ShowStatus("Sending request...");
      break;
    case RequestSent:
      this->ShowStatus("Request sent");
      break;
    case ReceivingResponse:
    case HandleClosing:
      break;
    case ResponseReceived:
      this->ShowStatus("Response received");
      break;
    case ClosingConnection:
      this->ShowStatus("Closing the connection to the server");
      break;
    case ConnectionClosed:
      this->ShowStatus("Connection to the server closed");
      break;
    case HandleCreated:
      this->ShowStatus("%s", "");
      break;
    case RequestComplete:
      if (information && informationLength == 8) {
        unsigned int words[2];
        std::memcpy(words, information, sizeof words);
        this->ShowStatus("Request complete, dwResult = %8.8X, dwError = %8.8X", words[0], words[1]);
      } else {
        this->ShowStatus("Request complete");
      }
      break;
    default:
      this->ShowStatus("Unknown status: %d", static_cast<int>(status));
      break;
  }
}
