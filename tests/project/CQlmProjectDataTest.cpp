#include <gtest/gtest.h>
#include <sys/resource.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "ProjectFixtures.h"
#include "QlmBytes.h"
#include "QlmTempDir.h"
#include "ReportFixtures.h"
#include "output/CQlmPrintPreview.h"
#include "project/CQlmGeometryBlock.h"
#include "project/CQlmProjectRefusal.h"
#include "project/CQlmVolumeAttachment.h"

using namespace ProjectFixtures;

namespace {

using QlmBytes::ReadFile;
using QlmBytes::WriteFile;

Bytes BlockBytes(vtkUnsignedCharArray* block) {
  Bytes bytes;
  AppendInt32(bytes, static_cast<int32_t>(block->GetNumberOfValues()));
  bytes.insert(bytes.end(), block->GetPointer(0), block->GetPointer(0) + block->GetNumberOfValues());
  return bytes;
}

Bytes StringBytes(const CString& text) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  archive << text;
  archive.Close();
  return file.Data();
}

// The rich project with an orthodontic object of five parts, an endodontic
// one, a library mesh and two teeth of libraries that need not be installed.
void FillRichProjectWithLibraryObjects(CQlmProjectData& data) {
  FillRichProject(data);
  data.Orthodontic = {MultiPart(1, "Orto", " 3", "Braquete", {"Base", "Aleta", "Gancho", "Tubo", "Fio"})};
  data.Endodontic = {MultiPart(2, "Endo", " 9", "Lima", {"K15"}), MultiPart(3, "Endo", " 9", "Curta", {})};
  data.LibraryMeshes = {LibraryObject(1, "Malhas", " 5", "Barra")};
  data.Teeth = {LibraryObject(2, "Dentes Padrão", " 7", "Incisivo central"), LibraryObject(3, "Dentes", " 8", "")};
}

// Offsets of the counts in a project without attachments, second volume or geometries.
struct SmallLayout {
  explicit SmallLayout(const CQlmProjectData& data) {
    const size_t volume = 4 + static_cast<size_t>(data.MainVolumeBlock->GetNumberOfValues());
    GeometryCount = 12 + volume + 4 + 4;
    Implants = GeometryCount + 8;
    const size_t orthodontic = Implants + 4 + Stored(data.ImplantDefaults).size();
    for (int i = 0; i < 6; ++i) Lists[i] = orthodontic + 4 * i;
    Arch = orthodontic + 24;
    RulerCounters = Arch + Stored(data.Arch).size() + Stored(data.ViewState).size();
    RequestStrings = RulerCounters + 24;
    PrintFlag = RequestStrings + StringBytes(data.Notes).size();
    for (const CString& text : data.RequestTexts) PrintFlag += StringBytes(text).size();
    Values = PrintFlag + 4;
  }
  size_t GeometryCount, Implants, Lists[6], Arch, RulerCounters, RequestStrings, PrintFlag, Values;
};

struct Poke {
  const char* Name;
  size_t Offset;
  int32_t Value;
};

// Each poke alone turns `good` into a file refused with the archive error.
void ExpectEachRefused(const Bytes& good, std::initializer_list<Poke> pokes) {
  for (const Poke& poke : pokes) {
    Bytes bad = good;
    PokeInt32(bad, poke.Offset, poke.Value);
    CQlmProjectData read;
    EXPECT_THROW(Load(bad, read), CArchiveException) << poke.Name;
  }
}

}  // namespace

