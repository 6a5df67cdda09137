#include "report/paint/results_page.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <functional>
#include <memory>
#include <optional>
#include <regex>

#include "config/run_settings.h"
#include "localisation/language_tables.h"
#include "project/project_record.h"
#include "report/results_file.h"
#include "report/results_writer.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"
#include "tests/report/gui_application.h"
#include "tests/report/poppler.h"
#include "tests/report/recording_device.h"

namespace tervalo {
namespace {

using test::RecordingDevice;

using test::CommandOutput;
using test::ScopedTempDir;

const std::string kRule = "        " + std::string(155, '-') + "\r\n";

// A known results file: title, heading, field, rule pair, plain line.
const std::vector<std::string> kKnownRecords = {
    "\r\n",
    "        &$$Quelmo : Calculation Heat Pump - Simulation CO2 Emission\r\n",
    "\r\n",
    "        &$$Building :",
    "\r\n",
    "        Heated living area :\xA7$&120 m\xB2",
    kRule,
    kRule,
    "        Energy costs :",
};

class ResultsPageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureApplication<QGuiApplication>(); }
    void SetUp() override {
        ResetRunSettings();
        ResetLanguageTables();
        Settings.LanguageCode = "ENG";
    }
    void TearDown() override {
        ResetRunSettings();
        ResetLanguageTables();
    }
    ScopedTempDir dir_;
};

TEST_F(ResultsPageTest, DrawsTheKnownFileAtItsPositionsOnPaper) {
    ASSERT_TRUE(WriteResultsRecords(kKnownRecords));
    RecordingDevice device(2480, 3508);
    {
        QPainter painter(&device);
        DrawResultsPage(painter, QRectF(0, 0, 2480, 3508), PageStyle::ForPaper("DejaVu Sans"));
    }
    const auto& engine = device.engine;
    ASSERT_EQ(engine.lines.size(), 6u);
    EXPECT_EQ(engine.lines[0], QLineF(0.08 * 2480, 0.16 * 3508, 0.08 * 2480, 0.90 * 3508));
    EXPECT_EQ(engine.lines[3], QLineF(0.08 * 2480, 0.90 * 3508, 0.94 * 2480, 0.90 * 3508));
    EXPECT_NEAR(engine.lines[4].y1(), 0.205 * 3508, 1e-6);
    EXPECT_NEAR(engine.lines[5].y1(), 0.210 * 3508, 1e-6);

    const struct {
        const char* text;
        double x, y;
        bool bold;
    } expected[] = {{"Quelmo : Calculation Heat Pump - Simulation CO2 Emission", 0.09, 0.145, true},
                    {"Building :", 0.09, 0.165, true},
                    {"Heated living area :", 0.09, 0.185, false},
                    {"120 m\u00B2", 0.55, 0.185, false},
                    {"Energy costs :", 0.09, 0.215, false}};
    ASSERT_EQ(engine.texts.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].text);
        const auto& text = engine.texts[i];
        EXPECT_EQ(text.text, QString::fromUtf8(expected[i].text));
        EXPECT_EQ(text.font.bold(), expected[i].bold);
        EXPECT_DOUBLE_EQ(text.font.pointSizeF(), 10);
        const qreal ascent = QFontMetricsF(text.font, &device).ascent();
        // Glyph positions are kept in 1/64 pixel.
        EXPECT_NEAR(text.baseline.x(), expected[i].x * 2480, 0.02);
        EXPECT_NEAR(text.baseline.y() - ascent, expected[i].y * 3508, 0.02);
    }
}

// The texts a page drawn into `page` on a 300 dpi device shows: each with its place as fractions of the page.
struct DrawnText {
    QString text;
    QPointF baseline;
    qreal points;
    bool bold;
    qreal end;  // where its advance ends, as a fraction of the page width
};

std::vector<DrawnText> DrawnTexts(const QRectF& page, const std::function<void(QPainter&)>& draw) {
    RecordingDevice device(static_cast<int>(page.right()) + 10, static_cast<int>(page.bottom()) + 10);
    {
        QPainter painter(&device);
        draw(painter);
    }
    std::vector<DrawnText> texts;
    for (const auto& text : device.engine.texts) {
        const qreal advance = QFontMetricsF(text.font, &device).horizontalAdvance(text.text);
        texts.push_back({text.text,
                         {(text.baseline.x() - page.left()) / page.width(),
                          (text.baseline.y() - page.top()) / page.height()},
                         text.font.pointSizeF(),
                         text.font.bold(),
                         (text.baseline.x() + advance - page.left()) / page.width()});
    }
    return texts;
}

