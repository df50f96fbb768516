#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkLineSource.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>
#include <vtkTransform.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplant3DList.h"
#include "objects/CQlmImplantCreator.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Rgb = std::array<double, 3>;

template <typename T>
void Put(Bytes& bytes, T value) {
  uint8_t raw[sizeof value];
  std::memcpy(raw, &value, sizeof value);
  bytes.insert(bytes.end(), raw, raw + sizeof value);
}

void PutString(Bytes& bytes, const std::string& text) {
  bytes.push_back(uint8_t(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
}

Rgb Color(vtkActor* actor) {
  Rgb color;
  actor->GetProperty()->GetColor(color.data());
  return color;
}

std::array<double, 6> Bounds(vtkPolyData* mesh) {
  std::array<double, 6> bounds;
  mesh->GetBounds(bounds.data());
  return bounds;
}

void ExpectBounds(vtkPolyData* mesh, std::array<double, 6> expected) {
  const auto bounds = Bounds(mesh);
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(bounds[i], expected[i], 1e-5) << "bound " << i;
}

std::unique_ptr<CQlmImplant3D> GenericImplant(float diameter, float length, float connectorHeight) {
  std::unique_ptr<CQlmImplantCreator> creator(CQlmImplantCreator::New());
  creator->Diameter = diameter;
  creator->Length = length;
  creator->ConectorHeight = connectorHeight;
  auto implant = std::make_unique<CQlmImplant3D>();
  implant->BuildFromCreator(creator.get());
  return implant;
}

// A rotation of `degrees` about x, as 16 row-major values.
std::array<double, 16> TiltAboutX(double degrees) {
  vtkNew<vtkTransform> tilt;
  tilt->RotateX(degrees);
  std::array<double, 16> elements;
  vtkMatrix4x4::DeepCopy(elements.data(), tilt->GetMatrix());
  return elements;
}

TEST(CQlmImplantCreator, GenericCylindersStandOnThePlatform) {
  std::unique_ptr<CQlmImplantCreator> creator(CQlmImplantCreator::New());
  ExpectBounds(creator->GetScrewOutput(), {-1.875, 1.875, -1.875, 1.875, -10, 0});
  ExpectBounds(creator->GetConectorOutput(), {-1.875, 1.875, -1.875, 1.875, 0, 5});
  ExpectBounds(creator->GetExtensionOutput(), {-0.7, 0.7, -0.7, 0.7, 0, 30});
  EXPECT_EQ(creator->GetSizeText(), "3.75 mm x  10.0 mm");
  EXPECT_EQ(creator->GetConectorText(), "5.0 mm");
}

TEST(CQlmImplantCreator, ExtensionRadiusFollowsThinImplantsAndStaysPositive) {
  struct Case { float diameter; double radius; };
  for (const Case& c : {Case{1.0f, 0.4}, Case{1.4f, 0.7}, Case{6.0f, 0.7}, Case{0.2f, 0.05}, Case{0.0f, 0.05}}) {
    std::unique_ptr<CQlmImplantCreator> creator(CQlmImplantCreator::New());
    creator->Diameter = c.diameter;
    const auto bounds = Bounds(creator->GetExtensionOutput());
    EXPECT_NEAR(bounds[1], c.radius, 1e-5) << "diameter " << c.diameter;
  }
}

TEST(CQlmImplantCreator, LibraryComponentGetsTheExtensionFromAboveItsTop) {
  std::unique_ptr<CQlmImplantCreator> creator(CQlmImplantCreator::New());
  std::unique_ptr<CQlmImplantCreator> parts(CQlmImplantCreator::New());
  parts->Length = 8;
  parts->ConectorHeight = 4;
  creator->LibraryImplantMesh = vtkSmartPointer<vtkPolyData>::New();
  creator->LibraryImplantMesh->DeepCopy(parts->GetScrewOutput());
  creator->LibraryConectorMesh = vtkSmartPointer<vtkPolyData>::New();
  creator->LibraryConectorMesh->DeepCopy(parts->GetConectorOutput());
  creator->Mode = CQlmImplantCreator::LibraryWithComponent;
  ExpectBounds(creator->GetScrewOutput(), {-1.875, 1.875, -1.875, 1.875, -8, 0});
  ExpectBounds(creator->GetExtensionOutput(), {-0.7, 0.7, -0.7, 0.7, 5, 30});

  creator->Mode = CQlmImplantCreator::LibraryWithGenericConnector;
  ExpectBounds(creator->GetConectorOutput(), {-1.875, 1.875, -1.875, 1.875, 0, 5});
  ExpectBounds(creator->LibraryConectorMesh, {-1.875, 1.875, -1.875, 1.875, 0, 5});
  ExpectBounds(creator->GetScrewOutput(), {-1.875, 1.875, -1.875, 1.875, -8, 0});
}

TEST(CQlmImplant3D, AxisLinesAndLabelFollowThePlacement) {
  auto implant = GenericImplant(3.75f, 10.0f, 5.0f);
  vtkNew<vtkTransform> placement;
  placement->Translate(1, 2, 3);
  implant->SetMatrix(&placement->GetMatrix()->Element[0][0]);
  const double* screwStart = implant->GetScrewLine()->GetPoint1();
  const double* screwEnd = implant->GetScrewLine()->GetPoint2();
  EXPECT_EQ(Rgb({screwStart[0], screwStart[1], screwStart[2]}), Rgb({1, 2, -10}));
  EXPECT_EQ(Rgb({screwEnd[0], screwEnd[1], screwEnd[2]}), Rgb({1, 2, 18}));
  const double* connectorStart = implant->GetConectorLine()->GetPoint1();
  const double* connectorEnd = implant->GetConectorLine()->GetPoint2();
  EXPECT_EQ(Rgb({connectorStart[0], connectorStart[1], connectorStart[2]}), Rgb({1, 2, 0}));
  EXPECT_EQ(Rgb({connectorEnd[0], connectorEnd[1], connectorEnd[2]}), Rgb({1, 2, 38}));
  const double* label = implant->GetLabelActor()->GetPositionCoordinate()->GetValue();
  EXPECT_EQ(Rgb({label[0], label[1], label[2]}), Rgb({1, 2, -2}));

  // A tilted connector turns its line about the platform, the screw line stays.
  const auto tilt = TiltAboutX(90);
  implant->SetConectorMatrix(tilt.data());
  connectorEnd = implant->GetConectorLine()->GetPoint2();
  EXPECT_NEAR(connectorEnd[1], 2 - 35, 1e-9);
  EXPECT_NEAR(connectorEnd[2], 3, 1e-9);
  EXPECT_EQ(implant->GetScrewLine()->GetPoint2()[2], 18);
}

TEST(CQlmImplant3D, ConnectorAngleKeepsTheTiltDirection) {
  auto implant = GenericImplant(3.75f, 10.0f, 5.0f);
  implant->SetConectorAngle(20);
  EXPECT_TRUE(implant->GetConectorMatrix()->IsIdentity());
  EXPECT_EQ(implant->GetConectorAngle(), 0.0f);

  const auto tilt = TiltAboutX(-35);
  implant->SetConectorMatrix(tilt.data());
  EXPECT_NEAR(implant->GetConectorAngle(), 35.0f, 1e-4);
  implant->SetConectorAngle(20);
  EXPECT_NEAR(implant->GetConectorAngle(), 20.0f, 1e-4);
  const auto expected = TiltAboutX(-20);
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(implant->GetConectorMatrix()->GetData()[i], expected[i], 1e-6) << i;
}

TEST(CQlmImplant3D, ConnectorAngleOfAFlatOrDegenerateMatrixIsFinite) {
  auto implant = GenericImplant(3.75f, 10.0f, 5.0f);
  std::array<double, 16> zero{};
  implant->SetConectorMatrix(zero.data());
  EXPECT_EQ(implant->GetConectorAngle(), 0.0f);
  const auto flat = TiltAboutX(90);
  implant->SetConectorMatrix(flat.data());
  EXPECT_NEAR(implant->GetConectorAngle(), 90.0f, 1e-4);
}

TEST(CQlmImplant3D, ColoursFollowSelectionUnlessUniform) {
  auto implant = GenericImplant(3.75f, 10.0f, 5.0f);
  implant->SetScrewColor(0.2f, 0.4f, 0.6f);
  EXPECT_EQ(Color(implant->GetScrewActor()), Rgb({0.2f, 0.4f, 0.6f}));
  implant->SetUniformColor(1);
  implant->SetSelected(1);
  EXPECT_EQ(Color(implant->GetScrewActor()), Rgb({1.0, 1.0, 0.3f}));
  EXPECT_EQ(Color(implant->GetConectorLineActor()), Rgb({0.8f, 0.8f, 0.3f}));
  implant->SetUniformColor(0);
  EXPECT_EQ(Color(implant->GetScrewActor()), Rgb({1, 1, 1}));
  EXPECT_EQ(Color(implant->GetScrewLineActor()), Rgb({1, 1, 1}));
  EXPECT_EQ(Color(implant->GetConectorActor()), Rgb({0.3f, 1, 1}));
}

TEST(CQlmImplant3D, HiddenImplantKeepsItsActorsHidden) {
  auto implant = GenericImplant(3.75f, 10.0f, 5.0f);
  implant->SetVisibility(0);
  implant->SetVisibilityScrew(1);
  EXPECT_FALSE(implant->GetScrewActor()->GetVisibility());
  EXPECT_FALSE(implant->GetLabelActor()->GetVisibility());
  implant->SetVisibility(1);
  implant->SetVisibilityConector(0);
  EXPECT_FALSE(implant->GetExtensionActor()->GetVisibility());
  EXPECT_TRUE(implant->GetLabelActor()->GetVisibility());
  implant->SetVisibilityScrew(0);
  EXPECT_FALSE(implant->GetLabelActor()->GetVisibility());
  EXPECT_FALSE(implant->GetScrewLineActor()->GetVisibility());
}

TEST(CQlmImplant3D, LabelTextFollowsTheLabelMode) {
  auto implant = GenericImplant(3.75f, 10.0f, 5.0f);
  struct Case { int mode; const char* text; int fontSize; int justification; };
  for (const Case& c : {Case{0, "7", 16, 0}, Case{1, "3.75 x 10.0", 12, 1}, Case{2, "", 12, 1}}) {
    implant->SetNumber(7);
    implant->SetLabelMode(c.mode);
    EXPECT_STREQ(implant->GetLabelMapper()->GetInput(), c.text) << "mode " << c.mode;
    EXPECT_EQ(implant->GetLabelMapper()->GetFontSize(), c.fontSize);
    EXPECT_EQ(implant->GetLabelMapper()->GetJustification(), c.justification);
  }
}

// The record of a 4 x 12 implant with a 2 mm connector, selected, number 3.
Bytes RecordOfSelectedImplant(const Rgb& selectedScrew) {
  Bytes bytes;
  for (float value : {4.0f, 12.0f, 2.0f}) Put(bytes, value);
  for (float value : {0.5f, 0.25f, 0.0f, 0.0f, 0.5f, 0.75f}) Put(bytes, value);
  for (double value : selectedScrew) Put(bytes, float(value));
  for (float value : {1.0f, 1.0f, 1.0f}) Put(bytes, value);
  for (int32_t value : {1, 1, 1, 1}) Put(bytes, value);
  PutString(bytes, "Standard");
  PutString(bytes, "Cone");
  for (int32_t value : {1, 0, 3, 1}) Put(bytes, value);
  for (double value : {1.0, 0.0, 0.0, 5.0, 0.0, 1.0, 0.0, 6.0, 0.0, 0.0, 1.0, 7.0, 0.0, 0.0, 0.0, 1.0}) Put(bytes, value);
  const auto tilt = TiltAboutX(90);
  for (double value : tilt) Put(bytes, value);
  return bytes;
}

TEST(CQlmImplant3D, RecordReadsIntoGenericImplantWithWhiteSelection) {
  CMemFile file(RecordOfSelectedImplant({0.1, 0.2, 0.3}));
  CArchive reader(&file, CArchive::load);
  CQlmImplant3D implant;
  implant.Serialize(reader);
  EXPECT_EQ(reader.GetBytesLeft(), 0u);

  EXPECT_EQ(implant.GetDiameter(), 4.0f);
  EXPECT_EQ(implant.GetLength(), 12.0f);
  ExpectBounds(implant.GetScrewMesh(), {-2, 2, -2, 2, -12, 0});
  ExpectBounds(implant.GetConectorMesh(), {-2, 2, -2, 2, 0, 2});
  EXPECT_EQ(implant.ComponentName, "Cone");
  EXPECT_EQ(implant.GetSelected(), 1);
  EXPECT_EQ(Color(implant.GetScrewActor()), Rgb({1, 1, 1}));
  EXPECT_EQ(implant.GetShowConectorLine(), 0);
  EXPECT_FALSE(implant.GetConectorLineActor()->GetVisibility());
  EXPECT_STREQ(implant.GetLabelMapper()->GetInput(), "3");
  double position[3];
  implant.GetPosition(position);
  EXPECT_EQ(Rgb({position[0], position[1], position[2]}), Rgb({5, 6, 7}));
  EXPECT_NEAR(implant.GetConectorAngle(), 90.0f, 1e-4);
  EXPECT_NEAR(implant.GetConectorTransformMatrix()->GetElement(1, 2), -1.0, 1e-9);
}

TEST(CQlmImplant3D, RecordWrittenIsTheLayoutAndReadsBackToTheSameBytes) {
  CMemFile file(RecordOfSelectedImplant({1, 1, 1}));
  CArchive reader(&file, CArchive::load);
  CQlmImplant3D implant;
  implant.Serialize(reader);

  CMemFile written;
  CArchive writer(&written, CArchive::store);
  implant.Serialize(writer);
  writer.Close();
  EXPECT_EQ(written.Data(), RecordOfSelectedImplant({1, 1, 1}));
}

TEST(CQlmImplant3D, TruncatedRecordRaisesAnArchiveError) {
  Bytes bytes = RecordOfSelectedImplant({1, 1, 1});
  bytes.resize(bytes.size() - 1);
  CMemFile file(bytes);
  CArchive reader(&file, CArchive::load);
  CQlmImplant3D implant;
  EXPECT_THROW(implant.Serialize(reader), CArchiveException);
}

TEST(CQlmImplant3DList, NewAndLoadedImplantsTakeTheExtensionFlag) {
  CQlmImplant3DList list;
  EXPECT_EQ(list.AddTail()->GetShowExtension(), 1);
  list.SetShowExtension(0);
  EXPECT_EQ(list.GetListItemAt(0)->GetShowExtension(), 0);
  EXPECT_EQ(list.AddHead()->GetShowExtension(), 0);

  Bytes bytes;
  Put(bytes, int32_t(1));
  const Bytes record = RecordOfSelectedImplant({1, 1, 1});
  bytes.insert(bytes.end(), record.begin(), record.end());
  CMemFile file(bytes);
  CArchive reader(&file, CArchive::load);
  list.Serialize(reader);
  EXPECT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.GetLast()->GetShowExtension(), 0);
  EXPECT_EQ(list.GetLast()->GetNumber(), 3);
}

}  // namespace
