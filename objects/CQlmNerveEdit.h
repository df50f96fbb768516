#pragma once
// The nerve window's editor: the current nerve's axial line in the axial
// view and its panoramic line over the curved reformat of the CT volume
// along the axial line in the panoramic view. The nerve tool moves the
// lines' points; the reformat, the tube and its cuts follow through the pipeline.
#include <memory>

class CQlmCTPanoramicNerveFilter;
class CQlmCTViewer2;
class CQlmLayeredWindow;
class CQlmNerve;
class CQlmNerve3D;
class vtkImageData;

class CQlmNerveEdit {
public:
  // The viewer interpolating, the reformat with planning y mirrored into the volume's y.
  static CQlmNerveEdit* New() { return new CQlmNerveEdit; }
  ~CQlmNerveEdit();
  CQlmNerveEdit(const CQlmNerveEdit&) = delete;
  CQlmNerveEdit& operator=(const CQlmNerveEdit&) = delete;

  // The views' render-window wrappers and the CT volume (none owned).
  void SetWindows(CQlmLayeredWindow* axial, CQlmLayeredWindow* panoramic);
  void SetImage(vtkImageData* image) { this->Image = image; }
  // The nerve edited and its tube (not owned); null for none.
  void SetNerve(CQlmNerve* nerve, CQlmNerve3D* tube);
  CQlmNerve* GetNerve() const { return this->Nerve; }

  // The lines into their views, the reformat along the axial line into the
  // panoramic view. Nothing without a nerve.
  void Attach();
  // The lines and the reformat out of their views.
  void Detach();

  // The nerve's diameter and the tube's radius (half of it).
  void SetDiameter(float diameter);
  // Grey limits of the reformat.
  void SetMaximum(int maximum);
  void SetMinimum(int minimum);
  // Both lines shown (1) or hidden.
  void SetLinesVisible(int visible);

  // The reformat as shown (8-bit RGB), which the panoramic scale bar measures.
  vtkImageData* GetImage() const;
  CQlmCTViewer2* GetViewer() const { return this->Viewer.get(); }
  CQlmCTPanoramicNerveFilter* GetFilter() const { return this->Filter.get(); }

private:
  CQlmNerveEdit();

  CQlmNerve* Nerve = nullptr;
  CQlmNerve3D* Tube = nullptr;
  vtkImageData* Image = nullptr;
  CQlmLayeredWindow* WindowAxial = nullptr;
  CQlmLayeredWindow* WindowPanoramic = nullptr;
  std::unique_ptr<CQlmCTViewer2> Viewer;
  std::unique_ptr<CQlmCTPanoramicNerveFilter> Filter;
};
