#include "sample_house.h"

#include <filesystem>
#include <system_error>

#include "config/run_settings.h"
#include "localisation/language_tables.h"

namespace tervalo::bench {

bool SampleHouse(benchmark::State& state, const char* t0, const char* tc, ProjectRecord& record,
                 CalculationData& data) {
    std::error_code error;
    std::filesystem::current_path(TERVALO_DIST_DIR, error);
    if (error || !CaptionFileUsable("ENG")) {
        state.SkipWithError("the program directory lacks its language files; build tervalo_data first");
        return false;
    }
    Settings.LanguageCode = "ENG";
    LoadCaptionFile("ENG");
    LoadHeatCaptions("ENG");
    record.RefrigerantName = "R22";
    record.WohnFL = "150";
    record.SpezHeizLeist = "120";
    record.HeizArt = HeatCaption(21);
    record.WirkGKessel = "90";
    record.BereitStV = "10";
    record.BrennK = "0.6";
    record.EnergKost = "0.2";
    record.t0 = t0;
    record.Tc = tc;
    record.SuctionAllowance = 8;
    data = LoadCalculationData(record);
    if (data.refrigerantTable.status != EngineStatus::Ok) {
        state.SkipWithError("R22.DAT is missing from the program directory; build tervalo_data first");
        return false;
    }
    return true;
}

}  // namespace tervalo::bench
