#include "project_fixture.h"

#include <filesystem>

#include "engine/number_text.h"
#include "project/calculation.h"
#include "project/project_lists.h"
#include "project/result_reason_text.h"

namespace tervalo {
namespace {

using test::hp;
using test::WriteBytes;

class DesignPoint : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        InstallR22Table();
        WriteBytes("energk.dat", "2000,7,0.3,1,0.6\r\n");
        r.t0 = "-5";
        r.Tc = "45";
        r.SuctionAllowance = 8;
        r.WohnFL = "150";
        r.SpezHeizLeist = "120";
        r.HeizArt = hp(kHeatHeatingOil);
        r.WirkGKessel = "90";
        r.BereitStV = "10";
        r.BrennK = "0.6";
        r.EnergKost = "0.2";
    }
    // The COP shown in LeistZahlK.
    static double ShownCop(const std::string& label) {
        return LeadingNumber(label.substr(label.find('=') + 1));
    }

    ProjectRecord& r = Project();
};

TEST_F(DesignPoint, CopLabelsCutToTwoDecimalsWithThePointFormsBlank) {
    EXPECT_EQ(RefrigerationCopLabel(3.456), "COP =  3.45");
    EXPECT_EQ(HeatingCopLabel(3.456), "hp50 =  4.45");
    EXPECT_EQ(RefrigerationCopLabel(1.15), "COP =  1.15");
    EXPECT_EQ(HeatingCopLabel(0.29), "hp50 =  1.29");
    EXPECT_EQ(RefrigerationCopLabel(0.5), "COP =  0.5");
    EXPECT_EQ(RefrigerationCopLabel(-0.25), "COP = -0.25");
    EXPECT_EQ(RefrigerationCopLabel(4), "COP =  4");
}

TEST_F(DesignPoint, RunShowsSuctionGasTemperatureCopsAndTheBalance) {
    CalculationRun(Project());
    EXPECT_EQ(r.pn32, "8") << "-5 + 5 + 8 K";
    const double cop = ShownCop(r.LeistZahlK);
    EXPECT_GT(cop, 2);
    EXPECT_LT(cop, 8);
    EXPECT_EQ(r.LeistZahlK.substr(0, 7), "COP =  ");
    EXPECT_EQ(r.LeistZahlH.substr(0, 8), "hp50 =  ");
    EXPECT_NEAR(ShownCop(r.LeistZahlH) - cop, 1, 0.0101);
    EXPECT_EQ(r.LeistZ, PointFormat(cop).substr(1));
    EXPECT_EQ(r.GesHBDHeiz, " 22000");
    EXPECT_FALSE(r.GesEnergWP.empty());
    EXPECT_TRUE(r.CalculationDone);
    EXPECT_EQ(r.EnergyFactors[1], 1) << "field 2 of energk.dat is replaced by 1";
    EXPECT_EQ(r.EnergyFactors[4], 0.6);

    r.SuctionAllowance = 5;
    r.t0 = "-5,5";
    r.DecimalSeparator = ',';
    CalculationRun(Project());
    EXPECT_EQ(r.pn32, "4,5");
}

TEST_F(DesignPoint, NegativeSuctionGasTemperatureIsCutDownwards) {
    r.t0 = "-20.35";
    CalculationRun(Project());
    EXPECT_EQ(r.pn32, "-7.4") << "-20.35 + 5 + 8 K cut to one decimal towards minus infinity";
    EXPECT_EQ(RefrigerationCopLabel(-0.251), "COP = -0.26");
}

TEST_F(DesignPoint, HigherCondensingTemperatureLowersTheCop) {
    CalculationRun(Project());
    const double at45 = ShownCop(r.LeistZahlK);
    r.Tc = "55";
    CalculationRun(Project());
    EXPECT_LT(ShownCop(r.LeistZahlK), at45);
}

TEST_F(DesignPoint, ChoicesThatEnterNoCalculationChangeNoResult) {
    CalculationRun(Project());
    const ProjectRecord before = r;
    r.Verdichterbauart = hp(kHeatBuilding);
    r.WartungI = hp(kHeatExposureHigh);
    r.Leitungsdimension = hp(kHeatLarge);
    r.Tempbereich = "any";
    CalculationRun(Project());
    for (auto field : {&ProjectRecord::pn32, &ProjectRecord::LeistZahlK, &ProjectRecord::LeistZahlH,
                       &ProjectRecord::LeistZ, &ProjectRecord::GesEnergWP, &ProjectRecord::BetrKo,
                       &ProjectRecord::co2consum})
        EXPECT_EQ(r.*field, before.*field);
}

