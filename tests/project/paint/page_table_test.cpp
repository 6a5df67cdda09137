// The page tables: a heading too wide for its cell takes more lines, whole, where a figure row is cut.

#include "project/paint/page_table.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <random>

#include "tests/report/gui_application.h"
#include "tests/report/recording_device.h"

namespace tervalo {
namespace {

struct Drawn {
    double height;
    std::vector<test::RecordingEngine::Text> texts;
};

Drawn Draw(const std::vector<PageColumn>& columns, const std::vector<std::vector<QString>>& rows) {
    test::RecordingDevice device(2000, 2000);
    QPainter painter(&device);
    painter.setFont(QFont("DejaVu Sans", 7));
    const double height = DrawPageTable(painter, 0, 0, 1000, columns, rows, true, 3);
    painter.end();
    return {height, device.engine.texts};
}

TEST(PageTable, AHeadingTooWideTakesMoreLinesWholeAndTheRowsBelowMoveDown) {
    test::EnsureApplication<QGuiApplication>();
    std::mt19937 random(7);
    const QStringList words = {"Срок", "окупаемости,", "лет", "Чистая", "приведённая", "стоимость,", "EUR"};
    for (int run = 0; run < 40; ++run) {
        QString heading;
        for (int w = 0; w < 2 + static_cast<int>(random() % 2); ++w)
            heading += (heading.isEmpty() ? "" : " ") + words[random() % words.size()];
        const std::vector<PageColumn> columns = {{0.7, false}, {0.3, true}};
        const Drawn drawn = Draw(columns, {{"", heading}, {"", heading}});
        SCOPED_TRACE(heading.toStdString());
        const double line = Draw(columns, {{"", "x"}}).height;
        // A line of mixed scripts is drawn in several pieces: the texts are compared without blanks.
        QString headingText, body;
        for (const auto& text : drawn.texts)
            (text.baseline.y() < drawn.height - line ? headingText : body) += text.text;
        headingText.remove(' ');
        body.remove(' ');
        const QString whole = QString(heading).remove(' ');
        EXPECT_EQ(headingText, whole) << "the heading is cut or changed";
        if (body == whole) {  // fits in one line
            EXPECT_DOUBLE_EQ(drawn.height, 2 * line);
        } else {
            EXPECT_GE(drawn.height, 3 * line - 1e-9);
            EXPECT_TRUE(body.contains(QChar(0x2026))) << "a figure row keeps one line and is cut";
        }
    }
}

}  // namespace
}  // namespace tervalo
