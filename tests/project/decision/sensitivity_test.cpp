#include "project/decision/sensitivity.h"

#include "project/calculation.h"
#include "project_fixture.h"

namespace tervalo::decision {
namespace {

class SensitivityStrip : public test::ProjectFixture {
  protected:
    // The example project, integrated: saving 1257 − 1131 = 126 per year at a heating COP of 3.5.
    void SetUp() override {
        ProjectFixture::SetUp();
        EnterWorkedExample();
        r.EinbindCheck = true;
    }
    static double Money(const AnnualSaving& saving) { return saving.money ? saving.money->value : -1e9; }
    ProjectRecord& r = Project();
};

TEST_F(SensitivityStrip, EachInputMovedAloneThroughTheBalance) {
    const AnnualBalance balance = AnnualCostComparison(r, 2.5, 8.0);
    const ProjectRecord before = r;
    const Sensitivity strip = EvaluateSensitivity(r, balance);
    EXPECT_EQ(Money(strip.base), 126);
    // Steps -30, -20, -10, +10, +20, +30 %.
    const auto moneyRow = [&](SensitivityInput input) {
        std::array<double, 6> money{};
        for (std::size_t s = 0; s < 6; ++s) money[s] = Money(strip.rows[static_cast<int>(input)].savings[s]);
        return money;
    };
    // p_e 0.22: ⌊0.22 × 5657.14⌋ = 1244, 1257 − 1244 = 13.
    EXPECT_EQ(moneyRow(SensitivityInput::ElectricityPrice)[3], 13);
    EXPECT_EQ(moneyRow(SensitivityInput::ElectricityPrice)[2], 1257 - 1018);
    // p_f 0.66: ⌊0.66 × 22000 / 10.5⌋ = 1382.
    EXPECT_EQ(moneyRow(SensitivityInput::FuelPrice)[3], 1382 - 1131);
    // COP 3.85: ⌊0.2 × 19800 / 3.85⌋ = 1028.
    EXPECT_EQ(moneyRow(SensitivityInput::HeatingCop)[3], 1257 - 1028);
    // q 132: fuel cost 1382, electricity cost ⌊0.2 × 21780 / 3.5⌋ = 1244.
    EXPECT_EQ(moneyRow(SensitivityInput::HeatDemand)[3], 1382 - 1244);

    for (const SensitivityInput input : kSensitivityInputs) {
        const auto money = moneyRow(input);
        for (std::size_t s = 1; s < 6; ++s) {
            if (input == SensitivityInput::ElectricityPrice)
                EXPECT_LT(money[s], money[s - 1]);
            else
                EXPECT_GT(money[s], money[s - 1]);
        }
    }
    const AnnualSaving& co2 = strip.rows[static_cast<int>(SensitivityInput::HeatingCop)].savings[0];
    ASSERT_TRUE(co2.co2);
    EXPECT_EQ(co2.co2->text, "0.725") << "COP 2.45: 5573 − ⌊0.6 × 19800 / 2.45⌋ = 5573 − 4848 kg";
    EXPECT_EQ(r.EnergKost, before.EnergKost);
    EXPECT_EQ(r.Label27, before.Label27) << "the record is not changed";
}

TEST_F(SensitivityStrip, WithoutTheRunsCopThereIsNoSaving) {
    const Sensitivity strip = EvaluateSensitivity(r, AnnualCostComparison(r, std::nullopt, std::nullopt));
    EXPECT_FALSE(strip.base.money);
    for (const SensitivityRow& row : strip.rows)
        for (const AnnualSaving& saving : row.savings) EXPECT_FALSE(saving.money || saving.co2);
}

}  // namespace
}  // namespace tervalo::decision