TEST_F(DesignPoint, MissingFactorFileKeepsTheFactorsOfTheLastRun) {
    CalculationRun(Project());
    const ProjectRecord first = r;
    std::filesystem::remove("energk.dat");
    CalculationRun(Project());
    EXPECT_EQ(r.co2consum, first.co2consum);
    EXPECT_EQ(r.BetrKo, first.BetrKo);
    EXPECT_EQ(r.EnergyFactors, first.EnergyFactors);
}

TEST_F(DesignPoint, ShortFactorFileReplacesOnlyWhatItHolds) {
    r.EnergyFactors = {1, 2, 3, 4, 0.5};
    WriteBytes("energk.dat", "10,20\r\n");
    CalculationRun(Project());
    EXPECT_EQ(r.EnergyFactors, (std::array<double, 5>{10, 1, 3, 4, 0.5}));
}

TEST_F(DesignPoint, WithoutFactorsTheHeatPumpEmitsNothing) {
    std::filesystem::remove("energk.dat");
    CalculationRun(Project());
    EXPECT_EQ(r.co2consum, "0");
    EXPECT_EQ(r.Label38, " 5.573");
}

TEST_F(DesignPoint, MissingRefrigerantTableKeepsTheHeatPumpResults) {
    CalculationRun(Project());
    const ProjectRecord before = r;
    std::filesystem::remove("R22.DAT");
    r.WohnFL = "100";
    r.t0 = "-2";
    CalculationRun(Project());
    EXPECT_EQ(r.pn32, "11") << "the suction gas temperature needs no table";
    EXPECT_EQ(r.LeistZahlK, before.LeistZahlK);
    EXPECT_EQ(r.LeistZahlH, before.LeistZahlH);
    EXPECT_EQ(r.LeistZ, before.LeistZ);
    EXPECT_EQ(r.GesEnergWP, before.GesEnergWP);
    EXPECT_EQ(r.co2consum, before.co2consum);
    EXPECT_EQ(r.GesHBDGeB, " 12000") << "the boiler side is brought up to date";
    EXPECT_EQ(r.BrennStV, " 1396");
}

TEST_F(DesignPoint, DamagedTableOrUnknownRefrigerantNeverCrashes) {
    for (const char* table : {"", "garbage", "1,2,3\r\n", "\x01\x02\xff\xfe,,,,\r\n"}) {
        WriteBytes("R22.DAT", table);
        r.LeistZahlK = "previous";
        CalculationRun(Project());
        EXPECT_EQ(r.LeistZahlK, "previous");
    }
    InstallR22Table();
    Project().RefrigerantName = "R9999";
    CalculationRun(Project());
    EXPECT_EQ(r.LeistZahlK, "previous");
}

TEST_F(DesignPoint, OperatingPointsFarOutsideTheTableGiveResultsWithoutCrashing) {
    for (const char* t0 : {"-150", "200", "1e300", "abc", ""}) {
        SCOPED_TRACE(t0);
        r.t0 = t0;
        CalculationRun(Project());
        EXPECT_TRUE(r.CalculationDone);
    }
}

