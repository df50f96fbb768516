// The CT filters on the real head CT: the thick panoramic must show the
// maxillary teeth as its brightest band. The reformats are also written as PNG
// pictures (QLM_CT_PICTURES) for a person to look at.
#include "QlmJawVolume.h"

#include "CTFilterFixtures.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "toolkit/vtkImage16bitsMonocromeTo8BitsRGBFilter.h"

#include <gtest/gtest.h>
#include <vtkExtractVOI.h>
#include <vtkImageAppend.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPNGWriter.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

namespace {

// 153.6 x 153.6 x 120 mm around the upper jaw at 0.6 mm.
constexpr int Dimensions[3] = {256, 256, 200};
constexpr double Spacing = 0.6;

void WritePicture(vtkImageData* image, const std::string& name) {
  std::filesystem::create_directories(QLM_CT_PICTURES);
  vtkNew<vtkImage16bitsMonocromeTo8BitsRGBFilter> grey;
  grey->SetInputData(image);
  vtkNew<vtkPNGWriter> writer;
  writer->SetInputConnection(grey->GetOutputPort());
  writer->SetFileName((std::filesystem::path(QLM_CT_PICTURES) / name).string().c_str());
  writer->Write();
}

// The nine sections side by side, three rows of three, cell 0 at the top left.
vtkSmartPointer<vtkImageData> Tiled(vtkImageData* sections) {
  const int* dims = sections->GetDimensions();
  vtkNew<vtkImageAppend> rows;
  rows->SetAppendAxis(1);
  for (int row = 2; row >= 0; --row) {
    vtkNew<vtkImageAppend> cells;
    cells->SetAppendAxis(0);
    for (int column = 0; column < 3; ++column) {
      vtkNew<vtkExtractVOI> cell;
      cell->SetInputData(sections);
      const int k = 3 * row + column;
      cell->SetVOI(0, dims[0] - 1, 0, dims[1] - 1, k, k);
      cell->Update();
      vtkNew<vtkImageData> flat;
      flat->ShallowCopy(cell->GetOutput());
      flat->SetExtent(0, dims[0] - 1, 0, dims[1] - 1, 0, 0);
      cells->AddInputData(flat);
    }
    cells->Update();
    vtkNew<vtkImageData> band;
    band->DeepCopy(cells->GetOutput());
    rows->AddInputData(band);
  }
  rows->Update();
  return rows->GetOutput();
}

// Mean of every row of a 2D image (row 0 at the bottom of the volume).
std::vector<double> RowMeans(vtkImageData* image) {
  const int* dims = image->GetDimensions();
  const auto* voxels = static_cast<const int16_t*>(image->GetScalarPointer());
  std::vector<double> means(dims[1]);
  for (int y = 0; y < dims[1]; ++y) {
    const int16_t* row = voxels + static_cast<size_t>(y) * dims[0];
    means[y] = std::accumulate(row, row + dims[0], 0.0) / dims[0];
  }
  return means;
}

class RealHeadCt : public ::testing::Test {
protected:
  void SetUp() override {
    std::string why;
    this->Volume = QlmJawVolume::Make(Dimensions, Spacing, why);
    if (!this->Volume) GTEST_SKIP() << why;
    this->Filters.SetInput(&this->Arch.Calc, this->Volume);
    this->Filters.GetPanFilter()->SetFlipY(1);
    this->Filters.GetCrossFilter()->SetFlipY(1);
  }

  vtkSmartPointer<vtkImageData> Volume;
  DefaultArch Arch;
  CQlmCTFilter Filters;
};

TEST_F(RealHeadCt, ThickPanoramicShowsTheMaxillaryTeethAsItsBrightestBand) {
  CQlmCTPanFilter* panoramic = this->Filters.GetPanFilter();
  WritePicture(panoramic->GetOutput(), "panoramic-thin.png");
  panoramic->SetThick(1);
  panoramic->SetThickness(22.0f);
  for (int mode : {0, 1, 2}) {
    panoramic->SetThickMode(mode);
    panoramic->Update();
    WritePicture(panoramic->GetOutput(), "panoramic-thick-mode" + std::to_string(mode) + ".png");

    // A band 6 mm high: where is it brightest, and how much brighter than elsewhere?
    const std::vector<double> means = RowMeans(panoramic->GetOutput());
    const int band = static_cast<int>(6.0 / Spacing);
    std::vector<double> bands(means.size() - band + 1);
    for (size_t y = 0; y < bands.size(); ++y) bands[y] = std::accumulate(&means[y], &means[y] + band, 0.0) / band;
    const size_t brightest = std::max_element(bands.begin(), bands.end()) - bands.begin();
    const double centre = (brightest + band / 2.0) * Spacing;
    EXPECT_GT(centre, QlmJawVolume::TeethBottom) << "mode " << mode;
    EXPECT_LT(centre, QlmJawVolume::TeethTop) << "mode " << mode;
    double elsewhere = 0;
    for (size_t y = 0; y < bands.size(); ++y) {
      const double middle = (y + band / 2.0) * Spacing;
      if (middle > QlmJawVolume::TeethTop + 6) elsewhere = std::max(elsewhere, bands[y]);
    }
    // The zygomatic arches and the orbital rims come closest, at about 0.8 to 0.9.
    EXPECT_GT(bands[brightest], 1.1 * elsewhere)
        << "mode " << mode << ": teeth band " << bands[brightest] << ", brightest band above it " << elsewhere;
  }
}

TEST_F(RealHeadCt, WritesTheOtherReformatsAsPictures) {
  CQlmCTAxialFilter* axial = this->Filters.GetAxialFilter();
  axial->SetSlice(static_cast<int>((QlmJawVolume::TeethBottom + QlmJawVolume::TeethTop) / 2 / Spacing));
  WritePicture(axial->GetOutput(), "axial-teeth.png");
  CQlmCTCrossFilter9* sections = this->Filters.GetCrossFilter();
  sections->SetPosition(sections->GetMaxIndex() / 2);
  WritePicture(Tiled(sections->GetOutput()), "cross-sections.png");
  for (const char* name : {"axial-teeth.png", "cross-sections.png"}) {
    EXPECT_GT(std::filesystem::file_size(std::filesystem::path(QLM_CT_PICTURES) / name), 1000u) << name;
  }
}

}  // namespace
