// The working of the calculation (the trace the cycle window, the printed page and tervalo-calc --trace show)
// for 600 random projects against a golden record: every step's quantity, formula, numbers, value (bit for
// bit), shown text and skip, with the result texts and marks the run leaves. Projects 0 to 99 are recorded
// in full, every project by a digest of its record. To rewrite the record after an intended change:
//   TERVALO_GOLDEN_RECORD=1 build/tests/project/cycle_view_tests --gtest_filter='TraceGolden.*'

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <utility>
#include <vector>

#include "engine/checked_math.h"
#include "engine/compressor.h"
#include "engine/number_text.h"
#include "engine/refrigeration_cycle.h"
#include "project/calculation.h"
#include "project/cycle_view/cycle_view.h"
#include "project/field_numbers.h"
#include "project/heating_kind.h"
#include "project/input_edits.h"
#include "project/project_fields.h"
#include "project/round_down.h"
#include "project_fixture.h"
#include "support/golden_record.h"

namespace tervalo {
namespace {

using test::hp;
using test::WriteBytes;

// Random numbers by explicit arithmetic on the generator's output, the same on every standard library.
class Dice {
  public:
    double Between(double low, double high) {
        return low + (high - low) * static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }
    std::size_t Pick(std::size_t count) { return static_cast<std::size_t>(engine_() % count); }
    bool Chance(double p) { return Between(0, 1) < p; }
    // A number as typed, with up to two decimals; now and then a text that is no plain number or one whose
    // products overflow.
    std::string Typed(double low, double high, char separator) {
        static const char* const odd[] = {"", "0", "abc", "1e3", "1e200", "-0.5", "12abc"};
        if (Chance(0.06)) return odd[Pick(std::size(odd))];
        // Drawn one by one: the order of a call's arguments is the compiler's choice.
        const double value = Between(low, high);
        const int decimals = static_cast<int>(Pick(3));
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        std::string typed = text;
        if (separator == ',' && typed.find('.') != std::string::npos) typed[typed.find('.')] = ',';
        return typed;
    }

  private:
    std::mt19937_64 engine_{20261208u};
};

const char* const kRefrigerants[] = {"R22",   "R22",  "R22", "R22", "R407C", "R134A",
                                     "R404A", "R123", "CO2", "R14", "R12",   "R99"};

// The results this record was made with; a result added since has a test of its own and leaves the record
// as it is.
constexpr std::string_view kRecordedResults[] = {"pn32",    "LeistZahlK", "LeistZahlH", "LeistZ",
                                                 "BetrKo",  "GesHBDGeB",  "GesHBDHeiz", "BrennStV",
                                                 "Label27", "Label38",    "GesEnergWP", "co2consum"};

// The name of the result whose text this is.
std::string ResultName(std::string ProjectRecord::*field) {
    if (!field) return "-";
    for (const ResultField result : kResultFields)
        if (ResultText(result) == field) return std::string(FieldOf(result).name);
    return "?";
}

std::string Exact(const std::optional<double>& value) {
    if (!value) return "-";
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", *value);
    return text;
}

// One run as recorded: the trace's steps, then the texts and marks of the results.
std::string Record(const CalculationTrace& trace, const ProjectRecord& after) {
    std::string out = "status " + std::to_string(static_cast<int>(trace.cycleStatus)) + "\n";
    for (const TraceStep& step : trace.steps)
        out += std::to_string(static_cast<int>(step.quantity)) + "|" +
               std::to_string(static_cast<int>(step.skip)) + "|" + step.formula + "|" + step.numbers + "|" +
               Exact(step.value) + "|" + step.shown + "|" + ResultName(step.field) + "\n";
    for (const std::string_view name : kRecordedResults) {
        const ResultField field = *FindProjectField(name)->result;
        out += ResultName(ResultText(field)) + "=" + after.*ResultText(field) + " (" +
               std::to_string(static_cast<int>(ResultMark(after, field))) + ")\n";
    }
    if (after.Results.outside)
        out += "outside " + std::to_string(static_cast<int>(after.Results.outside->of)) + " " +
               Exact(after.Results.outside->input) + "\n";
    return out;
}

std::uint64_t Digest(const std::string& text) {
    std::uint64_t hash = 14695981039346656037u;
    for (const unsigned char c : text) hash = (hash ^ c) * 1099511628211u;
    return hash;
}

class TraceGolden : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        for (const char* file :
             {"R22.DAT", "R407C.DAT", "R134A.DAT", "R404A.DAT", "R123.DAT", "CO2.DAT", "R14.DAT"})
            if (std::filesystem::exists(std::filesystem::path(TERVALO_DIST_DIR) / file))
                std::filesystem::copy_file(std::filesystem::path(TERVALO_DIST_DIR) / file, file);
        WriteBytes("R12.DAT", "damaged\r\n");
    }

