#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkNew.h>
#include <vtkProperty.h>
#include <vtkSphereSource.h>

#include "ArchScene.h"
#include "objects/CQlmGeometries.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "toolkit/vtkPolyDataCutterAxial.h"
#include "toolkit/vtkPolyDataCutterCross9.h"
#include "toolkit/vtkPolyDataCutterPanoramic.h"

namespace {

// The arch scene and one imported sphere in the middle of the volume.
class CQlmGeometriesTest : public ::testing::Test, public ArchScene {
protected:
  CQlmGeometriesTest() {
    this->Geometries.SetWindows(&this->Window3D, &this->Axial, &this->Cross, &this->Panoramic);
    this->Geometries.SetInput(this->Image, &this->Calculator, 2.0f);
  }

  CQlmObject* Import() {
    vtkNew<vtkSphereSource> sphere;
    sphere->SetCenter(30, 30, 20);
    sphere->SetRadius(8);
    sphere->Update();
    CQlmObject* object = this->Geometries.GetObjectList().AddNewObject();
    object->SetPolyData(sphere->GetOutput());
    object->SetColor(1.0f, 0.5f, 0.2f);
    object->SetWindow(&this->Window3D);
    object->AddToRenderer();
    this->Geometries.BuildViewObjectsOfLast();
    return object;
  }

  CQlmGeometries Geometries;
};

TEST_F(CQlmGeometriesTest, NewCutsStartHiddenInTheOutlineLayerWithTheObjectsColour) {
  this->Import();
  CQlmGeometryAxial* axial = this->Geometries.GetAxialList().GetListItemAt(0);
  CQlmGeometryCross9* cross = this->Geometries.GetCross9List().GetListItemAt(0);
  CQlmGeometryPanoramic* panoramic = this->Geometries.GetPanoramicList().GetListItemAt(0);
  ASSERT_TRUE(axial && cross && panoramic);
  EXPECT_EQ(axial->GetObject(), this->Geometries.GetObjectList().GetFirst());
  for (CQlmMeshCut* cut : std::initializer_list<CQlmMeshCut*>{axial, cross, panoramic}) {
    EXPECT_EQ(cut->GetVisible(), 0);
    EXPECT_FALSE(cut->GetActor(0)->GetVisibility());
    EXPECT_FLOAT_EQ(cut->GetColor()[1], 0.5f);
  }
  EXPECT_TRUE(this->Axial.Holds(2, axial->GetActor(0)));
  EXPECT_TRUE(this->Panoramic.Holds(2, panoramic->GetActor(0)));
  EXPECT_TRUE(this->Cross.Holds(8, 2, cross->GetActor(8)));

  axial->SetVisibility(1);
  EXPECT_TRUE(axial->GetActor(0)->GetVisibility());
}

TEST_F(CQlmGeometriesTest, PositionsReachEveryCutButThePanoramicIndexChangesNone) {
  this->Import();
  this->Import();
  this->Geometries.SetAxialIndex(20);
  this->Geometries.SetCrossIndex(5);
  this->Geometries.GetAxialList().ForEach([](CQlmGeometryAxial* cut) { EXPECT_EQ(cut->GetAxialIndex(), 20); });
  this->Geometries.GetCross9List().ForEach([](CQlmGeometryCross9* cut) { EXPECT_EQ(cut->GetCrossIndex(), 5); });

  std::vector<vtkMTimeType> before;
  auto times = [this] {
    std::vector<vtkMTimeType> all;
    this->Geometries.GetAxialList().ForEach([&](CQlmGeometryAxial* c) { all.push_back(c->GetAxialCutter()->GetMTime()); });
    this->Geometries.GetCross9List().ForEach([&](CQlmGeometryCross9* c) { all.push_back(c->GetCrossCutter()->GetMTime()); });
    this->Geometries.GetPanoramicList().ForEach(
        [&](CQlmGeometryPanoramic* c) { all.push_back(c->GetPanoramicCutter()->GetMTime()); });
    return all;
  };
  before = times();
  this->Geometries.SetPanoramicIndex(3);
  EXPECT_EQ(times(), before);
}

TEST_F(CQlmGeometriesTest, ThickPanoramicMakesTheOutlinesTranslucent) {
  this->Import();
  this->Geometries.SetPanoramicThick(1);
  vtkActor* actor = this->Geometries.GetPanoramicList().GetFirst()->GetActor(0);
  EXPECT_DOUBLE_EQ(actor->GetProperty()->GetOpacity(), 0.3);
  EXPECT_EQ(this->Geometries.GetPanoramicList().GetFirst()->GetPanoramicCutter()->GetThick(), 1);
  this->Import();
  EXPECT_DOUBLE_EQ(this->Geometries.GetPanoramicList().GetLast()->GetActor(0)->GetProperty()->GetOpacity(), 0.3);
  this->Geometries.SetPanoramicThick(0);
  EXPECT_DOUBLE_EQ(actor->GetProperty()->GetOpacity(), 1.0);
}

TEST_F(CQlmGeometriesTest, ACutListRecordIsItsCountAlone) {
  this->Import();
  this->Import();
  CMemFile file;
  CArchive writer(&file, CArchive::store);
  this->Geometries.GetCross9List().Serialize(writer);
  writer.Close();
  EXPECT_EQ(file.Data(), (std::vector<uint8_t>{2, 0, 0, 0}));

  CQlmGeometryAxialList list;
  CMemFile source(file.Data());
  CArchive reader(&source, CArchive::load);
  list.Serialize(reader);
  EXPECT_EQ(list.GetCount(), 2);
}

TEST_F(CQlmGeometriesTest, TheContainerTakesItsActorsOutOfTheWindowsWhenDeleted) {
  auto* geometries = new CQlmGeometries;
  geometries->SetWindows(&this->Window3D, &this->Axial, &this->Cross, &this->Panoramic);
  geometries->SetInput(this->Image, &this->Calculator, 2.0f);
  vtkNew<vtkSphereSource> sphere;
  sphere->Update();
  CQlmObject* object = geometries->GetObjectList().AddNewObject();
  object->SetPolyData(sphere->GetOutput());
  object->SetWindow(&this->Window3D);
  object->AddToRenderer();
  geometries->BuildViewObjects();
  EXPECT_EQ(this->Window3D.PropCount(3), 2);
  EXPECT_EQ(this->Axial.PropCount(2), 1);
  delete geometries;
  EXPECT_EQ(this->Window3D.PropCount(3), 0);
  EXPECT_EQ(this->Axial.PropCount(2), 0);
}

}  // namespace
