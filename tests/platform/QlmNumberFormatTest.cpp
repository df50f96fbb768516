#include "platform/CString.h"
#include "platform/QlmNumberFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/support/QlmProcessLocale.h"

TEST(QlmNumberFormat, PointUnderABrazilianLocale) {
  QlmProcessLocale locale("pt_BR.UTF-8");
  if (!locale.Ok) GTEST_SKIP() << "pt_BR.UTF-8 locale not generated (scripts/setup.sh generates it)";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.3f", 0.707);
  ASSERT_STREQ(probe, "0,707") << "the locale should really use a comma";

  EXPECT_EQ(CString::Formatted("%.3f;%g", 0.707, 1.5), CString("0.707;1.5"));
  EXPECT_EQ(QlmNumberFormat::FromDouble(0.707), "0.707");
  EXPECT_EQ(QlmNumberFormat::ToDouble("0.707"), 0.707);
  EXPECT_EQ(QlmNumberFormat::ToDouble("0,707"), std::nullopt);
}

TEST(QlmNumberFormat, ParsingNeedsTheWholeText) {
  EXPECT_EQ(QlmNumberFormat::ToInt(" 42 "), 42);
  EXPECT_EQ(QlmNumberFormat::ToInt("+7"), 7);
  EXPECT_EQ(QlmNumberFormat::ToInt("42abc"), std::nullopt);
  EXPECT_EQ(QlmNumberFormat::ToInt(""), std::nullopt);
  EXPECT_EQ(QlmNumberFormat::ToInt("99999999999"), std::nullopt);
  EXPECT_EQ(QlmNumberFormat::ToDouble("-1e-3"), -0.001);
  EXPECT_EQ(QlmNumberFormat::FromDouble(0.1 + 0.2), "0.30000000000000004");
}

// Typed fields read like atof, with either decimal mark, whatever the process locale.
TEST(QlmNumberFormat, FieldsReadAPointOrACommaAndStopAtTheFirstStrangeCharacter) {
  QlmProcessLocale locale("pt_BR.UTF-8");
  const std::pair<const char*, double> cases[] = {
      {"3.50", 3.5}, {"3,50", 3.5}, {" -2,25mm", -2.25}, {"+7", 7.0}, {"1.5,2", 1.5},
      {"abc", 0.0},  {"", 0.0},     {",5", 0.5},         {"1e2", 100.0},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(QlmNumberFormat::FieldValue(text), value) << text;
  EXPECT_EQ(QlmNumberFormat::LeadingInt(" -12x"), -12);
  EXPECT_EQ(QlmNumberFormat::LeadingInt("99999999999"), 2147483647);
  EXPECT_EQ(QlmNumberFormat::LeadingDouble("2,5"), 2.0);
}

TEST(QlmNumberFormat, AWholeFieldReadsAPointOrACommaAndRefusesAnythingElse) {
  QlmProcessLocale locale("pt_BR.UTF-8");
  const std::pair<const char*, std::optional<double>> cases[] = {
      {" 3,50 ", 3.5}, {"-2.25", -2.25}, {"4,5mm", std::nullopt}, {"1,2,3", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(QlmNumberFormat::FieldNumber(text), value) << text;
}
