#pragma once
// The arch-curve reformat tool bar, docked at the right and shown while the
// arch curve is edited; its buttons are the frame's commands.
#include "platform/gui/CToolBar.h"

class CReformatToolBar : public CToolBar {};