TEST(CQlmProjectData, StoresTheSectionsInOrder) {
  CQlmProjectData data;
  FillRichProjectWithLibraryObjects(data);

  Bytes expected;
  for (int32_t word : {800901, 17, -4}) AppendInt32(expected, word);
  Append(expected, BlockBytes(data.MainVolumeBlock));
  Append(expected, Stored(data.AttachmentsA));
  AppendInt32(expected, 1);
  Append(expected, BlockBytes(data.SecondVolumeBlock));
  Append(expected, Stored(data.AttachmentsB));
  AppendInt32(expected, 0);
  AppendInt32(expected, 2);
  for (const CQlmGeometryRecord& record : data.Geometries) Append(expected, Stored(record));
  Append(expected, BlockBytes(data.GeometryBlock));
  AppendInt32(expected, 2);
  for (const CQlmImplantRecord& record : data.Implants) Append(expected, Stored(record));
  Append(expected, Stored(data.ImplantDefaults));
  AppendInt32(expected, 1);
  Append(expected, Stored(data.Orthodontic[0]));
  AppendInt32(expected, 2);
  for (const CQlmMultiPartRecord& record : data.Endodontic) Append(expected, Stored(record));
  AppendInt32(expected, 1);
  Append(expected, Stored(data.LibraryMeshes[0]));
  AppendInt32(expected, 2);
  for (const CQlmLibraryObjectRecord& record : data.Teeth) Append(expected, Stored(record));
  AppendInt32(expected, 2);
  for (const CQlmRuller3DRecord& record : data.Rulers3D) Append(expected, Stored(record));
  AppendInt32(expected, 2);
  for (const CQlmNerveRecord& record : data.Nerves) Append(expected, Stored(record));
  Append(expected, Stored(data.Arch));
  Append(expected, Stored(data.ViewState));
  for (int32_t word : {0, 2, 0, 1}) AppendInt32(expected, word);
  Append(expected, Stored(data.RulersAxial[0]));
  AppendInt32(expected, 0);
  AppendInt32(expected, 2);
  for (const CQlmRullerRecord& record : data.RulersCross) Append(expected, Stored(record));
  for (const CString& text : data.RequestTexts) Append(expected, StringBytes(text));
  Append(expected, StringBytes(data.Notes));
  AppendInt32(expected, 1);
  Append(expected, ReportFixtures::Serialized(*data.Report));
  Append(expected, Stored(data.Values));

  EXPECT_EQ(Stored(data), expected);
  EXPECT_EQ(Stored(data.Arch).size(), 4 + 3 * 16 * 8 + 8u);
  EXPECT_EQ(Stored(data.Rulers3D[0]).size(), 10 * 4u);
  // Translation, two lines of 50 slots, "Nervo Esquerdo 02" (1 + 17 bytes), side, diameter, visible, colour.
  EXPECT_EQ(Stored(data.Nerves[0]).size(), 3 * 4 + 2 * (4 + 50 * 12) + 18 + 3 * 4 + 3 * 4u);
  EXPECT_EQ(Stored(data.RulersAxial[0]).size(), 12 * 4u);
  EXPECT_EQ(Stored(data.Values).size(), 6 * 4 + 10 * 4 + 150 * 4 + 4u);
}

TEST(CQlmProjectData, ReadingAndWritingAgainGivesTheSameBytes) {
  CQlmProjectData data;
  FillRichProjectWithLibraryObjects(data);
  const Bytes written = Stored(data);

  CQlmProjectData read;
  Load(written, read);
  EXPECT_EQ(read.FormatCode, 800901);
  EXPECT_EQ(Stored(read), written);
  EXPECT_EQ(read.Notes, data.Notes);
  for (int i = 0; i < CQlmRequestInfo::FormCount; ++i) EXPECT_EQ(read.RequestTexts[i], data.RequestTexts[i]) << i;
  EXPECT_EQ(read.AttachmentsB.GetAt(0)->DataSize, 300);
  EXPECT_EQ(read.Report->templates.GetCount(), 2);
  EXPECT_EQ(read.Report->currentTemplate, read.Report->templates.GetAt(1));
  ASSERT_EQ(read.Rulers3D.size(), 2u);
  EXPECT_EQ(read.Rulers3D[0].Point2[0], 12.5f);
  EXPECT_EQ(read.Rulers3D[0].Visible, 0);
  ASSERT_EQ(read.RulersCross.size(), 2u);
  EXPECT_EQ(read.RulersCross[0].Slice, 7);
  EXPECT_EQ(read.RulersCross[0].Point1[1], -3.0f);
  ASSERT_EQ(read.Nerves.size(), 2u);
  EXPECT_EQ(read.Nerves[0].Name, data.Nerves[0].Name);
  EXPECT_EQ(read.Nerves[0].Axial.Count, 3);
  EXPECT_EQ(read.Nerves[0].Axial.Points[2][0], -12.25f);
  EXPECT_EQ(read.Nerves[0].Translation[2], 19.5f);
  EXPECT_EQ(read.Nerves[1].Panoramic.Count, 50);
  ASSERT_EQ(read.Orthodontic.size(), 1u);
  ASSERT_EQ(read.Orthodontic[0].Parts.size(), 5u);
  EXPECT_EQ(read.Orthodontic[0].Parts[4].SectionName, "Fio");
  ASSERT_EQ(read.Endodontic.size(), 2u);
  EXPECT_TRUE(read.Endodontic[1].Parts.empty());
  ASSERT_EQ(read.Teeth.size(), 2u);
  EXPECT_EQ(read.Teeth[0].ItemName, "Incisivo central");
  EXPECT_EQ(read.Teeth[1].Selected, 1);
  ASSERT_EQ(read.LibraryMeshes.size(), 1u);
  EXPECT_EQ(read.LibraryMeshes[0].Matrix[3], -5.0);
  ASSERT_EQ(read.Geometries.size(), 2u);
  for (size_t k = 0; k < 2; ++k) {
    EXPECT_EQ(read.Geometries[k].Name, data.Geometries[k].Name);
    EXPECT_EQ(read.Geometries[k].Pickable, data.Geometries[k].Pickable);
    EXPECT_EQ(read.Geometries[k].Mesh->GetNumberOfPolys(), data.Geometries[k].Mesh->GetNumberOfPolys());
  }
}

