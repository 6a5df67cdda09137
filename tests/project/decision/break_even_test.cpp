#include "project/decision/break_even.h"

#include <random>

#include "project/calculation.h"
#include "project/field_numbers.h"
#include "project_fixture.h"

namespace tervalo::decision {
namespace {

using test::hp;

class BreakEvenFigures : public test::ProjectFixture {
  protected:
    // The example project: 150 m², 120 kWh/(m²·a), heating oil, η 90 %, 10 % stand-by losses, 0.6 per
    // litre, electricity 0.2 per kWh, CO2 of electricity 0.6 kg/kWh, integrated.
    void SetUp() override {
        ProjectFixture::SetUp();
        EnterWorkedExample();
        r.EinbindCheck = true;
    }

    // The columns after the balance with the record as it stands and the given heating COP.
    struct Columns {
        std::string fuelCost, electricityCost;
        double fuelCo2 = 0, electricityCo2 = 0;
    };
    static Columns Balance(ProjectRecord record, double heatingCop) {
        AnnualCostComparison(record, heatingCop - 1, 8.0);
        return {record.Label27, record.BetrKo, LeadingNumber(record.Label38), FieldNumber(record.co2consum)};
    }

    ProjectRecord& r = Project();
};

TEST_F(BreakEvenFigures, WorkedExample) {
    const AnnualBalance balance = AnnualCostComparison(r, 2.5, 8.0);
    const BreakEven figures = EvaluateBreakEven(r, balance);
    ASSERT_TRUE(figures.electricityPrice && figures.fuelPrice && figures.heatingCopEqualCost &&
                figures.heatingCopEqualCo2 && figures.gridCo2Factor);
    EXPECT_EQ(figures.electricityPrice->text, "0.2222") << "1257.14 / 5657.14";
    EXPECT_EQ(figures.gridCo2Factor->text, "0.9852")
        << "5573 kg / 5657.14 kWh is 0.98513, which typed back shows 5.572 t: the next decimal up";
    EXPECT_EQ(figures.heatingCopEqualCost->text, "3.15") << "0.2 × 19800 / 1257.14";
    EXPECT_EQ(figures.fuelPrice->text, "0.54") << "1131.43 per year over 2095.24 l";
    EXPECT_EQ(figures.heatingCopEqualCo2->text, "2.1317")
        << "0.6 × 19800 / 5573 = 2.13170; 2.132 shows 5.572 t";
    EXPECT_DOUBLE_EQ(figures.electricityPrice->value, 0.2222);

    r.DecimalSeparator = ',';
    EXPECT_EQ(EvaluateBreakEven(r, balance).gridCo2Factor->text, "0,9852");

    const AnnualSaving saving = EvaluateSaving(balance, '.');
    ASSERT_TRUE(saving.money && saving.co2);
    EXPECT_EQ(saving.money->text, "126") << "1257 - 1131";
    EXPECT_EQ(saving.co2->text, "2.179") << "5.573 - 3.394";
}

TEST_F(BreakEvenFigures, EachFigureTypedBackEqualisesTheColumns) {
    std::mt19937 random(20261207);
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    int formed = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int kind = trial % 4;
        DrawRandomHouse(random, trial);
        r.EnergyFactors[4] = uniform(0.05, 1);
        r.DecimalSeparator = trial % 3 == 0 ? ',' : '.';
        const double heatingCop = uniform(1.5, 6);
        SCOPED_TRACE(testing::Message()
                     << "trial " << trial << ": " << r.WohnFL << " m², " << r.SpezHeizLeist << ", kind "
                     << kind << ", η " << r.WirkGKessel << ", s " << r.BereitStV << ", p_f " << r.BrennK
                     << ", p_e " << r.EnergKost << ", COP " << heatingCop);
        const AnnualBalance balance = AnnualCostComparison(r, heatingCop - 1, 8.0);
        const BreakEven figures = EvaluateBreakEven(r, balance);
        ASSERT_TRUE(figures.electricityPrice && figures.fuelPrice && figures.heatingCopEqualCost &&
                    figures.heatingCopEqualCo2);
        EXPECT_EQ(figures.gridCo2Factor.has_value(), kind != 3) << "electric heating has no grid break-even";

        const auto near = [](double shown, double exact) { return std::abs(shown - exact) <= 2e-3 * exact; };
        ProjectRecord typed = r;
        typed.EnergKost = figures.electricityPrice->text;
        Columns columns = Balance(typed, heatingCop);
        EXPECT_EQ(columns.fuelCost, columns.electricityCost) << "electricity price " << typed.EnergKost;
        EXPECT_TRUE(near(figures.electricityPrice->value, *balance.fuelCost / *balance.electricity));

        typed = r;
        typed.BrennK = figures.fuelPrice->text;
        columns = Balance(typed, heatingCop);
        EXPECT_EQ(columns.fuelCost, columns.electricityCost) << "fuel price " << typed.BrennK;

        columns = Balance(r, FieldNumber(figures.heatingCopEqualCost->text));
        EXPECT_EQ(columns.fuelCost, columns.electricityCost) << "COP " << figures.heatingCopEqualCost->text;
        EXPECT_TRUE(near(figures.heatingCopEqualCost->value,
                         balance.electricityPrice * *balance.heatPumpHeat / *balance.fuelCost));

        columns = Balance(r, FieldNumber(figures.heatingCopEqualCo2->text));
        EXPECT_EQ(columns.fuelCo2, columns.electricityCo2) << "COP " << figures.heatingCopEqualCo2->text;

        if (figures.gridCo2Factor) {
            typed = r;
            typed.EnergyFactors[4] = FieldNumber(figures.gridCo2Factor->text);
            columns = Balance(typed, heatingCop);
            EXPECT_EQ(columns.fuelCo2, columns.electricityCo2)
                << "grid factor " << figures.gridCo2Factor->text;
        }
        ++formed;
    }
    EXPECT_EQ(formed, 400);
}

TEST_F(BreakEvenFigures, FiguresThatCannotBeFormedAreMissing) {
    // No COP from the cycle: the balance ends before the heat pump; the COPs can still be formed.
    AnnualBalance balance = AnnualCostComparison(r, std::nullopt, std::nullopt);
    BreakEven figures = EvaluateBreakEven(r, balance);
    EXPECT_FALSE(figures.electricityPrice || figures.fuelPrice || figures.gridCo2Factor);
    ASSERT_TRUE(figures.heatingCopEqualCost && figures.heatingCopEqualCo2);
    EXPECT_EQ(figures.heatingCopEqualCost->text, "3.15");
    EXPECT_FALSE(EvaluateSaving(balance, '.').money);

    // Efficiency 0: the balance ends at the fuel energy.
    r.WirkGKessel = "0";
    figures = EvaluateBreakEven(r, AnnualCostComparison(r, 2.5, 8.0));
    EXPECT_FALSE(figures.electricityPrice || figures.fuelPrice || figures.heatingCopEqualCost ||
                 figures.heatingCopEqualCo2 || figures.gridCo2Factor);

    // Free fuel: no COP makes the heat pump as cheap; a price of 0 for its electricity would.
    r.WirkGKessel = "90";
    r.BrennK = "0";
    figures = EvaluateBreakEven(r, AnnualCostComparison(r, 2.5, 8.0));
    EXPECT_FALSE(figures.heatingCopEqualCost);
    ASSERT_TRUE(figures.electricityPrice);
    EXPECT_EQ(figures.electricityPrice->text, "0");

    // No heat demand: no fuel energy to price, no CO2 to match.
    r.BrennK = "0.6";
    r.SpezHeizLeist = "0";
    figures = EvaluateBreakEven(r, AnnualCostComparison(r, 2.5, 8.0));
    EXPECT_FALSE(figures.fuelPrice || figures.heatingCopEqualCost || figures.heatingCopEqualCo2 ||
                 figures.gridCo2Factor || figures.electricityPrice);

    // Electric heating on a grid without CO2: any factor puts both systems' CO2 equal, as any factor moves
    // both alike, so none is offered.
    r.SpezHeizLeist = "120";
    r.HeizArt = hp(kHeatElectricity);
    r.EnergyFactors[4] = 0;
    const AnnualBalance electric = AnnualCostComparison(r, 2.5, 8.0);
    ASSERT_TRUE(electric.fuelCo2 && electric.electricity);
    EXPECT_FALSE(EvaluateBreakEven(r, electric).gridCo2Factor);
}

}  // namespace
}  // namespace tervalo::decision
