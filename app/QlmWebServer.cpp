#include "app/QlmWebServer.h"

#include <cstdlib>

namespace QlmWebServer {

namespace {

constexpr const char* PlaceholderMakerAddress = "www.quillmar.example";

CString On(const char* path) {
  CString address = Address();
  return address.IsEmpty() ? CString() : address + path;
}

}  // namespace

CString Address() {
  const char* configured = std::getenv("QLM_WEB_SERVER");
  CString address(configured ? configured : "");
  address.Trim();
  while (address.GetLength() > 0 && address.GetAt(address.GetLength() - 1) == '/')
    address = address.Left(address.GetLength() - 1);
  return address;
}

CString PictureUrl() { return On("/mktQVT/pic.bmp"); }

CString LinkUrl() { return On("/mktQVT/link"); }

CString MakerAddress() {
  const char* configured = std::getenv("QLM_MAKER_ADDRESS");
  CString address(configured ? configured : "");
  address.Trim();
  return address.IsEmpty() ? CString(PlaceholderMakerAddress) : address;
}

}  // namespace QlmWebServer
