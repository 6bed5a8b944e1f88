// The real MainWindow as a translator first sees it, offscreen: no two visible
// controls over each other and every caption whole, at the size it opens at and
// larger, in both languages and both arrangements.
#include "app/control_ids.h"
#include "platform/qt/main_window_widget.h"
#include "qt/qt_window_fixture.h"
#include "resources/window_template.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using WindowLayoutTest = QtWindowFixture;

// The room a caption takes in its control at the control's font: its advance
// plus what the style draws beside it (a button's frame, a check box's box and
// the gap after it, a label's frame).
int WidthNeeded(const QWidget& control, const QString& caption) {
    const QStyle* style = control.style();
    const int text = QFontMetrics(control.font()).horizontalAdvance(caption);
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        if (button->autoDefault())
            frame += style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, button);
        return text + 2 * frame;
    }
    if (qobject_cast<const QCheckBox*>(&control) != nullptr) {
        return text + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &control) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &control);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return text + 2 * label->frameWidth();
    }
    return 0;
}

QString CaptionOf(const QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    return QString();
}

TEST_F(WindowLayoutTest, atTheOpeningSizeAndLarger_noControlsOverlapAndEveryCaptionFits) {
    const std::pair<int, int> sizes[] = {
        {MainWindowOpeningWidth, MainWindowOpeningHeight},
        {MainWindowOpeningWidth + 1, MainWindowOpeningHeight + 1},
        {1000, 600},
        {1600, 1000},
    };
    for (bool german : {false, true}) {
        Open(german);
        for (bool stacked : {false, true}) {
            if (stacked) qobject_cast<QCheckBox*>(platform.Control(IdStackedLayout))->click();
            for (const auto& [width, height] : sizes) {
                platform.Window()->ResizeFrame(width, height);
                const std::string where = std::string(german ? "German" : "English") +
                                          (stacked ? " stacked " : " side by side ") +
                                          std::to_string(width) + "x" + std::to_string(height);
                const QRect client = platform.Window()->rect();
                std::vector<const QWidget*> shown;
                for (const QWidget* control : platform.Window()->findChildren<QWidget*>(
                         QString(), Qt::FindDirectChildrenOnly)) {
                    if (control->isVisibleTo(platform.Window())) shown.push_back(control);
                }
                ASSERT_GE(shown.size(), 36u) << where;
                for (std::size_t i = 0; i < shown.size(); ++i) {
                    const QWidget& a = *shown[i];
                    EXPECT_TRUE(client.contains(a.geometry())) << where << " " << a.geometry().x();
                    const QString caption = CaptionOf(a);
                    EXPECT_LE(WidthNeeded(a, caption), a.width())
                        << where << " \"" << caption.toStdString() << "\"";
                    EXPECT_LE(QFontMetrics(a.font()).height(), a.height()) << where;
                    for (std::size_t j = i + 1; j < shown.size(); ++j) {
                        const QWidget& b = *shown[j];
                        EXPECT_FALSE(a.geometry().intersects(b.geometry()))
                            << where << " \"" << CaptionOf(a).toStdString() << "\" "
                            << a.geometry().x() << "," << a.geometry().y() << " and \""
                            << CaptionOf(b).toStdString() << "\" " << b.geometry().x() << ","
                            << b.geometry().y();
                    }
                }
            }
        }
    }
}

} // namespace
