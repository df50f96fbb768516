// A mesh library of the real meshes round-trips every triangle and point.
#include <gtest/gtest.h>
#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkNew.h>
#include <vtkPoints.h>

#include "LibraryFixtures.h"
#include "RealMeshLibrary.h"
#include "libraries/CGeomsLibFile.h"

namespace {

void ExpectSameMesh(vtkPolyData* read, vtkPolyData* source) {
  ASSERT_EQ(read->GetNumberOfPoints(), source->GetNumberOfPoints());
  for (vtkIdType i = 0; i < source->GetNumberOfPoints(); ++i) {
    double a[3], b[3];
    read->GetPoint(i, a);
    source->GetPoint(i, b);
    ASSERT_TRUE(a[0] == b[0] && a[1] == b[1] && a[2] == b[2]) << "point " << i;
  }
  ASSERT_EQ(read->GetNumberOfPolys(), source->GetNumberOfPolys());
  auto expected = vtk::TakeSmartPointer(source->GetPolys()->NewIterator());
  auto actual = vtk::TakeSmartPointer(read->GetPolys()->NewIterator());
  for (expected->GoToFirstCell(), actual->GoToFirstCell(); !expected->IsDoneWithTraversal();
       expected->GoToNextCell(), actual->GoToNextCell()) {
    vtkIdType size = 0, readSize = 0;
    const vtkIdType *ids = nullptr, *readIds = nullptr;
    expected->GetCurrentCell(size, ids);
    actual->GetCurrentCell(readSize, readIds);
    ASSERT_EQ(size, 3);
    ASSERT_EQ(readSize, 3);
    ASSERT_TRUE(ids[0] == readIds[0] && ids[1] == readIds[1] && ids[2] == readIds[2])
        << "triangle " << expected->GetCurrentCellId();
  }
}

}  // namespace

TEST(CGeomsLibFile, AMeshLibraryOfTheRealMeshesRoundTripsTrianglesAndFloatPoints) {
  std::string why;
  vtkSmartPointer<vtkGeomsLib> source = RealMeshLibrary::Build(why);
  if (!source) GTEST_SKIP() << why;
  const LibraryFixtures::LibraryFolder folder;
  CGeomsLibFile file;
  file.Library = source;
  ASSERT_EQ(file.Save(), 1) << file.GetReason();

  vtkNew<vtkGeomsLib> read;
  read->Name = "Malhas Reais";
  file.Library = read;
  ASSERT_EQ(file.Load(), 1) << file.GetReason();
  ASSERT_EQ(read->GetNumberOfItems(), source->GetNumberOfItems());
  ASSERT_GE(read->GetNumberOfItems(), 1);
  for (int i = 0; i < source->GetNumberOfItems(); ++i) {
    SCOPED_TRACE(source->GetItem(i)->Name.Str());
    EXPECT_EQ(read->GetItem(i)->Name, source->GetItem(i)->Name);
    ExpectSameMesh(read->GetItem(i)->Mesh, source->GetItem(i)->Mesh);
  }
  EXPECT_GT(source->GetItem(0)->Mesh->GetNumberOfPolys(), 300000) << "the bone surface";
}
