#pragma once
// The small 2D view of the Hounsfield profile dialog: a preview control whose
// style (CQlmInteractorStyle2) starts in state 0, so clicks do nothing until
// the owner chooses a state; a move with the middle button held pans in
// every state.
#include "views/CQlmInteractorStyle2.h"
#include "views/CStaticPreview.h"

class CStatic2D : public CStaticPreview<CQlmInteractorStyle2> {
public:
  CStatic2D();
};
