// Arbitrary bytes as the results file, read, laid out on the page and fitted to its columns.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "report/page_layout.h"
#include "report/results_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto records =
        tervalo::ParseResultsRecords(std::string_view(reinterpret_cast<const char*>(data), size));
    tervalo::PageLayout page = tervalo::LayOutResultsPage(records);
    // Every byte as wide as a hundredth of the page: long records shrink or wrap.
    const tervalo::TextMeasure measure{
        [](const std::string& text, bool) { return 0.01 * static_cast<double>(text.size()); }, 0.01, 0.0137};
    tervalo::FitTextsToColumns(page, measure);
    return 0;
}
