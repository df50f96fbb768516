// The implant angle dialog over a container of implants placed by hand, and
// the area and volume list over imported objects, driven under the modal
// hook as the controller and the object list run them.
#include <gtest/gtest.h>
#include <vtkCubeSource.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkTransform.h>
#include <vtkTriangleFilter.h>

#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "QlmOpenDialog.h"
#include "QlmTestApplication.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmObjectList.h"
#include "views/CDialog3DAreaVol.h"
#include "views/CDialogImplantAngle.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// An implant of `diameter` whose axis leans `tilt` degrees from z towards x,
// with its connector tilted `connectorTilt` degrees further in the same plane.
struct Placed {
  float Diameter;
  double Tilt;
  double ConnectorTilt = 0.0;
};

void TiltAboutY(double degrees, double elements[16]) {
  const double a = degrees * Pi / 180.0;
  const double matrix[16] = {std::cos(a), 0, std::sin(a), 0, 0, 1, 0, 0, -std::sin(a), 0, std::cos(a), 0, 0, 0, 0, 1};
  std::copy(matrix, matrix + 16, elements);
}

void Place(CQlmImplants& implants, const std::vector<Placed>& placed) {
  for (const Placed& p : placed) {
    CQlmImplant3D* implant = implants.GetList3D()->AddTail();
    implant->SetDimensions(p.Diameter, 10.0f, 2.0f);
    double elements[16];
    TiltAboutY(p.Tilt, elements);
    implant->SetMatrix(elements);
    TiltAboutY(p.ConnectorTilt, elements);
    implant->SetConectorMatrix(elements);
  }
}

struct Table {
  std::vector<std::string> Rows;  // "label|angle"
  std::string Summary;
};

// Each row of the list, its columns joined by "|".
std::vector<std::string> Rows(const CListCtrl& list) {
  std::vector<std::string> rows;
  for (int row = 0; row < list.GetItemCount(); ++row) {
    std::string text;
    for (int column = 0; column < list.GetColumnCount(); ++column) {
      text += std::string(column ? "|" : "") + list.GetItemText(row, column).Str();
    }
    rows.push_back(text);
  }
  return rows;
}

Table Read(const CListImplantsAngle& list) { return {Rows(list), list.Summary.GetWindowText().Str()}; }

// Both tables as the dialog shows them at its first paint.
std::pair<Table, Table> ShowAngles(CQlmImplants& implants) {
  CDialogImplantAngle dialog;
  dialog.ListImplants.Implants = &implants;
  dialog.ListConectors.Implants = &implants;
  std::pair<Table, Table> shown;
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    dialog.GetSafeHwnd()->grab();
    shown = {Read(dialog.ListImplants), Read(dialog.ListConectors)};
  });
  EXPECT_EQ(result, QlmOpenDialog::StillOpen);
  return shown;
}

TEST(CDialogImplantAngle, ListsEveryPairOfWideImplantsAndNamesTheLargestAngle) {
  QlmTestApplication();
  using Rows = std::vector<std::string>;
  struct Case {
    const char* Name;
    std::vector<Placed> Implants;
    Rows Expected;
    std::string Summary;
  };
  const Case cases[] = {
      {"a diameter of exactly 3 mm is left out",
       {{3.5f, 0}, {3.0f, 10}, {4.0f, 25}},
       {"    01 x 03|25.0°"},
       "    01 x 03  25.0°"},
      // The float cosine of these axes comes out a hair above 1.
      {"parallel implants", {{4.0f, 0.1}, {4.0f, 0.1}}, {"    01 x 02|0.0°"}, "    01 x 02  0.0°"},
      {"the largest pair without the first implant, ties keep the earlier",
       {{4.0f, 0}, {4.0f, 5}, {4.0f, -15}, {4.0f, 25}},
       {"    01 x 02|5.0°", "    01 x 03|15.0°", "    01 x 04|25.0°", "    02 x 03|20.0°", "    02 x 04|20.0°",
        "    03 x 04|40.0°"},
       "    03 x 04  40.0°"},
      {"equal largest angles",
       {{4.0f, 0}, {4.0f, 20}, {4.0f, 20}},
       {"    01 x 02|20.0°", "    01 x 03|20.0°", "    02 x 03|0.0°"},
       "    01 x 02  20.0°"},
      {"fewer than two wide implants", {{4.0f, 0}, {2.5f, 10}}, {}, "  "},
      {"no implants", {}, {}, "  "},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Name);
    CQlmImplants implants;
    Place(implants, test.Implants);
    const auto [implantTable, conectorTable] = ShowAngles(implants);
    EXPECT_EQ(implantTable.Rows, test.Expected);
    EXPECT_EQ(implantTable.Summary, test.Summary);
    // Straight connectors lie on the implants' axes.
    EXPECT_EQ(conectorTable.Rows, test.Expected);
  }
}

TEST(CDialogImplantAngle, TheConnectorTableComparesTheTiltedConnectors) {
  QlmTestApplication();
  CQlmImplants implants;
  Place(implants, {{4.0f, 0, 20}, {4.0f, 10}, {3.75f, -10, 15}});
  const auto [implantTable, conectorTable] = ShowAngles(implants);
  EXPECT_EQ(implantTable.Rows,
            (std::vector<std::string>{"    01 x 02|10.0°", "    01 x 03|10.0°", "    02 x 03|20.0°"}));
  EXPECT_EQ(conectorTable.Rows,
            (std::vector<std::string>{"    01 x 02|10.0°", "    01 x 03|15.0°", "    02 x 03|5.0°"}));
  EXPECT_EQ(conectorTable.Summary, "    01 x 03  15.0°");
}

