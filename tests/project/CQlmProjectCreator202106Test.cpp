#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkCellArray.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>
#include <vtkUnsignedCharArray.h>

#include <cstdlib>

#include "CreatorTest.h"
#include "ProjectFixtures.h"
#include "QlmBytes.h"
#include "QlmGuiTestApp.h"
#include "QlmTempDir.h"
#include "QlmTestData.h"
#include "ReportFixtures.h"
#include "SampleProject.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceScript.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "objects/CQlmGeometries.h"
#include "objects/CQlmNerves.h"
#include "output/CQlmPrintPreview.h"
#include "platform/CQlmScriptedPrompter.h"
#include "project/CQlmGeometryBlock.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmRequestInfo.h"
#include "project/CQlmVolumeAttachment.h"
#include "project/CQlmVolumeAttachmentList.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

// Qt's and the system libraries' own allocations that live for the whole process.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libglib\nleak:libX11\nleak:libxcb\n";
}

using namespace ProjectFixtures;

namespace {

using QlmBytes::ReadFile;
using QlmBytes::WriteFile;

}  // namespace

TEST_F(CreatorTest, ProbeReturnsTheFirstWordOrMinusOne) {
  struct Case {
    const char* Name;
    Bytes Content;
    int Expected;
  };
  const Case cases[] = {{"empty", {}, -1},
                        {"three bytes", {0x85, 0x38, 0x0C}, -1},
                        {"newer format", {0x86, 0x38, 0x0C, 0x00, 0xFF}, 800902},
                        {"current format", {0x85, 0x38, 0x0C, 0x00}, 800901}};
  for (const Case& c : cases) {
    WriteFile(this->Folder.File(c.Name), c.Content);
    this->Creator->Path = this->Folder.File(c.Name);
    EXPECT_EQ(this->Creator->GetFileVersion(), c.Expected) << c.Name;
  }
  this->Creator->Path = this->Folder.File("missing.qlm");
  EXPECT_EQ(this->Creator->GetFileVersion(), -1);
}

TEST_F(CreatorTest, An800901FileIsRefusedBy800900AfterItsReservedWordsAndReadBy800901) {
  CQlmProjectData data;
  FillRichProject(data);
  // Saved while the arch was edited, read by a controller editing it: neither survives the read.
  data.ViewState.CurveEdit = 1;
  this->Controller->CurveEditing = 1;
  const std::string path = this->Folder.File("Rico.qlm");
  ASSERT_TRUE(data.Save(path));
  this->Creator->Path = path;

  EXPECT_EQ(this->Creator->Read800900(), 0);
  EXPECT_EQ(this->Controller->Reserved[0], 17);
  EXPECT_EQ(this->Controller->Reserved[1], -4);
  EXPECT_EQ(this->Controller->LoadedVersion, 0);
  EXPECT_EQ(this->Controller->AttachmentsA->GetCount(), 0);

  ASSERT_EQ(this->Creator->Read800901(), 1);
  CQlmQuorvantile& controller = *this->Controller;
  EXPECT_EQ(controller.LoadedVersion, 800901);
  EXPECT_EQ(controller.AttachmentsA->GetCount(), 2);
  EXPECT_EQ(controller.AttachmentsB->GetAt(0)->DataSize, 300);
  EXPECT_EQ(controller.SecondVolume, 1);
  EXPECT_EQ(controller.CTData2->ImageData->GetDimensions()[0], 8);
  EXPECT_EQ(controller.GeometryBlock, 1);
  EXPECT_EQ(controller.PolyLine->GetBalls().GetCount(), 3);
  EXPECT_EQ(controller.Notes, data.Notes);
  for (int i = 0; i < CQlmRequestInfo::FormCount; ++i) {
    EXPECT_EQ(controller.RequestInfo->Texts[i], data.RequestTexts[i]) << i;
  }
  EXPECT_EQ(controller.ThickPanoramic, 1);
  EXPECT_EQ(controller.SagittalCoronal, 1);
  EXPECT_EQ(controller.SavedReformat.ArchPointCount, 9);
  EXPECT_EQ(controller.SavedReformat.ArchPoints[8][0], 36);
  EXPECT_EQ(controller.CurveEditing, 0);
  EXPECT_EQ(controller.PrintPreview->previewOpened, 1);
  EXPECT_EQ(controller.PrintPreview->templates.GetCount(), 2);
  EXPECT_TRUE(this->Prompter.Messages.empty());

  // Written back: the kept blocks and attachments as read, the geometries pickable.
  ASSERT_EQ(this->Save(this->Folder.File("Copia.qlm")), 1);
  CQlmProjectData copy;
  ASSERT_TRUE(copy.Open(this->Folder.File("Copia.qlm")));
  EXPECT_EQ(Stored(copy.AttachmentsA), Stored(data.AttachmentsA));
  EXPECT_EQ(Stored(copy.AttachmentsB), Stored(data.AttachmentsB));
  EXPECT_EQ(copy.MainVolumeBlock->GetNumberOfValues(), data.MainVolumeBlock->GetNumberOfValues());
  ASSERT_EQ(copy.Geometries.size(), 2u);
  EXPECT_EQ(copy.Geometries[0].Pickable, 1);
  EXPECT_EQ(copy.Geometries[1].Name, "Modelo inferior");
  EXPECT_EQ(copy.ReservedWords[1], -4);
  for (int i = 0; i < CQlmRequestInfo::FormCount; ++i) EXPECT_EQ(copy.RequestTexts[i], data.RequestTexts[i]) << i;
  EXPECT_EQ(ReportFixtures::Serialized(*copy.Report), ReportFixtures::Serialized(*data.Report));
}

