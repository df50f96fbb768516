#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "output/QlmMimeHeader.h"

namespace {

// The physical lines of a header line.
std::vector<std::string> Physical(const std::string& line) {
  std::vector<std::string> lines;
  size_t first = 0;
  for (size_t end; (end = line.find("\r\n", first)) != std::string::npos; first = end + 2) {
    lines.push_back(line.substr(first, end - first));
  }
  lines.push_back(line.substr(first));
  return lines;
}

TEST(QlmMimeHeader, LineBreaksInAValueNeverStartAHeaderLine) {
  const std::string line = QlmMimeHeader::Line("To", "\"Ana\r\nBcc: x@y.test\" <a@b.test>,\nBcc: z@y.test");
  for (const std::string& physical : Physical(line)) {
    EXPECT_EQ(physical.find('\r'), std::string::npos);
    EXPECT_EQ(physical.find('\n'), std::string::npos);
  }
  EXPECT_EQ(Physical(line).size(), 1u);
  EXPECT_EQ(QlmMimeHeader::Line("To", "a <a@b.test>,\r\n\tb <b@b.test>"), "To: a <a@b.test>,\r\n\tb <b@b.test>");
}

TEST(QlmMimeHeader, LongLinesFoldAtBlanksOutsideQuotedStrings) {
  const std::string quoted = "\"" + std::string(30, 'q') + " " + std::string(30, 'q') + "\"";
  const std::string value = "Consulta " + quoted + " " + std::string(40, 'w') + " fim de linha longa";
  const std::string line = QlmMimeHeader::Line("Subject", value);
  std::string unfolded;
  for (const std::string& physical : Physical(line)) {
    EXPECT_LE(physical.size(), 78u) << physical;
    unfolded += physical;
  }
  EXPECT_EQ(unfolded, "Subject: " + value);
  EXPECT_NE(line.find(quoted), std::string::npos);
  // A token longer than a line stays whole.
  EXPECT_EQ(Physical(QlmMimeHeader::Line("X-Id", std::string(100, 'z'))).size(), 1u);
}

TEST(QlmMimeHeader, NamesAndSubjectsOutsideAsciiBecomeEncodedWords) {
  EXPECT_EQ(QlmMimeHeader::Phrase("Ana \"Dentista\" \\ Silva"), "\"Ana \\\"Dentista\\\" \\\\ Silva\"");
  EXPECT_EQ(QlmMimeHeader::Phrase("José"), "=?UTF-8?B?Sm9zw6k=?=");
  EXPECT_EQ(QlmMimeHeader::Unstructured("Consulta"), "Consulta");
  EXPECT_EQ(QlmMimeHeader::Unstructured("=?x?"), "=?UTF-8?B?PT94Pw==?=");
  EXPECT_EQ(QlmMimeHeader::Unstructured("a\r\nb"), "a  b");
  // Words keep to 75 characters and never split a character.
  std::istringstream words(QlmMimeHeader::Unstructured(std::string(40, 'a') + "çççççççççç"));
  for (std::string word; words >> word;) EXPECT_LE(word.size(), 75u);
}

TEST(QlmMimeHeader, FileNamesOutsideAsciiUseTheExtendedParameterForm) {
  EXPECT_EQ(QlmMimeHeader::Parameter("filename", "Amostra 1.qlm"), "filename=\"Amostra 1.qlm\"");
  EXPECT_EQ(QlmMimeHeader::Parameter("filename", "José.qlm"), "filename*0*=utf-8''Jos%C3%A9.qlm");
}

}  // namespace