// The values in the order of the file, the four names as archive strings.
TEST(CQlmProjectData, AnImplantRecordHoldsItsValuesInFileOrder) {
  CQlmImplantRecord record = Implant(3);
  record.LibraryFlag = 1;
  record.ImplantName = "Cone 4.0";
  record.ComponentName = "Angulado 17°";
  record.LibraryName = "Sistema B";
  record.LibraryIdentifier = " 22";

  CMemFile file;
  CArchive archive(&file, CArchive::store);
  archive << record.Diameter << record.Length << record.ConnectorHeight << int32_t(1);
  archive << record.ImplantName << record.ComponentName << record.LibraryName << record.LibraryIdentifier;
  archive << record.ComponentValue << record.GenericComponent;
  for (const float* color : {record.ScrewColor, record.ConnectorColor, record.SelectedScrewColor,
                             record.SelectedConnectorColor}) {
    for (int c = 0; c < 3; ++c) archive << color[c];
  }
  for (int32_t flag : {record.Visible, record.ScrewShown, record.ConnectorShown, record.Selected, record.ScrewLine,
                       record.ConnectorLine, record.Number, record.NumberShown, record.ExtensionShown,
                       record.RingShown}) {
    archive << flag;
  }
  for (double element : record.Matrix) archive << element;
  for (double element : record.ConnectorMatrix) archive << element;
  archive.Close();
  EXPECT_EQ(Stored(record), file.Data());
  EXPECT_EQ(Stored(Implant(0)).size(), CQlmImplantRecord::MinimumSize + 8 + 8);  // "Standard" twice

  CQlmProjectData data;
  FillSmallProject(data);
  data.Implants = {record, Implant(4)};
  CQlmProjectData read;
  Load(Stored(data), read);
  ASSERT_EQ(read.Implants.size(), 2u);
  EXPECT_EQ(Stored(read.Implants[0]), Stored(record));
  EXPECT_EQ(read.Implants[0].ComponentName, "Angulado 17°");
  EXPECT_EQ(read.Implants[1].Number, 4);
}

// Three names as archive strings, colour, visible, selected, placement row by row.
TEST(CQlmProjectData, ALibraryObjectRecordHoldsItsValuesInFileOrder) {
  const CQlmLibraryObjectRecord record = LibraryObject(3, "Dentes Padrão", " 7", "Incisivo central");
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  archive << record.ItemName << record.LibraryName << record.LibraryIdentifier;
  for (float c : record.Color) archive << c;
  archive << record.Visible << record.Selected;
  for (double element : record.Matrix) archive << element;
  archive.Close();
  EXPECT_EQ(Stored(record), file.Data());
  EXPECT_EQ(Stored(CQlmLibraryObjectRecord()).size(), CQlmLibraryObjectRecord::MinimumSize);
}

// The body as a library-object record, then the part count and per part its variant name, colour and visible flag.
TEST(CQlmProjectData, AMultiPartRecordHoldsItsValuesInFileOrder) {
  const CQlmMultiPartRecord record = MultiPart(4, "Orto Padrão", " 3", "Braquete", {"Base", "Gancho"});
  Bytes expected = Stored(static_cast<const CQlmLibraryObjectRecord&>(record));
  AppendInt32(expected, 2);
  for (const CQlmMultiPartRecord::Part& part : record.Parts) Append(expected, StoredPart(part));
  EXPECT_EQ(Stored(record), expected);
  EXPECT_EQ(Stored(CQlmMultiPartRecord()).size(), CQlmMultiPartRecord::MinimumSize);
}

