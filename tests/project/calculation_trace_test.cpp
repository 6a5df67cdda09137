#include <random>

#include "engine/number_text.h"
#include "project/calculation.h"
#include "project/cycle_view/calculation_trace.h"
#include "project_fixture.h"

namespace tervalo {
namespace {

using Q = TraceQuantity;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

class Trace : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        EnterWorkedExample();
        r.EinbindCheck = true;
    }
    // Every quantity appears once, in the order of the enumeration.
    static void ExpectEveryQuantityOnceInOrder(const CalculationTrace& trace, Q first) {
        ASSERT_EQ(trace.steps.size(),
                  static_cast<std::size_t>(kTraceQuantityCount - static_cast<int>(first)));
        for (std::size_t i = 0; i < trace.steps.size(); ++i)
            EXPECT_EQ(static_cast<int>(trace.steps[i].quantity),
                      static_cast<int>(first) + static_cast<int>(i));
    }
    // The working of a balance alone, with the run's COP and compressor power.
    static CalculationTrace BalanceTrace(ProjectRecord& record, std::optional<double> cop,
                                         std::optional<double> power) {
        CalculationResult result;
        result.balance = AnnualCostComparison(record, cop, power);
        CalculationTrace trace = CalculationTraceOf(result, record);
        std::erase_if(trace.steps,
                      [](const TraceStep& step) { return step.quantity < kFirstBalanceQuantity; });
        return trace;
    }
    // A whole run and its working.
    static CalculationTrace RunTrace(ProjectRecord& record) {
        const CalculationResult result = CalculationRun(record);
        return CalculationTraceOf(result, record);
    }
    ProjectRecord& r = Project();
};

TEST_F(Trace, WorkedExampleListsTheBalanceInTheOrderComputed) {
    const CalculationTrace trace = BalanceTrace(r, 2.5, 8.0);
    ExpectEveryQuantityOnceInOrder(trace, kFirstBalanceQuantity);

    const std::vector<std::string> expected = {"18000", "22000", "2095", "1257",
                                               "5.573", "5657",  "1131", "3.394"};
    std::vector<std::string> shown;
    for (const TraceStep& step : trace.steps)
        if (!step.shown.empty() && step.quantity != Q::CostSectionCop &&
            step.quantity != Q::ProvisionalRunningCost)
            shown.push_back(Trimmed(step.shown));
    EXPECT_EQ(shown, expected);

    const TraceStep* fuel = trace.Find(Q::FuelEnergy);
    ASSERT_NE(fuel, nullptr);
    EXPECT_EQ(fuel->formula, "E_f = Q_b × 100/η × (s+100)/100");
    EXPECT_EQ(fuel->numbers, "18000 × 100/90 × 110/100");
    EXPECT_NEAR(*fuel->value, 22000, 1e-6);
    EXPECT_EQ(trace.Find(Q::Electricity)->numbers, "22000 × 90/100 / 3.5");
    EXPECT_NEAR(*trace.Find(Q::Electricity)->value, 5657.142857, 1e-5) << "the value before rounding";
    EXPECT_NEAR(*trace.Find(Q::FuelCo2)->value, 5.573333, 1e-5);
}

TEST_F(Trace, AStepThatCannotBeEvaluatedEndsTheBalanceAndTheRestIsListedAsNotReached) {
    r.WirkGKessel = "0";
    r.GesHBDHeiz = "kept";
    const CalculationTrace trace = BalanceTrace(r, 2.5, 8.0);
    ExpectEveryQuantityOnceInOrder(trace, kFirstBalanceQuantity);
    EXPECT_EQ(r.GesHBDHeiz, "kept");
    EXPECT_EQ(trace.Find(Q::FuelEnergy)->skip, TraceSkip::NotEvaluable);
    EXPECT_FALSE(trace.Find(Q::FuelEnergy)->value);
    for (const Q q : {Q::CalorificValue, Q::FuelQuantity, Q::Electricity, Q::ElectricityCo2})
        EXPECT_EQ(trace.Find(q)->skip, TraceSkip::NotReached);
}

