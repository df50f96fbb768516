#include <gtest/gtest.h>
#include <vtkNew.h>
#include <vtkSmartPointer.h>
#include <vtkWeakPointer.h>

#include <vector>

#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkEndoImpVirtual.h"
#include "libraries/vtkGeomsLib.h"
#include "libraries/vtkImplantLib.h"
#include "libraries/vtkImplantVirtual.h"
#include "libraries/vtkOrtoImpLib.h"

namespace {

// Adds a new item named `name` and leaves the collection the only holder.
template <class Item>
Item* AddItem(vtkCollection* items, const char* name) {
  vtkNew<Item> item;
  item->Name = name;
  items->AddItem(item);
  return item;
}

std::vector<vtkSmartPointer<vtkLibrary>> OneLibraryOfEachClass() {
  return {vtkSmartPointer<vtkGeomsLib>::New(), vtkSmartPointer<vtkEndoImpLib>::New(),
          vtkSmartPointer<vtkOrtoImpLib>::New(), vtkSmartPointer<vtkImplantLib>::New()};
}

}  // namespace

TEST(vtkLibrary, StartsEmptyAndClearEmptiesItemsAndStringsButKeepsTheCollections) {
  for (vtkLibrary* library : OneLibraryOfEachClass()) {
    SCOPED_TRACE(library->GetClassName());
    EXPECT_TRUE(library->Name.IsEmpty() && library->Identifier.IsEmpty() && library->Password.IsEmpty());
    std::vector<vtkCollection*> collections;
    for (int which = 0; which < library->GetNumberOfCollections(); ++which) {
      collections.push_back(library->GetCollection(which));
      EXPECT_EQ(collections.back()->GetNumberOfItems(), 0);
    }
    library->Clear();  // nothing to clear
    EXPECT_TRUE(library->Name.IsEmpty());

    library->Name = "Padrão";
    library->Identifier = " 4711";
    library->Password = "segredo";
    vtkWeakPointer<vtkObject> item;
    for (vtkCollection* items : collections) item = AddItem<vtkGeom>(items, "Item");
    library->Clear();
    EXPECT_TRUE(library->Name.IsEmpty() && library->Identifier.IsEmpty() && library->Password.IsEmpty());
    for (int which = 0; which < library->GetNumberOfCollections(); ++which) {
      EXPECT_EQ(library->GetCollection(which), collections[which]);
      EXPECT_EQ(collections[which]->GetNumberOfItems(), 0);
    }
    EXPECT_EQ(item, nullptr) << "the collection held the only reference";
  }
}

TEST(vtkLibrary, LookUpAnswersTheFirstItemOfTheNameUnderTheExactIdentifier) {
  vtkNew<vtkGeomsLib> teeth;
  teeth->Name = "Dentes";
  teeth->Identifier = " 4711";
  vtkGeom* first = AddItem<vtkGeom>(teeth->Items, "Canino");
  AddItem<vtkGeom>(teeth->Items, "Incisivo");
  AddItem<vtkGeom>(teeth->Items, "Canino");

  EXPECT_EQ(teeth->FindItem(" 4711", "Canino"), first);
  EXPECT_EQ(teeth->FindItem(" 4711", "Incisivo"), teeth->GetItem(1));
  EXPECT_EQ(teeth->FindItem(" 4711", "canino"), nullptr);   // case-sensitive
  EXPECT_EQ(teeth->FindItem(" 4711", "Canino "), nullptr);  // exact
  EXPECT_EQ(teeth->FindItem("4711", "Canino"), nullptr);    // identifier exact, blanks included
  EXPECT_EQ(teeth->FindItem("", "Canino"), nullptr);
  EXPECT_EQ(teeth->GetItem(-1), nullptr);
  EXPECT_EQ(teeth->GetItem(3), nullptr);

  // Implants and components are looked up apart.
  vtkNew<vtkImplantLib> implants;
  implants->Identifier = "   12";
  AddItem<vtkImplantCustom>(implants->Implants, "Pilar");
  vtkImplantCustom* component = AddItem<vtkImplantCustom>(implants->Components, "Pilar");
  vtkImplantCustom* implant = AddItem<vtkImplantCustom>(implants->Implants, "CM 3.5");
  EXPECT_EQ(implants->FindComponent("   12", "Pilar"), component);
  EXPECT_EQ(implants->FindImplant("   12", "CM 3.5"), implant);
  EXPECT_EQ(implants->FindComponent("   12", "CM 3.5"), nullptr);
  EXPECT_EQ(implants->GetImplant(1), implant);
  EXPECT_EQ(implants->GetComponent(1), nullptr);
}

