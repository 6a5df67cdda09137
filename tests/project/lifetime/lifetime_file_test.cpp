// Lifetime.dat: written and read back, and read forgivingly when missing, foreign, damaged or huge.

#include "project/lifetime/lifetime_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace tervalo::lifetime {
namespace {

using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

void ExpectSame(const LifetimeInputs& a, const LifetimeInputs& b) {
    EXPECT_EQ(LifetimeInputsBytes(a), LifetimeInputsBytes(b));
}

LifetimeInputs Typed() {
    LifetimeInputs in = DefaultLifetimeInputs(2027);
    in.heatPumpCost = 28750.55;
    in.boilerCost = 0.1 + 0.2;  // no short decimal form: the text must give back the same double
    in.subsidy = 7500;
    in.subsidyIsPercentage = false;
    in.yearsOfUse = 3;
    in.discountRate_pct = -0.5;
    in.fuelConnectionGivenUp = false;
    in.gridTargetYear = 2040;
    in.gridFactorEdits = {0.38, 1.0 / 3, 0};
    in.replacementCounted = false;
    in.heatPumpServiceLife = 15;
    in.nominal = true;
    in.inflation_pct = 2.5;
    in.subsidyEligibleCap = 25000;
    in.co2PriceEdits = {60, 70.5};
    in.co2AddedToFuel = true;
    in.loanShare_pct = 50;
    in.loanTerm = 12;
    return in;
}

TEST(LifetimeFile, WrittenAsQuotedNamesWithTheirValues) {
    const std::string bytes = LifetimeInputsBytes(Typed());
    EXPECT_EQ(bytes.substr(0, 54), "\"Tervalo lifetime inputs\",1\r\n\"HeatPumpCost\",28750.55\r\n");
    EXPECT_NE(bytes.find("\"SubsidyIsPercentage\",0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\"GridFactorEdits\",0.38,0.3333333333333333,0\r\n"), std::string::npos);
    const LifetimeFileRead read = ParseLifetimeInputs(bytes, DefaultLifetimeInputs(2026));
    ExpectSame(read.inputs, Typed());
    EXPECT_FALSE(read.damaged);
}

TEST(LifetimeFile, SavedAndLoadedBesideTheProject) {
    ScopedTempDir dir;
    const LifetimeInputs defaults = DefaultLifetimeInputs(2026);
    ExpectSame(LoadLifetimeInputs(defaults).inputs, defaults);
    EXPECT_FALSE(LoadLifetimeInputs(defaults).damaged) << "no file yet is no damage";
    ASSERT_TRUE(SaveLifetimeInputs(Typed()));
    EXPECT_EQ(ReadBytes("Lifetime.dat"), LifetimeInputsBytes(Typed()));
    ExpectSame(LoadLifetimeInputs(defaults).inputs, Typed());
    EXPECT_FALSE(LoadLifetimeInputs(defaults).damaged);

    std::filesystem::remove("Lifetime.dat");
    std::filesystem::create_directory("Lifetime.dat");
    EXPECT_FALSE(SaveLifetimeInputs(Typed())) << "a directory in the way is reported, not ignored";
    ExpectSame(LoadLifetimeInputs(defaults).inputs, defaults);
}

TEST(LifetimeFile, DamageCostsOnlyWhatIsDamaged) {
    const LifetimeInputs defaults = DefaultLifetimeInputs(2026);
    const std::string header = "\"Tervalo lifetime inputs\",1\r\n";
    struct Row {
        const char* name;
        std::string bytes;
        LifetimeInputs expected;
        bool damaged = true;
    };
    // A file that says nothing of the later inputs was written before they existed: it means none of them.
    const LifetimeInputs before = WithoutExtensions(defaults);
    LifetimeInputs cheaper = before;
    cheaper.heatPumpCost = 12000;
    LifetimeInputs laterRead = cheaper;
    laterRead.heatPumpServiceLife = 15;
    laterRead.co2PriceEdits = {60, 70.5};
    LifetimeInputs wholePrice = cheaper;
    wholePrice.subsidy = 100;
    LifetimeInputs fourYears = before;
    fourYears.yearsOfUse = 4;
    fourYears.gridFactorEdits = {0.3, 0.2, 0.1, 0.05};
    LifetimeInputs twoEdits = before;
    twoEdits.gridFactorEdits = {0.3, 0.2};
    const Row rows[] = {
        {"empty file", "", defaults},
        {"foreign file", "\"R22\",1,2,3\r\n\"HeatPumpCost\",12000\r\n", defaults},
        {"later version", "\"Tervalo lifetime inputs\",2\r\n\"HeatPumpCost\",12000\r\n", defaults},
        {"unknown names skipped", header + "\"Colour\",\"red\",3\r\n\"HeatPumpCost\",12000\r\n", cheaper,
         false},
        {"text where a number belongs", header + "\"HeatPumpCost\",12000\r\n\"BoilerCost\",abc\r\n", cheaper},
        {"damage before a good statement", header + "\"BoilerCost\",abc\r\n\"HeatPumpCost\",12000\r\n",
         cheaper},
        {"two values where one belongs", header + "\"HeatPumpCost\",12000\r\n\"BoilerCost\",1,2\r\n",
         cheaper},
        {"number with trailing text", header + "\"HeatPumpCost\",12000\r\n\"YearsOfUse\",12x\r\n", cheaper},
        {"years of use out of range", header + "\"HeatPumpCost\",12000\r\n\"YearsOfUse\",500\r\n", cheaper},
        {"no years of use", header + "\"HeatPumpCost\",12000\r\n\"YearsOfUse\",0\r\n", cheaper},
        {"rate at or below -100 %", header + "\"HeatPumpCost\",12000\r\n\"DiscountRate\",-100\r\n", cheaper},
        {"not a number", header + "\"HeatPumpCost\",12000\r\n\"BoilerCost\",nan\r\n\"Subsidy\",inf\r\n",
         cheaper},
        // A percentage above 100 is the whole price: capped, not replaced by the default, and reported.
        {"percentage above 100", header + "\"HeatPumpCost\",12000\r\n\"Subsidy\",150\r\n", wholePrice},
        {"flag neither 0 nor 1", header + "\"HeatPumpCost\",12000\r\n\"FuelConnectionGivenUp\",7\r\n",
         cheaper},
        // The cut name reads as an unknown one: nothing tells this file from a complete one.
        {"file cut off", header + "\"HeatPumpCost\",12000\r\n\"BoilerCo", cheaper, false},
        {"edits beyond the years cut",
         header + "\"YearsOfUse\",4\r\n\"GridFactorEdits\",0.3,0.2,0.1,0.05,0.01,0\r\n", fourYears},
        {"edits stop at damage", header + "\"GridFactorEdits\",0.3,0.2,x,0.1\r\n", twoEdits},
        {"negative factor", header + "\"GridFactorEdits\",0.3,0.2,-1,0.1\r\n", twoEdits},
        {"binary bytes", std::string("\0\xff\"\x01,\r\n\"\"\"", 10), defaults},
        {"later input out of range", header + "\"HeatPumpCost\",12000\r\n\"LoanShare\",150\r\n", cheaper},
        {"later inputs read",
         header + "\"HeatPumpCost\",12000\r\n\"HeatPumpServiceLife\",15\r\n\"Co2PriceEdits\",60,70.5\r\n",
         laterRead, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const LifetimeFileRead read = ParseLifetimeInputs(row.bytes, defaults);
        ExpectSame(read.inputs, row.expected);
        EXPECT_EQ(read.damaged, row.damaged);
    }
}

TEST(LifetimeFile, HugeFileIsNotReadAndGivesTheDefaults) {
    ScopedTempDir dir;
    WriteBytes("Lifetime.dat",
               "\"Tervalo lifetime inputs\",1\r\n\"HeatPumpCost\",12000\r\n\"GridFactorEdits\"" +
                   std::string(1 << 20, ','));
    const LifetimeInputs defaults = DefaultLifetimeInputs(2026);
    ExpectSame(LoadLifetimeInputs(defaults).inputs, defaults);
    EXPECT_TRUE(LoadLifetimeInputs(defaults).damaged);
}

}  // namespace
}  // namespace tervalo::lifetime
