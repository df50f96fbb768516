#include "platform/QlmAppData.h"

#include "platform/QlmPath.h"

#include <cstdlib>
#include <unistd.h>

namespace QlmAppData {

std::string CommonFolder() {
  std::string folder;
  if (const char* env = std::getenv("QLM_COMMON_APPDATA"); env && *env) {
    folder = env;
  } else if (::access("/var/lib", W_OK) == 0) {
    folder = "/var/lib";
  } else if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
    folder = data;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home ? home : ".") + "/.local/share";
  }
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

std::string ProgramFolder() { return QlmPath::Join(QlmPath::Join(CommonFolder(), "Quillmar"), "Quorvantile") + "/"; }

}  // namespace QlmAppData