// Every result the last run could not write keeps its text but is marked, with the reason; the next run that
// writes it clears the mark.
TEST_F(DesignPoint, ResultsTheRunDidNotWriteAreMarkedWithTheReason) {
    using F = ResultField;
    const auto reasons = [&](std::initializer_list<F> fields) {
        std::vector<StaleReason> seen;
        for (F field : fields) seen.push_back(r.Results[field]);
        return seen;
    };
    const auto all = [](std::size_t n, StaleReason reason) { return std::vector<StaleReason>(n, reason); };
    const std::initializer_list<F> kCopSide = {F::LeistZahlK, F::LeistZahlH, F::LeistZ,
                                               F::BetrKo,     F::GesEnergWP, F::co2consum};
    const std::initializer_list<F> kFuelSide = {F::pn32,     F::GesHBDGeB, F::GesHBDHeiz,
                                                F::BrennStV, F::Label27,   F::Label38};
    EXPECT_EQ(reasons(kCopSide), all(6, StaleReason::NoCalculation)) << "before any run";

    CalculationRun(Project());
    const ProjectRecord intact = r;
    EXPECT_EQ(reasons(kCopSide), all(6, StaleReason::Current));
    EXPECT_EQ(reasons(kFuelSide), all(6, StaleReason::Current));

    // Above the table (it ends at 87 °C, the condensing temperature needs 1 K more): no COP, no heat pump.
    r.Tc = "90";
    r.WohnFL = "100";
    CalculationRun(Project());
    EXPECT_EQ(reasons(kCopSide), all(6, StaleReason::OutsideTable));
    EXPECT_EQ(reasons(kFuelSide), all(6, StaleReason::Current));
    EXPECT_EQ(r.LeistZahlK, intact.LeistZahlK) << "the specified texts stay";
    EXPECT_EQ(r.GesHBDGeB, " 12000");
    ASSERT_TRUE(r.Results.outside);
    EXPECT_EQ(r.Results.outside->of, DesignTemperature::Condensing);
    EXPECT_EQ(r.Results.outside->input, 90);
    EXPECT_NEAR(r.Results.outside->range.low, -73.15 + 5, 1e-9);
    EXPECT_NEAR(r.Results.outside->range.high, 85.85, 1e-9);
    std::vector<std::string> items(13);
    items[0] = "grey: %1";
    items[6] = "Tc %1 outside (%2 to %3)";
    r.DecimalSeparator = ',';
    EXPECT_EQ(StaleResultsLine(r, FeatureTexts(items, 1252)),
              "grey: Tc 90 \xB0"
              "C outside (-68,1 \xB0"
              "C to 85,8 \xB0"
              "C)");
    r.DecimalSeparator = '.';

    r.Tc = "45";
    r.t0 = "-80";
    CalculationRun(Project());
    EXPECT_EQ(r.Results[F::LeistZahlK], StaleReason::OutsideTable);
    EXPECT_EQ(r.Results.outside->of, DesignTemperature::Evaporating);
    r.t0 = "-5";

    // The factor file gone: the heat pump's CO2 is formed with no factor of the file.
    std::filesystem::remove("energk.dat");
    CalculationRun(Project());
    EXPECT_EQ(r.Results[F::co2consum], StaleReason::EnergyFactorsMissing);
    EXPECT_EQ(r.Results[F::GesEnergWP], StaleReason::Current);
    for (const char* damaged : {"2000,1", "xyz", "2000,1,0.3,1,0"}) {
        WriteBytes("energk.dat", damaged);
        CalculationRun(Project());
        EXPECT_EQ(r.Results[F::co2consum], StaleReason::EnergyFactorsDamaged) << damaged;
    }
    WriteBytes("energk.dat", "2000,7,0.3,1,0.6\r\n");

    // An area too large to multiply: the balance ends at once, only the COP side is current.
    r.WohnFL = "1e308";
    CalculationRun(Project());
    EXPECT_EQ(reasons({F::GesHBDGeB, F::GesHBDHeiz, F::BrennStV, F::Label27, F::Label38, F::GesEnergWP,
                       F::co2consum, F::BetrKo}),
              all(8, StaleReason::DemandNotFormed));
    EXPECT_EQ(reasons({F::LeistZahlK, F::LeistZahlH, F::LeistZ, F::pn32}), all(4, StaleReason::Current));
    EXPECT_EQ(r.GesHBDGeB, " 12000") << "the text of the last run stays";
    r.WohnFL = "100";

    // A heating type of no kind: the fuel energy is formed, nothing after it; the running cost holds only its
    // provisional figure.
    r.HeizArt = "xyz";
    CalculationRun(Project());
    EXPECT_EQ(r.Results[F::GesHBDHeiz], StaleReason::Current);
    EXPECT_EQ(reasons({F::BrennStV, F::Label27, F::Label38, F::GesEnergWP, F::co2consum, F::BetrKo}),
              all(6, StaleReason::NoFuel));
    r.HeizArt = hp(kHeatHeatingOil);
    r.WirkGKessel = "0";
    CalculationRun(Project());
    EXPECT_EQ(r.Results[F::GesHBDHeiz], StaleReason::ZeroEfficiency);

    // An intact run clears every mark.
    r.WirkGKessel = "90";
    CalculationRun(Project());
    EXPECT_EQ(reasons(kCopSide), all(6, StaleReason::Current));
    EXPECT_EQ(reasons(kFuelSide), all(6, StaleReason::Current));
    EXPECT_FALSE(FirstStaleResult(r));
    EXPECT_EQ(StaleResultsLine(r, FeatureTexts(items, 1252)), "");
}

