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
#include "report/paint/gui_application.h"
#include "report/report_title.h"
#include "report/results_file.h"

namespace tervalo {

namespace {

// Paper lines are half a point wide at any printer resolution; the view draws one-pixel lines.
QPen LinePen(const QPainter& painter, PageTarget target) {
    QPen pen(Qt::black);
    if (target == PageTarget::View || !painter.device()) {
        pen.setCosmetic(true);
        pen.setWidth(1);
    } else {
        pen.setWidthF(painter.device()->logicalDpiY() * 0.5 / 72.0);
    }
    return pen;
}

// A text of the page in the language's code page as Unicode. The drawing runs without the window kit (also
// in tervalo-calc), so it goes to the code-page conversion directly.
QString PageTextToUnicode(const std::string& text) {
    return QString::fromStdString(CodePageToUtf8(text, CodePageOf(Settings.LanguageCode)));
}

}  // namespace

void DrawResultsPage(QPainter& painter, const QRectF& page, const PageStyle& style) {
    const PageLayout layout = LayOutResultsPage(ReadResultsFile(), style.target);
    const auto at = [&page](double x, double y) {
        return QPointF(page.left() + x * page.width(), page.top() + y * page.height());
    };

    painter.save();
    painter.setPen(LinePen(painter, style.target));
    for (const PageLine& line : layout.lines) painter.drawLine(at(line.x0, line.y0), at(line.x1, line.y1));

    QFont font(style.fontFamily);
    font.setPointSizeF(style.pointSize);
    for (const PageText& text : layout.texts) {
        font.setBold(text.bold);
        painter.setFont(font);
        // The layout places the top of the text; the painter wants the baseline.
        const qreal ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
        painter.drawText(at(text.x, text.y) + QPointF(0, ascent), PageTextToUnicode(text.text));
    }
    painter.restore();
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
