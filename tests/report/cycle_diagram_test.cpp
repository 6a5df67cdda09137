// The pressure-enthalpy diagram drawn on a recording device: the cycle's lines join the state points where
// the axes' labels put them, each point carries its number, and SVG and PNG files are written.

#include "report/paint/cycle_diagram.h"
#include "report/paint/cycle_page.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "localisation/cycle_texts.h"
#include "project/calculation.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"
#include "tests/report/gui_application.h"
#include "tests/report/recording_device.h"

namespace tervalo {
namespace {

using test::RecordingDevice;

class CycleDiagramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::EnsureApplication<QGuiApplication>();
        data_.refrigerantTable =
            LoadSaturationTable((std::filesystem::path(TERVALO_DIST_DIR) / "R22.DAT").string());
        TERVALO_SKIP_UNLESS(data_.refrigerantTable.status == EngineStatus::Ok,
                            "the staged tables are not built");
        record_.RefrigerantName = "R22";
        record_.t0 = "-5";
        record_.Tc = "45";
        record_.SuctionAllowance = 8;
        view_ = CycleViewOf(record_, data_);
        ASSERT_EQ(view_.points.size(), static_cast<std::size_t>(kStatePointCount));
        std::vector<std::string> items;
        for (int item = 1; item <= cycle_texts::kFile.itemCount; ++item)
            items.push_back("item " + std::to_string(item));
        texts_.texts = FeatureTexts(items, 1252);
        texts_.refrigerant = "R22";
    }
    static QFont Font() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(9);
        return font;
    }

    ProjectRecord record_;
    CalculationData data_;
    CycleView view_;
    CycleDiagramTexts texts_;
};

bool Near(const QPointF& a, const QPointF& b, double tolerance = 0.01) {
    return std::abs(a.x() - b.x()) < tolerance && std::abs(a.y() - b.y()) < tolerance;
}

TEST_F(CycleDiagramTest, CycleLinesJoinTheStatePointsWhereTheAxesPutThem) {
    RecordingDevice device(3000, 2200);
    QPainter painter(&device);
    painter.setFont(Font());
    const QRectF area(100, 100, 2800, 2000);
    DrawCycleDiagram(painter, area, view_, texts_);
    const PhScale scale = CycleDiagramScale(painter, area, view_);
    const QFontMetricsF metrics(painter.font(), &device);
    painter.end();
    const auto& lines = device.engine.lines;
    const auto& texts = device.engine.texts;

    // Every leg of the cycle is one recorded line between two mapped state points.
    const auto& p = view_.points;
    const std::vector<std::pair<PhPoint, PhPoint>> legs = {
        {p[0].ph, p[1].ph}, {p[1].ph, p[2].ph}, {p[2].ph, view_.condenserDew}, {view_.condenserDew, p[3].ph},
        {p[3].ph, p[4].ph}, {p[4].ph, p[0].ph}};
    for (const auto& [from, to] : legs) {
        const QPointF a = scale.Map(from), b = scale.Map(to);
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [&](const QLineF& l) { return Near(l.p1(), a) && Near(l.p2(), b); }))
            << from.h << " " << from.p << " → " << to.h << " " << to.p;
        EXPECT_TRUE(scale.plot.adjusted(-1, -1, 1, 1).contains(a));
    }
    EXPECT_DOUBLE_EQ(scale.Map(p[3].ph).x(), scale.Map(p[4].ph).x()) << "the throttle is vertical";
    EXPECT_DOUBLE_EQ(scale.Map(p[0].ph).y(), scale.Map(p[4].ph).y()) << "evaporation is horizontal";

    // The axes' labels stand where the mapping puts their values: pressure 10 bar beside its height (log
    // axis), enthalpy 300 kJ/kg below its place.
    const auto label = [&](const QString& text, auto&& where) {
        for (const auto& t : texts)
            if (t.text == text && where(t.baseline)) return true;
        return false;
    };
    const double y10 = scale.Map({scale.hLow, 10}).y();
    EXPECT_TRUE(label(QStringLiteral("10"), [&](const QPointF& at) {
        return at.x() < scale.plot.left() &&
               std::abs(at.y() - metrics.ascent() / 2 + metrics.descent() / 2 - y10) < 1;
    }));
    const double y1 = scale.Map({scale.hLow, 1}).y(), y100 = scale.Map({scale.hLow, 100}).y();
    EXPECT_NEAR((y1 - y10) / (y10 - y100), 1, 1e-9) << "a decade takes the same height everywhere";
    const double x300 = scale.Map({300, 10}).x();
    EXPECT_TRUE(label(QStringLiteral("300"), [&](const QPointF& at) {
        return at.y() > scale.plot.bottom() &&
               std::abs(at.x() + metrics.horizontalAdvance(QStringLiteral("300")) / 2 - x300) < 1;
    }));

    // Each point's number stands within two lines of it.
    for (int i = 0; i < kStatePointCount; ++i) {
        const QPointF at = scale.Map(p[static_cast<std::size_t>(i)].ph);
        EXPECT_TRUE(label(QString::number(i + 1), [&](const QPointF& b) {
            return QLineF(at, b).length() < metrics.height() * 2;
        })) << i + 1;
    }
}

