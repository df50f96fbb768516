#pragma once
// The tool of the objects placed from a teeth or mesh library (CQlmCoreDentes,
// CQlmCoreGeoms differ only in the family): inserts the tool bar's current
// item where the user clicks, moves, turns and scales the selected object,
// offers the context menu (replace the item, colour, hide, delete), keeps 25
// undo and 25 redo snapshots, and writes the selected object's name into the
// status bar.
#include "tools/CQlmCoreObject.h"
#include "tools/CQlmUndoRecords.h"
#include "tools/CoreUndoRecord.h"

class CLibraryToolBar;
#include "objects/CQlmGeomContainer.h"
class CString;
class vtkGeom;
class vtkGeomsLib;

class CQlmCoreLibraryObjects : public CQlmCoreObject {
public:
  void PushUndo(int action, int index, int keepRedo) override;
  // False when there was no record, or when it was dropped (its item is in no
  // library any more, or its index lies outside the lists): then no object
  // changes and an item's absence is told in the status bar.
  bool Undo() override;
  bool Redo() override;
  void UpdateStatusBar() override;

  const CQlmUndoRecords<CoreUndoRecord>& GetRecords() const { return this->Records; }

protected:
  CQlmCoreLibraryObjects() = default;

  // The family's container (null before a project is open), current library and tool bar.
  virtual CQlmGeomContainer* Container() const = 0;
  virtual vtkGeomsLib* Library() const = 0;
  virtual CLibraryToolBar* ToolBar() const = 0;
  // The container's insertion (see CQlmGeomContainer::Add).
  virtual int AddToContainer(const void* window, const double point[3], const CString& libraryName,
                             const CString& libraryId, const CString& itemName, int cell, int position) = 0;
  // The container's look-up of a placed object's item (current library first, then the library files).
  virtual vtkGeom* FindItem(const CString& libraryName, const CString& itemName, const CString& libraryId) const = 0;
  // The family's code in the undo history.
  virtual Kind UndoFamily() const = 0;
  // The status text with "%s" for the selected object's name, and the one without selection.
  virtual const char* SelectedText() const = 0;
  virtual const char* NoneSelectedText() const = 0;

  bool IsReady() const override;
  int FindPicked(int view, const vtkActor* actor) const override;
  int GetSelectedIndex() const override;
  void SetSelected(int index, int selected) override;
  bool InsertItem(const void* window, const double point[3], int cell) override;
  void GetPositionInView(int view, int index, int cell, double position[3]) override;
  void PreviewDrag(int view, int index, int cell, const double drag[16]) override;
  void CommitDrag(int view, int index, int cell) override;
  void GetPlacement(int index, double matrix[16]) const override;
  void SetPlacement(int index, const double matrix[16]) override;
  void RunContextMenu(int view, int index) override;

private:
  enum MenuCommand { ReplaceItem = 1, ChooseColour = 2, Hide = 3, Remove = 4 };

  void Snapshot(CoreUndoRecord& record) const;
  // Whether `record` can still be applied by undo (`redo` false) or redo;
  // tells a missing item in the status bar.
  bool Applicable(const CoreUndoRecord& record, bool redo);
  void Apply(const CoreUndoRecord& record, bool redo);
  // The steps undo and redo share for items, colours, visibility and placements.
  void Restore(const CoreUndoRecord& record);
  void InsertAgain(const CoreUndoRecord& record, int position);
  void DeleteObject(int index);
  void SetColour(int index, const float rgb[3]);
  void SetVisibility(int index, int visible);
  void ReplaceFromPickList(int index, int x, int y);
  void ChangeColour(int index);

  CQlmUndoRecords<CoreUndoRecord> Records;
};
