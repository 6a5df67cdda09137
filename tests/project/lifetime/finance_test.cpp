// Discounted cash flows against published worked examples, closed forms and LibreOffice Calc.

#include "project/lifetime/finance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tervalo::lifetime {
namespace {

// The size of the terms that make up a present value, for tolerances relative to what cancels.
double TermScale(const std::vector<double>& flows, double rate) {
    double scale = 0;
    for (std::size_t t = 0; t < flows.size(); ++t)
        scale += std::abs(flows[t]) * DiscountFactor(rate, static_cast<int>(t));
    return scale;
}

// Worked examples of the spreadsheet function references (NPV, IRR, PMT), printed there rounded to cents or
// to 0.1 %. The spreadsheet's NPV discounts its first value by one year: here that value stands in year 1.
TEST(Finance, PublishedWorkedExamples) {
    EXPECT_NEAR(NetPresentValue({0, -10000, 3000, 4200, 6800}, 0.10), 1188.44, 0.005);
    EXPECT_NEAR(NetPresentValue({-40000, 8000, 9200, 10000, 12000, 14500}, 0.08), 1922.06, 0.005);
    EXPECT_NEAR(NetPresentValue({-40000, 8000, 9200, 10000, 12000, 14500, -9000}, 0.08), -3749.47, 0.005);

    struct Row {
        std::vector<double> flows;
        double rate;
    };
    const Row irr[] = {{{-70000, 12000, 15000, 18000, 21000}, -0.021},
                       {{-70000, 12000, 15000, 18000, 21000, 26000}, 0.087},
                       {{-70000, 12000, 15000}, -0.444}};
    for (const Row& row : irr) {
        const InternalRate found = InternalRateOfReturn(row.flows);
        EXPECT_EQ(found.status, IrrStatus::Unique);
        EXPECT_NEAR(found.rate, row.rate, 0.0005);
    }
    EXPECT_NEAR(AnnuityPayment(0.08 / 12, 10, 10000), 1037.03, 0.005);
}

TEST(Finance, ClosedFormsOfEvenSavings) {
    const double invest = 10000, saving = 1500;
    for (const double rate : {0.05, 0.0, -0.02}) {
        SCOPED_TRACE(rate);
        std::vector<double> flows(16, saving);
        flows[0] = -invest;
        // Present value of an annuity: (1 - (1 + r)^-n) / r, n at r = 0.
        const double annuity = rate == 0 ? 15 : (1 - std::pow(1 + rate, -15)) / rate;
        EXPECT_NEAR(NetPresentValue(flows, rate), -invest + saving * annuity, 1e-9 * invest);
        EXPECT_NEAR(AnnuityPayment(rate, 15, saving * annuity), saving, 1e-9 * saving);
    }
    // A rate too small for the textbook form (1 - (1 + r)^-n) / r, which cancels to noise: nearly n years.
    EXPECT_NEAR(AnnuityPayment(1e-12, 15, 22500), 1500, 1e-6);
    EXPECT_DOUBLE_EQ(AnnuityPayment(0, 4, 1000), 250);
    EXPECT_EQ(AnnuityPayment(0.05, 0, 1000), 0);
    EXPECT_DOUBLE_EQ(DiscountFactor(0.1, 0), 1);
    EXPECT_DOUBLE_EQ(DiscountFactor(-0.5, 1), 2);
}

TEST(Finance, PaybackCountsYearsAndInterpolatesWithinTheYear) {
    EXPECT_DOUBLE_EQ(*PaybackYears({-10000, 3000, 3000, 3000, 3000}), 10.0 / 3);
    EXPECT_DOUBLE_EQ(*PaybackYears({-6000, 3000, 3000}), 2) << "repaid exactly at the end of year 2";
    EXPECT_DOUBLE_EQ(*PaybackYears({-100, 400}), 0.25) << "one year of use";
    EXPECT_DOUBLE_EQ(*PaybackYears({0, -50, 100}), 1.5)
        << "no extra investment, but a first year below zero: repaid halfway through year 2";
    EXPECT_DOUBLE_EQ(*PaybackYears({500, -50}), 0);
    EXPECT_FALSE(PaybackYears({-10000, 3000, 3000, 3000}));
    EXPECT_FALSE(PaybackYears({-10000, -100, -100}));
    EXPECT_FALSE(PaybackYears({}));
    // Discounted at 5 %: the savings discounted are 2857.14, 2721.09, 2591.51, 2468.11.
    const std::vector<double> discounted = Discounted({-10000, 3000, 3000, 3000, 3000}, 0.05);
    const double firstThree = 3000 / 1.05 + 3000 / std::pow(1.05, 2) + 3000 / std::pow(1.05, 3);
    EXPECT_NEAR(*PaybackYears(discounted), 3 + (10000 - firstThree) / (3000 / std::pow(1.05, 4)), 1e-12);
}

// A payback lost again is none; one regained counts from the year it is regained for good.
TEST(Finance, PaybackIsTheYearFromWhichTheRunningSumStaysAtOrAboveZero) {
    EXPECT_FALSE(PaybackYears({-1000, 600, 600, -500})) << "ahead after year 2, behind again at the end";
    EXPECT_DOUBLE_EQ(*PaybackYears({-1000, 600, 600, -500, 600}), 3.5);
    EXPECT_DOUBLE_EQ(*PaybackYears({-1000, 1500, -500, 100}), 1000.0 / 1500)
        << "a running sum of exactly 0 after year 2 keeps the payback";
    // Random flows against the definition: every running sum from the payback's year on is ≥ 0, and the one
    // before it is below 0.
    std::mt19937 engine(7);
    std::uniform_real_distribution<double> flow(-1000, 1000);
    for (int round = 0; round < 2000; ++round) {
        std::vector<double> flows(1 + engine() % 12);
        for (double& f : flows) f = std::round(flow(engine));
        std::vector<double> running(flows.size());
        double sum = 0;
        for (std::size_t t = 0; t < flows.size(); ++t) running[t] = sum += flows[t];
        const auto payback = PaybackYears(flows);
        if (!payback) {
            EXPECT_LT(running.back(), 0) << round;
            continue;
        }
        const auto from = static_cast<std::size_t>(std::ceil(*payback));
        for (std::size_t t = from; t < flows.size(); ++t) EXPECT_GE(running[t], 0) << round << " year " << t;
        if (from > 0) {
            EXPECT_LT(running[from - 1], 0) << round;
        }
    }
}

TEST(Finance, InternalRateOnlyWhereItIsUnique) {
    // One year: S / I - 1. Two years of S: 1/(1+r) is the positive root of S v² + S v - I = 0.
    EXPECT_NEAR(InternalRateOfReturn({-1000, 1080}).rate, 0.08, 1e-15);
    const double v = (-3000 + std::sqrt(3000.0 * 3000 + 4 * 3000 * 5000)) / (2 * 3000);
    EXPECT_NEAR(InternalRateOfReturn({-5000, 3000, 3000}).rate, 1 / v - 1, 1e-14);
    EXPECT_NEAR(InternalRateOfReturn({-100, 50, 50}).rate, 0, 1e-15);
    EXPECT_NEAR(InternalRateOfReturn({-1, 1000}).rate, 999, 1e-9);
    EXPECT_NEAR(InternalRateOfReturn({-1000, 1}).rate, -0.999, 1e-14);
    EXPECT_NEAR(InternalRateOfReturn({0, 0, -1000, 0, 1210}).rate, 0.1, 1e-14) << "zeros skipped";
    EXPECT_NEAR(InternalRateOfReturn({1000, -1100}).rate, 0.1, 1e-14)
        << "a loan: money first, then paid back";

    EXPECT_EQ(InternalRateOfReturn({-1000, -50, -50}).status, IrrStatus::NoSignChange) << "never pays back";
    EXPECT_EQ(InternalRateOfReturn({500, 100, 100}).status, IrrStatus::NoSignChange)
        << "cheaper from the start";
    EXPECT_EQ(InternalRateOfReturn({0, 0}).status, IrrStatus::NoSignChange);
    EXPECT_EQ(InternalRateOfReturn({}).status, IrrStatus::NoSignChange);
    // 10 % and 20 % both make this zero; -100, 50, -50 has no rate at all.
    EXPECT_EQ(InternalRateOfReturn({-100, 230, -132}).status, IrrStatus::SeveralSignChanges);
    EXPECT_EQ(InternalRateOfReturn({-100, 50, -50}).status, IrrStatus::SeveralSignChanges);
}

struct CalcCase {
    std::string name;
    double rate = 0;
    std::vector<double> flows;
    double npv = 0;
    bool hasIrr = false;
    double irr = 0;
    int pmtYears = 0;
    double pmtPresentValue = 0;
    double pmt = 0;
};

std::vector<CalcCase> ReadCalcCases() {
    std::ifstream in(std::string(TERVALO_TEST_DATA_DIR) + "/lifetime/finance_cases.csv");
    std::vector<CalcCase> cases;
    std::string line;
    std::getline(in, line);  // comment
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::stringstream row(line);
        std::string field[8];
        for (std::string& f : field) std::getline(row, f, ';');
        CalcCase c;
        c.name = field[0];
        c.rate = std::stod(field[1]);
        std::stringstream flows(field[2]);
        for (double flow; flows >> flow;) c.flows.push_back(flow);
        c.npv = std::stod(field[3]);
        c.hasIrr = !field[4].empty();
        if (c.hasIrr) c.irr = std::stod(field[4]);
        c.pmtYears = std::stoi(field[5]);
        c.pmtPresentValue = std::stod(field[6]);
        c.pmt = std::stod(field[7]);
        cases.push_back(c);
    }
    return cases;
}

