#include "toolkit/vtkTextMapper2.h"

#include <vtkObjectFactory.h>
#include <vtkTextProperty.h>

vtkStandardNewMacro(vtkTextMapper2);

vtkTextMapper2::vtkTextMapper2() {
  vtkTextProperty* text = this->GetTextProperty();
  text->SetFontSize(12);
  text->SetFontFamilyToArial();
  text->SetColor(1.0, 1.0, 1.0);
  text->ShadowOff();
  text->SetBackgroundColor(1.0, 1.0, 1.0);
  text->SetBackgroundOpacity(0.0);
  text->SetJustificationToLeft();
  text->SetVerticalJustificationToBottom();
}

void vtkTextMapper2::SetFontSize(int size) { this->GetTextProperty()->SetFontSize(size); }
int vtkTextMapper2::GetFontSize() { return this->GetTextProperty()->GetFontSize(); }

void vtkTextMapper2::SetBold(int on) { this->GetTextProperty()->SetBold(on != 0); }
int vtkTextMapper2::GetBold() { return this->GetTextProperty()->GetBold() ? 1 : 0; }

void vtkTextMapper2::SetItalic(int on) { this->GetTextProperty()->SetItalic(on != 0); }
int vtkTextMapper2::GetItalic() { return this->GetTextProperty()->GetItalic() ? 1 : 0; }

void vtkTextMapper2::SetFontFamily(int family) { this->GetTextProperty()->SetFontFamily(family); }
int vtkTextMapper2::GetFontFamily() { return this->GetTextProperty()->GetFontFamily(); }

void vtkTextMapper2::SetJustification(int justification) {
  this->GetTextProperty()->SetJustification(justification);
}
int vtkTextMapper2::GetJustification() { return this->GetTextProperty()->GetJustification(); }

void vtkTextMapper2::SetVerticalJustification(int justification) {
  this->GetTextProperty()->SetVerticalJustification(justification);
}
int vtkTextMapper2::GetVerticalJustification() {
  return this->GetTextProperty()->GetVerticalJustification();
}

void vtkTextMapper2::SetBackground(int on) {
  if (this->Background == on)
    return;
  this->Background = on;
  this->GetTextProperty()->SetBackgroundOpacity(on ? 1.0 : 0.0);
  this->Modified();
}

void vtkTextMapper2::SetColorBackground(double r, double g, double b) {
  this->GetTextProperty()->SetBackgroundColor(r, g, b);
}
void vtkTextMapper2::GetColorBackground(double rgb[3]) { this->GetTextProperty()->GetBackgroundColor(rgb); }

void vtkTextMapper2::SetColor(double r, double g, double b) { this->GetTextProperty()->SetColor(r, g, b); }
void vtkTextMapper2::GetColor(double rgb[3]) { this->GetTextProperty()->GetColor(rgb); }

void vtkTextMapper2::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Shadow: " << this->Shadow << "\n";
  os << indent << "ColorShadow: (" << this->ColorShadow[0] << ", " << this->ColorShadow[1] << ", "
     << this->ColorShadow[2] << ")\n";
  os << indent << "Background: " << this->Background << "\n";
}
