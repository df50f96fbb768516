#pragma once
// Codes of the four views. The 2D views' codes are the view kind codes of the
// planning objects (0 axial, 1 cross-section, 2 panoramic).
namespace QlmView {
constexpr int Axial = 0;
constexpr int Cross = 1;
constexpr int Panoramic = 2;
constexpr int View3D = 3;
}  // namespace QlmView