TEST_F(CreatorTest, An800900FileOpensWithTheDefaultViewState) {
  CQlmProjectData source;
  FillSmallProject(source);
  Bytes file;
  for (int32_t word : {800900, 0, 0}) AppendInt32(file, word);
  AppendInt32(file, static_cast<int32_t>(source.MainVolumeBlock->GetNumberOfValues()));
  file.insert(file.end(), source.MainVolumeBlock->GetPointer(0),
              source.MainVolumeBlock->GetPointer(0) + source.MainVolumeBlock->GetNumberOfValues());
  for (int32_t word : {0, 0, 0, 0, 1, 2, 3, 4, 5, 6}) AppendInt32(file, word);
  WriteFile(this->Folder.File("Antigo.qlm"), file);

  ASSERT_EQ(this->Open(this->Folder.File("Antigo.qlm")), 1);
  CQlmQuorvantile& controller = *this->Controller;
  EXPECT_EQ(controller.LoadedVersion, 800900);
  EXPECT_EQ(controller.PanoramicCalc->GetCurveCount() + 1, 17);
  EXPECT_EQ(controller.PanoramicCalc->GetCurrentCurve(), controller.PanoramicCalc->GetMiddleCurve());
  EXPECT_EQ(controller.CTFilter->GetAxialFilter()->GetCurrentSlice(), 1);
  EXPECT_EQ(controller.CTFilter->GetCrossFilter()->GetSectionWidth(), 50.0f);
  EXPECT_EQ(controller.WindowCross->GetSingleCell(), 1);
  EXPECT_EQ(controller.ThickPanoramic, 1);
  EXPECT_EQ(controller.CTFilter->GetPanFilter()->GetThick(), 1);
  EXPECT_EQ(controller.Window3D->Enabled, 1);
  // The 3D view from the front.
  vtkCamera& camera = *controller.Window3D->Renderer3->GetActiveCamera();
  EXPECT_NEAR(camera.GetDirectionOfProjection()[1], 1.0, 1e-9);
  EXPECT_NEAR(camera.GetViewUp()[2], 1.0, 1e-9);
}

TEST_F(CreatorTest, CutFilesAreRefusedByBothReaders) {
  CQlmProjectData data;
  FillSmallProject(data);
  const Bytes whole = Stored(data);
  const std::string path = this->Folder.File("Cortado.qlm");
  for (size_t size = 4; size < whole.size(); size += 97) {
    WriteFile(path, Bytes(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(size)));
    this->Creator->Path = path;
    EXPECT_EQ(this->Creator->Read800900(), 0) << "cut at " << size;
    EXPECT_EQ(this->Creator->Read800901(), 0) << "cut at " << size;
  }
  EXPECT_EQ(this->Controller->LoadedVersion, 0);
}

