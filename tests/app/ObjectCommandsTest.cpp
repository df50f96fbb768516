// The object commands on the sample project of the real head CT: the STL
// import (names, the kept geometry block, save and reopen, refused files),
// the nerve export, the guide export and the screen capture.
#include <vtkCellArray.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSTLReader.h>
#include <vtkUnsignedCharArray.h>

#include <QImage>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "QlmBytes.h"
#include "QlmViewMouse.h"
#include "SampleProjectFixture.h"
#include "app/QlmConfig.h"
#include "objects/CQlmGeometries.h"
#include "objects/CQlmNerves.h"
#include "output/CDialogPrintParam.h"
#include "output/CDlgExportStelvane.h"
#include "views/CDialogImplantAngle.h"
#include "project/CQlmGeometryBlock.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"
#include "views/C3DWnd.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* SpiderStl = "meshes/stl/Spider_binary.stl";

class ObjectCommandsTest : public SampleProjectFixture {
protected:
  void SetUp() override {
    SampleProjectFixture::SetUp();
    if (!this->Opened()) return;
    QLM_REQUIRE_TEST_DATA(SpiderStl);
  }

  // The import command on `path`.
  void Import(const std::string& path) {
    this->Prompter.QueueFile(CString(path));
    this->Frame->RunCommand(33088);
  }

  // `source` copied under the test's files as `name`.
  std::string CopyAs(const std::string& name, const fs::path& source) const {
    const std::string target = this->Files.File(name);
    fs::copy_file(source, target, fs::copy_options::overwrite_existing);
    return target;
  }

  CQlmObjectList& Objects() const { return this->Q->Geometries->GetObjectList(); }

  std::vector<CString> Names() const {
    std::vector<CString> names;
    this->Objects().ForEach([&names](CQlmObject* object) { names.push_back(object->Name); });
    return names;
  }
};

int32_t FirstWord(const std::string& path) {
  const QlmBytes::Bytes bytes = QlmBytes::ReadFile(path);
  int32_t word = 0;
  if (bytes.size() >= 4) std::memcpy(&word, bytes.data(), 4);
  return word;
}

}  // namespace

TEST_F(ObjectCommandsTest, ImportNamesByTitleGrowsTheKeptBlockAndSurvivesSaveAndReopen) {
  if (!this->Opened()) return;
  const std::string spider = this->CopyAs("Aranha.stl", QlmTestData::Path(SpiderStl));
  const int before = this->Objects().GetCount();
  const vtkIdType blockBefore = this->Q->Creator202106->GeometryBlock->GetNumberOfValues();
  ASSERT_EQ(this->Q->GeometryBlock, 1);
  vtkIdType expectedBlock = blockBefore;
  for (int k = 0; k < 3; ++k) {
    this->Import(spider);
    ASSERT_EQ(this->Objects().GetCount(), before + k + 1);
    vtkNew<vtkUnsignedCharArray> alone;
    ASSERT_TRUE(CQlmGeometryBlock::AppendMesh(alone, this->Objects().GetLast()->GetPolyData()));
    expectedBlock += alone->GetNumberOfValues();
  }
  EXPECT_TRUE(this->Prompter.Messages.empty());
  EXPECT_EQ(this->Q->Modified, 1);
  const std::vector<CString> names = this->Names();
  EXPECT_EQ(std::vector<CString>(names.end() - 3, names.end()),
            (std::vector<CString>{"Aranha", "Aranha_new", "Aranha_new_new"}));
  EXPECT_EQ(this->Q->Creator202106->GeometryBlock->GetNumberOfValues(), expectedBlock);
  EXPECT_EQ(this->Q->Geometries->GetAxialList().GetCount(), before + 3);
  const vtkIdType triangles = this->Objects().GetLast()->GetPolyData()->GetNumberOfPolys();
  EXPECT_GT(triangles, 0);

  // A title of 30 characters (one of them two bytes long) keeps 22 of them.
  this->Import(this->CopyAs("Mandíbula_superior_esquerda_01.stl", QlmTestData::Path(SpiderStl)));
  EXPECT_EQ(this->Names().back(), CString("Mandíbula_superior_esq..."));

  this->Frame->RunCommand(57603);  // save
  ASSERT_EQ(this->Q->Modified, 0);
  CQlmProjectData saved;
  ASSERT_TRUE(saved.Open(this->Q->ProjectPath.Str()));
  ASSERT_EQ(static_cast<int>(saved.Geometries.size()), before + 4);
  EXPECT_EQ(saved.Geometries[before + 1].Name, CString("Aranha_new"));
  EXPECT_EQ(saved.Geometries[before + 2].Mesh->GetNumberOfPolys(), triangles);
  EXPECT_EQ(saved.GeometryBlock->GetNumberOfValues(), this->Q->Creator202106->GeometryBlock->GetNumberOfValues());
}

