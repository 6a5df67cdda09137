#include "report/page_layout.h"

#include <algorithm>
#include <string_view>

#include "engine/text_util.h"
#include "report/results_file.h"

namespace tervalo {

namespace {

using G = PageGeometry;

// Widths that differ by less than this are measured alike.
constexpr double kMeasureTolerance = 1e-9;

// A line end inside a printed text has no visible effect: trailing ones go, inner ones become blanks.
std::string PrintableText(std::string_view text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
    std::string printable = TrimLeadingBlanks(text);
    for (char& c : printable)
        if (c == '\r' || c == '\n' || c == '\t') c = ' ';
    return printable;
}

// The height a text line starting at y may fill: down to the next line, or to a frame edge on the way.
double LineSpace(double y) {
    double end = y + G::kLineAdvance;
    for (const double edge : {G::kFrameTop, G::kFrameBottom})
        if (edge > y && edge < end) end = edge;
    return end - y;
}

struct Wrap {
    std::string first, second;
    double width = 0;  // of the wider line
};

// The split at a blank that makes the wider of the two lines narrowest; no split when the text has no
// blank between two words.
Wrap BestWrap(const std::string& text, bool bold, const TextMeasure& measure) {
    Wrap best;
    for (std::size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', blank + 1)) {
        std::string first = text.substr(0, blank);
        while (!first.empty() && first.back() == ' ') first.pop_back();
        std::string second = TrimLeadingBlanks(std::string_view(text).substr(blank + 1));
        if (first.empty() || second.empty()) continue;
        const double width = std::max(measure.width(first, bold), measure.width(second, bold));
        if (best.first.empty() || width < best.width) best = {std::move(first), std::move(second), width};
    }
    return best;
}

}  // namespace

PageLayout LayOutResultsPage(const std::vector<std::string>& records) {
    PageLayout page;
    page.lines = {
        {G::kFrameLeft, G::kFrameTop, G::kFrameLeft, G::kFrameBottom},
        {G::kFrameRight, G::kFrameTop, G::kFrameRight, G::kFrameBottom},
        {G::kFrameLeft, G::kFrameTop, G::kFrameRight, G::kFrameTop},
        {G::kFrameLeft, G::kFrameBottom, G::kFrameRight, G::kFrameBottom},
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
        bool bold = false;
        if (const auto marker = text.find(kHeadingMarker); marker != std::string_view::npos) {
            text.remove_prefix(marker + kHeadingMarker.size());
            bold = true;
        }
        if (const auto split = text.find(kFieldMarker); split != std::string_view::npos) {
            page.texts.push_back(
                {G::kTextLeft, y, PrintableText(text.substr(0, split)), bold, G::kValueLeft - G::kColumnGap});
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

void FitTextsToColumns(PageLayout& page, const TextMeasure& measure) {
    std::vector<PageText> fitted;
    fitted.reserve(page.texts.size());
    for (PageText& text : page.texts) {
        const double column = text.right - text.x;
        const double width = measure.width(text.text, text.bold);
        if (width <= column + kMeasureTolerance || column <= 0) {
            fitted.push_back(std::move(text));
            continue;
        }
        const double oneLine = column / width;
        Wrap wrap = BestWrap(text.text, text.bold, measure);
        const double twoLines =
            wrap.first.empty()
                ? 0
                : std::min({1.0, column / wrap.width, LineSpace(text.y) / (2 * measure.lineHeight)});
        if (twoLines > oneLine) {
            PageText second = text;
            text.text = std::move(wrap.first);
            text.scale = twoLines;
            second.text = std::move(wrap.second);
            second.scale = twoLines;
            second.y += measure.lineHeight * twoLines;
            fitted.push_back(std::move(text));
            fitted.push_back(std::move(second));
        } else {
            // Smaller on the same baseline as the rest of its line.
            text.y += measure.ascent * (1 - oneLine);
            text.scale = oneLine;
            fitted.push_back(std::move(text));
        }
    }
    page.texts = std::move(fitted);
}

}  // namespace tervalo
