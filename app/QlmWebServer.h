#pragma once
// The maker's web server, which serves the splash picture and the marketing
// page. Its address is configuration: $QLM_WEB_SERVER (for example
// "http://127.0.0.1:8080"); without it nothing is fetched or opened.
#include "platform/CString.h"

namespace QlmWebServer {

// The server's address without a trailing "/", or empty when not configured.
CString Address();
// Address() + "/mktQVT/pic.bmp", or empty.
CString PictureUrl();
// Address() + "/mktQVT/link", or empty.
CString LinkUrl();

}  // namespace QlmWebServer