TEST_F(ObjectCommandsTest, FilesWithoutATriangleAreRefusedAndChangeNothing) {
  if (!this->Opened()) return;
  struct Case {
    const char* Name;
    const char* Text;
  };
  const Case cases[] = {
      {"Texto.stl", "Este arquivo nao e uma malha.\n"},
      {"Vazio.stl", "solid vazio\nendsolid vazio\n"},
  };
  const int before = this->Objects().GetCount();
  const vtkIdType block = this->Q->Creator202106->GeometryBlock->GetNumberOfValues();
  for (const Case& c : cases) {
    this->Prompter.Messages.clear();
    this->Import(this->RawFile(c.Name, QlmBytes::Bytes(c.Text, c.Text + std::strlen(c.Text))));
    ASSERT_EQ(this->Prompter.Messages.size(), 1u) << c.Name;
    EXPECT_EQ(this->Prompter.Messages[0].Text, "Error importing " + CString(c.Name) + " !");
    EXPECT_EQ(this->Prompter.Messages[0].Caption, CString("Error Importing File"));
    EXPECT_EQ(this->Prompter.Messages[0].Icon, QlmIcon::Error);
  }
  EXPECT_EQ(this->Objects().GetCount(), before);
  EXPECT_EQ(this->Q->Creator202106->GeometryBlock->GetNumberOfValues(), block);
  EXPECT_EQ(this->Q->Modified, 0);
}

TEST_F(ObjectCommandsTest, NerveExportWritesOneReadableStlPerNerveAndReportsAFailure) {
  if (!this->Opened()) return;
  CQlmNerves& nerves = *this->Q->NerveContainer;
  while (nerves.GetCount() < 3) nerves.AddNerve();
  this->Prompter.QueueFile(CString(this->Files.File("nervo.stl")));
  this->Frame->RunCommand(33123);
  EXPECT_TRUE(this->Prompter.Messages.empty());
  for (int n = 1; n <= 3; ++n) {
    vtkNew<vtkSTLReader> reader;
    reader->SetFileName(this->Files.File("nervo" + std::to_string(n) + ".stl").c_str());
    reader->Update();
    EXPECT_GT(reader->GetOutput()->GetNumberOfPolys(), 0) << n;
  }
  EXPECT_FALSE(fs::exists(this->Files.File("nervo4.stl")));

  // A letter typed in the axial view with Shift and Ctrl held, not without Ctrl.
  this->Prompter.QueueFile(CString(this->Files.File("tecla.stl")));
  for (Qt::KeyboardModifiers held :
       {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::ShiftModifier | Qt::ControlModifier}) {
    QlmViewMouse::PressKey(*this->Q->AxialView, Qt::Key_N, held);
    EXPECT_EQ(fs::exists(this->Files.File("tecla1.stl")), held.testFlag(Qt::ControlModifier));
  }

  this->Prompter.QueueFile(CString(this->Files.File("falta/nervo.stl")));
  this->Frame->RunCommand(33123);
  ASSERT_EQ(this->Prompter.Messages.size(), 3u);
  EXPECT_EQ(this->Prompter.Messages[0].Text,
            CString("Erro ao criar arquivo:\n" + this->Files.File("falta/nervo1.stl")));
}

TEST_F(ObjectCommandsTest, TheAngleCommandShowsBothTablesOverTheImplants) {
  if (!this->Opened()) return;
  int shown = 0;
  CDialog::SetModalHook([&](CDialog& dialog) {
    auto* angles = dynamic_cast<CDialogImplantAngle*>(&dialog);
    if (!angles) return INT_PTR(IDCANCEL);
    ++shown;
    EXPECT_EQ(angles->ListImplants.Implants, this->Q->ImplantContainer);
    EXPECT_EQ(angles->ListConectors.Implants, this->Q->ImplantContainer);
    return INT_PTR(IDOK);
  });
  this->Frame->RunCommand(33120);
  EXPECT_EQ(shown, 1);
}

