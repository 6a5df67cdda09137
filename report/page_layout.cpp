#include "report/page_layout.h"

#include <string_view>

#include "engine/text_util.h"
#include "report/results_file.h"

namespace tervalo {

namespace {

using G = PageGeometry;

// A line end inside a printed text has no visible effect: trailing ones go, inner ones become blanks.
std::string PrintableText(std::string_view text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
    std::string printable = TrimLeadingBlanks(text);
    for (char& c : printable)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return printable;
}

}  // namespace

double FrameBottom(PageTarget target) {
    return target == PageTarget::View ? G::kViewFrameBottom : G::kPaperFrameBottom;
}

PageLayout LayOutResultsPage(const std::vector<std::string>& records, PageTarget target) {
    PageLayout page;
    const double bottom = FrameBottom(target);
    page.lines = {
        {G::kFrameLeft, G::kFrameTop, G::kFrameLeft, bottom},
        {G::kFrameRight, G::kFrameTop, G::kFrameRight, bottom},
        {G::kFrameLeft, G::kFrameTop, G::kFrameRight, G::kFrameTop},
        {G::kFrameLeft, bottom, G::kFrameRight, bottom},
    };

    double y = G::kFirstLine;
    for (const std::string& record : records) {
        if (y >= 1.0) break;
        const std::size_t n = record.size();
        if (n >= G::kRuleLength) {
            page.lines.push_back({G::kFrameLeft, y, G::kFrameRight, y});
            y += G::kRuleAdvance;
            continue;
        }
        if (n == G::kSkippedLength) continue;

        std::string_view text = record;
        bool heading = false;
        if (const auto marker = text.find(kHeadingMarker); marker != std::string_view::npos) {
            text.remove_prefix(marker + kHeadingMarker.size());
            heading = true;
        }
        const bool bold = heading && target == PageTarget::Paper;
        if (const auto split = text.find(kFieldMarker); split != std::string_view::npos) {
            page.texts.push_back({G::kTextLeft, y, PrintableText(text.substr(0, split)), bold});
            page.texts.push_back(
                {G::kValueLeft, y, PrintableText(text.substr(split + kFieldMarker.size())), bold});
            y += G::kLineAdvance;
        } else if (n >= G::kShortestLine) {
            page.texts.push_back({G::kTextLeft, y, PrintableText(text), bold});
            y += G::kLineAdvance;
        }
    }
    return page;
}

}  // namespace tervalo
