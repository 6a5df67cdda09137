#include "project_fixture.h"

#include "project/calculation.h"

namespace tervalo {
namespace {

using test::hp;

// The example project: 150 m², 120 kWh/(m²·a), heating oil, η 90 %, 10 % stand-by losses, 0.6 per litre,
// electricity 0.2 per kWh, CO2 of electricity 0.6 kg/kWh.
class AnnualCost : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        EnterWorkedExample();
        r.BrennK = "0,6";  // the regional decimal comma
    }
    ProjectRecord& r = Project();
};

TEST_F(AnnualCost, WorkedExampleIntegrated) {
    r.EinbindCheck = true;
    AnnualCostComparison(r, 2.5, 8.0);
    EXPECT_EQ(r.LeistZ, "2.5");
    EXPECT_EQ(r.GesHBDGeB, " 18000");
    EXPECT_EQ(r.GesHBDHeiz, " 22000") << "150 × 120 × 100/90 × 110/100 is 22000, not 21999";
    EXPECT_EQ(r.BrennStV, " 2095");
    EXPECT_EQ(r.Label27, " 1257");
    EXPECT_EQ(r.Label38, " 5.573");
    EXPECT_EQ(r.GesEnergWP, " 5657");
    EXPECT_EQ(r.BetrKo, " 1131");
    EXPECT_EQ(r.co2consum, "3.394");
}

TEST_F(AnnualCost, WorkedExampleNotIntegratedLeavesOutTheStandbyLosses) {
    r.EinbindCheck = false;
    AnnualCostComparison(r, 2.5, 8.0);
    EXPECT_EQ(r.GesEnergWP, " 5142") << "18000 / 3.5";
    EXPECT_EQ(r.BetrKo, " 1028");
    EXPECT_EQ(r.co2consum, "3.085");
    EXPECT_EQ(r.Label38, " 5.573") << "the boiler side does not depend on the integration";
}

TEST_F(AnnualCost, RegionalFormFollowsTheDecimalSeparator) {
    struct Row {
        char separator;
        const char* cop;
        const char* co2;
    };
    for (const Row& row : {Row{'.', "2.5", "3.394"}, Row{',', "2,5", "3,394"}}) {
        SCOPED_TRACE(row.separator);
        r.DecimalSeparator = row.separator;
        r.EinbindCheck = true;
        AnnualCostComparison(r, 2.5, 8.0);
        EXPECT_EQ(r.LeistZ, row.cop);
        EXPECT_EQ(r.co2consum, row.co2);
        EXPECT_EQ(r.Label38, " 5.573") << "the point form keeps its point";
    }
}

TEST_F(AnnualCost, ProvisionalRunningCostStandsWhenTheBalanceEndsEarly) {
    r.WirkGKessel = "";
    r.DecimalSeparator = ',';
    r.EnergyFactors = {2000, 1, 0.305, 1, 0.6};
    r.GesHBDHeiz = r.BrennStV = r.GesEnergWP = r.co2consum = "previous";
    AnnualCostComparison(r, 2.456, 8.5);
    EXPECT_EQ(r.LeistZ, "2,45");
    EXPECT_EQ(r.BetrKo, "5185") << "⌊2000 × 1 × 0.305 × 1 × 8.5⌋ in the regional form";
    EXPECT_EQ(r.GesHBDGeB, " 18000");
    EXPECT_EQ(r.GesHBDHeiz, "previous") << "η of 0 ends the balance at step 4";
    EXPECT_EQ(r.BrennStV, "previous");
    EXPECT_EQ(r.GesEnergWP, "previous");
    EXPECT_EQ(r.co2consum, "previous");
}

TEST_F(AnnualCost, UnknownHeatingTypeEndsAfterTheFuelEnergy) {
    r.HeizArt = "district heating";
    r.BrennStV = r.Label27 = r.Label38 = r.GesEnergWP = "previous";
    AnnualCostComparison(r, 2.5, 8.0);
    EXPECT_EQ(r.GesHBDHeiz, " 22000");
    EXPECT_EQ(r.BrennStV, "previous");
    EXPECT_EQ(r.Label27, "previous");
    EXPECT_EQ(r.Label38, "previous");
    EXPECT_EQ(r.GesEnergWP, "previous");
}

TEST_F(AnnualCost, ElectricHeatingUsesFullEfficiencyAndNoLosses) {
    r.HeizArt = hp(kHeatElectricity);
    r.WirkGKessel = "80";
    r.BereitStV = "15";
    r.BrennK = "0.35";
    r.EinbindCheck = false;
    AnnualCostComparison(r, 2.5, 8.0);
    EXPECT_EQ(r.GesHBDHeiz, " 18000");
    EXPECT_EQ(r.BrennStV, " 18000") << "⌊Q_b⌋ kWh";
    EXPECT_EQ(r.Label27, " 6300");
    EXPECT_EQ(r.Label38, " 10.8") << "the electricity mix's factor from energk.dat";
    EXPECT_EQ(r.GesEnergWP, " 5142");
    EXPECT_EQ(r.WirkGKessel, "80") << "the fields themselves are not changed";
    EXPECT_EQ(r.BereitStV, "15");
}

