#include "LibraryFixtures.h"

#include <gtest/gtest.h>
#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkCollection.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <cstdlib>
#include <cstring>

#include "libraries/CDentesLibFile.h"
#include "libraries/CEndoLibFile.h"
#include "libraries/CGeomsLibFile.h"
#include "libraries/CImpLibFile.h"
#include "libraries/COrtoLibFile.h"
#include "libraries/vtkImplantCustom.h"
#include "libraries/vtkLibrary.h"
#include "libraries/vtkMultiPartItem.h"
#include "platform/QlmAppData.h"
#include "platform/QlmCodePage1252.h"

namespace LibraryFixtures {

LibraryBytes& LibraryBytes::Raw(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  this->Data.insert(this->Data.end(), bytes, bytes + size);
  return *this;
}

LibraryBytes& LibraryBytes::Int32(int32_t value) { return this->Raw(&value, sizeof value); }
LibraryBytes& LibraryBytes::Float(float value) { return this->Raw(&value, sizeof value); }
LibraryBytes& LibraryBytes::Double(double value) { return this->Raw(&value, sizeof value); }
LibraryBytes& LibraryBytes::Rgb(const Color& color) { return this->Float(color[0]).Float(color[1]).Float(color[2]); }

LibraryBytes& LibraryBytes::Length(uint32_t length) {
  const uint8_t mark = 0xFF;
  if (length < 0xFF) {
    const auto byte = static_cast<uint8_t>(length);
    return this->Raw(&byte, 1);
  }
  this->Raw(&mark, 1);
  if (length < 0xFFFE) {
    const auto word = static_cast<uint16_t>(length);
    return this->Raw(&word, 2);
  }
  const uint16_t wide = 0xFFFF;
  return this->Raw(&wide, 2).Raw(&length, 4);
}

LibraryBytes& LibraryBytes::String(const std::string& utf8) {
  const std::string bytes = QlmCodePage1252::FromUtf8(utf8);
  return this->Length(static_cast<uint32_t>(bytes.size())).Raw(bytes.data(), bytes.size());
}

LibraryBytes& LibraryBytes::WideString(const std::u16string& text) {
  const uint8_t mark = 0xFF;
  const uint16_t wide = 0xFFFE;
  this->Raw(&mark, 1).Raw(&wide, 2).Length(static_cast<uint32_t>(text.size()));
  for (char16_t unit : text) this->Raw(&unit, 2);
  return *this;
}

LibraryBytes& LibraryBytes::Header(const HeaderSpec& header) {
  return this->String(header.Name).String(header.Password).String(header.Identifier);
}

LibraryBytes& LibraryBytes::Mesh(const MeshSpec& mesh) {
  this->Int32(static_cast<int32_t>(mesh.Points.size() / 3));
  for (double value : mesh.Points) this->Double(value);
  this->Int32(static_cast<int32_t>(mesh.Triangles.size() / 3));
  for (int32_t id : mesh.Triangles) this->Int32(id);
  return *this;
}

LibraryBytes& LibraryBytes::Item(const ItemSpec& item) { return this->String(item.Name).Rgb(item.Rgb).Mesh(item.Mesh); }

LibraryBytes& LibraryBytes::Section(const ItemSpec& section) {
  return this->Rgb(section.Rgb).String(section.Name).Mesh(section.Mesh);
}

LibraryBytes& LibraryBytes::MainItem(const MainItemSpec& item) {
  this->Item(item.Body).Int32(static_cast<int32_t>(item.Positions.size()));
  for (const auto& sections : item.Positions) {
    this->Int32(static_cast<int32_t>(sections.size()));
    for (const ItemSpec& section : sections) this->Section(section);
  }
  return *this;
}

LibraryBytes& LibraryBytes::Component(const ImplantSpec& component) {
  return this->String(component.Name)
      .Float(component.Diameter)
      .Float(component.Length)
      .Float(component.Angle)
      .Rgb(component.Rgb)
      .Mesh(component.Mesh);
}

LibraryBytes& LibraryBytes::Implant(const ImplantSpec& implant) {
  this->String(implant.Name).Float(implant.Diameter).Float(implant.Length).Float(implant.Angle).Rgb(implant.Rgb);
  for (float value : implant.Washer) this->Float(value);
  return this->Rgb(implant.WasherRgb).Mesh(implant.Mesh);
}

Bytes ItemFile(const HeaderSpec& header, const std::vector<ItemSpec>& items) {
  LibraryBytes file;
  file.Header(header).Int32(static_cast<int32_t>(items.size()));
  for (const ItemSpec& item : items) file.Item(item);
  return file.Data;
}

Bytes MultiPartFile(const HeaderSpec& header, const std::vector<MainItemSpec>& items) {
  LibraryBytes file;
  file.Header(header).Int32(static_cast<int32_t>(items.size()));
  for (const MainItemSpec& item : items) file.MainItem(item);
  return file.Data;
}

Bytes ImplantFile(const HeaderSpec& header, const std::vector<ImplantSpec>& implants,
                  const std::vector<ImplantSpec>& components) {
  LibraryBytes file;
  file.Header(header).Int32(static_cast<int32_t>(implants.size()));
  for (const ImplantSpec& implant : implants) file.Implant(implant);
  file.Int32(static_cast<int32_t>(components.size()));
  for (const ImplantSpec& component : components) file.Component(component);
  return file.Data;
}

namespace {

// Coordinates that floats hold exactly, so a saved file repeats the fixture's bytes.
const MeshSpec Tetrahedron = {{0, 0, 0, 10.5, 0, 0, 0, 8.25, 0, 0, 0, -12.125}, {0, 2, 1, 0, 1, 3, 0, 3, 2, 1, 2, 3}};
const MeshSpec Triangle = {{-1.5, 0, 2, 1.5, 0, 2, 0, 3, 2}, {0, 1, 2}};
const MeshSpec Empty = {};

}  // namespace

HeaderSpec TeethHeader() { return {"Dentes Padrão", "segredo", " 4711"}; }

std::vector<ItemSpec> TeethItems() {
  return {{"Pré-molar", {1, 0.5f, 0.25f}, Tetrahedron}, {"Canino", {0.75f, 0.75f, 0.5f}, Empty}};
}

HeaderSpec EndoHeader() { return {"Limas €", "", "  815"}; }

std::vector<MainItemSpec> EndoItems() {
  const std::vector<ItemSpec> tips = {
      {"K15", {1, 0, 0}, Triangle}, {"K20", {0, 1, 0}, Triangle}, {"K25", {0, 0, 1}, Tetrahedron}};
  const std::vector<ItemSpec> handle = {{"Cabo", {0.25f, 0.25f, 0.25f}, Empty}};
  // The third position has no section: such files load as they are.
  return {{{"Lima K", {0.5f, 0.5f, 1}, Triangle}, {tips, handle, {}}}, {{"Vazio", {1, 1, 1}, Empty}, {}}};
}

HeaderSpec ImplantHeader() { return {"Cone Morse 3.5", "ímplante", " 9001"}; }

std::vector<ImplantSpec> Implants() {
  return {{"CM 3.5x10", 3.5f, 10, 0, {0.75f, 0.75f, 0.75f}, {2, 1, 5, 3.625f}, {0, 0.5f, 1}, Tetrahedron},
          {"CM 3.5x13 17°", 3.5f, 13, 17, {0.5f, 0.5f, 0.5f}, {2.5f, 0.5f, 5.5f, 3.75f}, {1, 0, 0}, Empty}};
}

std::vector<ImplantSpec> Components() {
  return {{"Pilar reto", 4.5f, 1.5f, 0, {1, 1, 0}, {0, 0, 0, 0}, {0, 0, 0}, Triangle}};
}

void ExpectMesh(vtkPolyData* mesh, const MeshSpec& spec) {
  ASSERT_NE(mesh, nullptr);
  const vtkIdType pointCount = static_cast<vtkIdType>(spec.Points.size() / 3);
  ASSERT_EQ(mesh->GetNumberOfPoints(), pointCount);
  for (vtkIdType i = 0; i < pointCount; ++i) {
    double xyz[3];
    mesh->GetPoint(i, xyz);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(xyz[k], static_cast<float>(spec.Points[3 * i + k])) << "point " << i;
  }
  vtkCellArray* polygons = mesh->GetPolys();
  ASSERT_EQ(polygons->GetNumberOfCells(), static_cast<vtkIdType>(spec.Triangles.size() / 3));
  auto it = vtkSmartPointer<vtkCellArrayIterator>::Take(polygons->NewIterator());
  size_t at = 0;
  for (it->GoToFirstCell(); !it->IsDoneWithTraversal(); it->GoToNextCell(), at += 3) {
    vtkIdType size = 0;
    const vtkIdType* ids = nullptr;
    it->GetCurrentCell(size, ids);
    ASSERT_EQ(size, 3);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ids[k], spec.Triangles[at + k]) << "triangle " << at / 3;
  }
}