TEST_F(CreatorTest, SavingTwiceWritesIdenticalFilesAndCompressesOnce) {
  this->Controller->CTData->ImageData->DeepCopy(SmallVolume());
  ASSERT_EQ(this->Save(this->Folder.File("Primeiro.qlm")), 1);
  EXPECT_EQ(this->Creator->HasMainVolumeBlock, 1);
  const vtkMTimeType compressed = this->Creator->MainVolumeBlock->GetMTime();
  ASSERT_EQ(this->Save(this->Folder.File("Segundo.qlm")), 1);
  EXPECT_EQ(this->Creator->MainVolumeBlock->GetMTime(), compressed);
  EXPECT_EQ(ReadFile(this->Folder.File("Primeiro.qlm")), ReadFile(this->Folder.File("Segundo.qlm")));

  EXPECT_EQ(this->Save(this->Folder.File("sem pasta/Terceiro.qlm")), 0);
}

TEST_F(CreatorTest, TheSampleProjectIsSavedAgainByteForByte) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  const std::string path = this->SaveSampleProject();
  ASSERT_FALSE(path.empty());

  ASSERT_EQ(this->Open(path), 1);
  ASSERT_EQ(this->Save(this->Folder.File("Salvo.qlm")), 1);
  EXPECT_EQ(ReadFile(this->Folder.File("Salvo.qlm")), ReadFile(path));
}

TEST_F(CreatorTest, TheSampleProjectKeepsItsReportPagesThroughSaveAndOpen) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  const std::string path = this->SaveSampleProject();
  ASSERT_FALSE(path.empty());
  const Bytes withoutReport = ReadFile(path);
  ASSERT_EQ(this->Open(path), 1);
  EXPECT_EQ(this->Controller->PrintPreview->templates.GetCount(), 0);

  ReportFixtures::FillReport(*this->Controller->PrintPreview);
  const Bytes report = ReportFixtures::Serialized(*this->Controller->PrintPreview);
  ASSERT_EQ(this->Save(this->Folder.File("Relatorio.qlm")), 1);
  const Bytes saved = ReadFile(this->Folder.File("Relatorio.qlm"));
  EXPECT_EQ(saved.size(), withoutReport.size() + report.size());

  this->ReplaceController();
  ASSERT_EQ(this->Open(this->Folder.File("Relatorio.qlm")), 1);
  CQlmPrintPreview& reopened = *this->Controller->PrintPreview;
  EXPECT_EQ(reopened.previewOpened, 1);
  ASSERT_EQ(reopened.templates.GetCount(), 2);
  EXPECT_EQ(reopened.currentIndex, 1);
  EXPECT_EQ(reopened.currentTemplate, reopened.templates.GetAt(1));
  CQlmPrintTemplate& first = *reopened.templates.GetAt(0);
  EXPECT_EQ(first.cells.GetAt(0)->text, "Paciente: Conceição\r\nImplantes na maxila");
  const QImage& capture = first.cells.GetAt(1)->bitmap.GetImage();
  ASSERT_EQ(capture.size(), QSize(16, 12));
  EXPECT_EQ(capture.pixel(15, 11), qRgb(240, 220, 105));
  EXPECT_EQ(first.cells.GetAt(2)->kind, CQlmPrintRect::ImplantTable);
  EXPECT_EQ(reopened.templates.GetAt(1)->paperRatio, CQlmPrintTemplate::A3);
  EXPECT_EQ(ReportFixtures::Serialized(reopened), report);

  ASSERT_EQ(this->Save(this->Folder.File("Copia.qlm")), 1);
  EXPECT_EQ(ReadFile(this->Folder.File("Copia.qlm")), saved);
}