TEST_F(ResultsPageTest, TooWideTextsAreDrawnSmallerInsideTheirColumns) {
    std::vector<std::string> records = kKnownRecords;
    records.push_back(
        "        Annual fuel consumption of the existing condensing boiler :\xA7$&"
        "High-efficiency condensing boiler, weather-led - 105 %");
    records.push_back(
        "        METHOD: THE HEAT PUMP IS ASSESSED AT ONE DESIGN POINT ONLY; ALL RESULTS ARE ESTIMATES "
        "AND CARRY NO GUARANTEE OF ANY KIND.");
    ASSERT_TRUE(WriteResultsRecords(records));
    const QRectF page(0, 0, 2480, 3508);
    const auto texts = DrawnTexts(
        page, [&](QPainter& painter) { DrawResultsPage(painter, page, PageStyle::ForPaper("DejaVu Sans")); });
    ASSERT_EQ(texts.size(), 5u + 2u + 2u);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(texts[i].points, 10) << texts[i].text.toStdString();
    // The label ends before the values, the value before the frame, both a little smaller on one line.
    EXPECT_LT(texts[5].points, 10);
    EXPECT_LT(texts[6].points, 10);
    EXPECT_LE(texts[5].end, 0.54 + 1e-6);
    EXPECT_LE(texts[6].end, 0.93 + 1e-6);
    EXPECT_NEAR(texts[5].baseline.y(), texts[6].baseline.y(), 1e-4);
    // The plain line is wrapped into two lines within its own line's height (0.255 to 0.275).
    EXPECT_EQ(texts[7].text + " " + texts[8].text,
              QStringLiteral(
                  "METHOD: THE HEAT PUMP IS ASSESSED AT ONE DESIGN POINT ONLY; ALL RESULTS ARE ESTIMATES "
                  "AND CARRY NO GUARANTEE OF ANY KIND."));
    EXPECT_EQ(texts[7].points, texts[8].points);
    EXPECT_GT(texts[7].baseline.y(), 0.255);
    EXPECT_LT(texts[8].baseline.y(), 0.275);
    for (const auto& text : texts) EXPECT_LE(text.end, 0.93 + 1e-6) << text.text.toStdString();
}

TEST_F(ResultsPageTest, PreviewDrawsThePrintedPageAtScale) {
    std::vector<std::string> records = kKnownRecords;
    records.push_back(
        "        A label much too long to stand beside its value :\xA7$&a value too long for its column");
    ASSERT_TRUE(WriteResultsRecords(records));
    // A4 at 300 dpi, and shown in a window: laid out on a sheet of 1200 dots an inch and scaled down.
    const QRectF sheet(0, 0, 2480, 3508), shown(100, 50, 620, 877);
    const auto paper = DrawnTexts(sheet, [&](QPainter& painter) {
        DrawResultsPage(painter, sheet, PageStyle::ForPaper("DejaVu Sans"));
    });
    const auto preview = DrawnTexts(
        shown, [&](QPainter& painter) { DrawResultsPreview(painter, shown, 841.89, "DejaVu Sans"); });
    ASSERT_EQ(preview.size(), paper.size());
    for (std::size_t i = 0; i < paper.size(); ++i) {
        SCOPED_TRACE(paper[i].text.toStdString());
        EXPECT_EQ(preview[i].text, paper[i].text);
        EXPECT_EQ(preview[i].bold, paper[i].bold);
        EXPECT_NEAR(preview[i].points, paper[i].points * 4, paper[i].points * 4 * 0.01);
        EXPECT_NEAR(preview[i].baseline.x(), paper[i].baseline.x(), 0.002);
        EXPECT_NEAR(preview[i].baseline.y(), paper[i].baseline.y(), 0.002);
    }
}

TEST_F(ResultsPageTest, MissingFileDrawsTheFrameOnly) {
    RecordingDevice device(2150, 2900);
    {
        QPainter painter(&device);
        DrawResultsPage(painter, QRectF(0, 0, 2150, 2900), PageStyle::ForPaper("DejaVu Sans"));
    }
    EXPECT_EQ(device.engine.lines.size(), 4u);
    EXPECT_TRUE(device.engine.texts.empty());
}