    // Project `number`: its record before the run, with the files the run reads written.
    ProjectRecord Draw(Dice& dice, int number, std::string& summary) {
        static const char* const factorFiles[] = {"2000,1,0.3,1,0.6\r\n", "1500,1,0.25,1.1,0.45\r\n",
                                                  "2000,1\r\n", "2000,1,0.3,1,0\r\n", nullptr};
        const std::size_t factorFile = dice.Chance(0.85) ? dice.Pick(2) : 2 + dice.Pick(3);
        const char* factors = factorFiles[factorFile];
        std::filesystem::remove("energk.dat");
        if (factors) WriteBytes("energk.dat", factors);
        ProjectRecord r = Project();
        r.DecimalSeparator = dice.Chance(0.3) ? ',' : '.';
        const char s = r.DecimalSeparator;
        r.RefrigerantName = kRefrigerants[dice.Pick(std::size(kRefrigerants))];
        r.t0 = dice.Typed(-45, 20, s);
        r.Tc = dice.Typed(15, 80, s);
        r.SuctionAllowance = dice.Chance(0.02) ? 1e308 : std::round(dice.Between(0, 15));
        r.WohnFL = dice.Typed(40, 600, s);
        r.SpezHeizLeist = dice.Typed(20, 300, s);
        r.HeizArt = dice.Chance(0.07) ? "other" : hp(kHeatingKindItems[number % 4]);
        r.WirkGKessel = dice.Typed(50, 110, s);
        r.BereitStV = dice.Typed(0, 40, s);
        r.BrennK = dice.Typed(0.05, 2, s);
        r.EnergKost = dice.Typed(0.05, 0.6, s);
        r.EinbindCheck = dice.Chance(0.5);
        for (int i = 0; i < kResultFieldCount; ++i)
            r.*ResultText(static_cast<ResultField>(i)) = "before" + std::to_string(i);
        summary = "# project " + std::to_string(number) + ": " + r.RefrigerantName + " t0 \"" + r.t0 +
                  "\" Tc \"" + r.Tc + "\" allowance " + Exact(r.SuctionAllowance) + " A \"" + r.WohnFL +
                  "\" q \"" + r.SpezHeizLeist + "\" " + r.HeizArt + " eta \"" + r.WirkGKessel + "\" s \"" +
                  r.BereitStV + "\" k_f \"" + r.BrennK + "\" k_el \"" + r.EnergKost + "\" integrated " +
                  (r.EinbindCheck ? "1" : "0") + " separator " + s + " energk " +
                  (factors ? std::to_string(factorFile) : std::string("missing")) + "\n";
        return r;
    }
};

TEST_F(TraceGolden, TheWorkingOfRandomProjectsIsTheRecordedOne) {
#ifdef _WIN32
    GTEST_SKIP()
        << "the record holds every value to the last bit, and MinGW-w64's pow differs from glibc's there";
#endif
    Dice dice;
    std::string full, digests;
    int cycleFailures = 0, balanceStops = 0;
    for (int number = 0; number < 600; ++number) {
        std::string summary;
        ProjectRecord record = Draw(dice, number, summary);
        ProjectRecord loaded = record;
        const CalculationData data = LoadCalculationData(loaded);
        const CycleView view = CycleViewOf(loaded, data);
        ProjectRecord after = loaded;
        DesignPointCalculation(after, data);
        const std::string text = summary + Record(view.trace, after);
        if (number < 100) full += text;
        char line[64];
        std::snprintf(line, sizeof line, "%d %016llx\n", number,
                      static_cast<unsigned long long>(Digest(text)));
        digests += line;
        cycleFailures += view.trace.cycleStatus != EngineStatus::Ok;
        for (const TraceStep& step : view.trace.steps) balanceStops += step.skip == TraceSkip::NotEvaluable;
    }
    // The draw reaches the paths that matter: cycles that fail and balances that stop.
    EXPECT_GT(cycleFailures, 60);
    EXPECT_GT(balanceStops, 60);

    const std::string text = full + "# digests\n" + digests;
    test::ExpectGoldenRecord(text, std::string(TERVALO_TEST_DATA_DIR) + "/project/trace_golden.txt");
}