TEST_F(CreatorTest, ImportedObjectsComeBackWithTheirSettingsAndCutFlags) {
  CQlmProjectData source;
  FillRichProject(source);
  ASSERT_EQ(this->Open(this->SaveInFolder(source, "Rico.qlm")), 1);
  CQlmObjectList* objects = &this->Controller->Geometries->GetObjectList();
  ASSERT_EQ(objects->GetCount(), 2);
  CQlmObject* second = objects->GetListItemAt(1);
  EXPECT_EQ(second->Name, "Modelo inferior");
  EXPECT_FLOAT_EQ(second->GetColor()[1], 0.25f);
  EXPECT_EQ(second->GetPickable(), 1);
  EXPECT_EQ(std::vector<int>(second->CutShown, second->CutShown + 3), (std::vector<int>{0, 1, 0}));
  EXPECT_GT(second->GetPolyData()->GetNumberOfPolys(), 0);
  second->SetOpacity(0.4f);
  second->SetDepthSort(1);
  second->SetDisplayMode(1);
  second->SelectColor(1);
  second->CutShown[2] = 1;

  const std::string copy = this->Folder.File("Copia.qlm");
  ASSERT_EQ(this->Save(copy), 1);
  this->ReplaceController();
  ASSERT_EQ(this->Open(copy), 1);
  objects = &this->Controller->Geometries->GetObjectList();
  ASSERT_EQ(objects->GetCount(), 2);
  second = objects->GetListItemAt(1);
  EXPECT_EQ(second->Name, "Modelo inferior");
  EXPECT_FLOAT_EQ(second->GetOpacity(), 0.4f);
  EXPECT_EQ(second->GetDepthSort(), 1);
  EXPECT_EQ(second->GetDisplayMode(), 1);
  EXPECT_EQ(second->GetColorChoice(), 1);
  EXPECT_EQ(std::vector<int>(second->CutShown, second->CutShown + 3), (std::vector<int>{0, 1, 1}));
  EXPECT_EQ(second->ReservedValue2, 41);
  EXPECT_DOUBLE_EQ(second->ReservedMatrix[5], 3.5);
  EXPECT_FLOAT_EQ(second->ReservedPoints[9][2], -3.0f);
  EXPECT_EQ(std::vector<int>(objects->GetFirst()->CutShown, objects->GetFirst()->CutShown + 3),
            (std::vector<int>{1, 0, 0}));
}

TEST_F(CreatorTest, NervesComeBackWithTheirLinesAndTranslation) {
  this->Controller->CTData->ImageData->DeepCopy(SmallVolume());
  CQlmNerves& nerves = *this->Controller->NerveContainer;
  nerves.SetInput(this->Controller->CTData->ImageData, this->Controller->PanoramicCalc, 2.0f);
  for (int k = 0; k < 3; ++k) nerves.AddNerve();
  const float course[12] = {-9.5f, 3, 0, -2, 6.25f, 0, 4, 6, 0, 11, 2.5f, 0};
  nerves.GetNerveList()->GetListItemAt(0)->GetAxialLine().SetPoints(4, course);
  nerves.GetNerveList()->GetListItemAt(1)->SetDiameter(2.5f);
  nerves.GetNerveList()->GetListItemAt(2)->SetColor(0.1f, 0.9f, 0.5f);
  nerves.GetNerveList()->GetListItemAt(2)->SetVisible(0);
  const float shifted[3] = {1.5f, -2, 7};
  nerves.GetNerveList()->GetListItemAt(2)->SetTranslation(shifted);
  const std::string first = this->Folder.File("Nervos.qlm");
  ASSERT_EQ(this->Save(first), 1);

  this->ReplaceController();
  ASSERT_EQ(this->Open(first), 1);
  CQlmNerveList& read = *this->Controller->NerveContainer->GetNerveList();
  ASSERT_EQ(read.GetCount(), 3);
  const char* names[3] = {"Nervo Direito", "Nervo Esquerdo", "Nervo Direito 02"};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const CQlmNerve& nerve = *read.GetListItemAt(i);
    EXPECT_EQ(std::string(nerve.GetName().Str()), names[i]);
    EXPECT_EQ(nerve.GetSide(), i % 2);
    EXPECT_EQ(nerve.GetPanoramicLine().GetShapeIndex(), 2 + i % 2);
    EXPECT_EQ(nerve.GetPanoramicLine().GetBalls().GetCount(), 9);
  }
  const CQlmNerve& moved = *read.GetListItemAt(0);
  ASSERT_EQ(moved.GetAxialLine().GetBalls().GetCount(), 4);
  double point[3];
  moved.GetAxialLine().GetLinePolyData()->GetPoint(1, point);
  EXPECT_DOUBLE_EQ(point[1], 6.25);
  // The centre of the small volume (origin (-2, -1.5, 10), 8 x 6 x 3 voxels of 0.5 x 0.5 x 1 mm).
  EXPECT_EQ(std::vector<float>(moved.GetTranslation(), moved.GetTranslation() + 3),
            (std::vector<float>{-0.25f, -0.25f, 11.0f}));
  EXPECT_FLOAT_EQ(read.GetListItemAt(1)->GetDiameter(), 2.5f);
  const CQlmNerve& last = *read.GetListItemAt(2);
  EXPECT_FLOAT_EQ(last.GetColor()[1], 0.9f);
  EXPECT_EQ(last.GetVisible(), 0);
  EXPECT_EQ(std::vector<float>(last.GetTranslation(), last.GetTranslation() + 3), (std::vector<float>{1.5f, -2, 7}));

  const std::string second = this->Folder.File("Copia.qlm");
  ASSERT_EQ(this->Save(second), 1);
  EXPECT_EQ(ReadFile(second), ReadFile(first));
}

