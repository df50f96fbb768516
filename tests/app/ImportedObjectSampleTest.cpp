// The bone surface of the head CT in the test data, imported into the sample
// project of that CT as the STL import does it: its outlines in the three 2D
// views lie on the bone that the views show. With QLM_IMPORTED_SCREENSHOT
// set, the main window is saved there with the outlines on.
#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSTLReader.h>
#include <vtkSTLWriter.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>
#include <vtkXMLPolyDataReader.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "SampleProject.h"
#include "SampleProjectFixture.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmGeometries.h"
#include "toolkit/QlmPlanningFrame.h"
#include "toolkit/vtkPolyDataCutterAxial.h"
#include "toolkit/vtkPolyDataCutterCross9.h"
#include "toolkit/vtkPolyDataCutterPanoramic.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

namespace {

using Vector = std::array<double, 3>;

// The surface's level in the sample's values (HU + 1024) and how far the outlines' median may lie from it.
constexpr double BoneLevel = 1255.0;
constexpr double Tolerance = 100.0;

double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  const auto middle = values.begin() + values.size() / 2;
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

class ImportedObjectSampleTest : public SampleProjectFixture {
protected:
  void SetUp() override {
    SampleProjectFixture::SetUp();
    if (!this->Opened()) return;
    QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumSurface);
  }

  vtkImageData* Volume() const { return this->Q->CTData->ImageData; }

  // The surface as an STL file in the sample's frame. The surface gives row j
  // of the head CT at y = -j * spacing; the sample keeps the columns from
  // SampleProject::JawColumns[0] on and reverses the rows.
  std::string SurfaceStl() const {
    vtkNew<vtkXMLPolyDataReader> reader;
    reader->SetFileName(QlmTestData::Path(QlmTestData::CraniumSurface).c_str());
    const double* spacing = QlmTestData::CraniumSpacing;
    const double* origin = this->Volume()->GetOrigin();
    vtkNew<vtkTransform> toSample;
    toSample->Translate(origin[0] - SampleProject::JawColumns[0] * spacing[0],
                        origin[1] + (QlmTestData::CraniumDims[1] - 1 - SampleProject::JawRows[0]) * spacing[1],
                        origin[2]);
    vtkNew<vtkTransformPolyDataFilter> moved;
    moved->SetInputConnection(reader->GetOutputPort());
    moved->SetTransform(toSample);
    vtkNew<vtkSTLWriter> writer;
    writer->SetInputConnection(moved->GetOutputPort());
    const std::string path = this->Files.File("Osso.stl");
    writer->SetFileName(path.c_str());
    writer->SetFileTypeToBinary();
    EXPECT_EQ(writer->Write(), 1) << path;
    return path;
  }

  // The import command's steps, then every cut switched on.
  CQlmObject* Import(const std::string& stl) const {
    CQlmQuorvantile& q = *this->Q;
    vtkNew<vtkSTLReader> reader;
    reader->SetFileName(stl.c_str());
    reader->Update();
    CQlmGeometries& geometries = *q.Geometries;
    CQlmObject* object = geometries.GetObjectList().AddNewObject();
    object->SetPolyData(reader->GetOutput());
    object->SetColor(1.0f, 0.5f, 0.2f);
    object->SetVisibility(1);
    object->SetWindow(q.Window3D);
    object->AddToRenderer();
    object->Name = "Osso";
    geometries.BuildViewObjectsOfLast();
    q.AxialView->SetSlice(this->Volume()->GetDimensions()[2] / 2);
    geometries.SetAxialIndex(q.CTFilter->GetAxialFilter()->GetCurrentSlice());
    geometries.SetCrossIndex(q.CTFilter->GetCrossFilter()->GetFirstIndex());
    const int last = geometries.GetObjectList().GetCount() - 1;
    geometries.GetAxialList().GetListItemAt(last)->SetVisibility(1);
    geometries.GetCross9List().GetListItemAt(last)->SetVisibility(1);
    geometries.GetPanoramicList().GetListItemAt(last)->SetVisibility(1);
    std::fill(std::begin(object->CutShown), std::end(object->CutShown), 1);
    return object;
  }

  // The grey of the voxel nearest to a volume point; none outside the volume.
  bool GreyAt(const Vector& point, double& grey) const {
    vtkImageData* volume = this->Volume();
    int ijk[3];
    for (int axis = 0; axis < 3; ++axis) {
      ijk[axis] = int(std::lround((point[axis] - volume->GetOrigin()[axis]) / volume->GetSpacing()[axis]));
      if (ijk[axis] < 0 || ijk[axis] >= volume->GetDimensions()[axis]) return false;
    }
    grey = volume->GetScalarComponentAsDouble(ijk[0], ijk[1], ijk[2], 0);
    return true;
  }

