#include "toolkit/vtkImage16bitsMonocromeTo8BitsRGBFilter.h"

#include <vtkDataArray.h>
#include <vtkImageData.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPointData.h>

#include <cstdint>
#include <vector>

vtkStandardNewMacro(vtkImage16bitsMonocromeTo8BitsRGBFilter);

namespace {

// Grey of every 16-bit input value, indexed by the value's bit pattern.
std::vector<uint8_t> GreyTable(int scalarType, double window, double level) {
  if (!(window > 0)) window = 1;
  const double lower = level - window * 0.5;
  std::vector<uint8_t> table(65536);
  for (int bits = 0; bits < 65536; ++bits) {
    const double value = scalarType == VTK_SHORT ? static_cast<int16_t>(bits) : bits;
    const double t = (value - lower) / window;
    table[bits] = !(t > 0) ? 0 : t >= 1 ? 255 : static_cast<uint8_t>(t * 255 + 0.5);
  }
  return table;
}

}  // namespace

void vtkImage16bitsMonocromeTo8BitsRGBFilter::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "ColorWindow: " << this->ColorWindow << "\n";
  os << indent << "ColorLevel: " << this->ColorLevel << "\n";
}

int vtkImage16bitsMonocromeTo8BitsRGBFilter::RequestInformation(vtkInformation*, vtkInformationVector**,
                                                                vtkInformationVector* outputVector) {
  vtkDataObject::SetPointDataActiveScalarInfo(outputVector->GetInformationObject(0), VTK_UNSIGNED_CHAR, 3);
  return 1;
}

int vtkImage16bitsMonocromeTo8BitsRGBFilter::RequestData(vtkInformation*, vtkInformationVector** inputVector,
                                                         vtkInformationVector* outputVector) {
  vtkImageData* input = vtkImageData::GetData(inputVector[0]);
  vtkImageData* output = vtkImageData::GetData(outputVector);
  int extent[6];
  input->GetExtent(extent);
  output->SetExtent(extent);
  output->SetSpacing(input->GetSpacing());
  output->SetOrigin(input->GetOrigin());
  output->AllocateScalars(VTK_UNSIGNED_CHAR, 3);
  const vtkIdType count = input->GetNumberOfPoints();
  vtkDataArray* scalars = input->GetPointData()->GetScalars();
  if (count == 0 || !scalars) return 1;

  const int type = input->GetScalarType();
  if ((type != VTK_SHORT && type != VTK_UNSIGNED_SHORT) || scalars->GetNumberOfComponents() != 1) {
    vtkErrorMacro("vtkImage16bitsMonocromeTo8BitsRGBFilter::RequestData failed: input is not one 16-bit component");
    return 0;
  }
  const std::vector<uint8_t> table = GreyTable(type, this->ColorWindow, this->ColorLevel);
  const auto* in = static_cast<const uint16_t*>(input->GetScalarPointer());
  auto* out = static_cast<uint8_t*>(output->GetScalarPointer());
  for (vtkIdType i = 0; i < count; ++i) {
    const uint8_t grey = table[in[i]];
    out[3 * i] = grey;
    out[3 * i + 1] = grey;
    out[3 * i + 2] = grey;
  }
  return 1;
}