TEST(CQlmProjectData, GeometryBlockHoldsEachMeshAfterItsLength) {
  CQlmProjectData data;
  int32_t lengths = 0;
  for (int resolution : {5, 12, 8}) {
    CQlmGeometryRecord record;
    record.Mesh = Sphere(resolution);
    data.Geometries.push_back(record);
    vtkNew<vtkUnsignedCharArray> alone;
    ASSERT_TRUE(CQlmGeometryBlock::AppendMesh(alone, record.Mesh));
    lengths += static_cast<int32_t>(alone->GetNumberOfValues());  // 4 + L
  }
  ASSERT_TRUE(data.BuildGeometryBlock());
  EXPECT_EQ(data.GeometryBlock->GetNumberOfValues(), lengths);

  std::vector<vtkSmartPointer<vtkPolyData>> meshes;
  EXPECT_TRUE(CQlmGeometryBlock::ExtractMeshes(data.GeometryBlock, 3, meshes));
  for (int count : {2, 4}) {
    EXPECT_FALSE(CQlmGeometryBlock::ExtractMeshes(data.GeometryBlock, count, meshes)) << count << " meshes";
    EXPECT_TRUE(meshes.empty());
  }
  struct Case {
    const char* Name;
    int32_t FirstLength;
  };
  for (const Case& c : {Case{"negative length", -4}, Case{"length past the block", lengths},
                        Case{"length inside another buffer", 10}}) {
    vtkNew<vtkUnsignedCharArray> bad;
    bad->DeepCopy(data.GeometryBlock);
    std::memcpy(bad->GetPointer(0), &c.FirstLength, 4);
    EXPECT_FALSE(CQlmGeometryBlock::ExtractMeshes(bad, 3, meshes)) << c.Name;
  }
}

// A part count outside 0 .. 50 refuses the file with a message naming the
// item, whatever bytes follow; 50 parts are read.
TEST(CQlmProjectData, AMultiPartObjectOfMoreThanFiftyPartsIsRefusedNamingIt) {
  CQlmProjectData data;
  FillSmallProject(data);
  const CQlmMultiPartRecord endodontic = MultiPart(2, "Endo", " 9", "Lima", {"K15"});
  data.Endodontic = {endodontic};
  const Bytes good = Stored(data);
  const SmallLayout at(data);
  CQlmMultiPartRecord bodyOnly = endodontic;
  bodyOnly.Parts.clear();
  const size_t partCount = at.Lists[1] + 4 + Stored(bodyOnly).size() - 4;
  ASSERT_EQ(PeekInt32(good, partCount), 1);

  for (int32_t count : {51, -1, 0x7FFFFFFF}) {
    Bytes bad = good;
    PokeInt32(bad, partCount, count);
    CQlmProjectData read;
    try {
      Load(bad, read);
      ADD_FAILURE() << count << " parts accepted";
    } catch (const CQlmProjectRefusal& refusal) {
      EXPECT_NE(refusal.Message.Find("Lima"), -1) << refusal.Message.Str();
      EXPECT_NE(refusal.Message.Find(CString::Formatted("%d partes", count)), -1) << refusal.Message.Str();
    }
  }

  CQlmMultiPartRecord full = endodontic;
  full.Parts.assign(50, endodontic.Parts[0]);
  data.Endodontic = {full};
  CQlmProjectData read;
  Load(Stored(data), read);
  ASSERT_EQ(read.Endodontic.size(), 1u);
  EXPECT_EQ(read.Endodontic[0].Parts.size(), 50u);
}