// What a run wrote, as its result says, against the texts it changed: each result starts with a text no run
// writes. Random projects, then projects that stop the balance at each step that can fail, since the random
// ones seldom stop between two neighbouring results and a result tested by its neighbour's step would pass.
TEST_F(TraceGolden, TheResultSaysWhichTextsTheRunWrote) {
    const auto expectWrittenAsChanged = [](ProjectRecord& r, const std::string& summary) {
        const ProjectRecord before = r;
        const CalculationResult result = CalculationRun(r);
        const std::array<bool, kResultFieldCount> written = WrittenResults(result);
        for (const ResultField field : kResultFields) {
            const auto text = ResultText(field);
            EXPECT_EQ(written[static_cast<std::size_t>(field)], r.*text != before.*text)
                << summary << FieldOf(field).name << " \"" << r.*text << "\"";
        }
        return result;
    };
    Dice dice;
    int partial = 0;
    for (int number = 0; number < 300; ++number) {
        std::string summary;
        ProjectRecord r = Draw(dice, number, summary);
        const std::array<bool, kResultFieldCount> written =
            WrittenResults(expectWrittenAsChanged(r, summary));
        partial += std::count(written.begin(), written.end(), false) > 0;
    }
    EXPECT_GT(partial, 50) << "runs that leave some texts";

    struct Stop {
        BalanceStep at;
        const char* factors;  // energk.dat
        std::vector<std::pair<std::string ProjectRecord::*, const char*>> inputs;
    };
    using R = ProjectRecord;
    const char* const factors = "2000,1,0.3,1,0.6\r\n";
    const Stop stops[] = {
        {BalanceStep::ProvisionalRunningCost, "1e200,1,1e200,1,0.6\r\n", {}},
        {BalanceStep::BuildingDemand, factors, {{&R::WohnFL, "1e300"}, {&R::SpezHeizLeist, "1e300"}}},
        {BalanceStep::FuelEnergy, factors, {{&R::WirkGKessel, "1e-305"}}},
        {BalanceStep::FuelQuantity, factors, {{&R::HeizArt, "other"}}},
        {BalanceStep::FuelCost, factors, {{&R::BrennK, "1e306"}}},
        {BalanceStep::FuelCo2,
         factors,
         {{&R::WohnFL, "1e154"},
          {&R::SpezHeizLeist, "1e154"},
          {&R::WirkGKessel, "100"},
          {&R::BereitStV, "0"},
          {&R::BrennK, "0.001"}}},
        {BalanceStep::Electricity, factors, {{&R::RefrigerantName, "R99"}}},  // no COP
        {BalanceStep::Electricity, factors, {{&R::BereitStV, "-100"}}},
        {BalanceStep::RunningCost, factors, {{&R::EnergKost, "1e306"}}},
        {BalanceStep::ElectricityCo2, "2000,1,0.3,1,1e308\r\n", {}},
        {BalanceStep::Done, factors, {}},
    };
    for (const Stop& stop : stops) {
        WriteBytes("energk.dat", stop.factors);
        ProjectRecord r = Project();
        r.RefrigerantName = "R22";
        r.t0 = "-5";
        r.Tc = "45";
        r.SuctionAllowance = 5;
        r.WohnFL = "150";
        r.SpezHeizLeist = "100";
        r.HeizArt = hp(kHeatingKindItems[0]);
        r.WirkGKessel = "90";
        r.BereitStV = "10";
        r.BrennK = "0.8";
        r.EnergKost = "0.2";
        std::string summary = "stop at " + std::to_string(static_cast<int>(stop.at)) + ":";
        for (const auto& [field, text] : stop.inputs) {
            r.*field = text;
            summary += std::string(" ") + text;
        }
        for (const ResultField field : kResultFields) r.*ResultText(field) = "before";
        EXPECT_EQ(expectWrittenAsChanged(r, summary + "\n").balance.stop.at, stop.at) << summary;
    }
}

}  // namespace
}  // namespace tervalo
