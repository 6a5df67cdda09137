// Time of the project's own cycle through the three seasons: 78 bins, each the design-point calculation on a
// copy of the example project, then the bin method; one load of the calculation data. Goal: under 1 ms.
//
// Runs in the staged program directory, where the generated language files and R22.DAT lie.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <system_error>

#include "config/run_settings.h"
#include "localisation/language_tables.h"
#include "project/calculation.h"
#include "project/seasonal/project_seasons.h"

namespace tervalo {
namespace {

void BM_ProjectSeasons(benchmark::State& state) {
    std::error_code error;
    std::filesystem::current_path(TERVALO_DIST_DIR, error);
    if (error || !CaptionFileUsable("ENG")) {
        state.SkipWithError("the program directory lacks its language files; build tervalo_data first");
        return;
    }
    Settings.LanguageCode = "ENG";
    LoadCaptionFile("ENG");
    LoadHeatCaptions("ENG");
    ProjectRecord record;
    record.RefrigerantName = "R22";
    record.WohnFL = "150";
    record.SpezHeizLeist = "120";
    record.HeizArt = HeatCaption(21);
    record.WirkGKessel = "90";
    record.BereitStV = "10";
    record.BrennK = "0.6";
    record.EnergKost = "0.2";
    record.AnwendBereich = HeatCaption(3);
    record.t0 = "-5";
    record.Tc = "45";
    record.SuctionAllowance = 8;
    const CalculationData data = LoadCalculationData(record);
    if (data.refrigerantTable.status != EngineStatus::Ok) {
        state.SkipWithError("R22.DAT is missing from the program directory; build tervalo_data first");
        return;
    }
    const seasonal::ProjectSeasonInputs inputs;
    for (auto _ : state) benchmark::DoNotOptimize(seasonal::EvaluateProjectSeasons(record, data, inputs));
}
BENCHMARK(BM_ProjectSeasons)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tervalo
