#include <gtest/gtest.h>
#include <vtkCellArray.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <filesystem>
#include <memory>
#include <string>

#include "QlmBytes.h"
#include "QlmTempDir.h"
#include "ReportFixtures.h"
#include "libraries/vtkEndoImpVirtual.h"
#include "libraries/vtkGeomsVirtual.h"
#include "libraries/vtkImplantVirtual.h"
#include "libraries/vtkOrtoImpVirtual.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "project/CQlmGuideFile.h"

namespace {

using QlmBytes::Bytes;
using ReportFixtures::Record;

void FillMatrix(double (&matrix)[16], double first) {
  for (int k = 0; k < 16; ++k) matrix[k] = first + k * 0.5;
}

struct ImplantCase {
  float Size[3];
  const char* Names[4];   // UTF-8: implant, component, library, identifier
  const char* Stored[4];  // the same in Windows-1252
  int LibraryFlag;
};

struct PartObjectCase {
  bool Orthodontic;
  const char* Names[3];  // item, library, identifier
  int PartCount;
  const char* Parts[3];
};

struct MeshObjectCase {
  bool Tooth;
  const char* Names[3];  // UTF-8: item, library, identifier
  const char* Stored[3];
};

const ImplantCase Implants[] = {
    {{3.75f, 10.0f, 1.5f}, {"Standard", "Standard", "", ""}, {"Standard", "Standard", "", ""}, 0},
    {{4.1f, 11.5f, 2.0f},
     {"Cone Morse", "Pilar Reto", "Implantes Padrão", "  12"},
     {"Cone Morse", "Pilar Reto", "Implantes Padr\xE3o", "  12"},
     1},
};
const PartObjectCase PartObjects[] = {
    {true, {"Braquete", "Orto", " 3"}, 3, {"Base", "Gancho", "Tubo"}},
    {false, {"Lima", "Endo", " 9"}, 1, {"Ponta", "", ""}},
};
const MeshObjectCase MeshObjects[] = {
    {false, {"Barra", "Malhas", " 5"}, {"Barra", "Malhas", " 5"}},
    {true, {"Pré-molar", "Dentes", " 7"}, {"Pr\xE9-molar", "Dentes", " 7"}},
};

// A quad, then a triangle, over five points.
vtkNew<vtkPolyData> BaseMesh() {
  vtkNew<vtkPolyData> mesh;
  vtkNew<vtkPoints> points;
  for (int k = 0; k < 5; ++k) points->InsertNextPoint(k, -2.5 * k, 100.0 + k);
  vtkNew<vtkCellArray> polygons;
  const vtkIdType quad[] = {0, 1, 2, 3};
  const vtkIdType triangle[] = {4, 3, 1};
  polygons->InsertNextCell(4, quad);
  polygons->InsertNextCell(3, triangle);
  mesh->SetPoints(points);
  mesh->SetPolys(polygons);
  return mesh;
}

Bytes Written(CQlmGuideFile& guide) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  guide.WriteRecords(archive);
  archive.Close();
  return file.Data();
}

}  // namespace