TEST(CQlmProjectData, MalformedFilesAreRefused) {
  CQlmProjectData data;
  FillSmallProject(data);
  const Bytes good = Stored(data);
  const SmallLayout at(data);
  const size_t savedArchCount = at.Values + 6 * 4 + 3 * 4 + 2 * 4;

  ExpectEachRefused(good, {{"unknown format code", 0, 800902},
                           {"negative volume size", 12, -1},
                           {"volume past the end", 12, 0x7FFFFFFF},
                           {"geometry count past the end", at.GeometryCount, 1000000},
                           {"negative geometry count", at.GeometryCount, -2},
                           {"geometry block past the end", at.GeometryCount + 4, 1 << 30},
                           {"negative implant count", at.Implants, -1},
                           {"negative orthodontic count", at.Lists[0], -1},
                           {"orthodontic count past the end", at.Lists[0], 1000000},
                           {"endodontic count far past the end", at.Lists[1], 0x7FFFFFFF},
                           {"implant count past the end", at.Implants, 1000000},
                           {"implant count far past the end", at.Implants, 0x7FFFFFFF},
                           {"negative library-mesh count", at.Lists[2], -1},
                           {"library-mesh count past the end", at.Lists[2], 1000000},
                           {"library-mesh count far past the end", at.Lists[2], 0x7FFFFFFF},
                           {"negative tooth count", at.Lists[3], -2147483647 - 1},
                           {"tooth count past the end", at.Lists[3], 1000000},
                           {"tooth count far past the end", at.Lists[3], 0x7FFFFFFF},
                           {"one arch point", at.Arch, 1},
                           {"51 arch points", at.Arch, 51},
                           {"saved arch of 51 points", savedArchCount, 51},
                           {"negative saved arch count", savedArchCount, -1},
                           {"print flag without its record", at.PrintFlag, 1}});
}

// Ruler counts that the bytes left cannot hold, or above the bound, refuse the file.
TEST(CQlmProjectData, InflatedRulerSectionsAreRefused) {
  CQlmProjectData data;
  FillSmallProject(data);
  const Bytes good = Stored(data);
  const SmallLayout at(data);
  const size_t lists[] = {at.Lists[4], at.RulerCounters + 12, at.RulerCounters + 16, at.RulerCounters + 20};
  for (size_t list : lists) {
    SCOPED_TRACE("count at " + std::to_string(list));
    ExpectEachRefused(good, {{"one ruler past the end", list, 1},
                             {"negative count", list, -1},
                             {"count far past the end", list, 0x7FFFFFFF}});
  }
  // Enough bytes for the records, more rulers than a view may hold.
  Bytes large = good;
  const int32_t count = CQlmProjectData::MaximumRulers + 1;
  PokeInt32(large, at.RulerCounters + 12, count);
  large.insert(large.begin() + static_cast<long>(at.RulerCounters + 16), static_cast<size_t>(count) * 48, 0);
  CQlmProjectData read;
  EXPECT_THROW(Load(large, read), CArchiveException);
}

// Nerve counts outside 0 .. 50 or past the end, and lines of fewer than 2 or
// more than 50 points, refuse the file.
TEST(CQlmProjectData, DamagedNerveSectionsAreRefused) {
  CQlmProjectData data;
  FillSmallProject(data);
  data.Nerves.resize(1);
  data.Nerves[0].Axial.Count = data.Nerves[0].Panoramic.Count = 2;
  const Bytes good = Stored(data);
  const SmallLayout at(data);
  const size_t count = at.Lists[5];
  const size_t axialCount = count + 4 + 12;
  const size_t panoramicCount = axialCount + 4 + 600;
  ExpectEachRefused(good, {{"negative nerve count", count, -1},
                           {"one nerve past the end", count, 2},
                           {"count far past the end", count, 0x7FFFFFFF},
                           {"axial line of 51 points", axialCount, 51},
                           {"axial line of one point", axialCount, 1},
                           {"negative panoramic line", panoramicCount, -3},
                           {"panoramic line of 51 points", panoramicCount, 51}});
  // Enough bytes for the records, more nerves than a project may hold.
  Bytes large = good;
  const int32_t nerves = CQlmProjectData::MaximumNerves + 1;
  PokeInt32(large, count, nerves);
  const Bytes record = Stored(data.Nerves[0]);
  for (int32_t k = 1; k < nerves; ++k)
    large.insert(large.begin() + static_cast<long>(count + 4), record.begin(), record.end());
  CQlmProjectData read;
  EXPECT_THROW(Load(large, read), CArchiveException);
  // Fifty are taken.
  Bytes fifty = large;
  PokeInt32(fifty, count, nerves - 1);
  fifty.erase(fifty.begin() + static_cast<long>(count + 4),
              fifty.begin() + static_cast<long>(count + 4 + record.size()));
  EXPECT_NO_THROW(Load(fifty, read));
  EXPECT_EQ(read.Nerves.size(), 50u);
}