// Random flows evaluated by LibreOffice Calc (tests/data/lifetime/make_finance_cases.py), to 1e-9 relative.
TEST(Finance, AgreesWithLibreOfficeCalc) {
    const std::vector<CalcCase> cases = ReadCalcCases();
    ASSERT_EQ(cases.size(), 20u);
    int irrCompared = 0;
    for (const CalcCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(NetPresentValue(c.flows, c.rate), c.npv, 1e-9 * TermScale(c.flows, c.rate));
        EXPECT_NEAR(AnnuityPayment(c.rate, c.pmtYears, c.pmtPresentValue), c.pmt, 1e-9 * std::abs(c.pmt));

        const InternalRate irr = InternalRateOfReturn(c.flows);
        if (c.hasIrr && c.irr > -1) {
            // Calc's rate is the same root where it finds one within the meaningful range.
            ASSERT_EQ(irr.status, IrrStatus::Unique);
            EXPECT_NEAR(irr.rate, c.irr, 1e-9 * std::max(1.0, std::abs(c.irr)));
            ++irrCompared;
        } else if (irr.status == IrrStatus::Unique) {
            // Calc's Newton steps fail on losses this deep (no value, or one below -100 %): the root is
            // checked.
            EXPECT_GT(irr.rate, -1);
            EXPECT_NEAR(NetPresentValue(c.flows, irr.rate), 0, 1e-9 * TermScale(c.flows, irr.rate));
        }
    }
    EXPECT_GE(irrCompared, 10);
}

}  // namespace
}  // namespace tervalo::lifetime
