#pragma once
// A nerve canal in the jaw, right or left, as the user traced it: its course
// seen from above (the axial line, planning frame) and its height along that
// course in the nerve window (the panoramic line), with the tube's diameter,
// a name, a visible flag and a colour. The translation places the tube: the
// CT image's centre, set when the nerve is created or read, never serialised.
#include "ct/CQlmPolyLineNerve.h"
#include "platform/CObject.h"
#include "platform/CString.h"

class CQlmNerve : public CObject {
public:
  static constexpr int Right = 0;
  static constexpr int Left = 1;
  static constexpr float NewDiameter = 3.0f;

  // Right side, diameter 3.0, "Nervo Direito", both lines at their default shapes.
  static CQlmNerve* CreateObject() { return new CQlmNerve; }
  CQlmNerve();

  // Left (1) gives the lines shapes 1 and 3, any other value shapes 0 and 2;
  // both lines go back to their default points.
  void SetSide(int side);
  int GetSide() const { return this->Side; }

  CQlmPolyLineNerve& GetAxialLine() { return this->AxialLine; }
  CQlmPolyLineNerve& GetPanoramicLine() { return this->PanoramicLine; }
  const CQlmPolyLineNerve& GetAxialLine() const { return this->AxialLine; }
  const CQlmPolyLineNerve& GetPanoramicLine() const { return this->PanoramicLine; }

  CString GetName() const { return this->Name; }
  void SetName(const CString& name) { this->Name = name; }
  // mm.
  float GetDiameter() const { return this->Diameter; }
  void SetDiameter(float diameter) { this->Diameter = diameter; }
  int GetVisible() const { return this->Visible; }
  void SetVisible(int visible) { this->Visible = visible; }
  const float* GetColor() const { return this->Color; }
  void SetColor(float r, float g, float b);
  const float* GetTranslation() const { return this->Translation; }
  void SetTranslation(const float translation[3]);

  // Axial line, panoramic line, name, side, diameter, visible, colour.
  void Serialize(CArchive& archive) override;

  // The shortest record Serialize reads: two-point lines with empty names and an empty name.
  static constexpr size_t MinimumRecordSize = 2 * CQlmPolyLineNerve::MinimumRecordSize + 1 + 4 + 4 + 4 + 3 * 4;

private:
  // The lines' default shapes for `side`, their points unchanged.
  void SetShapesOfSide(int side);

  CQlmPolyLineNerve AxialLine;
  CQlmPolyLineNerve PanoramicLine;
  int Side = Right;
  float Diameter = NewDiameter;
  CString Name = "Nervo Direito";
  int Visible = 1;
  float Color[3] = {1.0f, 0.3f, 0.0f};
  float Translation[3] = {0.0f, 0.0f, 0.0f};
};
