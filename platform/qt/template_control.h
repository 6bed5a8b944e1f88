// A control of a window template put in its place on a Qt window.
#pragma once

#include "resources/window_template.h"

class QWidget;

// Gives the widget the control's place and size, converted from dialog units
// with the window's base units, and the control's first visibility and state.
void PlaceTemplateControl(QWidget& widget, const ResolvedControl& control, int baseX, int baseY);
