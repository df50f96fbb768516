#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/CArchive.h"
#include "platform/CArchiveException.h"
#include "platform/CMemFile.h"
#include "project/CQlmRequestInfo.h"

namespace {

std::vector<unsigned char> Serialized(CQlmRequestInfo& info) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  info.Serialize(archive);
  archive.Close();
  return file.Data();
}

void LoadInto(CQlmRequestInfo& info, const std::vector<unsigned char>& bytes) {
  CMemFile file(bytes);
  CArchive archive(&file, CArchive::load);
  info.Serialize(archive);
}

}  // namespace

// Every string, empty ones and one longer than the one-byte length form
// included, comes back in its place.
TEST(CQlmRequestInfo, SeventeenStringsRoundTrip) {
  std::unique_ptr<CQlmRequestInfo> info(CQlmRequestInfo::New());
  for (const CString& text : info->Texts) EXPECT_TRUE(text.IsEmpty());
  info->Texts[CQlmRequestInfo::PatientName] = "José";
  info->Texts[CQlmRequestInfo::Address] = "Rua A, 1\r\nSão Paulo";
  info->Texts[CQlmRequestInfo::Comments] = CString(std::string(300, 'c'));
  info->Texts[12] = "guardado";
  info->Texts[16] = "último";

  const std::vector<unsigned char> bytes = Serialized(*info);
  std::unique_ptr<CQlmRequestInfo> read(CQlmRequestInfo::New());
  read->Texts[5] = "some earlier value";
  LoadInto(*read, bytes);
  for (int i = 0; i < CQlmRequestInfo::FieldCount; ++i) EXPECT_EQ(read->Texts[i], info->Texts[i]) << i;
  EXPECT_EQ(Serialized(*read), bytes);

  std::vector<unsigned char> cut(bytes.begin(), bytes.end() - 1);
  EXPECT_THROW(LoadInto(*read, cut), CArchiveException);
}