// A nerve line of 51 points refuses the file before anything of it is taken.
TEST_F(CreatorTest, ADamagedNerveSectionOpensNothing) {
  CQlmProjectData source;
  FillRichProject(source);
  source.Nerves[0].Axial.Count = 51;
  const std::string path = this->Folder.File("Danificado.qlm");
  ASSERT_TRUE(source.Save(path));
  EXPECT_EQ(this->Open(path), 0);
  EXPECT_EQ(this->Controller->NerveContainer->GetCount(), 0);
  EXPECT_EQ(this->Controller->Geometries->GetObjectList().GetCount(), 0);
}

// An imported mesh joins the kept geometry block; one that cannot be
// compressed drops the block, and the next save builds it from the objects.
TEST_F(CreatorTest, AnImportedMeshJoinsTheKeptBlockOrDropsIt) {
  CQlmProjectData source;
  FillRichProject(source);
  ASSERT_EQ(this->Open(this->SaveInFolder(source, "Rico.qlm")), 1);
  CQlmObjectList& objects = this->Controller->Geometries->GetObjectList();
  const vtkIdType before = this->Creator->GeometryBlock->GetNumberOfValues();
  vtkNew<vtkUnsignedCharArray> alone;
  ASSERT_TRUE(CQlmGeometryBlock::AppendMesh(alone, objects.GetFirst()->GetPolyData()));
  CQlmObject* added = objects.AddNewObject();
  added->SetPolyData(objects.GetFirst()->GetPolyData());
  added->Name = "Importado";
  EXPECT_TRUE(this->Creator->KeepImportedMesh(added->GetPolyData()));
  EXPECT_EQ(this->Creator->GeometryBlock->GetNumberOfValues(), before + alone->GetNumberOfValues());

  // A triangle with a corner past the points does not compress.
  vtkNew<vtkPolyData> broken;
  broken->DeepCopy(added->GetPolyData());
  const vtkIdType pastTheEnd[] = {0, 1, broken->GetNumberOfPoints()};
  broken->GetPolys()->InsertNextCell(3, pastTheEnd);
  EXPECT_FALSE(this->Creator->KeepImportedMesh(broken));
  EXPECT_EQ(this->Creator->HasGeometryBlock, 0);
  EXPECT_EQ(this->Controller->GeometryBlock, 0);

  ASSERT_EQ(this->Save(this->Folder.File("Copia.qlm")), 1);
  CQlmProjectData copy;
  ASSERT_TRUE(copy.Open(this->Folder.File("Copia.qlm")));
  ASSERT_EQ(copy.Geometries.size(), 3u);
  EXPECT_EQ(copy.Geometries[2].Name, "Importado");
  EXPECT_EQ(copy.Geometries[2].Mesh->GetNumberOfPolys(), added->GetPolyData()->GetNumberOfPolys());
}
