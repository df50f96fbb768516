#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSTLReader.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <map>
#include <string>
#include <vector>

#include "ImplantScene.h"
#include "FittedMesh.h"
#include "QlmTestData.h"
#include "libraries/vtkImplantLib.h"
#include "platform/CStringArray.h"
#include "toolkit/vtkImplantAxial.h"
#include "toolkit/vtkImplantCross9.h"
#include "toolkit/vtkImplantPanoramic.h"

namespace {

constexpr const char* ImplantMesh = "meshes/stl/Wuson.stl";
constexpr const char* ComponentMesh = "meshes/pig.stl";

vtkSmartPointer<vtkImplantLib> Library(const char* name, const char* identifier) {
  auto library = vtkSmartPointer<vtkImplantLib>::New();
  library->Name = name;
  library->Identifier = identifier;
  return library;
}

void PutImplant(vtkImplantLib* library, const char* name, float diameter, float length, float red) {
  vtkNew<vtkImplantCustom> item;
  item->Name = name;
  item->Diameter = diameter;
  item->Length = length;
  item->Color[0] = red, item->Color[1] = 0.2f, item->Color[2] = 0.1f;
  item->WasherHeight = 4, item->WasherDistance = 6, item->WasherOuterDiameter = 5.5f, item->WasherInnerDiameter = 4.4f;
  item->WasherColor[0] = 0.1f, item->WasherColor[1] = 0.9f, item->WasherColor[2] = 0.5f;
  FitMesh(ImplantMesh, diameter, -length, 0, item->Mesh);
  library->Implants->AddItem(item);
}

void PutComponent(vtkImplantLib* library, const char* name, float height, float angle) {
  vtkNew<vtkImplantCustom> item;
  item->Name = name;
  item->Length = height;
  item->Angle = angle;
  item->Color[0] = 0.3f, item->Color[1] = 0.8f, item->Color[2] = 0.3f;
  FitMesh(ComponentMesh, 3.5, 0, height, item->Mesh);
  library->Components->AddItem(item);
}

// The current library " 11" and the library files "Sistema B" (" 22") and
// "Sistema C" (" 33"), read through a loader that records every file it reads.
class CQlmImplantLibraryTest : public ::testing::Test, public ImplantScene {
protected:
  void SetUp() override {
    QLM_REQUIRE_TEST_DATA(ImplantMesh);
    QLM_REQUIRE_TEST_DATA(ComponentMesh);
    this->Implants.SetConectorColor(0.0f, 0.5f, 1.0f);

    PutImplant(this->Current, "Cone 4.0", 4.0f, 11.5f, 0.9f);
    PutComponent(this->Current, "Reto", 6.0f, 0.0f);
    auto systemB = Library("Sistema B", " 22");
    PutImplant(systemB, "Cone 5.0", 5.0f, 13.0f, 0.7f);
    PutImplant(systemB, "Ancor Pin", 1.5f, 8.0f, 0.6f);
    PutComponent(systemB, "Angulado", 7.0f, 17.0f);
    auto systemC = Library("Sistema C", " 33");
    PutImplant(systemC, "Cone 4.0", 4.1f, 9.0f, 0.5f);
    this->Files = {{"Sistema B", systemB}, {"Sistema C", systemC}};
    this->Implants.SetLibraryLoader([this](vtkImplantLib* library) {
      this->Loaded.push_back(library->Name.c_str());
      auto file = this->Files.find(library->Name.c_str());
      return file != this->Files.end() && library->CopyFrom(file->second) ? 1 : 0;
    });
    this->SetNames({"Sistema C", "Falta", "Sistema B"});
  }
  void SetNames(const std::vector<const char*>& names) {
    CStringArray array;
    for (const char* name : names) array.Add(name);
    this->Implants.SetLibraries(this->Current, array);
  }
  int Add(const char* identifier, const char* name, const char* component) {
    const double point[3] = {0, 0, 0};
    return this->Implants.AddLibraryImplant(&this->Axial, point, identifier, "Plataforma", name, component, 3.3f, 8.5f,
                                            4.5f, 0, -1);
  }
  CQlmImplant3D* Last() { return this->Implants.GetList3D()->GetLast(); }
  std::vector<CQlmImplantCut*> Cuts(int i) {
    return {this->Implants.GetListAxial()->GetListItemAt(i), this->Implants.GetListCross()->GetListItemAt(i),
            this->Implants.GetListPanoramic()->GetListItemAt(i)};
  }

