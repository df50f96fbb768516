#include <gtest/gtest.h>

#include "output/QlmImplantTableText.h"

// Every number shows at least three digits before the point, the index two.
TEST(QlmImplantTableText, RowsCarryZeroPrefixes) {
  struct Case {
    int Index;
    CQlmImplantTableSource::Row Row;
    const char* Preview;
  };
  const Case cases[] = {
      {0, {3.75f, 10.0f, 2.5f, 12.0f}, "  01        003.75mm      010.00mm            002.50mm        012.0gr"},
      {8, {4.0f, 25.5f, 0.0f, 9.94f}, "  09        004.00mm      025.50mm            000.00mm        009.9gr"},
      {9, {5.0f, 100.0f, 99.99f, 100.0f}, "  10        005.00mm      100.00mm            099.99mm        100.0gr"},
      {11, {9.999f, 13.0f, 1.0f, 0.0f}, "  12        0010.00mm      013.00mm            001.00mm        000.0gr"},
      {99, {3.5f, 11.5f, 2.0f, 25.0f}, "  100        003.50mm      011.50mm            002.00mm        025.0gr"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QlmImplantTableText::PreviewRow(c.Index, c.Row).toStdString(), c.Preview) << c.Index;
  }
  EXPECT_EQ(QlmImplantTableText::PrinterRow(0, cases[0].Row).toStdString(),
            "   01         003.75mm      010.00mm            002.50mm         012.0gr");
  EXPECT_EQ(QlmImplantTableText::HeaderLine().toStdString(),
            "Índice      Diâmetro        Comprimento        C.Comprim      Ângulo");
}