TEST(CDialogImplantAngle, NumbersFromTenOnHaveNoLeadingZeroNorSpaces) {
  QlmTestApplication();
  CQlmImplants implants;
  std::vector<Placed> placed(11, Placed{2.0f, 0});
  placed[8] = {4.0f, 0};
  placed[9] = {4.0f, 12.5};
  placed[10] = {4.0f, 40};
  Place(implants, placed);
  const Table table = ShowAngles(implants).first;
  EXPECT_EQ(table.Rows, (std::vector<std::string>{"    09 x 10|12.5°", "    09 x 11|40.0°", "10 x 11|27.5°"}));
}

TEST(CDialogImplantAngle, ShowsTheTablesUnderTheirHeadingsWithTheLargestAnglesInBold) {
  QlmTestApplication();
  CQlmImplants implants;
  Place(implants, {{4.0f, 0}, {4.0f, 10}});
  CDialogImplantAngle dialog;
  dialog.ListImplants.Implants = &implants;
  dialog.ListConectors.Implants = &implants;
  QlmOpenDialog::Run(dialog, [&] {
    EXPECT_EQ(dialog.GetSafeHwnd()->windowTitle(), "Angulação");
    EXPECT_EQ(dialog.ListImplants.GetColumnCount(), 0) << "the columns come with the first paint";
    dialog.GetSafeHwnd()->grab();
    for (CListImplantsAngle* list : {&dialog.ListImplants, &dialog.ListConectors}) {
      ASSERT_EQ(list->GetColumnCount(), 2);
      EXPECT_EQ(list->GetColumnHeading(0), CString("Implantes"));
      EXPECT_EQ(list->GetColumnHeading(1), CString("Ângulos"));
      auto* table = static_cast<QTableWidget*>(list->GetSafeHwnd());
      EXPECT_EQ(table->columnWidth(0), 80);
      EXPECT_EQ(table->columnWidth(1), 60);
      EXPECT_EQ(table->item(0, 0)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));
      EXPECT_EQ(table->item(0, 1)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
      EXPECT_EQ(table->selectionBehavior(), QAbstractItemView::SelectRows);
      auto* summary = static_cast<QLineEdit*>(list->Summary.GetSafeHwnd());
      EXPECT_TRUE(summary->isReadOnly());
      EXPECT_TRUE(summary->font().bold());
      EXPECT_EQ(summary->font().pointSize(), 9);
    }
    // Later paints do not rebuild the tables.
    dialog.ListImplants.SetItemText(0, 1, "x");
    dialog.GetSafeHwnd()->grab();
    EXPECT_EQ(dialog.ListImplants.GetItemText(0, 1), CString("x"));
    QTest::keyClick(dialog.GetSafeHwnd(), Qt::Key_Return);
  });
}

// --- area and volume ---

vtkSmartPointer<vtkPolyData> Cube(double edge) {
  vtkNew<vtkCubeSource> cube;
  cube->SetXLength(edge), cube->SetYLength(edge), cube->SetZLength(edge);
  vtkNew<vtkTriangleFilter> triangles;
  triangles->SetInputConnection(cube->GetOutputPort());
  triangles->Update();
  return triangles->GetOutput();
}

TEST(CDialog3DAreaVol, ListsTheAreaAndVolumeOfEveryImportedObject) {
  QlmTestApplication();
  CQlmObjectList objects;
  for (double edge : {10.0, 2.0}) {
    CQlmObject* object = objects.AddNewObject();
    object->Name = CString::Formatted("Cubo %g", edge);
    object->SetPolyData(Cube(edge));
  }
  CDialog3DAreaVol dialog;
  dialog.Objects = &objects;
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    EXPECT_EQ(dialog.GetSafeHwnd()->windowTitle(), "Área e Volume do 3D");
    const std::vector<CString> headings = {"Índice", "Nome", "Área - mm2", "Volume - mm3"};
    ASSERT_EQ(dialog.List.GetColumnCount(), 4);
    for (int column = 0; column < 4; ++column) EXPECT_EQ(dialog.List.GetColumnHeading(column), headings[column]);
    EXPECT_EQ(Rows(dialog.List),
              (std::vector<std::string>{"01|Cubo 10|600.00 mm2|1000.00 mm3", "02|Cubo 2|24.00 mm2|8.00 mm3"}));
    QTest::keyClick(dialog.GetSafeHwnd(), Qt::Key_Escape);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST(CDialog3DAreaVol, NumbersTenObjectsFrom01To10AndListsNothingWithoutObjects) {
  QlmTestApplication();
  CQlmObjectList objects;
  for (int i = 0; i < 10; ++i) objects.AddNewObject()->SetPolyData(Cube(1.0));
  for (CQlmObjectList* list : {&objects, static_cast<CQlmObjectList*>(nullptr)}) {
    CDialog3DAreaVol dialog;
    dialog.Objects = list;
    std::vector<std::string> first;
    QlmOpenDialog::Run(dialog, [&] {
      for (int row = 0; row < dialog.List.GetItemCount(); ++row) first.push_back(dialog.List.GetItemText(row, 0).Str());
    });
    if (list) {
      EXPECT_EQ(first, (std::vector<std::string>{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"}));
    } else {
      EXPECT_TRUE(first.empty());
    }
  }
}

}  // namespace
