#include "QlmHttpPeer.h"

QlmHttpPeer::QlmHttpPeer() : Server({"python3", QLM_HTTP_PEER_SCRIPT}) {}

std::string QlmHttpPeer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(this->Server.Port()) + path;
}

std::vector<unsigned char> QlmHttpPeer::Pattern(size_t size) {
  std::vector<unsigned char> bytes(size);
  for (size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<unsigned char>((i * 7) % 256);
  }
  return bytes;
}
