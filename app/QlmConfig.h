#pragma once
// The settings file QlmConfigQVT.sys: one reader and one writer per key.
// A reader returns 1 and stores every value of its line through its outputs,
// or 0 and touches no output (callers preset their defaults). A writer
// replaces the key's line (adding it at the end) and returns 1, or 0 when the
// file could not be rewritten. See QlmConfigFile for the file itself.
#include "platform/CString.h"

// Creates the folder and a file holding only the first line when the file is
// missing or its first line is not the expected one. 1 when the file is valid
// afterwards.
int EnsureConfigFile();
// The settings folder, ending with a separator; the library files and the
// downloaded splash picture live there too.
CString GetConfigFolder();

// Label mode (0 index, 1 name) and font size (7, 12, 18) per object kind.
int ReadConfigDentesAdvan(int& labelMode, int& fontSize);
int WriteConfigDentesAdvan(int labelMode, int fontSize);
int ReadConfigEndoImpAdvan(int& labelMode, int& fontSize);
int WriteConfigEndoImpAdvan(int labelMode, int fontSize);
int ReadConfigGeometrAdvan(int& labelMode, int& fontSize);
int WriteConfigGeometrAdvan(int labelMode, int fontSize);
int ReadConfigOrtoImpAdvan(int& labelMode, int& fontSize);
int WriteConfigOrtoImpAdvan(int labelMode, int fontSize);

// Screw and connector colours (0 to 1), label mode, fill, numbers shown,
// axis lines shown, font size.
int ReadConfigImplantsAdvanced(float (&screwColor)[3], float (&connectorColor)[3], int& labelMode, int& fill,
                               int& showNumbers, int& showAxisLines, int& fontSize);
int WriteConfigImplantsAdvanced(const float (&screwColor)[3], const float (&connectorColor)[3], int labelMode, int fill,
                                int showNumbers, int showAxisLines, int fontSize);

// The 18 values of the indicator options, in the order of that dialog.
int ReadConfigIndicatorsAdvanced(int (&values)[18]);
int WriteConfigIndicatorsAdvanced(const int (&values)[18]);

// Interpolation of the slice images: 1 on, 0 off.
int ReadConfig2DInterpolation(int& interpolation);
int WriteConfig2DInterpolation(int interpolation);

// The five recent project paths, newest first (empty entries allowed).
int ReadConfigOpenRecent(CString (&paths)[5]);
int WriteConfigOpenRecent(const CString (&paths)[5]);

// Paper ratio, template type, template colour (RGB integer), header and footer bitmap paths.
int ReadConfigPrinterProperty(float& paperRatio, int& templateType, int& templateColor, CString& headerPath,
                              CString& footerPath);
int WriteConfigPrinterProperty(float paperRatio, int templateType, int templateColor, const CString& headerPath,
                               const CString& footerPath);

// Surgeon or institution, address, city, state, country, postal code,
// telephone and e-mail of the guide request form.
int ReadConfigSendEmail(CString (&fields)[8]);
int WriteConfigSendEmail(const CString (&fields)[8]);

// Shown (1) or hidden (0): implant, orthodontic, library-mesh, teeth and endodontic tool bars.
int ReadConfigShowToolBars(int (&shown)[5]);
int WriteConfigShowToolBars(const int (&shown)[5]);

// Resolution (dpi), 3D size multiple, true scale, force rectangle, width and
// height (mm), scale text and lines.
int ReadConfigScreenShot(int& dpi, float& multiple, int& trueScale, int& forceRectangle, int& widthMm, int& heightMm,
                         int& scaleTextLines);
int WriteConfigScreenShot(int dpi, float multiple, int trueScale, int forceRectangle, int widthMm, int heightMm,
                          int scaleTextLines);

// Name of the library in use per kind.
int ReadConfigDentesLibUsed(CString& name);
int WriteConfigDentesLibUsed(const CString& name);
int ReadConfigEndoImpLibUsed(CString& name);
int WriteConfigEndoImpLibUsed(const CString& name);
int ReadConfigGeometrLibUsed(CString& name);
int WriteConfigGeometrLibUsed(const CString& name);
int ReadConfigImplantLibUsed(CString& name);
int WriteConfigImplantLibUsed(const CString& name);
int ReadConfigOrtoImpLibUsed(CString& name);
int WriteConfigOrtoImpLibUsed(const CString& name);

// The 21 view switches (views drawn, titles, letters, numbers, rulers, borders).
int ReadConfigWindowsAdvanced(int (&values)[21]);
int WriteConfigWindowsAdvanced(const int (&values)[21]);
