// The font MainWindow draws its captions with. The template's geometry stays in
// base units of 6 x 13 pixels whatever the font, so the font is chosen to fit the
// controls rather than the controls to fit the font.
#pragma once

#include <QFont>

class QWidget;

// Whether the caption of a push button, check box or label fits inside the part
// of the control its style draws text in, at the control's font; controls
// without a caption fit.
bool CaptionFits(const QWidget& control);

// Gives `window` the template's face (`faceName`, as this system substitutes a
// sans-serif for it, semi-condensed where the face has such a cut) at the
// largest pixel size, from that of `points` down, at which every caption of the
// window's direct children fits; and returns that font.
QFont FitDialogFont(QWidget& window, const char* faceName, int points);
