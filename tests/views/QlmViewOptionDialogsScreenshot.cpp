// Draws the view-option and measurement dialogs, each as it opens with its
// fields filled, into one PNG montage for the documentation:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" QlmViewOptionDialogsScreenshot docs/view-option-dialogs.png
#include <vtkCubeSource.h>
#include <vtkMatrix4x4.h>
#include <vtkSphereSource.h>
#include <vtkTransform.h>
#include <vtkTriangleFilter.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmObjectList.h"
#include "platform/gui/CDialog.h"
#include "views/CDialog3DAreaVol.h"
#include "views/CDialogContrast.h"
#include "views/CDialogFloat.h"
#include "views/CDialogImplantAdv.h"
#include "views/CDialogImplantAngle.h"
#include "views/CDialogIndicators.h"
#include "views/CDialogReformat.h"
#include "views/CDialogWndAdv.h"

namespace {

// The dialog's window as shown, after `fill` has set its controls.
QImage Picture(CDialog& dialog, const std::function<void()>& fill = {}) {
  QImage picture;
  CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog& open) {
    if (fill) fill();
    QWidget* widget = open.GetSafeHwnd();
    widget->show();
    for (int round = 0; round < 10; ++round) QApplication::processEvents();
    picture = widget->grab().toImage();
    return INT_PTR(IDCANCEL);
  });
  dialog.DoModal();
  CDialog::SetModalHook(previous);
  return picture;
}

// Four implants leaning in different directions, the last one with a tilted connector.
void PlaceImplants(CQlmImplants& implants) {
  const double tilts[4][2] = {{8, 0}, {-4, 6}, {12, -3}, {-10, -8}};
  for (const auto& tilt : tilts) {
    CQlmImplant3D* implant = implants.GetList3D()->AddTail();
    implant->SetDimensions(4.0f, 11.5f, 2.0f);
    vtkNew<vtkTransform> placement;
    placement->RotateX(tilt[0]);
    placement->RotateY(tilt[1]);
    implant->SetMatrix(&placement->GetMatrix()->Element[0][0]);
  }
  vtkNew<vtkTransform> connector;
  connector->RotateX(15);
  implants.GetList3D()->GetLast()->SetConectorMatrix(&connector->GetMatrix()->Element[0][0]);
}

void AddObject(CQlmObjectList& objects, const char* name, vtkPolyDataAlgorithm* source) {
  vtkNew<vtkTriangleFilter> triangles;
  triangles->SetInputConnection(source->GetOutputPort());
  triangles->Update();
  CQlmObject* object = objects.AddNewObject();
  object->Name = name;
  object->SetPolyData(triangles->GetOutput());
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s picture.png\n", argv[0]);
    return 2;
  }
  QApplication application(argc, argv);
  std::vector<QImage> pictures;

  CDialogContrast contrast;
  pictures.push_back(Picture(contrast, [&] {
    contrast.SliderLower.SetPos(400);
    contrast.SliderUpper.SetPos(3200);
    contrast.EditLower.SetWindowText("400");
    contrast.EditUpper.SetWindowText("3200");
  }));
  CDialogFloat value;
  value.SetValue(3.5f);
  pictures.push_back(Picture(value));
  CDialogReformat reformat;
  reformat.Curves = 11;
  reformat.CurveSpacing = 1.0f;
  reformat.SectionWidth = 40.0f;
  reformat.SectionSpacing = 2.0f;
  pictures.push_back(Picture(reformat));
  CDialogImplantAdv implants;
  implants.Fill = 1;
  implants.Description = 0;
  implants.ShowDescription = 1;
  const float screw[3] = {0.8f, 0.8f, 0.2f};
  const float connector[3] = {0.2f, 0.6f, 1.0f};
  std::copy(std::begin(screw), std::end(screw), implants.ImplantColor);
  std::copy(std::begin(connector), std::end(connector), implants.ConnectorColor);
  pictures.push_back(Picture(implants));
  CDialogWndAdv windows;
  windows.SetDefaults();
  pictures.push_back(Picture(windows));
  CDialogIndicators indicators;
  indicators.SetDefaults();
  indicators.Backgrounds = 1;
  pictures.push_back(Picture(indicators));
  CQlmImplants implantContainer;
  PlaceImplants(implantContainer);
  CDialogImplantAngle angles;
  angles.ListImplants.Implants = &implantContainer;
  angles.ListConectors.Implants = &implantContainer;
  pictures.push_back(Picture(angles));
  CQlmObjectList objects;
  vtkNew<vtkCubeSource> cube;
  cube->SetXLength(10), cube->SetYLength(10), cube->SetZLength(10);
  AddObject(objects, "Cubo", cube);
  vtkNew<vtkSphereSource> sphere;
  sphere->SetRadius(5), sphere->SetThetaResolution(48), sphere->SetPhiResolution(48);
  AddObject(objects, "Esfera", sphere);
  CDialog3DAreaVol areas;
  areas.Objects = &objects;
  pictures.push_back(Picture(areas));

  // Two rows of four, each picture on a light ground with a margin.
  constexpr int Margin = 16;
  constexpr int Columns = 4;
  int width = 0;
  int rowHeights[2] = {};
  int columnWidths[Columns] = {};
  for (size_t i = 0; i < pictures.size(); ++i) {
    columnWidths[i % Columns] = std::max(columnWidths[i % Columns], pictures[i].width());
    rowHeights[i / Columns] = std::max(rowHeights[i / Columns], pictures[i].height());
  }
  for (int column : columnWidths) width += column + Margin;
  QImage montage(width + Margin, rowHeights[0] + rowHeights[1] + 3 * Margin, QImage::Format_RGB32);
  montage.fill(QColor(224, 224, 224));
  QPainter painter(&montage);
  for (size_t i = 0; i < pictures.size(); ++i) {
    int x = Margin;
    for (size_t column = 0; column < i % Columns; ++column) x += columnWidths[column] + Margin;
    const int y = Margin + (i / Columns) * (rowHeights[0] + Margin);
    painter.drawImage(x, y, pictures[i]);
  }
  painter.end();
  return montage.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