TEST(vtkLibrary, CopySharesTheItemsSoClearingOneLibraryLeavesThemInTheOther) {
  vtkNew<vtkEndoImpLib> current;
  AddItem<vtkEndoImplant>(current->Items, "Antigo");
  vtkWeakPointer<vtkEndoImplant> shared;
  {
    vtkNew<vtkEndoImpLib> chosen;
    chosen->Name = "Limas";
    chosen->Identifier = "  815";
    chosen->Password = "x";
    shared = AddItem<vtkEndoImplant>(chosen->Items, "Lima K");
    ASSERT_TRUE(current->CopyFrom(chosen));
    EXPECT_EQ(current->Name, CString("Limas"));
    EXPECT_EQ(current->Identifier, CString("  815"));
    EXPECT_EQ(current->Password, CString("x"));
    ASSERT_EQ(current->GetNumberOfItems(), 1);
    EXPECT_EQ(current->GetItem(0), shared);  // the same item, not a copy
    chosen->Clear();
    EXPECT_NE(shared, nullptr);
  }
  EXPECT_EQ(current->FindItem("  815", "Lima K"), shared);
  current->Clear();
  EXPECT_EQ(shared, nullptr);

  // Only a library of the same class, other than itself.
  vtkNew<vtkOrtoImpLib> twin;
  twin->Name = "Ortodontia";
  AddItem<vtkEndoImplant>(current->Items, "Mantido");
  EXPECT_FALSE(current->CopyFrom(twin));
  EXPECT_FALSE(current->CopyFrom(current));
  EXPECT_FALSE(current->CopyFrom(nullptr));
  EXPECT_EQ(current->GetNumberOfItems(), 1);
  EXPECT_TRUE(current->Name.IsEmpty());

  // Appending keeps what the library held.
  vtkNew<vtkEndoImpLib> more;
  AddItem<vtkEndoImplant>(more->Items, "Nova");
  ASSERT_TRUE(current->AddContentOf(more));
  ASSERT_EQ(current->GetNumberOfItems(), 2);
  EXPECT_EQ(current->GetItem(0)->Name, CString("Mantido"));
  EXPECT_EQ(current->GetItem(1)->Name, CString("Nova"));
}

TEST(vtkMultiPartItem, DeletingAMainItemReleasesItsBodyPositionsAndSections) {
  auto* item = vtkOrtoImplant::New();
  vtkWeakPointer<vtkPolyData> body = item->Mesh.Get();
  std::vector<vtkWeakPointer<vtkObject>> owned;
  for (int p = 0; p < 2; ++p) {
    vtkCollection* position = item->AddPosition();
    owned.emplace_back(position);
    for (int s = 0; s < 3; ++s) {
      vtkOrtoImpSec* section = AddItem<vtkOrtoImpSec>(position, "Bráquete");
      owned.emplace_back(section);
      owned.emplace_back(section->Mesh.Get());
    }
  }
  ASSERT_EQ(item->GetNumberOfPositions(), 2);
  ASSERT_EQ(item->GetNumberOfSections(1), 3);
  EXPECT_NE(item->GetSection(1, 2), nullptr);
  EXPECT_EQ(item->GetSection(1, 3), nullptr);
  EXPECT_EQ(item->GetSection(2, 0), nullptr);
  EXPECT_EQ(item->GetSection(-1, 0), nullptr);
  EXPECT_EQ(item->GetNumberOfSections(5), 0);
  EXPECT_EQ(vtkEndoImpSec::SafeDownCast(item->GetSectionItem(0, 0)), nullptr) << "twins are distinct classes";

  item->Delete();
  EXPECT_EQ(body, nullptr);
  ASSERT_EQ(owned.size(), 14u);
  for (const auto& object : owned) EXPECT_EQ(object, nullptr);
}

TEST(vtkLibraryItem, NewItemsAndRecordsHoldTheirDefaults) {
  vtkNew<vtkGeom> tooth;
  vtkNew<vtkEndoImpSec> section;
  for (vtkLibraryItem* item : {static_cast<vtkLibraryItem*>(tooth), static_cast<vtkLibraryItem*>(section)}) {
    EXPECT_EQ(item->Color[0] + item->Color[1] + item->Color[2], 3.0f);
    EXPECT_TRUE(item->Name.IsEmpty());
    EXPECT_EQ(item->Mesh->GetNumberOfPoints(), 0);
  }
  vtkNew<vtkImplantCustom> implant;
  EXPECT_EQ(implant->Kind, vtkImplantCustom::FromFile);
  EXPECT_EQ(implant->Diameter + implant->Length + implant->Angle + implant->WasherHeight + implant->WasherDistance +
                implant->WasherOuterDiameter + implant->WasherInnerDiameter,
            0.0f);

  vtkNew<vtkEndoImpVirtual> placed;
  EXPECT_EQ(placed->PartCount, 0);
  for (const CString& name : placed->PartNames) EXPECT_TRUE(name.IsEmpty());

  vtkNew<vtkImplantVirtual> screw;
  for (int flag : {1, 0}) {
    screw->SetLibraryFlag(flag);
    EXPECT_EQ(screw->LibraryFlag, flag);
    EXPECT_EQ(screw->LibraryFlagCopy, flag);
  }
}
