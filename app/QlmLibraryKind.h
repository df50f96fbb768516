#pragma once
// What differs between the five library kinds (teeth, library meshes,
// endodontic, orthodontic and implants): the file extension, the library
// and file classes, the default library, the settings lines, the import
// dialog's texts and the tool bar. The controller's library and label
// operations exist once and take their kind's row of this table.
#include "app/CQlmQuorvantile.h"

class CLibraryToolBar;
class CMainFrame;
class CStringArray;
class vtkLibrary;

struct QlmLibraryKind {
  CQlmQuorvantile::LibraryKind Kind;
  // ".dnt", ".geo", ".end", ".omp" or ".imp".
  const char* Extension;
  // Used while no "Lib Used" line names one.
  const char* DefaultName;
  // A new empty library of the kind's class; the caller Deletes it.
  vtkLibrary* (*NewLibrary)();
  // The kind's file class reading the library named by `library`'s name into it: 1 or 0.
  int (*Load)(vtkLibrary* library);
  // The "Lib Used" line.
  int (*ReadLibraryUsed)(CString& name);
  int (*WriteLibraryUsed)(const CString& name);
  // The label mode and font size line; null for implants, whose line holds every implant option.
  int (*ReadLabels)(int& labelMode, int& fontSize);
  int (*WriteLabels)(int labelMode, int fontSize);
  // Filter name and title of the import dialog.
  const char* ImportFilterName;
  const char* ImportTitle;
  CLibraryToolBar& (*Bar)(CMainFrame& frame);
  // Hands the kind's container of `controller` the library in use and the
  // names of the kind's library files; null while the kind has no container.
  void (*GiveLibraries)(CQlmQuorvantile& controller, vtkLibrary* current, const CStringArray& names);

  // The row of `kind`.
  static const QlmLibraryKind& Of(int kind);
  // The order the controller sets the kinds up in.
  static constexpr CQlmQuorvantile::LibraryKind StartUpOrder[CQlmQuorvantile::LibraryKinds] = {
      CQlmQuorvantile::Implants, CQlmQuorvantile::Orthodontic, CQlmQuorvantile::Endodontic, CQlmQuorvantile::Meshes,
      CQlmQuorvantile::Teeth};
};