TEST(CQlmGuideFile, WritesEveryKindAndTheBaseMeshAsTheLayoutSays) {
  std::unique_ptr<CQlmGuideFile> guide(CQlmGuideFile::New());
  vtkNew<vtkPolyData> base = BaseMesh();
  guide->BaseMesh = base;
  Record expected;
  expected.Int(2021070).Int(2);
  double matrix[16];
  double connector[16];
  for (const ImplantCase& c : Implants) {
    vtkNew<vtkImplantVirtual> record;
    record->Diameter = c.Size[0];
    record->Length = c.Size[1];
    record->ConnectorHeight = c.Size[2];
    record->ImplantName = c.Names[0];
    record->ComponentName = c.Names[1];
    record->LibraryName = c.Names[2];
    record->LibraryId = c.Names[3];
    record->SetLibraryFlag(c.LibraryFlag);
    FillMatrix(record->Matrix, c.Size[0]);
    FillMatrix(record->ConnectorMatrix, -c.Size[1]);
    guide->GetImplants()->AddItem(record);
    FillMatrix(matrix, c.Size[0]);
    FillMatrix(connector, -c.Size[1]);
    expected.Float(c.Size[0]).Float(c.Size[1]).Float(c.Size[2]);
    for (const char* text : c.Stored) expected.Text(text);
    expected.Int(c.LibraryFlag).Int(c.LibraryFlag).Raw(matrix, sizeof matrix).Raw(connector, sizeof connector);
  }
  for (bool orthodontic : {true, false}) {
    expected.Int(1);
    for (const PartObjectCase& c : PartObjects) {
      if (c.Orthodontic != orthodontic) continue;
      vtkSmartPointer<vtkMultiPartVirtual> record;
      if (orthodontic)
        record = vtkSmartPointer<vtkOrtoImpVirtual>::New();
      else
        record = vtkSmartPointer<vtkEndoImpVirtual>::New();
      record->ItemName = c.Names[0];
      record->LibraryName = c.Names[1];
      record->LibraryId = c.Names[2];
      record->PartCount = c.PartCount;
      for (int k = 0; k < c.PartCount; ++k) record->PartNames[k] = c.Parts[k];
      FillMatrix(record->Matrix, c.PartCount);
      (orthodontic ? guide->GetOrtoImps() : guide->GetEndoImps())->AddItem(record);
      FillMatrix(matrix, c.PartCount);
      expected.Text(c.Names[0]).Text(c.Names[1]).Text(c.Names[2]).Int(c.PartCount);
      for (int k = 0; k < c.PartCount; ++k) expected.Text(c.Parts[k]);
      expected.Raw(matrix, sizeof matrix);
    }
  }
  for (bool tooth : {false, true}) {
    expected.Int(1);
    for (const MeshObjectCase& c : MeshObjects) {
      if (c.Tooth != tooth) continue;
      vtkNew<vtkGeomsVirtual> record;
      record->ItemName = c.Names[0];
      record->LibraryName = c.Names[1];
      record->LibraryId = c.Names[2];
      FillMatrix(record->Matrix, tooth ? 7 : 5);
      (tooth ? guide->GetDentes() : guide->GetGeoms())->AddItem(record);
      FillMatrix(matrix, tooth ? 7 : 5);
      expected.Text(c.Stored[0]).Text(c.Stored[1]).Text(c.Stored[2]).Raw(matrix, sizeof matrix);
    }
  }
  expected.Int(5);
  for (int k = 0; k < 5; ++k) expected.Double(k).Double(-2.5 * k).Double(100.0 + k);
  // The quad gives its first three corners.
  expected.Int(2).Int(0).Int(1).Int(2).Int(4).Int(3).Int(1);

  EXPECT_EQ(Written(*guide), expected.Data);
  EXPECT_EQ(guide->FormatCode, CQlmGuideFile::Format);
}

// Without a controller the five lists are empty: the format code, five zero counts, the base mesh.
TEST(CQlmGuideFile, SaveWritesTheFileAndOverwritesAnOldOne) {
  QlmTempDir folder;
  const std::string path = folder.File("Projeto.stv");
  QlmBytes::WriteFile(path, Bytes(3000, 0xAB));
  std::unique_ptr<CQlmGuideFile> guide(CQlmGuideFile::New());
  vtkNew<vtkPolyData> base = BaseMesh();
  guide->BaseMesh = base;
  guide->Path = path;
  ASSERT_EQ(guide->Save(), 1);
  Record expected;
  expected.Int(2021070).Int(0).Int(0).Int(0).Int(0).Int(0).Int(5);
  for (int k = 0; k < 5; ++k) expected.Double(k).Double(-2.5 * k).Double(100.0 + k);
  expected.Int(2).Int(0).Int(1).Int(2).Int(4).Int(3).Int(1);
  EXPECT_EQ(QlmBytes::ReadFile(path), expected.Data);
}

TEST(CQlmGuideFile, RefusalsLeaveTheOldFileAndNoTemporaryFile) {
  struct Case {
    const char* Name;
    bool WithBase;
    bool Degenerate;
    bool MissingFolder;
  };
  const Case cases[] = {
      {"no base mesh", false, false, false},
      {"a base polygon of two corners", true, true, false},
      {"a folder that does not exist", true, false, true},
  };
  for (const Case& c : cases) {
    QlmTempDir folder;
    const std::string old = folder.File("Projeto.stv");
    QlmBytes::WriteFile(old, Bytes(10, 0x11));
    std::unique_ptr<CQlmGuideFile> guide(CQlmGuideFile::New());
    vtkNew<vtkPolyData> base = BaseMesh();
    if (c.Degenerate) {
      const vtkIdType line[] = {0, 1};
      base->GetPolys()->InsertNextCell(2, line);
    }
    if (c.WithBase) guide->BaseMesh = base;
    guide->Path = c.MissingFolder ? folder.File("falta/Projeto.stv") : old;
    EXPECT_EQ(guide->Save(), 0) << c.Name;
    EXPECT_EQ(QlmBytes::ReadFile(old), Bytes(10, 0x11)) << c.Name;
    size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.Path()))
      files += entry.is_regular_file();
    EXPECT_EQ(files, 1u) << c.Name;
  }
}
