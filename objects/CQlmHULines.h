#pragma once
// The HU measuring lines of the project: one dashed line in the axial view,
// one in the panoramic view and one for the cross-section cells, all in the
// container's colour (0.75, 0, 0) and hidden until the HU-line tool draws one.
// HU lines follow no view position.
class CQlmCore;
class CQlmHULine;
class CQlmHULine9;
class CQlmQuorvantile;

class CQlmHULines {
public:
  // The three lines and the colour.
  static CQlmHULines* CreateObject() { return new CQlmHULines; }
  // Deletes the lines through their RemoveAndDelete.
  ~CQlmHULines();
  CQlmHULines(const CQlmHULines&) = delete;
  CQlmHULines& operator=(const CQlmHULines&) = delete;

  // The controller whose views the lines join; not owned.
  CQlmQuorvantile* Controller = nullptr;

  // Each line joins its view of the controller (axial, panoramic, 3x3),
  // takes the colour and is hidden. Once the views exist, after a load.
  void AttachToViews();
  // Every line hidden; the axial, panoramic and cross-section views rendered.
  void HideAll();
  // Starts the HU-line tool `tool`: attached to the axial, panoramic and
  // cross-section styles (the 3D style gets none), which find the point on
  // their plane and pick in layer 1.
  void Activate(CQlmCore* tool);

  CQlmHULine* GetAxialLine() const { return this->AxialLine; }
  CQlmHULine* GetPanoramicLine() const { return this->PanoramicLine; }
  CQlmHULine9* GetCrossLine() const { return this->CrossLine; }
  const float* GetColor() const { return this->Color; }

private:
  CQlmHULines();
  void Hide();

  CQlmHULine* AxialLine;
  CQlmHULine* PanoramicLine;
  CQlmHULine9* CrossLine;
  float Color[3] = {0.75f, 0.0f, 0.0f};
};
