// The lifetime chart drawn into images: each series where its values put it, in both layouts, and nothing
// broken by empty, flat or non-finite data.

#include "project/paint/lifetime_chart.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>
#include <optional>

#include "localisation/lifetime_texts.h"
#include "tests/report/gui_application.h"

namespace tervalo {
namespace {

const QColor kHeatPump(0, 114, 178);
const QColor kBoiler(213, 94, 0);

bool Near(QColor a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 40;
}

QImage Draw(const LifetimeChartData& data, int width, int height) {
    test::EnsureApplication<QGuiApplication>();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    painter.setFont(font);
    LifetimeChartTexts texts{"Kumulierte Kosten", "Kumuliertes CO2", "EUR", "t", "Jahr",
                             "W\xE4rmepumpe",     "Kessel"};
    texts.decimalSeparator = ',';
    DrawLifetimeChart(painter, QRectF(0, 0, width, height), data, texts);
    painter.end();
    return image;
}

// The topmost pixel of the colour in column x, between rows top and bottom.
std::optional<int> RowOf(const QImage& image, const QColor& colour, int x, int top, int bottom) {
    for (int y = top; y < bottom; ++y)
        if (Near(image.pixelColor(x, y), colour)) return y;
    return std::nullopt;
}

struct Extent {
    int left = std::numeric_limits<int>::max(), right = -1;
};

Extent ColumnsOf(const QImage& image, const QColor& colour, int left, int right, int top, int bottom) {
    Extent extent;
    for (int x = left; x < right; ++x)
        for (int y = top; y < bottom; ++y)
            if (Near(image.pixelColor(x, y), colour)) {
                extent.left = std::min(extent.left, x);
                extent.right = std::max(extent.right, x);
                break;
            }
    return extent;
}

// The heat pump costs more to buy and less to run: its cumulative cost starts above the boiler's and ends
// below it; its cumulative CO2 stays below.
LifetimeChartData Crossing() {
    LifetimeChartData data;
    for (int year = 0; year <= 20; ++year) {
        data.heatPumpCost.push_back(21000 + 1900.0 * year);
        data.boilerCost.push_back(11000 + 2700.0 * year);
        data.heatPumpCo2_t.push_back(1.6 * year * (1 - year / 50.0));
        data.boilerCo2_t.push_back(4.4 * year);
    }
    return data;
}

TEST(LifetimeChart, EachSeriesStandsWhereItsValuesPutIt) {
    const QImage image = Draw(Crossing(), 1200, 520);
    // Side by side: the cost panel on the left half, the CO2 panel on the right half; the legend strokes
    // below the plots (about row 505) are left out of the search by stopping above them.
    const int bottom = 470;
    const Extent cost = ColumnsOf(image, kHeatPump, 0, 600, 0, bottom);
    ASSERT_LT(cost.left, cost.right);
    const int early = cost.left + 6, late = cost.right - 6;
    EXPECT_LT(*RowOf(image, kHeatPump, early, 0, bottom), *RowOf(image, kBoiler, early, 0, bottom))
        << "year 0: the heat pump's investment is higher";
    EXPECT_GT(*RowOf(image, kHeatPump, late, 0, bottom), *RowOf(image, kBoiler, late, 0, bottom))
        << "year 20: its cumulative cost is lower";

    const Extent co2 = ColumnsOf(image, kHeatPump, 600, 1200, 0, bottom);
    ASSERT_LT(co2.left, co2.right);
    EXPECT_GT(co2.left, 600);
    EXPECT_GT(*RowOf(image, kHeatPump, co2.right - 6, 0, bottom),
              *RowOf(image, kBoiler, co2.right - 6, 0, bottom));
    EXPECT_GT(co2.right - co2.left, 400) << "the years span the plot";
}

TEST(LifetimeChart, TallAreaStacksThePanels) {
    const QImage image = Draw(Crossing(), 500, 900);
    const Extent top = ColumnsOf(image, kHeatPump, 0, 500, 0, 400);
    const Extent below = ColumnsOf(image, kHeatPump, 0, 500, 470, 830);
    EXPECT_LT(top.left, top.right);
    EXPECT_LT(below.left, below.right);
}

TEST(LifetimeChart, DegenerateDataDrawsWithoutFailing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    LifetimeChartData empty;
    LifetimeChartData one{{5000}, {3000}, {0}, {0}};
    LifetimeChartData flat{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    LifetimeChartData gaps{{1000, nan, 3000, inf}, {500, 900, -inf, 2000}, {nan, nan}, {1, 2}};
    LifetimeChartData tiny{{0, 1e-9, 2e-9}, {0, 2e-9, 4e-9}, {0, 1e-12, 2e-12}, {0, 1e-12, 3e-12}};
    for (const LifetimeChartData* data : {&empty, &one, &flat, &gaps, &tiny}) {
        const QImage image = Draw(*data, 800, 400);
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 64;
        EXPECT_GT(dark, 500) << "frames, axes and titles are drawn";
    }
    // Finite points around a gap still make their line.
    const QImage image = Draw(gaps, 800, 400);
    EXPECT_LT(ColumnsOf(image, kBoiler, 0, 400, 0, 300).left, 400);

    test::EnsureApplication<QGuiApplication>();
    QImage untouched(100, 100, QImage::Format_RGB32);
    untouched.fill(Qt::white);
    const QImage before = untouched;
    QPainter painter(&untouched);
    DrawLifetimeChart(painter, QRectF(10, 10, 0, 50), Crossing(), {});
    painter.end();
    EXPECT_EQ(untouched, before) << "an empty area draws nothing";
}

TEST(LifetimeChart, TextsComeFromTheLifetimeCaptionFile) {
    std::vector<std::string> items(lifetime_texts::kFile.itemCount);
    for (int item = 1; item <= lifetime_texts::kFile.itemCount; ++item)
        items[item - 1] = "item " + std::to_string(item);
    const LifetimeChartTexts texts = LifetimeChartTextsOf(FeatureTexts(items, 1251), "PLN", ',');
    EXPECT_EQ(texts.costTitle, "item " + std::to_string(lifetime_texts::kCumulativeCost));
    EXPECT_EQ(texts.boiler, "item " + std::to_string(lifetime_texts::kBoiler));
    EXPECT_EQ(texts.costUnit, "PLN");
    EXPECT_EQ(texts.codePage, 1251);
    EXPECT_EQ(texts.decimalSeparator, ',');
}

TEST(LifetimeChart, DataFollowsTheLifetimeResult) {
    lifetime::LifetimeResult result;
    result.years.resize(3);
    result.years[2].cumulativeHeatPumpCost = 123;
    result.years[2].cumulativeBoilerCo2_kg = 4500;
    const LifetimeChartData data = LifetimeChartDataOf(result);
    ASSERT_EQ(data.heatPumpCost.size(), 3u);
    EXPECT_EQ(data.heatPumpCost[2], 123);
    EXPECT_EQ(data.boilerCo2_t[2], 4.5);
}

}  // namespace
}  // namespace tervalo