TEST_F(ResultsPageTest, BinaryFileDrawsWithoutHarm) {
    std::string bytes(200000, '\0');
    std::uint32_t state = 12345;
    for (char& c : bytes) c = static_cast<char>((state = state * 1664525u + 1013904223u) >> 24);
    test::WriteBytes("ergEN1.DAT", bytes);
    RecordingDevice device(2150, 2900);
    {
        QPainter painter(&device);
        DrawResultsPage(painter, QRectF(0, 0, 2150, 2900), PageStyle::ForPaper("DejaVu Sans"));
    }
    EXPECT_GE(device.engine.lines.size(), 4u);
    for (const auto& text : device.engine.texts) EXPECT_LT(text.baseline.y(), 2900 + 100);
}

// Dark pixels of an image inside a rectangle.
int DarkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    return dark;
}

QImage DrawnImage() {
    QImage image(1075, 1450, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);  // 96 dpi
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawResultsPage(painter, QRectF(0, 0, 1075, 1450), PageStyle::ForPaper("DejaVu Sans"));
    return image;
}

TEST_F(ResultsPageTest, ImageShowsFrameAndTextWhereExpected) {
    ASSERT_TRUE(WriteResultsRecords(kKnownRecords));
    const QImage image = DrawnImage();
    const int left = static_cast<int>(0.08 * 1075), right = static_cast<int>(0.94 * 1075);
    const int top = static_cast<int>(0.16 * 1450), bottom = static_cast<int>(0.90 * 1450);
    // The frame's edges run their whole length.
    EXPECT_EQ(DarkPixels(image, QRect(left, top, 1, bottom - top)), bottom - top);
    EXPECT_EQ(DarkPixels(image, QRect(right, top, 1, bottom - top)), bottom - top);
    EXPECT_EQ(DarkPixels(image, QRect(left, top, right - left, 1)), right - left);
    EXPECT_EQ(DarkPixels(image, QRect(left, bottom, right - left, 1)), right - left);

    const auto line = [](double y) { return static_cast<int>(y * 1450); };
    const int lineHeight = line(0.02);
    // The title above the frame, the living area's label at 0.09 W and its value at 0.55 W.
    EXPECT_GT(DarkPixels(image, QRect(97, line(0.145), 400, lineHeight)), 50);
    EXPECT_GT(DarkPixels(image, QRect(97, line(0.185), 400, lineHeight)), 50);
    EXPECT_GT(DarkPixels(image, QRect(592, line(0.185), 200, lineHeight)), 20);
    // Nothing between the left edge and the labels, nor between the label and value columns.
    EXPECT_EQ(DarkPixels(image, QRect(left + 2, top + 2, 8, line(0.2) - top)), 0);
    EXPECT_EQ(DarkPixels(image, QRect(400, line(0.185), 180, lineHeight)), 0);
    // The two rules, 0.005 H apart, right below the field line.
    EXPECT_EQ(DarkPixels(image, QRect(left, line(0.205), right - left, 1)), right - left);
    EXPECT_EQ(DarkPixels(image, QRect(left, line(0.210), right - left, 1)), right - left);
    EXPECT_GT(DarkPixels(image, QRect(97, line(0.215), 300, lineHeight)), 20);
    // Below the last line the frame holds nothing.
    EXPECT_EQ(DarkPixels(image, QRect(left + 2, line(0.24), right - left - 4, bottom - line(0.24) - 2)), 0);
}

TEST_F(ResultsPageTest, MissingFileImageHoldsTheFrameAlone) {
    const QImage image = DrawnImage();
    const int frame = static_cast<int>((0.90 - 0.16) * 1450) * 2 + static_cast<int>((0.94 - 0.08) * 1075) * 2;
    const int dark = DarkPixels(image, image.rect());
    // Half-point lines are one or two pixels wide at 96 dpi.
    EXPECT_GE(dark, frame);
    EXPECT_LE(dark, 2 * frame + 8);
    EXPECT_EQ(DarkPixels(image, QRect(0, 0, 1075, static_cast<int>(0.16 * 1450) - 2)), 0);
}

