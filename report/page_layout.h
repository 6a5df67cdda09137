#pragma once

// Where the report page puts the records of the results file. Positions are fractions of the page width W
// and height H, so the view, the printer, a PDF and an image lay out the same page at any size. The drawing
// itself (fonts, pens, the paint device) is in report/paint.

#include <string>
#include <vector>

namespace tervalo {

// The view draws a lower frame than paper, with a smaller font and without bold headings.
enum class PageTarget { View, Paper };

struct PageGeometry {
    static constexpr double kFrameLeft = 0.08;
    static constexpr double kFrameRight = 0.94;
    static constexpr double kFrameTop = 0.16;
    static constexpr double kViewFrameBottom = 0.91;
    static constexpr double kPaperFrameBottom = 0.90;
    static constexpr double kFirstLine = 0.145;  // the title line, above the frame
    static constexpr double kTextLeft = 0.09;
    static constexpr double kValueLeft = 0.55;
    static constexpr double kLineAdvance = 0.02;
    static constexpr double kRuleAdvance = 0.005;
    // Records this long or longer are drawn as a rule whatever they hold; one exactly one shorter is skipped.
    static constexpr std::size_t kRuleLength = 151;
    static constexpr std::size_t kSkippedLength = 150;
    // A record shorter than this without a field marker takes no space (the blank record is CR LF).
    static constexpr std::size_t kShortestLine = 5;
};

double FrameBottom(PageTarget target);

// A straight line from (x0, y0) to (x1, y1).
struct PageLine {
    double x0, y0, x1, y1;
};

// A text whose top-left corner stands at (x, y); bytes in the language's code page.
struct PageText {
    double x, y;
    std::string text;
    bool bold;
};

struct PageLayout {
    std::vector<PageLine> lines;  // the four frame edges first, then the rules
    std::vector<PageText> texts;
};

// Lays out the page: frame, then the records from y = 0.145 down. Records that would start below the page
// are not laid out (the report has one page and makes no page break).
PageLayout LayOutResultsPage(const std::vector<std::string>& records, PageTarget target);

}  // namespace tervalo
