#include "views/CStatic2D.h"

#include "views/QlmInteraction.h"

CStatic2D::CStatic2D() : CStaticPreview(QlmState::None) {}
