#include "app/QlmConfig.h"

#include <optional>
#include <string>
#include <vector>

#include "app/QlmConfigFile.h"
#include "platform/QlmNumberFormat.h"

namespace {

using Fields = std::vector<std::string>;

std::optional<Fields> ReadFields(const char* key, bool leadingSeparator, int count) {
  auto value = QlmConfigFile::ReadValue(key);
  if (!value) return std::nullopt;
  return QlmConfigFile::SplitFields(*value, leadingSeparator, count);
}

// Fields joined by ";", with a separator before the first and after the last when asked.
int WriteFields(const char* key, const Fields& fields, bool leadingSeparator, bool trailingSeparator) {
  std::string value = leadingSeparator ? ";" : "";
  for (size_t index = 0; index < fields.size(); ++index) value += (index ? ";" : "") + fields[index];
  if (trailingSeparator) value += ";";
  return QlmConfigFile::Replace(key, value) ? 1 : 0;
}

std::string Int(int value) { return std::to_string(value); }
std::string Float(float value) { return QlmNumberFormat::Format("%f", static_cast<double>(value)); }
std::string Text(const CString& value) { return QlmConfigFile::Escape(value.Str()); }
int ToInt(const std::string& field) { return QlmConfigFile::ToInt(field); }

int ReadPair(const char* key, int& first, int& second) {
  auto fields = ReadFields(key, false, 2);
  if (!fields) return 0;
  first = ToInt((*fields)[0]);
  second = ToInt((*fields)[1]);
  return 1;
}

int WritePair(const char* key, int first, int second) {
  return WriteFields(key, {Int(first), Int(second)}, false, false);
}

template <int Count>
int ReadInts(const char* key, bool leadingSeparator, int (&values)[Count]) {
  auto fields = ReadFields(key, leadingSeparator, Count);
  if (!fields) return 0;
  for (int index = 0; index < Count; ++index) values[index] = ToInt((*fields)[index]);
  return 1;
}

template <int Count>
int WriteInts(const char* key, const int (&values)[Count], bool leadingSeparator, bool trailingSeparator) {
  Fields fields;
  for (int value : values) fields.push_back(Int(value));
  return WriteFields(key, fields, leadingSeparator, trailingSeparator);
}

int ReadName(const char* key, CString& name) {
  auto value = QlmConfigFile::ReadValue(key);
  if (!value) return 0;
  name = CString(QlmConfigFile::Unescape(*value));
  return 1;
}

int WriteName(const char* key, const CString& name) { return QlmConfigFile::Replace(key, Text(name)) ? 1 : 0; }

constexpr const char* DentesAdvan = "Dentes_ Advan: ";
constexpr const char* EndoImpAdvan = "EndoImp Advan: ";
constexpr const char* GeometrAdvan = "Geometr Advan: ";
constexpr const char* OrtoImpAdvan = "OrtoImp Advan: ";
constexpr const char* ImplantsAdvanced = "Implants Advanced: ";
constexpr const char* IndicatorsAdvanced = "Indicators Advanced: ";
constexpr const char* Interpolation2D = "2D Interpolation: ";
constexpr const char* OpenRecent = "Open Recent: ";
constexpr const char* PrinterProperty = "Printer Property: ";
constexpr const char* SendEmail = "Send Email: ";
constexpr const char* ShowToolBars = "Show ToolBars: ";
constexpr const char* ScreenShot = "Screen Shot: ";
constexpr const char* DentesLibUsed = "Dentes_ Lib Used: ";
constexpr const char* EndoImpLibUsed = "EndoImp Lib Used: ";
constexpr const char* GeometrLibUsed = "Geometr Lib Used: ";
constexpr const char* ImplantLibUsed = "Implant Lib Used: ";
constexpr const char* OrtoImpLibUsed = "OrtoImp Lib Used: ";
constexpr const char* WindowsAdvanced = "Windows Advanced: ";

}  // namespace

