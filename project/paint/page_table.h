#pragma once

// Tables of text rows on the optional report pages. Links Qt Gui only.

#include <QString>
#include <vector>

class QFontMetricsF;
class QPainter;

namespace tervalo {

struct PageColumn {
    double width;  // fraction of the table's width
    bool right;    // numbers stand right-aligned
};

// A table of text rows in the given columns from `top`, in the painter's font, the first row as heading (a
// line below it) when `headed`. A text too wide for its cell is drawn smaller, and only then cut with an
// ellipsis (in the middle in right-aligned columns, so that a figure keeps its end); a heading that would be
// cut is first broken at blanks into up to `headingLines` lines. Returns the height used.
double DrawPageTable(QPainter& painter, double left, double top, double width,
                     const std::vector<PageColumn>& columns, const std::vector<std::vector<QString>>& rows,
                     bool headed, int headingLines = 1);

// The height of one row of such a table in the painter's font.
double PageTableLineHeight(const QPainter& painter);

// The height of `rows` rows of such a table in the font of `metrics`.
double PageTableHeight(const QFontMetricsF& metrics, std::size_t rows);

}  // namespace tervalo
