#include <gtest/gtest.h>

#include <cstdlib>

#include "QlmMailConfig.h"
#include "output/QlmMailServer.h"

TEST(QlmMailServer, TakesEveryValueFromTheConfiguration) {
  QlmMailConfig::Values values;
  values.server = "smtp.quillmar.test";
  values.security = "";
  values.caFile = "/tmp/ca.pem";
  QlmMailConfig config(values);
  const std::optional<CQlmSmtpSettings> settings = QlmMailServer::Settings();
  ASSERT_TRUE(settings);
  EXPECT_EQ(settings->host, "smtp.quillmar.test");
  EXPECT_EQ(settings->port, 587);
  EXPECT_EQ(settings->security, CQlmSmtpSettings::Security::StartTls);
  EXPECT_EQ(settings->user, "quorvantile@quillmar.test");
  EXPECT_EQ(settings->password, "s3nh@-Secreta!");
  EXPECT_EQ(settings->caFile, "/tmp/ca.pem");
}

TEST(QlmMailServer, PortAndSecurity) {
  struct Case {
    const char* Server;
    const char* Security;
    const char* Port;
    bool Configured;
    int ExpectedPort;
  };
  const Case cases[] = {
      {"smtp.quillmar.test", "starttls", "", true, 587},
      {"smtp.quillmar.test", "TLS", "", true, 465},
      {"smtp.quillmar.test", "tls", "2465", true, 2465},
      {"127.0.0.1", "plain", "", true, 25},
      {"localhost", "plain", "2525", true, 2525},
      {"::1", "plain", "", true, 25},
      {"smtp.quillmar.test", "plain", "", false, 0},
      {"10.0.0.1", "plain", "", false, 0},
      {"smtp.quillmar.test", "ssl3", "", false, 0},
      {"smtp.quillmar.test", "starttls", "0", false, 0},
      {"smtp.quillmar.test", "starttls", "65536", false, 0},
      {"smtp.quillmar.test", "starttls", "25x", false, 0},
  };
  for (const Case& c : cases) {
    QlmMailConfig::Values values;
    values.server = c.Server;
    values.security = c.Security;
    values.port = c.Port;
    QlmMailConfig config(values);
    const std::optional<CQlmSmtpSettings> settings = QlmMailServer::Settings();
    EXPECT_EQ(settings.has_value(), c.Configured) << c.Server << " " << c.Security << " " << c.Port;
    if (settings && c.Configured) EXPECT_EQ(settings->port, c.ExpectedPort) << c.Server << " " << c.Port;
  }
}

// Without a server, a mailbox or a private password the program sends nothing.
TEST(QlmMailServer, IncompleteOrExposedSettingsAreNotAConfiguration) {
  struct Case {
    const char* Name;
    QlmMailConfig::Values Values;
  };
  QlmMailConfig::Values noServer, noMailbox, emptyPassword, groupReadable, worldReadable;
  noServer.server = "";
  noMailbox.mailbox = "";
  emptyPassword.password = "";
  groupReadable.mode = 0640;
  worldReadable.mode = 0604;
  for (const Case& c :
       {Case{"no server", noServer}, Case{"no mailbox", noMailbox}, Case{"empty password", emptyPassword},
        Case{"group may read", groupReadable}, Case{"others may read", worldReadable}}) {
    QlmMailConfig config(c.Values);
    EXPECT_FALSE(QlmMailServer::Settings()) << c.Name;
  }
  QlmMailConfig config(QlmMailConfig::Values{});
  ::setenv("QLM_MAIL_PASSWORD_FILE", "/nonexistent/senha", 1);
  EXPECT_FALSE(QlmMailServer::Settings());
  QlmMailConfig::Clear();
  EXPECT_FALSE(QlmMailServer::Settings());
}

TEST(QlmMailServer, SupportAddressIsConfiguredOrAPlaceholder) {
  ::unsetenv("QLM_SUPPORT_ADDRESS");
  EXPECT_EQ(QlmMailServer::SupportAddress(), "suporte@quillmar.example");
  ::setenv("QLM_SUPPORT_ADDRESS", " guias@quillmar.test ", 1);
  EXPECT_EQ(QlmMailServer::SupportAddress(), "guias@quillmar.test");
  ::unsetenv("QLM_SUPPORT_ADDRESS");
}
