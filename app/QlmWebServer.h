#pragma once
// The maker's web presence, all configuration:
// - $QLM_WEB_SERVER, the server that serves the splash picture and the
//   marketing page (for example "http://127.0.0.1:8080"); without it nothing
//   is fetched or opened;
// - $QLM_MAKER_ADDRESS, the address shown to the user in the about box and in
//   the message that the program is out of date; without it a placeholder in
//   the reserved ".example" domain.
#include "platform/CString.h"

namespace QlmWebServer {

// The server's address without a trailing "/", or empty when not configured.
CString Address();
// Address() + "/mktQVT/pic.bmp", or empty.
CString PictureUrl();
// Address() + "/mktQVT/link", or empty.
CString LinkUrl();
// The maker's address as the user reads it.
CString MakerAddress();

}  // namespace QlmWebServer