// A damaged report record refuses the whole file: nothing is half read.
TEST(CQlmProjectData, MalformedReportPagesAreRefused) {
  CQlmProjectData data;
  FillSmallProject(data);
  ReportFixtures::FillReport(*data.Report);
  const Bytes good = Stored(data);
  const SmallLayout at(data);
  ASSERT_EQ(PeekInt32(good, at.PrintFlag), 1);
  const size_t templateCount = at.PrintFlag + 12;
  ASSERT_EQ(PeekInt32(good, templateCount), 2);
  // The capture's description: 16 x 12 pixels, 64 bytes a row, 1 plane, 32 bits.
  const Bytes description = ReportFixtures::Record().Description(16, 12, 64).Data;
  const auto found = std::search(good.begin(), good.end(), description.begin(), description.end());
  ASSERT_NE(found, good.end());
  const size_t picture = static_cast<size_t>(found - good.begin());

  ExpectEachRefused(good, {{"negative template count", templateCount, -1},
                           {"template count past the end", templateCount, 1000},
                           {"picture without width", picture + 4, 0},
                           {"picture of negative height", picture + 8, -12},
                           {"picture rows too short", picture + 12, 63},
                           {"picture past the end", picture + 8, 1 << 24},
                           {"picture of 16 bits in one plane", picture + 16, 0x00100001},
                           {"picture of 32 bits in two planes", picture + 16, 0x00200002}});
}

TEST(CQlmProjectData, EveryCutFileIsRefused) {
  CQlmProjectData data;
  FillRichProject(data);
  const Bytes whole = Stored(data);
  for (size_t size = 0; size < whole.size(); ++size) {
    CQlmProjectData read;
    EXPECT_THROW(LoadPrefix(whole, size, read), CArchiveException) << "cut at " << size;
  }
}

TEST(CQlmProjectData, Reads800900WithGeometriesBeforeTheSecondVolume) {
  CQlmProjectData source;
  FillRichProject(source);
  Bytes file;
  for (int32_t word : {800900, 5, 6}) AppendInt32(file, word);
  Append(file, BlockBytes(source.MainVolumeBlock));
  Append(file, Stored(source.AttachmentsA));
  AppendInt32(file, 2);
  for (const CQlmGeometryRecord& record : source.Geometries) Append(file, Stored(record));
  Append(file, BlockBytes(source.GeometryBlock));
  AppendInt32(file, 1);
  Append(file, BlockBytes(source.SecondVolumeBlock));
  Append(file, Stored(source.AttachmentsB));
  for (int32_t word : {99, -1, 2, 3, 4, 5, 6}) AppendInt32(file, word);

  CQlmProjectData read;
  Load(file, read);
  EXPECT_EQ(read.FormatCode, 800900);
  EXPECT_EQ(read.ReservedWords[1], 6);
  EXPECT_EQ(read.AttachmentsA.GetCount(), 2);
  EXPECT_EQ(read.AttachmentsB.GetCount(), 1);
  EXPECT_EQ(read.HasSecondVolume, 1);
  EXPECT_EQ(BlockBytes(read.SecondVolumeBlock), BlockBytes(source.SecondVolumeBlock));
  EXPECT_EQ(read.Geometries.size(), 2u);
  EXPECT_EQ(read.Arch.Points.size(), 0u);  // no arch in this generation

  file.resize(file.size() - 4);
  CQlmProjectData cut;
  EXPECT_THROW(Load(file, cut), CArchiveException);
}

TEST(CQlmProjectData, AFailedSaveLeavesThePreviousFileAndNoTemporaryFile) {
  QlmTempDir folder;
  const std::string path = folder.File("Paciente.qlm");
  const Bytes previous = {1, 2, 3, 4, 5};
  WriteFile(path, previous);

  CQlmProjectData data;
  FillSmallProject(data);
  data.MainVolumeBlock->SetNumberOfValues(300000);  // larger than the file-size limit below
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit limited = saved;
  limited.rlim_cur = 100000;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const bool saved1 = data.Save(path);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(saved1);
  EXPECT_EQ(ReadFile(path), previous);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

  EXPECT_FALSE(data.Save(folder.File("missing/Paciente.qlm")));
  ASSERT_TRUE(data.Save(path));
  EXPECT_EQ(ReadFile(path), Stored(data));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}
