#include "output/QlmImplantTableText.h"

#include "platform/CString.h"

namespace {

const char* IndexPrefix(int number) { return number <= 9 ? "0" : ""; }

const char* ValuePrefix(double value) {
  if (value < 10) return "00";
  if (value < 100) return "0";
  return "";
}

QString Row(const char* format, int index, const CQlmImplantTableSource::Row& row) {
  const int number = index + 1;
  const double diameter = row.Diameter;
  const double length = row.Length;
  const double height = row.ConnectorHeight;
  const double angle = row.ConnectorAngle;
  return QString::fromStdString(CString::Formatted(format, IndexPrefix(number), number, ValuePrefix(diameter), diameter,
                                                   ValuePrefix(length), length, ValuePrefix(height), height,
                                                   ValuePrefix(angle), angle)
                                    .Str());
}

}  // namespace

namespace QlmImplantTableText {

QString HeaderLine() { return QStringLiteral("Índice      Diâmetro        Comprimento        C.Comprim      Ângulo"); }

QString PreviewRow(int index, const CQlmImplantTableSource::Row& row) {
  return Row("  %s%d        %s%.2fmm      %s%.2fmm            %s%.2fmm        %s%.1fgr", index, row);
}

QString PrinterRow(int index, const CQlmImplantTableSource::Row& row) {
  return Row("   %s%d         %s%.2fmm      %s%.2fmm            %s%.2fmm         %s%.1fgr", index, row);
}

}  // namespace QlmImplantTableText
