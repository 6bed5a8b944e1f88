// "<<", ">>" and "Diff" in the real window, offscreen, on copies of the example
// series: each step loads both files and i-Check runs by itself; "Diff" starts
// a small script in place of the comparison program.
#include "app/control_ids.h"
#include "panes/richedit.h"
#include "qt_window_fixture.h"

#include <QAbstractButton>
#include <QElapsedTimer>

#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class SeriesWindowTest : public QtWindowFixture {
  protected:
    // The example series copied into the working directory, and a settings file
    // that opens the pair of `name` (and names the comparison program).
    void UseExamples(const std::string& name, const std::string& diffview = "") {
        for (const char* side : {"de", "en"}) {
            fs::copy(fs::path(VERBODEX_EXAMPLES) / side, side);
        }
        std::ofstream settings("verbodex.ini", std::ios::binary);
        settings << "[PATH]\r\nORIG=de/" << name << "\r\nTRANS=en/" << name << "\r\n";
        if (!diffview.empty()) settings << "DIFFVIEW=" << diffview << "\r\n";
    }

    void Click(int id) {
        auto* button = qobject_cast<QAbstractButton*>(platform.Control(id));
        ASSERT_NE(button, nullptr) << "control " << id;
        button->click();
        QApplication::processEvents();
    }

    int RedLines(int pane) {
        int count = 0;
        for (int line = 0; line + 1 < RichEdit_GetLineCount(pane); ++line) {
            const std::int32_t start = RichEdit_LineIndex(pane, line);
            const std::int32_t end = RichEdit_LineIndex(pane, line + 1) - 1;
            for (std::int32_t i = start; i < end; ++i) {
                if (platform.GetPane(pane)->CharColour(i) == ColourRed) {
                    ++count;
                    break;
                }
            }
        }
        return count;
    }
};

TEST_F(SeriesWindowTest, stepsThroughTheMenuSeriesWithTheCheckRunningByItself) {
    UseExamples("MENU001.MNU");
    Open();
    ASSERT_EQ(appState.fileKind, FileKind::Menu);

    struct Step {
        int button;
        const char* number;
        int redOriginal; // lines with red after the step, in each pane
        int redTranslation;
    };
    // MENU002 differs in its separator and one colon field, MENU003 lost a colon
    // field; back at 001 the bound stops the check, and the pair is clean anyway.
    const Step steps[] = {
        {IdSeriesNext, "002", 2, 2},
        {IdSeriesNext, "003", 1, 0},
        {IdSeriesPrevious, "002", 2, 2},
        {IdSeriesPrevious, "001", 0, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.number);
        Click(step.button);
        const std::string name = std::string("MENU") + step.number + ".MNU";
        EXPECT_EQ(platform.GetControlText(IdOriginalPathEdit), "de/" + name);
        EXPECT_EQ(platform.GetControlText(IdTranslationPathEdit), "en/" + name);
        EXPECT_EQ(platform.GetControlText(IdSeriesNumber), step.number);
        EXPECT_EQ(RedLines(OriginalPane), step.redOriginal);
        EXPECT_EQ(RedLines(TranslationPane), step.redTranslation);
        EXPECT_EQ(appState.modified, 0);
    }
}

TEST_F(SeriesWindowTest, diffStartsTheComparisonProgramWithBothPaths) {
    std::ofstream("viewer.sh", std::ios::binary)
        << "#!/bin/sh\nprintf '%s\\n' \"$@\" > arguments.part && mv arguments.part arguments\n";
    ::chmod("viewer.sh", 0755);
    std::string diffview(1, '"');
    diffview += (Directory() / "viewer.sh").string();
    diffview += "\" -x";
    UseExamples("MASK0001.MSK", diffview);
    Open();

    Click(IdDiff);

    QElapsedTimer waited;
    waited.start();
    while (!fs::exists("arguments") && waited.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    std::ifstream in("arguments", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
              "-x\nde/MASK0001.MSK\nen/MASK0001.MSK\n");
}

} // namespace
