#include "platform/CString.h"

#include <gtest/gtest.h>

TEST(CString, SubstringsClampLikeTheClassicApi) {
  const CString s("Quorvantile");
  EXPECT_EQ(s.Left(5), CString("Quorv"));
  EXPECT_EQ(s.Left(99), s);
  EXPECT_EQ(s.Right(4), CString("tile"));
  EXPECT_EQ(s.Mid(5, 3), CString("ant"));
  EXPECT_EQ(s.Mid(20), CString());
  EXPECT_EQ(s.Left(-3), CString());
  EXPECT_EQ(s.Find("van"), 4);
  EXPECT_EQ(s.Find("xyz"), -1);
  EXPECT_EQ(s.ReverseFind('t'), 7);
}

TEST(CString, ReplaceTrimAndCase) {
  CString s("  a;b;c  ");
  EXPECT_EQ(s.Trim().Replace(";", "\\;"), 2);
  EXPECT_EQ(s, CString("a\\;b\\;c"));
  CString t("abc");
  EXPECT_EQ(t.MakeUpper(), CString("ABC"));
  EXPECT_EQ(t.CompareNoCase("abc"), 0);
}
