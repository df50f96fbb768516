#include "QlmCommandOutput.h"

#include <cstdio>

std::string QlmCommandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, read);
  ::pclose(pipe);
  return output;
}
