// The print command on the sample project: after the confirmation, one A4
// page titled "Quorvantile Report" in the PDF file named in the save dialog,
// with the panoramic, cross-section, axial and 3D views captured as on
// screen in its first four cells; the project's own templates untouched.
#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkMath.h>
#include <vtkNew.h>
#include <vtkPlaneSource.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include <QImage>
#include <QPrinter>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ProjectFrameFixture.h"
#include "QlmCommandOutput.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "output/CQlmPrintPreview.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

namespace {

// Width and height of every picture of the PDF, in the order they are drawn.
std::vector<std::pair<int, int>> PictureSizes(const std::string& pdf) {
  std::istringstream lines(QlmCommandOutput("pdfimages -list '" + pdf + "'"));
  std::vector<std::pair<int, int>> sizes;
  std::string line;
  for (int header = 0; header < 2 && std::getline(lines, line); ++header) {
  }
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    int page = 0, number = 0, width = 0, height = 0;
    std::string type;
    // Columns: page num type width height ...; soft masks of a picture are listed as type "smask".
    if (fields >> page >> number >> type >> width >> height && type == "image") sizes.emplace_back(width, height);
  }
  return sizes;
}

std::pair<int, int> SizeOf(vtkRenderWindow* window) { return {window->GetSize()[0], window->GetSize()[1]}; }

// A flat magenta square of `side` mm facing the camera of `renderer` at its focal point.
vtkSmartPointer<vtkActor> SquareFacingTheCamera(vtkRenderer* renderer, double side) {
  vtkCamera* camera = renderer->GetActiveCamera();
  double focal[3], up[3], direction[3], right[3];
  camera->GetFocalPoint(focal);
  camera->GetViewUp(up);
  camera->GetDirectionOfProjection(direction);
  vtkMath::Cross(direction, up, right);
  vtkNew<vtkPlaneSource> plane;
  double corner[3], across[3], upwards[3];
  for (int i = 0; i < 3; ++i) {
    corner[i] = focal[i] - side / 2 * (right[i] + up[i]);
    across[i] = corner[i] + side * right[i];
    upwards[i] = corner[i] + side * up[i];
  }
  plane->SetOrigin(corner);
  plane->SetPoint1(across);
  plane->SetPoint2(upwards);
  vtkNew<vtkPolyDataMapper> mapper;
  mapper->SetInputConnection(plane->GetOutputPort());
  auto actor = vtkSmartPointer<vtkActor>::New();
  actor->SetMapper(mapper);
  actor->GetProperty()->SetColor(1, 0, 1);
  actor->GetProperty()->SetAmbient(1);
  actor->GetProperty()->SetDiffuse(0);
  return actor;
}

// Millimetres across and down of the magenta pixels of `page`, rasterised at `dpi`.
std::pair<double, double> MagentaExtentMM(const QImage& page, int dpi) {
  int left = page.width(), right = -1, top = page.height(), bottom = -1;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QRgb pixel = page.pixel(x, y);
      if (qRed(pixel) < 200 || qGreen(pixel) > 60 || qBlue(pixel) < 200) continue;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  if (right < 0) return {0, 0};
  return {(right - left + 1) * 25.4 / dpi, (bottom - top + 1) * 25.4 / dpi};
}

class ProjectReportPrintTest : public ProjectFrameFixture {
protected:
  void SetUp() override {
    ProjectFrameFixture::SetUp();
    if (IsSkipped()) return;
    QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
    if (QlmCommandOutput("command -v pdfimages").empty()) GTEST_SKIP() << "poppler-utils is missing";
    EnsureConfigFile();
    this->Frame = Start(SampleFile("Amostra.qlm"));
    this->Q = this->Frame->GetController();
    ASSERT_EQ(this->Q->ProjectOpen, 1);
  }

  std::unique_ptr<CMainFrame> Frame;
  CQlmQuorvantile* Q = nullptr;
};

TEST_F(ProjectReportPrintTest, PrintWritesOnePageWithTheFourViewsAsOnScreen) {
  CQlmQuorvantile& q = *this->Q;
  const int templatesBefore = q.PrintPreview->templates.GetCount();
  const std::string pdf = this->Files.File("relatorio.pdf");
  this->Prompter.QueueAnswer(QlmAnswer::Yes);
  this->Prompter.QueueFile(pdf.c_str());

  q.Print();

  ASSERT_FALSE(this->Prompter.Messages.empty());
  EXPECT_EQ(this->Prompter.Messages.front().Text.Str(), "Confirma a impressão?");
  EXPECT_EQ(this->Prompter.Messages.front().Caption.Str(), "Atenção");
  const std::string info = QlmCommandOutput("pdfinfo '" + pdf + "'");
  EXPECT_NE(info.find("Title:           Quorvantile Report"), std::string::npos) << info;
  EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
  EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
  const std::vector<std::pair<int, int>> expected = {SizeOf(q.WindowPanoramic->RenderWindow),
                                                     SizeOf(q.WindowCross->RenderWindow),
                                                     SizeOf(q.WindowAxial->RenderWindow),
                                                     SizeOf(q.Window3D->RenderWindow)};
  EXPECT_EQ(PictureSizes(pdf), expected);
  EXPECT_EQ(q.PrintPreview->templates.GetCount(), templatesBefore);
}

TEST_F(ProjectReportPrintTest, LifeSizeCaptureKeepsItsMillimetresOnPaperAtAnyPrinterResolution) {
  CQlmQuorvantile& q = *this->Q;
  vtkRenderer* top = q.WindowAxial->Renderer0;
  auto square = SquareFacingTheCamera(top, 20.0);
  top->AddActor(square);
  CQlmPrintPreview& report = *q.PrintPreview;
  report.NewTemplate(CQlmPrintTemplate::A4, 5, 0xFFFFFF);
  report.SetArea(0, 0, 420, 594);
  report.LayoutCurrent();
  CQlmPrintRect* cell = report.currentTemplate->cells.GetAt(0);
  report.CaptureAxialTrueScale(cell);
  top->RemoveActor(square);
  ASSERT_EQ(cell->kind, CQlmPrintRect::Picture);
  EXPECT_EQ(cell->trueScale, 1);

  for (int dpi : {300, 1200}) {
    const std::string pdf = this->Files.File("quadrado" + std::to_string(dpi) + ".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setResolution(dpi);
    ASSERT_TRUE(report.PrintOn(printer, true, nullptr)) << dpi;
    const std::string picture = this->Files.File("quadrado" + std::to_string(dpi));
    QlmCommandOutput("pdftoppm -r 300 -singlefile '" + pdf + "' '" + picture + "'");
    const QImage page(QString::fromStdString(picture + ".ppm"));
    ASSERT_FALSE(page.isNull()) << dpi;
    const auto [across, down] = MagentaExtentMM(page, 300);
    EXPECT_NEAR(across, 20.0, 0.5) << dpi;
    EXPECT_NEAR(down, 20.0, 0.5) << dpi;
  }
}

TEST_F(ProjectReportPrintTest, AnsweringNoPrintsNothing) {
  this->Prompter.QueueAnswer(QlmAnswer::No);
  this->Q->Print();
  EXPECT_TRUE(this->Prompter.FileCaptions.empty());
  EXPECT_EQ(this->Prompter.Unscripted, 0);
}

}  // namespace
