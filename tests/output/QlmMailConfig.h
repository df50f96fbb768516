#pragma once
// The mail settings of the program as a test gives them: the environment
// variables of QlmMailServer and a password file only the user can read,
// all removed again when the object dies.
#include <string>

#include "QlmTempDir.h"

class QlmMailConfig {
public:
  struct Values {
    std::string server = "127.0.0.1";
    std::string port;
    std::string security = "plain";
    std::string mailbox = "quorvantile@quillmar.test";
    std::string password = "s3nh@-Secreta!";
    // Permissions of the password file.
    unsigned mode = 0600;
    std::string caFile;
  };

  explicit QlmMailConfig(const Values& values);
  ~QlmMailConfig();
  QlmMailConfig(const QlmMailConfig&) = delete;
  QlmMailConfig& operator=(const QlmMailConfig&) = delete;

  // Removes every mail variable (for "not configured").
  static void Clear();

private:
  QlmTempDir Folder;
};