TEST_F(CycleDiagramTest, ScaleHoldsTheCycleAndTheDomeTopWithRoundEnds) {
    QImage image(1200, 900, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(Font());
    const PhScale scale = CycleDiagramScale(painter, QRectF(0, 0, 1200, 900), view_);
    EXPECT_LE(scale.pLow, view_.points[0].ph.p / 3);
    EXPECT_GE(scale.pHigh, 49.0) << "the top of the R22 table";
    const double decade = std::pow(10.0, std::floor(std::log10(scale.pLow)));
    EXPECT_TRUE(scale.pLow / decade == 1 || scale.pLow / decade == 2 || scale.pLow / decade == 5);
    EXPECT_LT(scale.hLow, view_.points[3].ph.h);
    EXPECT_GT(scale.hHigh, view_.points[2].ph.h);
}

TEST_F(CycleDiagramTest, WithoutADomeOnlyTheMessageIsDrawn) {
    RecordingDevice device(1000, 800);
    QPainter painter(&device);
    painter.setFont(Font());
    DrawCycleDiagram(painter, QRectF(0, 0, 1000, 800), CycleView{}, texts_);
    painter.end();
    EXPECT_TRUE(device.engine.lines.empty());
    ASSERT_EQ(device.engine.texts.size(), 2u) << "title and message";
    EXPECT_EQ(device.engine.texts[0].text, QStringLiteral("item %1 – R22").arg(cycle_texts::kDiagramTitle));
    EXPECT_EQ(device.engine.texts[1].text, QStringLiteral("item %1").arg(cycle_texts::kNoTable));
}

TEST_F(CycleDiagramTest, WritesSvgAndPngAndReportsAFileThatCannotBeWritten) {
    test::ScopedTempDir dir;
    if (kCycleDiagramSvg) {
        ASSERT_TRUE(WriteCycleDiagram(QStringLiteral("cycle.SVG"), view_, texts_));
        QFile svg(QStringLiteral("cycle.SVG"));
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        const QByteArray bytes = svg.readAll();
        EXPECT_TRUE(bytes.contains("<svg")) << "an SVG whatever the case of its extension";
    } else {
        EXPECT_FALSE(WriteCycleDiagram(QStringLiteral("cycle.svg"), view_, texts_))
            << "no SVG writer: refused";
        EXPECT_FALSE(QFile::exists(QStringLiteral("cycle.svg")));
    }
    ASSERT_TRUE(WriteCycleDiagram(QStringLiteral("cycle.png"), view_, texts_));
    const QImage png(QStringLiteral("cycle.png"));
    EXPECT_EQ(png.size(), QSize(1200, 900));
    EXPECT_FALSE(WriteCycleDiagram(QStringLiteral("no/such/folder/cycle.png"), view_, texts_));
}

TEST_F(CycleDiagramTest, ThePageKeepsLongTextsInsideItsMargins) {
    // Every caption far longer than any language's.
    std::vector<std::string> items;
    for (int item = 1; item <= cycle_texts::kFile.itemCount; ++item) {
        std::string text;
        while (text.size() < 110) text += "caption " + std::to_string(item) + " ";
        items.push_back(text);
    }
    texts_.texts = FeatureTexts(items, 1252);
    RecordingDevice device(2480, 3508);
    {
        QPainter painter(&device);
        DrawCyclePage(painter, QRectF(0, 0, 2480, 3508), view_, texts_, QStringLiteral("DejaVu Sans"));
    }
    ASSERT_FALSE(device.engine.texts.empty());
    const double margin = 0.07 * 2480;
    for (const auto& text : device.engine.texts) {
        SCOPED_TRACE(text.text.toStdString());
        const double advance = QFontMetricsF(text.font, &device).horizontalAdvance(text.text);
        EXPECT_GE(text.baseline.x(), margin - 0.5);
        EXPECT_LE(text.baseline.x() + advance, 2480 - margin + 0.5);
        EXPECT_LE(text.baseline.y(), 3508 - 0.8 * margin);
    }
}

}  // namespace
}  // namespace tervalo
