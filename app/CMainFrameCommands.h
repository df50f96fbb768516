#pragma once
// The command table of the main frame and of the 3D frame: every menu entry,
// tool-bar button and accelerator identifier with what it runs and when it
// is enabled and checked (see QlmCommandRow). The rows are kept by concern,
// one file each: CMainFrameCommandsFile.cpp (project files, editing, the
// frame's own commands), ...Views.cpp (views, reformat, indicators),
// ...Tools.cpp (tool modes, arch curve and nerve editing), ...Objects.cpp
// (object lists and options), ...Libraries.cpp (libraries and their tool
// bars) and ...Output.cpp (printing, capture, export and mail).
#include <vector>

#include "app/QlmCommandRow.h"

class C3DFrame;
class CMainFrame;

class CMainFrameCommands {
public:
  // Maps the main frame's rows into it; they act on its controller of the moment.
  static void Install(CMainFrame& frame);
  // Maps the 3D frame's rows into it; they act on the controller it holds.
  // `mainFrame` may be null.
  static void Install(C3DFrame& frame3D, CMainFrame* mainFrame);

  static const std::vector<QlmCommandRow>& FileRows();
  static const std::vector<QlmCommandRow>& ViewRows();
  static const std::vector<QlmCommandRow>& ToolRows();
  static const std::vector<QlmCommandRow>& ObjectRows();
  static const std::vector<QlmCommandRow>& LibraryRows();
  static const std::vector<QlmCommandRow>& OutputRows();
};