// What one calculation run leaves in the record that a shared load could change: the factors read, the
// state points, the result texts and their marks.
void ExpectSameRun(const ProjectRecord& shared, const ProjectRecord& alone) {
    EXPECT_EQ(shared.EnergyFactors, alone.EnergyFactors);
    EXPECT_EQ(shared.CycleState, alone.CycleState);
    EXPECT_EQ(shared.LeistZahlK, alone.LeistZahlK);
    EXPECT_EQ(shared.LeistZahlH, alone.LeistZahlH);
    for (int i = 0; i < kResultFieldCount; ++i) {
        const auto field = static_cast<ResultField>(i);
        EXPECT_EQ(shared.*ResultText(field), alone.*ResultText(field)) << i;
        EXPECT_EQ(shared.Results[field], alone.Results[field]) << i;
    }
}

// The calculations of one action on its shared loads give what each would give loading for itself, for every
// state of the factor file; they reach for the files once, so a change of a file counts from the next action.
TEST_F(DesignPoint, AnActionsCalculationsShareOneLoadWithTheSameResults) {
    const char* const factorFiles[] = {"",      "10,20\r\n", "2000,7,0.3,1,0.6\r\n", "2000,7,0.3,1,0\r\n",
                                       "x\r\n", nullptr};
    for (const char* factors : factorFiles) {
        SCOPED_TRACE(factors ? factors : "no file");
        if (factors)
            WriteBytes("energk.dat", factors);
        else
            std::filesystem::remove("energk.dat");
        r.EnergyFactors = {1, 2, 3, 4, 0.5};
        ProjectRecord alone = r;
        ActionLoads loads;
        for (const char* area : {"150", "90"}) {
            r.WohnFL = alone.WohnFL = area;
            OnEnter(alone, &ProjectRecord::WohnFL);
            OnEnter(r, &ProjectRecord::WohnFL, &loads);
            ExpectSameRun(r, alone);
        }
    }

    WriteBytes("energk.dat", "2000,7,0.3,1,0.6\r\n");
    ActionLoads loads;
    const CalculationData& first = loads.For(r);
    const auto table = first.refrigerantTable.table;
    ASSERT_TRUE(table);
    WriteBytes("R22.DAT", "garbage");
    WriteBytes("energk.dat", "1,1,1,1,9\r\n");
    EXPECT_EQ(loads.For(r).refrigerantTable.table, table) << "one load per action";
    EXPECT_EQ(r.EnergyFactors[4], 0.6);
    EXPECT_EQ(ActionLoads().For(r).refrigerantTable.status, EngineStatus::DamagedTable) << "the next action";
    EXPECT_EQ(r.EnergyFactors[4], 9);
    r.RefrigerantName = "R134A";
    EXPECT_EQ(loads.For(r).refrigerantTable.status, EngineStatus::MissingTable) << "another refrigerant";
}

// The running cost is the result only once the electricity and its CO2 after it are written; the fuel's CO2
// takes the mark of a missing factor file only where the fuel is the grid's electricity.
TEST_F(DesignPoint, RunningCostAndCo2MarksFollowWhatTheRunWrote) {
    using F = ResultField;
    CalculationRun(Project());
    r.EnergKost = "1e306";  // the electricity is written, its cost overflows
    CalculationRun(Project());
    EXPECT_EQ(r.Results[F::GesEnergWP], StaleReason::Current);
    EXPECT_EQ(r.Results[F::co2consum], StaleReason::BalanceStopped);
    EXPECT_EQ(r.Results[F::BetrKo], StaleReason::BalanceStopped) << "only its provisional figure was written";
    r.EnergKost = "0.2";

    std::filesystem::remove("energk.dat");
    for (const int item : kHeatingKindItems) {
        r.HeizArt = hp(item);
        CalculationRun(Project());
        EXPECT_EQ(r.Results[F::Label38],
                  item == kHeatElectricity ? StaleReason::EnergyFactorsMissing : StaleReason::Current)
            << r.HeizArt;
        EXPECT_EQ(r.Results[F::co2consum], StaleReason::EnergyFactorsMissing) << r.HeizArt;
        EXPECT_EQ(r.Results[F::BetrKo], StaleReason::Current) << r.HeizArt;
    }
}

}  // namespace
}  // namespace tervalo
