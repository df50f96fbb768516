#include "QlmMailConfig.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

namespace {

void SetOrUnset(const char* name, const std::string& value) {
  if (value.empty()) {
    ::unsetenv(name);
  } else {
    ::setenv(name, value.c_str(), 1);
  }
}

}  // namespace

QlmMailConfig::QlmMailConfig(const Values& values) {
  const std::string passwordFile = this->Folder.File("senha");
  std::ofstream(passwordFile) << values.password << "\n";
  ::chmod(passwordFile.c_str(), values.mode);
  SetOrUnset("QLM_MAIL_SERVER", values.server);
  SetOrUnset("QLM_MAIL_PORT", values.port);
  SetOrUnset("QLM_MAIL_SECURITY", values.security);
  SetOrUnset("QLM_MAIL_MAILBOX", values.mailbox);
  SetOrUnset("QLM_MAIL_PASSWORD_FILE", passwordFile);
  SetOrUnset("QLM_MAIL_CA_FILE", values.caFile);
}

QlmMailConfig::~QlmMailConfig() { Clear(); }

void QlmMailConfig::Clear() {
  for (const char* name : {"QLM_MAIL_SERVER", "QLM_MAIL_PORT", "QLM_MAIL_SECURITY", "QLM_MAIL_MAILBOX",
                           "QLM_MAIL_PASSWORD_FILE", "QLM_MAIL_CA_FILE"}) {
    ::unsetenv(name);
  }
}
