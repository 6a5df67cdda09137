// Time of the readers every window change or start-up goes through: a caption file into the language tables,
// the results file into its records and onto the page, and the tolerant number input.
//
// Runs in the staged program directory, where the generated language files lie.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "engine/number_text.h"
#include "localisation/language_tables.h"
#include "report/page_layout.h"
#include "report/results_file.h"

namespace tervalo {
namespace {

bool EnterProgramDirectory(benchmark::State& state) {
    std::error_code error;
    std::filesystem::current_path(TERVALO_DIST_DIR, error);
    if (error || !CaptionFileUsable("ENG")) {
        state.SkipWithError("Caption.ENG is missing from the program directory; build tervalo_data first");
        return false;
    }
    return true;
}

void BM_LoadCaptionFile(benchmark::State& state) {
    if (!EnterProgramDirectory(state)) return;
    for (auto _ : state) {
        LoadCaptionFile("ENG");
        benchmark::DoNotOptimize(Caption(kCaptionItems));
    }
}
BENCHMARK(BM_LoadCaptionFile);

void BM_TranslateText(benchmark::State& state) {
    if (!EnterProgramDirectory(state)) return;
    LoadHeatCaptions("ENG");
    const std::string last = HeatCaption(kHeatCaptions);  // the worst case: the dictionary's last item
    for (auto _ : state) benchmark::DoNotOptimize(TranslateText(last, "ENG", "GER"));
}
BENCHMARK(BM_TranslateText);

// A results file of the size a full report has: headings, fields with values, blanks and rules.
std::string SampleResultsFile() {
    std::string bytes;
    for (int section = 0; section < 5; ++section) {
        bytes += "\"&$$Section " + std::to_string(section) + " :\"\r\n\"\"\r\n";
        for (int field = 0; field < 12; ++field)
            bytes +=
                "\"        Annual energy of item " + std::to_string(field) + " :\xA7$& 12345 kWh/a\"\r\n";
        bytes += "\"" + std::string(151, '-') + "\"\r\n";
    }
    return bytes;
}

void BM_ResultsPageLayout(benchmark::State& state) {
    const std::string bytes = SampleResultsFile();
    for (auto _ : state) {
        const auto records = ParseResultsRecords(bytes);
        benchmark::DoNotOptimize(LayOutResultsPage(records));
    }
}
BENCHMARK(BM_ResultsPageLayout);

void BM_ParseNumberText(benchmark::State& state) {
    for (auto _ : state) {
        std::string text = " 1234,5678";
        benchmark::DoNotOptimize(ParseNumberText(text));
    }
}
BENCHMARK(BM_ParseNumberText);

}  // namespace
}  // namespace tervalo
