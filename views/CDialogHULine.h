#pragma once
// The Hounsfield profile along a measuring line ("Linha de Perfil Hounsfield"):
// the CT values under the line plotted over the four bone-density bands
// "Tipo IV" to "Tipo I", and their mean in "Média:". The caller sets the
// profile source (image, points, slice or mirror, thick flag) before DoModal.
//
// The profile and the bands belong to the dialog: they leave the plot and
// are freed whichever way it closes ("Fechar", Escape, the close box).
#include <array>

#include "platform/gui/CDialog.h"
#include "views/CStatic2D.h"

class CQlmHUGrid;
class CQlmHUProfile;
class vtkHUProfileSource;

class CDialogHULine : public CDialog {
public:
  static constexpr int BandCount = 4;

  explicit CDialogHULine(CWnd* parent = nullptr);
  ~CDialogHULine() override;

  // The source of the plotted profile, to be set before DoModal.
  vtkHUProfileSource* GetProfileSource() const;

  // The plot (control 1153).
  CStatic2D Plot;
  // The mean as shown, "%.1f" (control 1151); empty until the dialog opens.
  CString Mean;

  // Null once released.
  CQlmHUProfile* GetProfile() const { return this->Profile; }
  CQlmHUGrid* GetBand(int band) const { return this->Bands[band]; }

protected:
  void DoDataExchange(CDataExchange* exchange) override;
  // The plot's title and HU scale, its extents and camera, the bands, the profile and its mean.
  BOOL OnInitDialog() override;
  // "Fechar": the profile and the bands leave the plot, then the dialog ends with IDOK.
  void OnOK() override;

private:
  void PlaceBands();
  // Takes the profile and the bands out of the plot and frees them; once.
  void ReleasePlotObjects();

  CQlmHUProfile* Profile;
  std::array<CQlmHUGrid*, BandCount> Bands;
};