TEST_F(Trace, WithoutCopTheHeatPumpSideIsSkippedForThatReason) {
    const CalculationTrace trace = BalanceTrace(r, std::nullopt, std::nullopt);
    ExpectEveryQuantityOnceInOrder(trace, kFirstBalanceQuantity);
    EXPECT_EQ(trace.Find(Q::CostSectionCop)->skip, TraceSkip::NoCop);
    EXPECT_EQ(trace.Find(Q::Electricity)->skip, TraceSkip::NoCop);
    EXPECT_EQ(Trimmed(trace.Find(Q::FuelQuantity)->shown), "2095");
}

TEST_F(Trace, MissingTableSkipsTheCycleWithItsStatusAndStillBalancesTheFuel) {
    r.t0 = "-5";
    r.Tc = "45";
    const CalculationTrace trace = RunTrace(r);
    ExpectEveryQuantityOnceInOrder(trace, Q::EvaporatingTemperature);
    EXPECT_EQ(trace.cycleStatus, EngineStatus::MissingTable);
    EXPECT_EQ(trace.Find(Q::MassFlow)->skip, TraceSkip::NoCycle);
    EXPECT_EQ(trace.Find(Q::SuctionGasTemperature)->shown, r.pn32);
    EXPECT_EQ(trace.Find(Q::FuelEnergy)->shown, r.GesHBDHeiz);
}

// Random projects: the trace's texts are the fields' texts, and a run that is explained writes what a run
// that is not writes.
TEST_F(Trace, EveryShownValueIsTheFieldOfTheWindowForRandomProjects) {
    InstallR22Table();
    test::WriteBytes("energk.dat", "2000,7,0.3,1,0.6\r\n");
    std::mt19937 random(17);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        ProjectRecord base = r;
        base.t0 = LocaleFormat(std::round(-30 + 40 * unit(random)), '.');
        base.Tc = LocaleFormat(std::round(25 + 40 * unit(random)), '.');
        base.SuctionAllowance = std::round(10 * unit(random));
        base.WohnFL = LocaleFormat(std::round(40 + 400 * unit(random)), '.');
        base.SpezHeizLeist = LocaleFormat(std::round(30 + 250 * unit(random)), '.');
        base.WirkGKessel = LocaleFormat(std::round(round % 23 == 0 ? 0 : 50 + 50 * unit(random)), '.');
        base.BereitStV = LocaleFormat(std::round(20 * unit(random)), '.');
        base.EinbindCheck = unit(random) < 0.5;
        base.DecimalSeparator = unit(random) < 0.5 ? '.' : ',';
        ProjectRecord traced = base, plain = base;
        const CalculationTrace trace = RunTrace(traced);
        CalculationRun(plain);
        EXPECT_EQ(traced.GesEnergWP, plain.GesEnergWP);
        EXPECT_EQ(traced.LeistZahlK, plain.LeistZahlK);
        EXPECT_EQ(traced.co2consum, plain.co2consum);
        ExpectEveryQuantityOnceInOrder(trace, Q::EvaporatingTemperature);
        int checked = 0;
        for (const TraceStep& step : trace.steps) {
            if (!step.field || step.shown.empty()) continue;
            // The provisional running cost is written first and replaced by the final one when there is one.
            if (step.quantity == Q::ProvisionalRunningCost && trace.Find(Q::RunningCost)->value) continue;
            EXPECT_EQ(step.shown, traced.*step.field) << static_cast<int>(step.quantity);
            ++checked;
        }
        EXPECT_GE(checked, 5);
    }
}

TEST(TraceNumbers, SixSignificantDigitsWithoutExponentOrTrailingZeros) {
    EXPECT_EQ(TraceNumber(22000.000000000004), "22000");
    EXPECT_EQ(TraceNumber(1234567.4), "1234567");
    EXPECT_EQ(TraceNumber(2.532174839), "2.53217");
    EXPECT_EQ(TraceNumber(0.0123456789), "0.0123457");
    EXPECT_EQ(TraceNumber(-273.15), "-273.15");
    EXPECT_EQ(TraceNumber(-0.0000000001), "-0.0000000001");
    EXPECT_EQ(TraceNumber(0), "0");
}

}  // namespace
}  // namespace tervalo