int EnsureConfigFile() { return QlmConfigFile::Ensure() ? 1 : 0; }

CString GetConfigFolder() { return CString(QlmConfigFile::Folder()); }

int ReadConfigDentesAdvan(int& labelMode, int& fontSize) { return ReadPair(DentesAdvan, labelMode, fontSize); }
int WriteConfigDentesAdvan(int labelMode, int fontSize) { return WritePair(DentesAdvan, labelMode, fontSize); }
int ReadConfigEndoImpAdvan(int& labelMode, int& fontSize) { return ReadPair(EndoImpAdvan, labelMode, fontSize); }
int WriteConfigEndoImpAdvan(int labelMode, int fontSize) { return WritePair(EndoImpAdvan, labelMode, fontSize); }
int ReadConfigGeometrAdvan(int& labelMode, int& fontSize) { return ReadPair(GeometrAdvan, labelMode, fontSize); }
int WriteConfigGeometrAdvan(int labelMode, int fontSize) { return WritePair(GeometrAdvan, labelMode, fontSize); }
int ReadConfigOrtoImpAdvan(int& labelMode, int& fontSize) { return ReadPair(OrtoImpAdvan, labelMode, fontSize); }
int WriteConfigOrtoImpAdvan(int labelMode, int fontSize) { return WritePair(OrtoImpAdvan, labelMode, fontSize); }

int ReadConfigImplantsAdvanced(float (&screwColor)[3], float (&connectorColor)[3], int& labelMode, int& fill,
                               int& showNumbers, int& showAxisLines, int& fontSize) {
  auto fields = ReadFields(ImplantsAdvanced, true, 11);
  if (!fields) return 0;
  for (int index = 0; index < 3; ++index) {
    screwColor[index] = QlmConfigFile::ToFloat((*fields)[index]);
    connectorColor[index] = QlmConfigFile::ToFloat((*fields)[index + 3]);
  }
  labelMode = ToInt((*fields)[6]);
  fill = ToInt((*fields)[7]);
  showNumbers = ToInt((*fields)[8]);
  showAxisLines = ToInt((*fields)[9]);
  fontSize = ToInt((*fields)[10]);
  return 1;
}

int WriteConfigImplantsAdvanced(const float (&screwColor)[3], const float (&connectorColor)[3], int labelMode, int fill,
                                int showNumbers, int showAxisLines, int fontSize) {
  Fields fields;
  for (float value : screwColor) fields.push_back(Float(value));
  for (float value : connectorColor) fields.push_back(Float(value));
  for (int value : {labelMode, fill, showNumbers, showAxisLines, fontSize}) fields.push_back(Int(value));
  return WriteFields(ImplantsAdvanced, fields, true, true);
}

int ReadConfigIndicatorsAdvanced(int (&values)[18]) { return ReadInts(IndicatorsAdvanced, false, values); }
int WriteConfigIndicatorsAdvanced(const int (&values)[18]) {
  return WriteInts(IndicatorsAdvanced, values, false, false);
}

int ReadConfig2DInterpolation(int& interpolation) {
  int values[1];
  if (!ReadInts(Interpolation2D, false, values)) return 0;
  interpolation = values[0];
  return 1;
}

int WriteConfig2DInterpolation(int interpolation) {
  return WriteFields(Interpolation2D, {Int(interpolation)}, false, false);
}

int ReadConfigOpenRecent(CString (&paths)[5]) {
  auto block = QlmConfigFile::ReadBlock(OpenRecent, 5);
  if (!block) return 0;
  for (int index = 0; index < 5; ++index) paths[index] = CString((*block)[index]);
  return 1;
}

int WriteConfigOpenRecent(const CString (&paths)[5]) {
  std::vector<std::string> lines;
  for (const CString& path : paths) lines.push_back(path.Str());
  return QlmConfigFile::Replace(OpenRecent, "", lines, 5) ? 1 : 0;
}

