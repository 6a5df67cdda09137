// The tornado chart drawn into images: bars where the savings put them, the widest swing on top, and nothing
// broken by missing savings.

#include "project/paint/sensitivity_chart.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "support/temp_dir.h"
#include "tests/report/gui_application.h"

namespace tervalo {
namespace {

using decision::AnnualSaving;
using decision::Sensitivity;
using decision::ShownFigure;

AnnualSaving Saving(double money) {
    return {ShownFigure{money, std::to_string(money)}, std::nullopt};
}

// The example project's strip: saving 126 per year; steps -30, -20, -10, +10, +20, +30 %.
Sensitivity Example() {
    Sensitivity strip;
    strip.base = Saving(126);
    const double rows[4][6] = {{465, 352, 239, 13, -100, -213},   // electricity price
                               {-251, -126, 0, 251, 377, 503},    // fuel price: the widest swing
                               {-360, -190, -48, 229, 315, 386},  // heating COP
                               {88, 101, 113, 138, 151, 163}};    // heat demand
    for (std::size_t i = 0; i < 4; ++i) {
        strip.rows[i].input = decision::kSensitivityInputs[i];
        for (std::size_t s = 0; s < 6; ++s) strip.rows[i].savings[s] = Saving(rows[i][s]);
    }
    return strip;
}

QImage Draw(const Sensitivity& strip) {
    test::EnsureApplication<QGuiApplication>();
    QImage image(800, 420, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    painter.setFont(font);
    SensitivityChartTexts texts{"Empfindlichkeit der j\xE4hrlichen Einsparung",
                                "J\xE4hrliche Einsparung",
                                "EUR/a",
                                {"Strompreis", "Brennstoffpreis", "Heiz-COP", "W\xE4rmebedarf"},
                                "\xC4nderung"};
    texts.decimalSeparator = ',';
    DrawSensitivityChart(painter, QRectF(0, 0, 800, 420), strip, texts);
    painter.end();
    return image;
}

bool Reddish(const QColor& c) {
    return c.red() > c.blue() + 30;
}
bool Bluish(const QColor& c) {
    return c.blue() > c.red() + 30;
}

// Above the axis numbers and the legend.
constexpr int kPlotBottom = 340;

// The rows (top to bottom) of the plot in which a pixel of column x passes the test.
std::vector<int> RowsWhere(const QImage& image, int x, bool (*test)(const QColor&)) {
    std::vector<int> rows;
    for (int y = 0; y < kPlotBottom; ++y)
        if (test(image.pixelColor(x, y))) rows.push_back(y);
    return rows;
}

TEST(SensitivityChart, BarsStandWhereTheSavingsPutThemWidestOnTop) {
    const QImage image = Draw(Example());
    // The chart saves as a picture, into the test's own folder: never where the test was started.
    const test::ScopedTempDir dir;
    ASSERT_TRUE(image.save(QString::fromStdString((dir.path() / "sensitivity_chart.png").string())));
    // Find the plot's horizontal scale from the bars: the rightmost blue column is the fuel price at +30 %
    // (503), the leftmost red one the COP at -30 % (-360).
    int left = image.width(), right = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < kPlotBottom; ++y) {
            const QColor c = image.pixelColor(x, y);
            if (Bluish(c)) right = std::max(right, x);
            if (Reddish(c)) left = std::min(left, x);
        }
    ASSERT_LT(left, right);
    const auto xOf = [&](double saving) {
        return static_cast<int>(left + (right - left) * (saving + 360) / 863);
    };

    // Swings: COP 486 (from -360), fuel price 377, electricity price 339, heat demand 38, top to bottom.
    // At -300 only the COP lowered reaches; at +300 the COP and the fuel price raised (blue) and the
    // electricity price lowered (red).
    const auto redLeft = RowsWhere(image, xOf(-300), Reddish);
    const auto redRight = RowsWhere(image, xOf(300), Reddish);
    const auto blueRight = RowsWhere(image, xOf(300), Bluish);
    ASSERT_FALSE(redLeft.empty() || redRight.empty() || blueRight.empty());
    EXPECT_LT(redLeft.back(), redRight.front()) << "the COP above the electricity price";
    EXPECT_LT(blueRight.back(), redRight.front()) << "the COP and the fuel price above the electricity price";
    EXPECT_LE(blueRight.front(), redLeft.back()) << "the COP's bar runs both ways in the top band";
    EXPECT_GT(blueRight.back() - blueRight.front(), 60) << "two bands: the COP and the fuel price";
    // The heat demand, the smallest swing, in the bottom band close to the saving as entered.
    const auto demand = RowsWhere(image, xOf(140), Bluish);
    ASSERT_FALSE(demand.empty());
    EXPECT_GT(demand.back(), redRight.back());
}

TEST(SensitivityChart, MissingSavingsDrawWithoutFailing) {
    Sensitivity strip;
    QImage image = Draw(strip);  // nothing but the title
    int coloured = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (Bluish(image.pixelColor(x, y)) || Reddish(image.pixelColor(x, y))) ++coloured;
    EXPECT_EQ(coloured, 0);

    strip = Example();
    strip.rows[1].savings[5] = {};
    strip.rows[3] = {};
    image = Draw(strip);
    EXPECT_FALSE(image.isNull());
}

}  // namespace
}  // namespace tervalo
