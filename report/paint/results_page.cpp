#include "report/paint/results_page.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>
#include <string_view>

#include "config/run_settings.h"
#include "engine/file_access.h"
#include "localisation/code_page.h"
#include "localisation/languages.h"
#include "localisation/shown_numbers.h"
#include "project/paint/fitted_text.h"
#include "report/page_layout.h"
#include "report/paint/gui_application.h"
#include "report/report_title.h"
#include "report/results_file.h"

namespace tervalo {

namespace {

// Lines are a twentieth of the font size wide (half a point on paper), and never thinner than a pixel where
// they are shown.
QPen LinePen(const QPainter& painter, const PageStyle& style) {
    QPen pen(Qt::black);
    const qreal width = painter.device() ? painter.device()->logicalDpiY() * style.pointSize / 20 / 72.0 : 0;
    if (painter.transform().map(QLineF(0, 0, 0, width)).length() < 1) {
        pen.setCosmetic(true);
        pen.setWidth(1);
    } else {
        pen.setWidthF(width);
    }
    return pen;
}

// A text of the page in the language's code page as Unicode, its units m2 and m3 with their superscripts. The
// drawing runs without the window kit (also in tervalo-calc), so it goes to the code-page conversion
// directly.
QString PageTextToUnicode(const std::string& text) {
    return QString::fromStdString(SuperscriptUnits(CodePageToUtf8(text, CodePageOf(Settings.LanguageCode))));
}

}  // namespace

void DrawResultsPage(QPainter& painter, const QRectF& page, const PageStyle& style) {
    PageLayout layout = LayOutResultsPage(ReadResultsFile());
    // The file holds the values as the fields hold them; the page shows their numbers in the language's
    // separator, as the window does.
    const char separator = ShownDecimalSeparator(Settings.LanguageCode);
    for (PageText& text : layout.texts) text.text = ShownNumbers(text.text, separator);
    const auto at = [&page](double x, double y) {
        return QPointF(page.left() + x * page.width(), page.top() + y * page.height());
    };

    QFont regular(style.fontFamily);
    regular.setPointSizeF(style.pointSize);
    QFont bold = regular;
    bold.setBold(true);
    const QFontMetricsF regularMetrics(regular, painter.device());
    const QFontMetricsF boldMetrics(bold, painter.device());
    if (page.width() > 0 && page.height() > 0) {
        const TextMeasure measure{
            [&](const std::string& text, bool isBold) {
                return (isBold ? boldMetrics : regularMetrics).horizontalAdvance(PageTextToUnicode(text)) /
                       page.width();
            },
            regularMetrics.ascent() / page.height(), regularMetrics.height() / page.height()};
        FitTextsToColumns(layout, measure);
    }

    painter.save();
    painter.setPen(LinePen(painter, style));
    for (const PageLine& line : layout.lines) painter.drawLine(at(line.x0, line.y0), at(line.x1, line.y1));

    for (const PageText& text : layout.texts) {
        const QString shown = PageTextToUnicode(text.text);
        QFont font = text.bold ? bold : regular;
        if (text.scale < 1) {
            // Font engines round sizes, so the smaller size is checked against the column once more.
            font.setPointSizeF(style.pointSize * text.scale);
            font = FittedFont(font, painter.device(), (text.right - text.x) * page.width(), shown);
        }
        painter.setFont(font);
        // The layout places the top of the text; the painter wants the baseline.
        const qreal ascent = QFontMetricsF(font, painter.device()).ascent();
        painter.drawText(at(text.x, text.y) + QPointF(0, ascent), shown);
    }
    painter.restore();
}

void DrawResultsPreview(QPainter& painter, const QRectF& page, qreal paperHeight, const QString& fontFamily) {
    if (page.isEmpty() || paperHeight <= 0 || !painter.device()) return;
    // A sheet of the page's proportions at a printer's resolution, 10-point text in its dots.
    constexpr qreal kSheetResolution = 1200;
    const QSizeF sheet(paperHeight * page.width() / page.height() * kSheetResolution / 72,
                       paperHeight * kSheetResolution / 72);
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(page.height() / sheet.height(), page.height() / sheet.height());
    DrawResultsPage(painter, QRectF(QPointF(0, 0), sheet),
                    {fontFamily, 10 * kSheetResolution / painter.device()->logicalDpiY()});
    painter.restore();
}

FurtherPage FurtherPages(std::vector<FurtherPage> pages) {
    if (pages.empty()) return {};
    return [pages = std::move(pages)](QPainter& painter, const QRectF& sheet) {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            // The first sheet was started by the printing of the report page; a device that can take no
            // further sheet gets no more drawing.
            if (i > 0 && !static_cast<QPagedPaintDevice*>(painter.device())->newPage()) return;
            pages[i](painter, sheet);
        }
    };
}

bool PrintResultsPage(QPagedPaintDevice& device, const QString& fontFamily, const FurtherPage& further) {
    device.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    DrawResultsPage(painter, QRectF(0, 0, device.width(), device.height()), PageStyle::ForPaper(fontFamily));
    if (further) {
        if (!device.newPage()) {
            painter.end();
            return false;
        }
        further(painter, QRectF(0, 0, device.width(), device.height()));
    }
    return painter.end();
}

bool PrintResultsPdf(const QString& fileName, const QString& fontFamily, const QPageLayout& layout,
                     int resolution, const FurtherPage& further) {
    // Drawn in memory and then put in place as a whole: an interrupted print leaves the old file, not a
    // truncated one.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(resolution);
        pdf.setPageLayout(layout);
        pdf.setTitle(PageTextToUnicode(BuildReportTitle()));
        pdf.setCreator(PageTextToUnicode(Settings.ProductName));
        if (!PrintResultsPage(pdf, fontFamily, further)) return false;
    }
    const QByteArray& bytes = buffer.data();
    return ReplaceFileBytesAt(std::filesystem::path(QFile::encodeName(fileName).toStdString()),
                              std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool PrintResultsPdfFile(const std::string& fileName) {
    EnsureGuiApplication();
    return PrintResultsPdf(QString::fromLocal8Bit(fileName.c_str()),
                           PageTextToUnicode(Settings.PrintFontName));
}

}  // namespace tervalo
