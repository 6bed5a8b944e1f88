#include "platform/qt/template_control.h"

#include <QWidget>

void PlaceTemplateControl(QWidget& widget, const ResolvedControl& control, int baseX, int baseY) {
    widget.setGeometry(
        DialogUnitsToPixelsX(control.x, baseX), DialogUnitsToPixelsY(control.y, baseY),
        DialogUnitsToPixelsX(control.width, baseX), DialogUnitsToPixelsY(control.height, baseY));
    widget.setHidden(!control.visible);
    widget.setEnabled(control.enabled);
}