// Electric heating back-calculates with 100 % and 0 % whatever the efficiency and loss fields hold, from the
// fuel quantity (kWh) as from the fuel energy: 17000 kWh over 150 m² are 113.33 kWh/m².
TEST_F(AnnualCost, ElectricHeatingBackCalculatesWithFullEfficiencyAndNoLosses) {
    struct Row {
        const char* efficiency;
        const char* losses;
    };
    for (const Row& row : {Row{"80", "15"}, Row{"", ""}, Row{"0", "-100"}}) {
        SCOPED_TRACE(std::string(row.efficiency) + " % / " + row.losses + " %");
        r.HeizArt = hp(kHeatElectricity);
        r.WirkGKessel = row.efficiency;
        r.BereitStV = row.losses;

        r.SpezHeizLeist = "120";
        r.BrennStV = "17000";
        BackCalculateFromFuelQuantity(Project());
        EXPECT_EQ(r.SpezHeizLeist, " 113.3");
        EXPECT_EQ(r.BrennStV, "17000");

        r.SpezHeizLeist = "120";
        r.GesHBDHeiz = "17000";
        BackCalculateFromFuelEnergy(Project());
        EXPECT_EQ(r.SpezHeizLeist, " 113.33");
        EXPECT_EQ(r.GesHBDHeiz, "17000");
        EXPECT_EQ(r.WirkGKessel, row.efficiency);
        EXPECT_EQ(r.BereitStV, row.losses);
    }
}

TEST_F(AnnualCost, FuelKindsTakeTheirCalorificValuesAndCo2) {
    struct Row {
        int item;
        const char* quantity;
        const char* co2;
    };
    const Row rows[] = {
        {21, " 2095", " 5.573"},  // 22000 / 10.5 l; 2.66 kg/l
        {22, " 2233", " 4.511"},  // 22000 / 9.85 m³; 2.02 kg/m³
        {55, " 3928", " 0.785"},  // 22000 / 5.6 kg; 0.2 kg/kg
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.item);
        r.HeizArt = hp(row.item);
        AnnualCostComparison(r, 2.5, 8.0);
        EXPECT_EQ(r.BrennStV, row.quantity);
        EXPECT_EQ(r.Label38, row.co2);
    }
}

TEST_F(AnnualCost, WithoutCopTheFuelSideIsStillComputed) {
    r.LeistZ = r.BetrKo = r.GesEnergWP = r.co2consum = "previous";
    r.SpezHeizLeist = "100";
    AnnualCostComparison(r, std::nullopt, std::nullopt);
    EXPECT_EQ(r.LeistZ, "previous");
    EXPECT_EQ(r.GesHBDGeB, " 15000");
    EXPECT_EQ(r.Label38, " 4.644");
    EXPECT_EQ(r.GesEnergWP, "previous");
    EXPECT_EQ(r.BetrKo, "previous");
    EXPECT_EQ(r.co2consum, "previous");
}

TEST_F(AnnualCost, UnroundedDemandAndNumbersBelowOne) {
    r.WohnFL = "150,5";
    r.SpezHeizLeist = "114.5";
    r.EnergyFactors[4] = 0.0001;
    AnnualCostComparison(r, 2.5, 8.0);
    EXPECT_EQ(r.GesHBDGeB, " 17232.25") << "the building demand is shown unrounded";
    EXPECT_EQ(r.co2consum, "0") << "⌊1000 × 0.000...⌋ / 1000";
    r.EnergyFactors[4] = 0.2;
    r.EinbindCheck = true;
    r.WohnFL = "10";
    r.SpezHeizLeist = "10";
    AnnualCostComparison(r, 2.5, 8.0);
    EXPECT_EQ(r.co2consum, "0.006") << "a leading zero before the separator";
    EXPECT_EQ(r.Label38, " 0.03") << "30 kg";
}

TEST_F(AnnualCost, WholeResultsJustBelowTheirValueInBinaryAreNotCutToTheNextLower) {
    struct Row {
        const char* area;
        const char* demand;
        const char* efficiency;
        const char* losses;
        const char* fuelEnergy;
    };
    const Row rows[] = {
        {"100", "80", "75", "20", " 12800"},   // 12799.999999999998 in binary
        {"100", "100", "80", "15", " 14375"},  // 14374.999999999998
        {"120", "80", "75", "15", " 14720"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fuelEnergy);
        r.WohnFL = row.area;
        r.SpezHeizLeist = row.demand;
        r.WirkGKessel = row.efficiency;
        r.BereitStV = row.losses;
        AnnualCostComparison(r, 2.5, 8.0);
        EXPECT_EQ(r.GesHBDHeiz, row.fuelEnergy);
    }
    AnnualCostComparison(r, 1.15, 8.0);
    EXPECT_EQ(r.LeistZ, "1.15") << "100 × 1.15 is 114.99999999999999 in binary";
}

TEST_F(AnnualCost, OverflowingDemandEndsTheBalanceBeforeItsFirstField) {
    r.WohnFL = "1e308";
    r.GesHBDGeB = "previous";
    AnnualCostComparison(r, 2.5, 8.0);
    EXPECT_EQ(r.LeistZ, "2.5");
    EXPECT_EQ(r.GesHBDGeB, "previous");
}

TEST_F(AnnualCost, LossesOfMinusHundredPercentEndTheUnintegratedBalance) {
    r.BereitStV = "-100";
    r.EinbindCheck = false;
    r.GesEnergWP = "previous";
    AnnualCostComparison(r, 2.5, 8.0);
    EXPECT_EQ(r.GesHBDHeiz, " 0");
    EXPECT_EQ(r.GesEnergWP, "previous");
}

}  // namespace
}  // namespace tervalo
