#pragma once
// The planning frame of a CT volume, in which the arch geometry, the 2D views
// and the planning objects give their points: millimetres from the volume's
// centre c = origin + (dimensions - 1) * spacing / 2, with y running against
// the volume's y (the face, at low volume y, lies at high planning y):
//
//   planning point (x, y, z) = volume point (cx + x, cy - y, cz + z).
//
// The centre is computed in single precision, as the CT filters keep it.
class vtkImageData;

class QlmPlanningFrame {
public:
  // The frame of `volume`; without a volume the centre is (0, 0, 0).
  explicit QlmPlanningFrame(vtkImageData* volume = nullptr);
  QlmPlanningFrame(const int dimensions[3], const float spacing[3], const float origin[3]);

  // c, in volume coordinates (mm).
  const float* GetCentre() const { return this->Centre; }

  void ToVolume(const double planning[3], double volume[3]) const;
  void ToPlanning(const double volume[3], double planning[3]) const;

private:
  float Centre[3] = {0.0f, 0.0f, 0.0f};
};
