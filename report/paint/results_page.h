#pragma once

// The one drawing of the report page: the results view, the printer, a PDF file and the tests' images all
// call DrawResultsPage with their own painter. Links Qt Gui only.

#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace tervalo {

// The page's font: 10 points on paper, headings bold.
struct PageStyle {
    QString fontFamily;
    qreal pointSize = 10;

    static PageStyle ForPaper(const QString& fontFamily) { return {fontFamily, 10}; }
};

// Draws the page of ergEN1.DAT in the current directory. `page` is where the page (0, 0)-(W, H) stands in
// the painter's coordinates; every position is a fraction of it. A missing or unreadable file gives the frame
// alone. Fonts are taken in points of the painter's device; every text is kept inside its column (see
// FitTextsToColumns).
void DrawResultsPage(QPainter& painter, const QRectF& page, const PageStyle& style);

// The page as it will be printed on paper `paperHeight` points high, shown in `page` at any scale: laid out
// on a sheet of that paper at a printer's resolution and scaled down, so that every text breaks and shrinks
// as on paper.
void DrawResultsPreview(QPainter& painter, const QRectF& page, qreal paperHeight, const QString& fontFamily);

// A further sheet printed after the report page, drawn into the sheet's full-page rectangle.
using FurtherPage = std::function<void(QPainter&, const QRectF& sheet)>;

// The pages one after the other, each on a sheet of its own, as one further page; none when there are none.
FurtherPage FurtherPages(std::vector<FurtherPage> pages);

// Prints the page as one sheet on a printer or PDF writer (and `further` on a second sheet when given):
// full-page coordinates, paper style, then the page and the document are ended. False when the device could
// not be opened or finished.
bool PrintResultsPage(QPagedPaintDevice& device, const QString& fontFamily, const FurtherPage& further = {});

// Prints the page to a PDF file (A4 unless given a printer's page layout and resolution). The file is
// replaced as a whole (see ReplaceFileBytesAt): an interruption leaves the old file. Needs a QGuiApplication.
bool PrintResultsPdf(const QString& fileName, const QString& fontFamily,
                     const QPageLayout& layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                             QMarginsF()),
                     int resolution = 1200, const FurtherPage& further = {});

// The same for a program without windows: makes the application object the drawing needs (offscreen where
// there is no display) and prints in PrintFontName.
bool PrintResultsPdfFile(const std::string& fileName);

}  // namespace tervalo