  vtkSmartPointer<vtkImplantLib> Current = Library("Atual", " 11");
  std::map<std::string, vtkSmartPointer<vtkImplantLib>> Files;
  std::vector<std::string> Loaded;
};

TEST_F(CQlmImplantLibraryTest, ItemOfTheCurrentLibraryLoadsNoFile) {
  ASSERT_EQ(this->Add(" 11", "Cone 4.0", "Reto"), 1);
  EXPECT_TRUE(this->Loaded.empty());
  CQlmImplant3D* implant = this->Last();
  EXPECT_EQ(implant->LibraryImplant, 1);
  EXPECT_EQ(implant->GenericComponent, 0);
  EXPECT_FLOAT_EQ(implant->GetDiameter(), 4.0f);
  EXPECT_FLOAT_EQ(implant->GetLength(), 11.5f);
  EXPECT_FLOAT_EQ(implant->GetConectorHeight(), 6.0f);
  EXPECT_EQ(implant->ImplantName, "Cone 4.0");
  EXPECT_EQ(implant->ComponentName, "Reto");
  EXPECT_EQ(implant->LibraryIdentifier, " 11");
  EXPECT_EQ(implant->Platform, "Plataforma");
  EXPECT_FLOAT_EQ(implant->GetScrewColor()[0], 0.9f);
  EXPECT_FLOAT_EQ(implant->GetConectorColor()[1], 0.8f);
  // The implant body is the library's mesh, not a cylinder.
  double bounds[6];
  implant->GetScrewMesh()->GetBounds(bounds);
  EXPECT_NEAR(bounds[4], -11.5, 1e-3);
  EXPECT_GT(implant->GetScrewMesh()->GetNumberOfPoints(), 100);
  // Washer values: start, end, outer, inner, colour.
  const std::vector<float> ring(implant->RingValues, implant->RingValues + 7);
  EXPECT_EQ(ring, (std::vector<float>{6, 10, 5.5f, 4.4f, 0.1f, 0.9f, 0.5f}));
  for (CQlmImplantCut* cut : this->Cuts(0)) EXPECT_EQ(cut->GetLibraryImplant(), 1);
  EXPECT_EQ(this->Implants.GetListAxial()->GetListItemAt(0)->GetCutter()->GetFill(), 0);
}

TEST_F(CQlmImplantLibraryTest, StandardComponentNeverSearchesAndTakesTheContainersColour) {
  ASSERT_EQ(this->Add(" 11", "Cone 4.0", "Standard"), 1);
  EXPECT_TRUE(this->Loaded.empty());
  CQlmImplant3D* implant = this->Last();
  EXPECT_EQ(implant->GenericComponent, 1);
  EXPECT_EQ(implant->ComponentName, "Standard");
  EXPECT_FLOAT_EQ(implant->GetConectorHeight(), 4.5f);
  EXPECT_FLOAT_EQ(implant->GetConectorColor()[2], 1.0f);
  EXPECT_FLOAT_EQ(implant->GetConectorColor()[1], 0.5f);
}

TEST_F(CQlmImplantLibraryTest, FilesAreReadInListOrderAndOtherIdentifiersAreSkipped) {
  struct Case {
    const char* name;
    const char* identifier;
    const char* item;
    std::vector<std::string> loaded;
    float diameter;  // 0: none found
  };
  const std::vector<Case> cases = {
      {"current library's identifier", " 11", "Cone 4.0", {}, 4.0f},
      {"same name, other identifier", " 33", "Cone 4.0", {"Sistema C"}, 4.1f},
      {"after a file that fails to load", " 22", "Cone 5.0", {"Sistema C", "Falta", "Sistema B"}, 5.0f},
      {"nowhere", " 22", "Cone 9.0", {"Sistema C", "Falta", "Sistema B"}, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    this->Loaded.clear();
    vtkImplantCustom* found = this->Implants.FindLibraryImplant(c.identifier, "", c.item);
    EXPECT_EQ(this->Loaded, c.loaded);
    ASSERT_EQ(found != nullptr, c.diameter != 0.0f);
    if (found) {
      EXPECT_FLOAT_EQ(found->Diameter, c.diameter);
    }
  }
  this->Loaded.clear();
  vtkImplantCustom* component = this->Implants.FindLibraryComponent(" 22", "", "Angulado");
  ASSERT_NE(component, nullptr);
  EXPECT_FLOAT_EQ(component->Angle, 17.0f);
}

TEST_F(CQlmImplantLibraryTest, UnknownImplantIsGenericWithTheGivenDimensions) {
  ASSERT_EQ(this->Add(" 22", "Cone 9.0", "Angulado"), 1);
  CQlmImplant3D* implant = this->Last();
  EXPECT_EQ(implant->LibraryImplant, 0);
  EXPECT_FLOAT_EQ(implant->GetDiameter(), 3.3f);
  EXPECT_FLOAT_EQ(implant->GetLength(), 8.5f);
  EXPECT_FLOAT_EQ(implant->GetConectorHeight(), 4.5f);
  EXPECT_EQ(implant->ImplantName, "Standard");
}

TEST_F(CQlmImplantLibraryTest, AnchorPinHasNoConnectorInAnyView) {
  ASSERT_EQ(this->Add(" 22", "Ancor Pin", "Angulado"), 1);
  CQlmImplant3D* implant = this->Last();
  EXPECT_EQ(implant->GetShowConector(), 0);
  EXPECT_EQ(implant->GetConectorActor()->GetVisibility(), 0);
  EXPECT_FLOAT_EQ(implant->ComponentAngle, 17.0f);
  for (CQlmImplantCut* cut : this->Cuts(0)) EXPECT_EQ(cut->GetCutter()->GetVisibilityConector(), 0);
}

TEST_F(CQlmImplantLibraryTest, ChangesKeepThePlacementAndIgnoreMissingIndices) {
  this->Add(" 11", "Cone 4.0", "Reto");
  this->Add(" 11", "Cone 4.0", "Standard");
  CQlmImplant3D* first = this->Implants.GetList3D()->GetListItemAt(0);
  vtkNew<vtkTransform> placement;
  placement->Translate(20, 25, 12);
  placement->RotateX(30);
  first->SetMatrix(placement->GetMatrix()->GetData());
  first->SetScrewColor(0.4f, 0.4f, 0.4f);
  for (int bad : {-1, 2}) {
    this->Implants.ChangeImplant(bad, 6, 6, 6);
    this->Implants.ChangeLibraryImplant(bad, " 22", "", "Cone 5.0", "Standard", 6, 6, 6);
  }
  EXPECT_EQ(this->Implants.GetCount(), 2);
  EXPECT_EQ(this->Implants.GetList3D()->GetListItemAt(0), first);

  this->Implants.ChangeImplant(0, 3.0f, 7.0f, 2.0f);
  CQlmImplant3D* changed = this->Implants.GetList3D()->GetListItemAt(0);
  EXPECT_FLOAT_EQ(changed->GetDiameter(), 3.0f);
  EXPECT_EQ(changed->LibraryImplant, 0);
  EXPECT_EQ(changed->GetNumber(), 1);
  EXPECT_NEAR(changed->GetMatrix()->GetElement(1, 3), 25, 1e-9);
  EXPECT_FLOAT_EQ(changed->GetScrewColor()[0], 0.4f);
  EXPECT_EQ(this->Implants.GetListAxial()->GetListItemAt(0)->GetImplant(), changed);

  this->Implants.ChangeLibraryImplant(1, " 22", "", "Cone 5.0", "Standard", 3, 3, 3);
  CQlmImplant3D* library = this->Implants.GetList3D()->GetListItemAt(1);
  EXPECT_EQ(library->LibraryImplant, 1);
  EXPECT_FLOAT_EQ(library->GetDiameter(), 5.0f);
  EXPECT_FLOAT_EQ(library->GetScrewColor()[0], 0.7f);
  EXPECT_EQ(library->GetSelected(), 1);
  for (CQlmImplantCut* cut : this->Cuts(1)) EXPECT_EQ(cut->GetLibraryImplant(), 1);
}

}  // namespace