TEST_F(ObjectCommandsTest, GuideExportWritesTheProjectOnTheChosenBaseOrReportsAFailure) {
  if (!this->Opened()) return;
  this->Import(this->CopyAs("Base.stl", QlmTestData::Path(SpiderStl)));
  vtkPolyData* base = this->Objects().GetLast()->GetPolyData();
  const std::string old = this->Files.File("Antigo.stv");
  QlmBytes::WriteFile(old, QlmBytes::Bytes(7, 0x5A));
  std::string target;
  CDialog::SetModalHook([&](CDialog& dialog) {
    auto* export_ = dynamic_cast<CDlgExportStelvane*>(&dialog);
    if (!export_) return INT_PTR(IDCANCEL);
    EXPECT_EQ(export_->OutputPath.Str().substr(export_->OutputPath.GetLength() - 4), ".stv");
    EXPECT_EQ(export_->Geometries->back().Name, CString("Base"));
    export_->OutputPath = target;
    export_->BaseMesh = base;
    return INT_PTR(IDOK);
  });

  target = this->Files.File("Guia.stv");
  this->Frame->RunCommand(33154);
  ASSERT_EQ(this->Prompter.Messages.size(), 1u);
  EXPECT_EQ(this->Prompter.Messages[0].Text, CString("Arquivo Stelvane exportado com sucesso"));
  EXPECT_EQ(this->Prompter.Messages[0].Icon, QlmIcon::Information);
  EXPECT_EQ(FirstWord(target), 2021070);
  // The sample plans no object: the format code, five zero counts, then N points and T triangles of the base.
  const QlmBytes::Bytes written = QlmBytes::ReadFile(target);
  ASSERT_EQ(written.size(),
            4 + 5 * 4 + 4 + 24 * size_t(base->GetNumberOfPoints()) + 4 + 12 * size_t(base->GetNumberOfPolys()));
  EXPECT_EQ(QlmBytes::Bytes(written.begin() + 4, written.begin() + 24), QlmBytes::Bytes(20, 0));

  target = this->Files.File("falta/Guia.stv");
  this->Frame->RunCommand(33154);
  ASSERT_EQ(this->Prompter.Messages.size(), 2u);
  EXPECT_EQ(this->Prompter.Messages[1].Text, CString("Erro gravando arquivo Stelvane"));
  EXPECT_EQ(this->Prompter.Messages[1].Caption, CString("Stelvane"));
  EXPECT_EQ(this->Prompter.Messages[1].Icon, QlmIcon::Error);
  EXPECT_FALSE(fs::exists(this->Files.File("falta")));
  EXPECT_EQ(QlmBytes::ReadFile(old), QlmBytes::Bytes(7, 0x5A));
}

TEST_F(ObjectCommandsTest, CaptureWritesOnePicturePerViewAndReportsTheOneThatFails) {
  if (!this->Opened()) return;
  QWidget& window = *this->Frame->GetSafeHwnd();
  window.resize(1280, 960);
  window.show();
  QApplication::processEvents();
  // The dialog shows the settings line: its default first, then what the capture kept.
  int shownResolution = 200;
  CDialog::SetModalHook([&shownResolution](CDialog& dialog) {
    auto* parameters = dynamic_cast<CDialogPrintParam*>(&dialog);
    if (!parameters) return INT_PTR(IDCANCEL);
    EXPECT_EQ(parameters->Resolution, shownResolution);
    parameters->Axial = parameters->Panoramic = parameters->View3D = parameters->CrossSection = 1;
    parameters->Resolution = 150;
    return INT_PTR(IDOK);
  });
  // The typed spelling of the extension is kept; a folder takes the panoramic file's name.
  fs::create_directory(this->Files.File("capPanoramic.JPG"));
  this->Prompter.QueueFile(CString(this->Files.File("cap.JPG")));
  this->Frame->RunCommand(32788);

  ASSERT_EQ(this->Prompter.Messages.size(), 1u);
  EXPECT_EQ(this->Prompter.Messages[0].Text, CString("Erro ao criar arquivo:\ncapPanoramic.JPG"));
  EXPECT_EQ(this->Prompter.Messages[0].Caption, CString("Erro"));
  // Without true scale each picture has its view's size.
  const std::pair<const char*, CWnd*> views[] = {
      {"Axial", this->Q->AxialView}, {"3D", this->Q->View3D}, {"Cross", this->Q->CrossView}};
  for (const auto& [view, wnd] : views) {
    QImage picture(QString::fromStdString(this->Files.File(std::string("cap") + view + ".JPG")), "JPG");
    ASSERT_FALSE(picture.isNull()) << view;
    CRect client;
    wnd->GetClientRect(&client);
    EXPECT_EQ(picture.width(), client.Width()) << view;
    EXPECT_EQ(picture.height(), client.Height()) << view;
    // With QLM_CAPTURE_PICTURES set, the pictures are kept there as PNG.
    if (const char* keep = std::getenv("QLM_CAPTURE_PICTURES"))
      picture.save(QString::fromStdString(std::string(keep) + "/capture-" + view + ".png"));
  }
  int dpi = 0, trueScale = -1, rectangle = -1, width = 0, height = 0, scale = -1;
  float multiple = 0;
  ASSERT_EQ(ReadConfigScreenShot(dpi, multiple, trueScale, rectangle, width, height, scale), 1);
  EXPECT_EQ(dpi, 150);
  EXPECT_FLOAT_EQ(multiple, 2.0f);
  EXPECT_EQ(width, 150);

  // Another extension: a message, no picture, the settings as they were.
  shownResolution = 150;
  this->Prompter.QueueFile(CString(this->Files.File("cap.png")));
  this->Frame->RunCommand(32810);
  ASSERT_EQ(this->Prompter.Messages.size(), 2u);
  EXPECT_FALSE(fs::exists(this->Files.File("capAxial.png")));
}