int ReadConfigPrinterProperty(float& paperRatio, int& templateType, int& templateColor, CString& headerPath,
                              CString& footerPath) {
  auto fields = ReadFields(PrinterProperty, true, 5);
  if (!fields) return 0;
  paperRatio = QlmConfigFile::ToFloat((*fields)[0]);
  templateType = ToInt((*fields)[1]);
  templateColor = ToInt((*fields)[2]);
  headerPath = CString((*fields)[3]);
  footerPath = CString((*fields)[4]);
  return 1;
}

int WriteConfigPrinterProperty(float paperRatio, int templateType, int templateColor, const CString& headerPath,
                               const CString& footerPath) {
  return WriteFields(PrinterProperty,
                     {Float(paperRatio), Int(templateType), Int(templateColor), Text(headerPath), Text(footerPath)},
                     true, true);
}

int ReadConfigSendEmail(CString (&fields)[8]) {
  auto read = ReadFields(SendEmail, true, 8);
  if (!read) return 0;
  for (int index = 0; index < 8; ++index) fields[index] = CString((*read)[index]);
  return 1;
}

int WriteConfigSendEmail(const CString (&fields)[8]) {
  Fields texts;
  for (const CString& field : fields) texts.push_back(Text(field));
  return WriteFields(SendEmail, texts, true, true);
}

int ReadConfigShowToolBars(int (&shown)[5]) { return ReadInts(ShowToolBars, true, shown); }
int WriteConfigShowToolBars(const int (&shown)[5]) { return WriteInts(ShowToolBars, shown, true, true); }

int ReadConfigScreenShot(int& dpi, float& multiple, int& trueScale, int& forceRectangle, int& widthMm, int& heightMm,
                         int& scaleTextLines) {
  auto fields = ReadFields(ScreenShot, false, 7);
  if (!fields) return 0;
  dpi = ToInt((*fields)[0]);
  multiple = QlmConfigFile::ToFloat((*fields)[1]);
  trueScale = ToInt((*fields)[2]);
  forceRectangle = ToInt((*fields)[3]);
  widthMm = ToInt((*fields)[4]);
  heightMm = ToInt((*fields)[5]);
  scaleTextLines = ToInt((*fields)[6]);
  return 1;
}

int WriteConfigScreenShot(int dpi, float multiple, int trueScale, int forceRectangle, int widthMm, int heightMm,
                          int scaleTextLines) {
  return WriteFields(ScreenShot,
                     {Int(dpi), Float(multiple), Int(trueScale), Int(forceRectangle), Int(widthMm), Int(heightMm),
                      Int(scaleTextLines)},
                     false, false);
}

int ReadConfigDentesLibUsed(CString& name) { return ReadName(DentesLibUsed, name); }
int WriteConfigDentesLibUsed(const CString& name) { return WriteName(DentesLibUsed, name); }
int ReadConfigEndoImpLibUsed(CString& name) { return ReadName(EndoImpLibUsed, name); }
int WriteConfigEndoImpLibUsed(const CString& name) { return WriteName(EndoImpLibUsed, name); }
int ReadConfigGeometrLibUsed(CString& name) { return ReadName(GeometrLibUsed, name); }
int WriteConfigGeometrLibUsed(const CString& name) { return WriteName(GeometrLibUsed, name); }
int ReadConfigImplantLibUsed(CString& name) { return ReadName(ImplantLibUsed, name); }
int WriteConfigImplantLibUsed(const CString& name) { return WriteName(ImplantLibUsed, name); }
int ReadConfigOrtoImpLibUsed(CString& name) { return ReadName(OrtoImpLibUsed, name); }
int WriteConfigOrtoImpLibUsed(const CString& name) { return WriteName(OrtoImpLibUsed, name); }

int ReadConfigWindowsAdvanced(int (&values)[21]) { return ReadInts(WindowsAdvanced, false, values); }
int WriteConfigWindowsAdvanced(const int (&values)[21]) { return WriteInts(WindowsAdvanced, values, false, true); }
