#include "platform/qt/dialog_font.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Below this the captions would no longer be legible; the window takes it even
// if some caption is still cut.
constexpr int SmallestPixelSize = 7;

// The rectangle the style draws a button's text in, and the text.
bool ButtonTextFits(const QAbstractButton& button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    if (const auto* push = qobject_cast<const QPushButton*>(&button); push && push->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    const QRect room = button.style()->subElementRect(element, &option, &button);
    const QFontMetrics metrics(button.font());
    return metrics.horizontalAdvance(button.text()) <= room.width() &&
           metrics.height() <= room.height();
}

} // namespace

bool CaptionFits(const QWidget& control) {
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        return button->text().isEmpty() || ButtonTextFits(*button, QStyle::SE_PushButtonContents);
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(&control)) {
        return box->text().isEmpty() || ButtonTextFits(*box, QStyle::SE_CheckBoxContents);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const QRect room = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        const QFontMetrics metrics(label->font());
        return label->text().isEmpty() ||
               (metrics.horizontalAdvance(label->text()) <= room.width() &&
                metrics.height() <= room.height());
    }
    return true;
}

QFont FitDialogFont(QWidget& window, const char* faceName, int points) {
    QFont font(QString::fromLatin1(faceName));
    font.setStyleHint(QFont::SansSerif);
    // The template's face was a narrow one; a semi-condensed request takes the
    // condensed cut of a face that has one.
    font.setStretch(QFont::SemiCondensed);
    const int largest = std::max(
        SmallestPixelSize, static_cast<int>(std::lround(points * window.logicalDpiY() / 72.0)));
    const QList<QWidget*> controls =
        window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (int size = largest; size >= SmallestPixelSize; --size) {
        font.setPixelSize(size);
        window.setFont(font);
        bool fits = true;
        for (const QWidget* control : controls) {
            if (!CaptionFits(*control)) {
                fits = false;
                break;
            }
        }
        if (fits) break;
    }
    return font;
}
