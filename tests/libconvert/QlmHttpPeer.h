#pragma once
// A Python http.server on 127.0.0.1 at a free port, for the length of a test.
//   /bytes/N   200, N bytes i * 7 mod 256 (NULs included)
//   /missing   404 with an HTML page
//   /moved     302 to /bytes/300
//   /trickle   200, one byte every 50 ms
//   /silent    200 headers, then no body for 30 s
#include <string>
#include <vector>

#include "QlmPeerProcess.h"

class QlmHttpPeer {
public:
  QlmHttpPeer();

  // 0 when the server did not start; Why() then says what happened.
  int Port() const { return this->Server.Port(); }
  const std::string& Why() const { return this->Server.Why(); }
  std::string Url(const std::string& path) const;

  // The body that /bytes/N serves.
  static std::vector<unsigned char> Pattern(size_t size);

private:
  QlmPeerProcess Server;
};
