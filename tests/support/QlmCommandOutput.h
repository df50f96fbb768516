#pragma once
// What a shell command writes on its standard output (its errors dropped);
// empty when it does not run. For the outside tools that read back files
// (pdfinfo, pdftoppm, pdfimages).
#include <string>

std::string QlmCommandOutput(const std::string& command);