// The top-left corner, in points, of the first word of a PDF's text that equals `word`.
std::optional<QPointF> WordPosition(const std::string& bbox, const std::string& word) {
    const std::regex pattern("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
    std::smatch match;
    if (!std::regex_search(bbox, match, pattern)) return std::nullopt;
    return QPointF(std::stod(match[1]), std::stod(match[2]));
}

TEST_F(ResultsPageTest, PdfHoldsTitleAndEveryValueAtTheirPlacesOnOneSheet) {
    TERVALO_SKIP_UNLESS(test::HavePoppler(), "poppler tools are not installed");
    Settings.ProductName = "Quelmo";
    Settings.CurrencyCode = "EUR";
    Texts.captions[kCaptionCalculation] = "Calculation";
    ProjectRecord p;
    p.WohnFL = "151";
    p.HausTyp = "Oldhouse";
    p.Klimazone = "Zone2";
    p.GesHBDGeB = "18001";
    p.AmbientT = "Windy";
    p.HeizArt = "Oilfired";
    p.KesselWirk = "Lowtemp";
    p.WirkGKessel = "91";
    p.Bereitstell = "Medium";
    p.BereitStV = "16";
    p.BrennK = "1.03";
    p.BrennStKeinh = "EUR/l";
    p.BrennStV = "2191";
    p.BrennstVUnit = "l/a";
    p.GesHBDHeiz = "23001";
    p.AnwendBereich = "Groundwater";
    p.VFlsize = "Underfloor";
    p.EnergKost = "0.29";
    p.GesEnergWP = "3033";
    p.Label27 = "2235";
    p.Label38 = "5.827";
    p.BetrKo = "850";
    p.co2consum = "1.153";
    ASSERT_TRUE(WriteResultsFile(p));
    for (const char* name : {"a.pdf", "b.pdf"}) {
        ASSERT_TRUE(PrintResultsPdf(name, "DejaVu Sans"));
        EXPECT_NE(CommandOutput(std::string("pdfinfo ") + name).find("Pages:           1\n"),
                  std::string::npos);
    }
    CommandOutput("pdftoppm -r 30 -png a.pdf a && pdftoppm -r 30 -png b.pdf b");
    EXPECT_EQ(test::ReadBytes("a-1.png"), test::ReadBytes("b-1.png"));
    EXPECT_FALSE(std::filesystem::exists("a-2.png"));

    // The font joins "fi" and "fl" into ligatures, which the text extraction gives as such.
    std::string text = CommandOutput("pdftotext -enc UTF-8 a.pdf -");
    for (const auto& [ligature, letters] : {std::pair{"\uFB01", "fi"}, std::pair{"\uFB02", "fl"}})
        for (auto at = text.find(ligature); at != std::string::npos; at = text.find(ligature))
            text.replace(at, std::string_view(ligature).size(), letters);
    for (const std::string& value : {p.WohnFL,      p.HausTyp,
                                     p.Klimazone,   p.GesHBDGeB,
                                     p.AmbientT,    p.HeizArt,
                                     p.KesselWirk,  p.WirkGKessel,
                                     p.Bereitstell, p.BereitStV,
                                     p.BrennK,      p.BrennStV,
                                     p.GesHBDHeiz,  p.AnwendBereich,
                                     p.VFlsize,     p.EnergKost,
                                     p.GesEnergWP,  p.Label27,
                                     p.Label38,     p.BetrKo,
                                     p.co2consum,   std::string("Calculation")})
        EXPECT_NE(text.find(value), std::string::npos) << value;

    // A4 is 595 x 842 points: the title's top-left corner at (0.09 W, 0.145 H), the living area at 0.55 W on
    // the third line (blank records take no space).
    const std::string bbox = CommandOutput("pdftotext -bbox a.pdf -");
    const auto title = WordPosition(bbox, "Quelmo");
    const auto area = WordPosition(bbox, "151");
    ASSERT_TRUE(title && area) << bbox;
    EXPECT_NEAR(title->x(), 0.09 * 595, 0.5);
    EXPECT_NEAR(title->y(), 0.145 * 842, 0.5);
    EXPECT_NEAR(area->x(), 0.55 * 595, 0.5);
    EXPECT_NEAR(area->y(), 0.185 * 842, 0.5);
}

}  // namespace
}  // namespace tervalo
