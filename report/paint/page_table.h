#pragma once

// Tables of text rows on the optional report pages. Links Qt Gui only.

#include <QString>
#include <vector>

class QPainter;

namespace tervalo {

struct PageColumn {
    double width;  // fraction of the table's width
    bool right;    // numbers stand right-aligned
};

// A table of text rows in the given columns from `top`, in the painter's font, the first row as heading (a
// line below it) when `headed`. Texts too wide for their cell are cut with an ellipsis. Returns the height
// used.
double DrawPageTable(QPainter& painter, double left, double top, double width,
                     const std::vector<PageColumn>& columns, const std::vector<std::vector<QString>>& rows,
                     bool headed);

// The height of one row of such a table in the painter's font.
double PageTableLineHeight(const QPainter& painter);

}  // namespace tervalo