void ExpectItem(vtkLibraryItem* item, const ItemSpec& spec) {
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Name, CString(spec.Name));
  for (int k = 0; k < 3; ++k) EXPECT_EQ(item->Color[k], spec.Rgb[k]);
  ExpectMesh(item->Mesh, spec.Mesh);
}

void ExpectMainItem(vtkMultiPartItem* item, const MainItemSpec& spec) {
  ExpectItem(item, spec.Body);
  ASSERT_EQ(item->GetNumberOfPositions(), static_cast<int>(spec.Positions.size()));
  for (int p = 0; p < item->GetNumberOfPositions(); ++p) {
    ASSERT_EQ(item->GetNumberOfSections(p), static_cast<int>(spec.Positions[p].size()));
    for (int s = 0; s < item->GetNumberOfSections(p); ++s) ExpectItem(item->GetSectionItem(p, s), spec.Positions[p][s]);
  }
}

void ExpectImplant(vtkImplantCustom* item, const ImplantSpec& spec, bool withWasher) {
  ASSERT_NE(item, nullptr);
  ExpectItem(item, {spec.Name, spec.Rgb, spec.Mesh});
  EXPECT_EQ(item->Diameter, spec.Diameter);
  EXPECT_EQ(item->Length, spec.Length);
  EXPECT_EQ(item->Angle, spec.Angle);
  EXPECT_EQ(item->Kind, vtkImplantCustom::FromFile);
  if (!withWasher) return;
  EXPECT_EQ(item->WasherHeight, spec.Washer[0]);
  EXPECT_EQ(item->WasherDistance, spec.Washer[1]);
  EXPECT_EQ(item->WasherOuterDiameter, spec.Washer[2]);
  EXPECT_EQ(item->WasherInnerDiameter, spec.Washer[3]);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(item->WasherColor[k], spec.WasherRgb[k]);
}

