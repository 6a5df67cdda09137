// Arbitrary bytes as the results file, read and laid out on the page for the view and for paper.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "report/page_layout.h"
#include "report/results_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto records =
        tervalo::ParseResultsRecords(std::string_view(reinterpret_cast<const char*>(data), size));
    tervalo::LayOutResultsPage(records, tervalo::PageTarget::View);
    tervalo::LayOutResultsPage(records, tervalo::PageTarget::Paper);
    return 0;
}
