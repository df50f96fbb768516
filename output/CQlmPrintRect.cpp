#include "output/CQlmPrintRect.h"

#include "platform/CArchive.h"

void CQlmPrintRect::AttachCapture(const QImage& capture) {
  this->kind = Picture;
  this->bitmapHandle = capture;
  this->bitmap.Attach(capture);
}

void CQlmPrintRect::Serialize(CArchive& archive) {
  if (archive.IsStoring()) {
    archive << this->role << this->kind << this->source << this->colour << this->text << this->trueScale << this->scale
            << this->reserved1 << this->reserved2;
    archive << int32_t(this->rect.left) << int32_t(this->rect.right) << int32_t(this->rect.top)
            << int32_t(this->rect.bottom);
    if (this->HasPicture()) this->bitmap.Serialize(archive);
    return;
  }
  archive >> this->role >> this->kind >> this->source >> this->colour >> this->text >> this->trueScale >> this->scale >>
      this->reserved1 >> this->reserved2;
  int32_t left = 0, right = 0, top = 0, bottom = 0;
  archive >> left >> right >> top >> bottom;
  this->SetRect(left, top, right, bottom);
  if (this->HasPicture()) {
    this->bitmap.Serialize(archive);
    this->bitmapHandle = this->bitmap.GetImage();
  }
}