namespace {

void ExpectMeshWhole(vtkPolyData* mesh) {
  const vtkIdType pointCount = mesh->GetNumberOfPoints();
  auto it = vtkSmartPointer<vtkCellArrayIterator>::Take(mesh->GetPolys()->NewIterator());
  for (it->GoToFirstCell(); !it->IsDoneWithTraversal(); it->GoToNextCell()) {
    vtkIdType size = 0;
    const vtkIdType* ids = nullptr;
    it->GetCurrentCell(size, ids);
    ASSERT_EQ(size, 3);
    for (int k = 0; k < 3; ++k) ASSERT_TRUE(ids[k] >= 0 && ids[k] < pointCount) << ids[k];
  }
}

void ExpectItemsWhole(vtkCollection* items) {
  vtkCollectionSimpleIterator it;
  items->InitTraversal(it);
  while (vtkObject* object = items->GetNextItemAsObject(it)) {
    if (auto* positions = vtkCollection::SafeDownCast(object)) {
      ExpectItemsWhole(positions);
      continue;
    }
    auto* item = vtkLibraryItem::SafeDownCast(object);
    ASSERT_NE(item, nullptr);
    ExpectMeshWhole(item->Mesh);
    if (auto* main = vtkMultiPartItem::SafeDownCast(item)) ExpectItemsWhole(main->Positions);
  }
}

}  // namespace

void ExpectMeshesWhole(vtkLibrary* library) {
  for (int which = 0; which < library->GetNumberOfCollections(); ++which)
    ExpectItemsWhole(library->GetCollection(which));
}

namespace {

template <class File, class Library>
LibraryKind MakeKind(Bytes fixture) {
  return {File().GetExtension(), std::move(fixture), [] { return vtkSmartPointer<Library>::New(); },
          [](vtkLibrary* library, CString& reason) { return LoadWith<File>(Library::SafeDownCast(library), &reason); },
          [](vtkLibrary* library, CString& reason) { return SaveWith<File>(Library::SafeDownCast(library), &reason); }};
}

}  // namespace

std::vector<LibraryKind> AllKinds() {
  const Bytes teeth = ItemFile(TeethHeader(), TeethItems());
  const Bytes endo = MultiPartFile(EndoHeader(), EndoItems());
  return {MakeKind<CDentesLibFile, vtkGeomsLib>(teeth), MakeKind<CGeomsLibFile, vtkGeomsLib>(teeth),
          MakeKind<CEndoLibFile, vtkEndoImpLib>(endo), MakeKind<COrtoLibFile, vtkOrtoImpLib>(endo),
          MakeKind<CImpLibFile, vtkImplantLib>(ImplantFile(ImplantHeader(), Implants(), Components()))};
}

LibraryState LibraryState::Of(vtkLibrary* library) {
  LibraryState state{library->Name, library->Identifier, library->Password, {}};
  for (int which = 0; which < library->GetNumberOfCollections(); ++which) {
    vtkCollection* items = library->GetCollection(which);
    vtkCollectionSimpleIterator it;
    items->InitTraversal(it);
    while (vtkObject* item = items->GetNextItemAsObject(it)) state.Items.push_back(item);
  }
  return state;
}

LibraryFolder::LibraryFolder(bool makeLibraryFolder) {
  const char* previous = std::getenv("QLM_COMMON_APPDATA");
  this->HadValue = previous != nullptr;
  this->SavedValue = previous ? previous : "";
  setenv("QLM_COMMON_APPDATA", this->Temp.Path().c_str(), 1);
  if (makeLibraryFolder) std::filesystem::create_directories(QlmAppData::ProgramFolder());
}

LibraryFolder::~LibraryFolder() {
  if (this->HadValue)
    setenv("QLM_COMMON_APPDATA", this->SavedValue.c_str(), 1);
  else
    unsetenv("QLM_COMMON_APPDATA");
}

std::string LibraryFolder::File(const std::string& name) const { return QlmAppData::ProgramFolder() + name; }

std::vector<std::string> LibraryFolder::AllFiles() const {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(this->Root())) {
    if (!entry.is_directory()) files.push_back(std::filesystem::relative(entry.path(), this->Root()).string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace LibraryFixtures
