#pragma once

// Where the report page puts the records of the results file. Positions are fractions of the page width W
// and height H, so the view, the printer, a PDF and an image lay out the same page at any size. The drawing
// itself (fonts, pens, the paint device) is in report/paint.

#include <functional>
#include <string>
#include <vector>

namespace tervalo {

struct PageGeometry {
    static constexpr double kFrameLeft = 0.08;
    static constexpr double kFrameRight = 0.94;
    static constexpr double kFrameTop = 0.16;
    static constexpr double kFrameBottom = 0.90;
    static constexpr double kFirstLine = 0.145;  // the title line, above the frame
    static constexpr double kTextLeft = 0.09;
    static constexpr double kValueLeft = 0.55;
    static constexpr double kLineAdvance = 0.02;
    static constexpr double kRuleAdvance = 0.005;
    // A text ends this far before the next column or the frame, as far as it starts after the frame.
    static constexpr double kColumnGap = kTextLeft - kFrameLeft;
    // Records this long or longer are drawn as a rule whatever they hold; one exactly one shorter is skipped.
    static constexpr std::size_t kRuleLength = 151;
    static constexpr std::size_t kSkippedLength = 150;
    // A record shorter than this without a field marker takes no space (the blank record is CR LF).
    static constexpr std::size_t kShortestLine = 5;
};

// A straight line from (x0, y0) to (x1, y1).
struct PageLine {
    double x0, y0, x1, y1;
};

// A text whose top-left corner stands at (x, y); bytes in the language's code page. It belongs in a column
// that ends at `right`; `scale` is its font size relative to the page's.
struct PageText {
    double x, y;
    std::string text;
    bool bold;
    double right = PageGeometry::kFrameRight - PageGeometry::kColumnGap;
    double scale = 1;
};

struct PageLayout {
    std::vector<PageLine> lines;  // the four frame edges first, then the rules
    std::vector<PageText> texts;
};

// Lays out the page: frame, then the records from y = 0.145 down, headings bold. Records that would start
// below the page are not laid out (the report has one page and makes no page break).
PageLayout LayOutResultsPage(const std::vector<std::string>& records);

// How the drawing measures texts at the page's font size: a text's width as a fraction of the page width, and
// the font's ascent and line height as fractions of the page height.
struct TextMeasure {
    std::function<double(const std::string& text, bool bold)> width;
    double ascent;
    double lineHeight;
};

// Keeps every text inside its column. A text that fits stays as laid out. A wider one is drawn smaller on its
// line with the line's baseline, or wrapped at a blank into two lines that share its line's height, whichever
// lets it keep the larger font; a wrapped text becomes two texts.
void FitTextsToColumns(PageLayout& page, const TextMeasure& measure);

}  // namespace tervalo
