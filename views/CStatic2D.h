#pragma once
// The small 2D view of the Hounsfield profile dialog: a preview control whose
// style (CQlmInteractorStyle2) starts in state 0, so clicks do nothing until
// the owner chooses a state; a move with the middle button held pans in
// every state. Beside the white frame and the title ("None") it shows the
// HU scale of the plot, 100 x 100 until the owner sizes it.
#include <memory>

#include "views/CQlmInteractorStyle2.h"
#include "views/CStaticPreview.h"

class CQlmRullerWindowHU;

class CStatic2D : public CStaticPreview<CQlmInteractorStyle2> {
public:
  CStatic2D();
  ~CStatic2D() override;

  // The HU scale, attached to the wrapper; owned.
  CQlmRullerWindowHU* GetScale() const { return this->Scale.get(); }

private:
  std::unique_ptr<CQlmRullerWindowHU> Scale;
};