  // The CT under every point of `outline`, each point taken to the volume by `toVolume`.
  std::vector<double> GreysUnder(vtkPolyData* outline, const std::function<Vector(const double*)>& toVolume) const {
    std::vector<double> greys;
    for (vtkIdType i = 0; i < outline->GetNumberOfPoints(); ++i) {
      double grey = 0.0;
      if (this->GreyAt(toVolume(outline->GetPoint(i)), grey)) greys.push_back(grey);
    }
    return greys;
  }

  // Axial outline: planning x and y in the plane of the current slice.
  std::vector<double> AxialGreys(CQlmGeometries& geometries, int i) const {
    vtkPolyDataCutterAxial& cutter = *geometries.GetAxialList().GetListItemAt(i)->GetAxialCutter();
    cutter.Update();
    const int slice = this->Q->CTFilter->GetAxialFilter()->GetCurrentSlice();
    const double z = this->Volume()->GetOrigin()[2] + slice * this->Volume()->GetSpacing()[2];
    const QlmPlanningFrame frame(this->Volume());
    return this->GreysUnder(cutter.GetOutput(), [&](const double* p) {
      Vector volume;
      const double planning[3] = {p[0], p[1], 0.0};
      frame.ToVolume(planning, volume.data());
      volume[2] = z;
      return volume;
    });
  }

  // Cross-section outlines: cell k in the plane frame of section k.
  std::vector<double> CrossGreys(CQlmGeometries& geometries, int i) const {
    vtkPolyDataCutterCross9& cutter = *geometries.GetCross9List().GetListItemAt(i)->GetCrossCutter();
    cutter.Update();
    std::vector<double> greys;
    for (int k = 0; k < vtkPolyDataCutterCross9::Sections; ++k) {
      vtkMatrix4x4* section = cutter.GetMatrixCutter(k);
      const std::vector<double> cell = this->GreysUnder(cutter.GetOutput(k), [&](const double* p) {
        const double local[4] = {p[0], p[1], 0.0, 1.0};
        double world[4];
        section->MultiplyPoint(local, world);
        return Vector{world[0], world[1], world[2]};
      });
      greys.insert(greys.end(), cell.begin(), cell.end());
    }
    return greys;
  }

  // Panoramic outline: x along the current curve from its middle, y above the volume centre.
  std::vector<double> PanoramicGreys(CQlmGeometries& geometries, int i) const {
    CQlmQuorvantile& q = *this->Q;
    vtkPolyDataCutterPanoramic& cutter = *geometries.GetPanoramicList().GetListItemAt(i)->GetPanoramicCutter();
    cutter.Update();
    const QlmPlanningFrame frame(this->Volume());
    const float half = q.PanoramicCalc->GetCurveLength() / 2;
    return this->GreysUnder(cutter.GetOutput(), [&](const double* p) {
      float onCurve[3];
      q.PanoramicCalc->GetCurvePoint(half + float(p[0]), onCurve);
      const double planning[3] = {onCurve[0], onCurve[1], p[1]};
      Vector volume;
      frame.ToVolume(planning, volume.data());
      return volume;
    });
  }
};

TEST_F(ImportedObjectSampleTest, TheBoneSurfacesOutlinesLieOnTheBoneOfEveryView) {
  if (!this->Opened() || IsSkipped()) return;
  CQlmQuorvantile& q = *this->Q;
  CQlmObject* object = this->Import(this->SurfaceStl());
  ASSERT_GT(object->GetPolyData()->GetNumberOfPolys(), 100000);
  EXPECT_TRUE(q.Window3D->Renderer3->HasViewProp(object->GetSurfaceActor()));

  CQlmGeometries& geometries = *q.Geometries;
  const int i = geometries.GetObjectList().GetCount() - 1;
  const struct {
    const char* view;
    std::vector<double> greys;
  } views[] = {{"axial", this->AxialGreys(geometries, i)},
               {"cross-section", this->CrossGreys(geometries, i)},
               {"panoramic", this->PanoramicGreys(geometries, i)}};
  for (const auto& view : views) {
    EXPECT_GT(view.greys.size(), 50u) << view.view;
    EXPECT_NEAR(Median(view.greys), BoneLevel, Tolerance) << view.view << " over " << view.greys.size() << " points";
  }

  if (const char* picture = std::getenv("QLM_IMPORTED_SCREENSHOT")) {
    EXPECT_TRUE(this->SaveWindow(picture)) << picture;
  }
}

}  // namespace
