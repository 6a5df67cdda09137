// Replacement and residual value, the rate basis, the CO2 price, the subsidy cap, the loan, the annuity and
// the sensitivity: hand-derived closed forms, an independent evaluation of random projects, and the earlier
// results kept bit for bit where these inputs stay neutral.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "project/lifetime/lifetime_analysis.h"
#include "random_projects.h"

namespace tervalo::lifetime {
namespace {

using test::BasicProject;
using test::RandomProject;
using test::Sequence;

// A gas project of round figures: 2 200 a year of fuel against 1 800 of electricity, nothing else.
RandomProject Round() {
    RandomProject p;
    LifetimeInputs& in = p.inputs;
    in = WithoutExtensions(DefaultLifetimeInputs(2026));
    in.heatPumpCost = 20000;
    in.boilerCost = 8000;
    in.subsidy = 0;
    in.yearsOfUse = 20;
    in.discountRate_pct = 0;
    in.fuelPriceChange_pct = in.electricityPriceChange_pct = 0;
    in.fuelStandingCharge = in.electricityStandingCharge = 0;
    in.heatPumpMaintenance = in.boilerMaintenance = 0;
    in.gridTargetYear = 2026;
    p.first.heat_kWh = 20000;
    p.first.fuel_kWh = 22000;
    p.first.fuelCost = 2200;
    p.first.fuelCo2_kg = 4400;
    p.first.electricity_kWh = 6000;
    p.first.electricityCost = 1800;
    p.first.electricityCo2_kg = 2400;
    p.first.gridFactorToday = 0.4;
    return p;
}

TEST(LifetimeExtensions, ReplacementAndResidualValueInClosedForm) {
    RandomProject p = Round();
    p.inputs.replacementCounted = true;
    p.inputs.heatPumpServiceLife = 8;  // bought in years 0, 8 and 16; at 20, 4 of 8 years are left
    p.inputs.boilerServiceLife = 25;   // never again; 5 of 25 years left
    p.inputs.investmentPriceChange_pct = 2;
    const LifetimeResult r = EvaluateLifetime(p.inputs, p.first);
    EXPECT_EQ(r.heatPump.replacementYears, (std::vector<int>{8, 16}));
    EXPECT_TRUE(r.boiler.replacementYears.empty());
    EXPECT_NEAR(r.heatPump.residualValue, 20000 * std::pow(1.02, 16) * 4 / 8, 1e-9);
    EXPECT_NEAR(r.boiler.residualValue, 8000.0 * 5 / 25, 1e-9);
    EXPECT_NEAR(r.years[8].heatPumpCost, 1800 + 20000 * std::pow(1.02, 8), 1e-9);
    EXPECT_NEAR(r.years[20].boilerCost, 2200 - 1600, 1e-9);
    // A life that ends exactly with the years of use leaves nothing and is not bought again.
    p.inputs.heatPumpServiceLife = 10;
    const LifetimeResult even = EvaluateLifetime(p.inputs, p.first);
    EXPECT_EQ(even.heatPump.replacementYears, (std::vector<int>{10}));
    EXPECT_EQ(even.heatPump.residualValue, 0);
}

TEST(LifetimeExtensions, SubsidyAsSchemesStateIt) {
    LifetimeInputs in = DefaultLifetimeInputs(2026);
    in.heatPumpCost = 40000;
    in.subsidy = 30;
    in.subsidyIsPercentage = true;
    in.subsidyEligibleCap = 30000;
    in.subsidyExtraAmount = 1500;
    EXPECT_DOUBLE_EQ(SubsidyAmount(in), 0.3 * 30000 + 1500);
    in.subsidyEligibleCap = 0;  // no cap
    EXPECT_DOUBLE_EQ(SubsidyAmount(in), 0.3 * 40000 + 1500);
    in.subsidy = 100;
    EXPECT_DOUBLE_EQ(SubsidyAmount(in), 40000) << "never more than the cost";
    in.subsidyIsPercentage = false;
    in.subsidy = 39000;
    EXPECT_DOUBLE_EQ(SubsidyAmount(in), 40000);
    in.subsidy = 5000;
    EXPECT_DOUBLE_EQ(SubsidyAmount(in), 6500) << "the amount and the extra amount";
}

TEST(LifetimeExtensions, LoanAnnuityAndInterestInClosedForm) {
    RandomProject p = Round();
    p.inputs.loanShare_pct = 50;  // 10 000 of the 20 000
    p.inputs.loanRate_pct = 5;
    p.inputs.loanTerm = 10;
    const LifetimeResult r = EvaluateLifetime(p.inputs, p.first);
    const double payment = 10000 * 0.05 / (1 - std::pow(1.05, -10));  // 1 295.05
    EXPECT_NEAR(r.loan.payment, payment, 1e-9);
    EXPECT_NEAR(r.loan.totalInterest, 10 * payment - 10000, 1e-9);
    // At a discount rate of 0 the household's sum is the investment's less the interest.
    EXPECT_NEAR(r.loan.householdNpv, r.netPresentValue - r.loan.totalInterest, 1e-9);
    EXPECT_NEAR(r.years[0].householdSaving, -12000 + 10000, 1e-9);
    EXPECT_NEAR(r.years[1].householdSaving, 400 - payment, 1e-9);
    EXPECT_NEAR(r.years[11].householdSaving, 400, 1e-9);

    // A term beyond the years of use: the balance left is paid off in the last year.
    p.inputs.yearsOfUse = 4;
    const LifetimeResult cut = EvaluateLifetime(p.inputs, p.first);
    const double balance = 10000 * std::pow(1.05, 4) - payment * (std::pow(1.05, 4) - 1) / 0.05;
    EXPECT_NEAR(cut.years[4].loanPayment, payment + balance, 1e-9);
    EXPECT_NEAR(cut.loan.totalInterest, 4 * payment + balance - 10000, 1e-9);
}

TEST(LifetimeExtensions, NominalAtTheFisherRateGivesTheRealPresentValues) {
    Sequence s(7);
    for (int i = 0; i < 300; ++i) {
        RandomProject p = BasicProject(s);
        LifetimeInputs real = p.inputs;
        real.replacementCounted = s.Flip();
        real.investmentPriceChange_pct = s.Uniform(-2, 4);
        real.co2AddedToFuel = s.Flip();
        real.co2AddedToElectricity = s.Flip();
        real.loanShare_pct = s.Uniform(0, 100);
        real.loanRate_pct = s.Uniform(0, 8);
        real.inflation_pct = s.Uniform(0, 8);
        real.discountRate_pct = s.Uniform(0, 6);
        // The residual value is the book value of its purchase: not indexed to the last year, so left out
        // here.
        real.heatPumpServiceLife = s.Whole(1, 60);
        real.boilerServiceLife = real.heatPumpServiceLife;
        real.yearsOfUse = real.heatPumpServiceLife * s.Whole(1, 3);
        real.yearsOfUse = std::min(real.yearsOfUse, kMaxYearsOfUse);
        if (real.yearsOfUse % real.heatPumpServiceLife != 0) real.replacementCounted = false;
        LifetimeInputs nominal = real;
        nominal.nominal = true;
        nominal.discountRate_pct =
            ((1 + real.discountRate_pct / 100) * (1 + real.inflation_pct / 100) - 1) * 100;
        const LifetimeResult a = EvaluateLifetime(real, p.first), b = EvaluateLifetime(nominal, p.first);
        const double scale = 1e-9 * (std::fabs(a.years[0].saving) + 1e4);
        EXPECT_NEAR(b.netPresentValue, a.netPresentValue, scale) << i;
        EXPECT_NEAR(b.loan.householdNpv, a.loan.householdNpv, scale) << i;
    }
}

// The comparison evaluated afresh from its definitions, sharing no code with the one under test.
struct Reference {
    std::vector<double> boiler, heatPump, household;
    double boilerResidual = 0, heatPumpResidual = 0, boilerCo2Cost = 0, heatPumpCo2Cost = 0;
    double npv = 0, householdNpv = 0, boilerAnnual = 0, heatPumpAnnual = 0, payment = 0, interest = 0;
};

double PathValue(const LifetimeInputs& in, const std::vector<double>& edits, double today, double target,
                 int targetYear, int t) {
    if (t <= static_cast<int>(edits.size())) return edits[static_cast<std::size_t>(t - 1)];
    const int span = targetYear - in.firstYear;
    if (span <= 0) return today;
    return today + (target - today) * std::min(t - 1, span) / static_cast<double>(span);
}

Reference Evaluate(const LifetimeInputs& in, const AnnualFigures& f) {
    Reference ref;
    const int n = in.yearsOfUse;
    const double rate = in.discountRate_pct / 100, loanRate = in.loanRate_pct / 100;
    const auto inflation = [&](int t) { return in.nominal ? std::pow(1 + in.inflation_pct / 100, t) : 1.0; };
    const auto own = [](double pct, int t) { return std::pow(1 + pct / 100, t); };
    double eligible = in.heatPumpCost;
    if (in.subsidyIsPercentage && in.subsidyEligibleCap > 0)
        eligible = std::min(eligible, in.subsidyEligibleCap);
    double subsidy =
        (in.subsidyIsPercentage ? eligible * in.subsidy / 100 : in.subsidy) + in.subsidyExtraAmount;
    subsidy = std::min(std::max(subsidy, 0.0), in.heatPumpCost);

    // Purchases: every whole multiple of the life before the last year; the last one's remainder at the end.
    const auto investments = [&](double cost, int life, double& residual) {
        std::vector<double> flows(static_cast<std::size_t>(n) + 1, 0.0);
        if (!in.replacementCounted) return flows;
        for (int t = 1; t < n; ++t)
            if (t % life == 0)
                flows[static_cast<std::size_t>(t)] =
                    cost * own(in.investmentPriceChange_pct, t) * inflation(t);
        const int last = (n - 1) / life * life;
        const double lastCost = cost * own(in.investmentPriceChange_pct, last) * inflation(last);
        residual = lastCost * (last + life - n) / life;
        flows[static_cast<std::size_t>(n)] -= residual;
        return flows;
    };
    const std::vector<double> boilerBuys =
        investments(in.boilerCost, in.boilerServiceLife, ref.boilerResidual);
    const std::vector<double> heatPumpBuys =
        investments(in.heatPumpCost, in.heatPumpServiceLife, ref.heatPumpResidual);

    ref.boiler = {in.boilerCost};
    ref.heatPump = {in.heatPumpCost - subsidy};
    const double fuelChange =
        f.fuelIsGridElectricity ? in.electricityPriceChange_pct : in.fuelPriceChange_pct;
    const bool boilerCo2Added = f.fuelIsGridElectricity ? in.co2AddedToElectricity : in.co2AddedToFuel;
    for (int t = 1; t <= n; ++t) {
        const double grid =
            PathValue(in, in.gridFactorEdits, f.gridFactorToday, in.gridTargetFactor, in.gridTargetYear, t);
        const double price =
            PathValue(in, in.co2PriceEdits, in.co2PriceToday, in.co2PriceTarget, in.co2PriceTargetYear, t) *
            inflation(t);
        const double fuel = own(fuelChange, t - 1) * inflation(t);
        const double electricity = own(in.electricityPriceChange_pct, t - 1) * inflation(t);
        const double upkeep = own(in.maintenancePriceChange_pct, t - 1) * inflation(t);
        const double boilerCo2 = (f.fuelIsGridElectricity ? f.fuel_kWh * grid : f.fuelCo2_kg) / 1000 * price;
        const double heatPumpCo2 = f.electricity_kWh * grid / 1000 * price;
        ref.boilerCo2Cost += boilerCo2;
        ref.heatPumpCo2Cost += heatPumpCo2;
        ref.boiler.push_back((f.fuelCost + in.fuelStandingCharge) * fuel + in.boilerMaintenance * upkeep +
                             (boilerCo2Added ? boilerCo2 : 0) + boilerBuys[static_cast<std::size_t>(t)]);
        ref.heatPump.push_back(
            (f.electricityCost + in.electricityStandingCharge) * electricity +
            in.heatPumpMaintenance * upkeep + (in.fuelConnectionGivenUp ? 0 : in.fuelStandingCharge * fuel) +
            (in.co2AddedToElectricity ? heatPumpCo2 : 0) + heatPumpBuys[static_cast<std::size_t>(t)]);
    }
    const auto presentValue = [&](const std::vector<double>& flows) {
        double sum = 0;
        for (std::size_t t = 0; t < flows.size(); ++t)
            sum += flows[t] / std::pow(1 + rate, static_cast<double>(t));
        return sum;
    };
    const double factor = rate == 0 ? 1.0 / n : rate / (1 - std::pow(1 + rate, -n));
    ref.boilerAnnual = presentValue(ref.boiler) * factor;
    ref.heatPumpAnnual = presentValue(ref.heatPump) * factor;
    for (std::size_t t = 0; t < ref.boiler.size(); ++t)
        ref.household.push_back(ref.boiler[t] - ref.heatPump[t]);
    ref.npv = presentValue(ref.household);

    // The loan: the annuity in closed form, the balance left after the years of use paid off in the last.
    const double principal = ref.heatPump[0] * in.loanShare_pct / 100;
    const int term = in.loanTerm;
    const double growth = std::pow(1 + loanRate, term);
    ref.payment = loanRate == 0 ? principal / term : principal * loanRate * growth / (growth - 1);
    const int paid = std::min(term, n);
    const double grownN = std::pow(1 + loanRate, paid);
    const double left = term > n
                            ? (loanRate == 0 ? principal - ref.payment * paid
                                             : principal * grownN - ref.payment * (grownN - 1) / loanRate)
                            : 0;
    if (principal > 0) {
        ref.interest = ref.payment * paid + left - principal;
        ref.household[0] += principal;
        for (int t = 1; t <= paid; ++t) {
            const double nominal = ref.payment + (t == n ? left : 0);
            ref.household[static_cast<std::size_t>(t)] -=
                in.nominal ? nominal : nominal / std::pow(1 + in.inflation_pct / 100, t);
        }
    }
    ref.householdNpv = presentValue(ref.household);
    return ref;
}

TEST(LifetimeExtensions, RandomProjectsAgreeWithAnIndependentEvaluation) {
    Sequence s(20261208);
    for (int i = 0; i < 2000; ++i) {
        RandomProject p = BasicProject(s);
        LifetimeInputs& in = p.inputs;
        in.replacementCounted = s.Flip();
        in.heatPumpServiceLife = s.Whole(1, 40);
        in.boilerServiceLife = s.Whole(1, 40);
        in.investmentPriceChange_pct = s.Uniform(-3, 6);
        in.maintenancePriceChange_pct = s.Uniform(-3, 6);
        in.nominal = s.Flip();
        in.inflation_pct = s.Uniform(-2, 10);
        in.subsidyEligibleCap = s.Flip() ? 0 : s.Uniform(0, 60000);
        in.subsidyExtraAmount = s.Flip() ? 0 : s.Uniform(0, 10000);
        in.co2PriceToday = s.Uniform(0, 100);
        in.co2PriceTarget = s.Uniform(0, 400);
        in.co2PriceTargetYear = s.Whole(2015, 2070);
        in.co2PriceEdits.resize(static_cast<std::size_t>(std::min(s.Whole(0, 6), in.yearsOfUse)));
        for (double& price : in.co2PriceEdits) price = s.Uniform(0, 300);
        in.gridFactorEdits.resize(
            std::min(in.gridFactorEdits.size(), static_cast<std::size_t>(in.yearsOfUse)));
        in.co2AddedToFuel = s.Flip();
        in.co2AddedToElectricity = s.Flip();
        in.loanShare_pct = s.Flip() ? 0 : s.Uniform(0, 100);
        in.loanRate_pct = s.Whole(0, 4) == 0 ? 0 : s.Uniform(-1, 12);
        in.loanTerm = s.Whole(1, kMaxYearsOfUse);
        SCOPED_TRACE(i);
        const LifetimeResult r = EvaluateLifetime(in, p.first);
        const Reference ref = Evaluate(in, p.first);
        // Relative to the size of the flows: a sum near zero is as exact as its terms.
        double size = 1;
        for (std::size_t t = 0; t < ref.boiler.size(); ++t)
            size = std::max(
                {size, std::fabs(ref.boiler[t]), std::fabs(ref.heatPump[t]), std::fabs(ref.household[t])});
        const double tolerance = 1e-9 * size * static_cast<double>(ref.boiler.size());
        ASSERT_EQ(r.years.size(), ref.boiler.size());
        for (std::size_t t = 0; t < ref.boiler.size(); ++t) {
            ASSERT_NEAR(r.years[t].boilerCost, ref.boiler[t], 1e-9 * size) << "year " << t;
            ASSERT_NEAR(r.years[t].heatPumpCost, ref.heatPump[t], 1e-9 * size) << "year " << t;
            ASSERT_NEAR(r.years[t].householdSaving, ref.household[t], 1e-9 * size) << "year " << t;
        }
        EXPECT_NEAR(r.boiler.residualValue, ref.boilerResidual, 1e-9 * size);
        EXPECT_NEAR(r.heatPump.residualValue, ref.heatPumpResidual, 1e-9 * size);
        EXPECT_NEAR(r.boiler.co2Cost, ref.boilerCo2Cost, tolerance);
        EXPECT_NEAR(r.heatPump.co2Cost, ref.heatPumpCo2Cost, tolerance);
        EXPECT_NEAR(r.netPresentValue, ref.npv, tolerance);
        EXPECT_NEAR(r.loan.householdNpv, ref.householdNpv, tolerance);
        EXPECT_NEAR(r.boiler.annualCost, ref.boilerAnnual, tolerance);
        EXPECT_NEAR(r.heatPump.annualCost, ref.heatPumpAnnual, tolerance);
        if (in.loanShare_pct > 0) {
            EXPECT_NEAR(r.loan.payment, ref.payment, 1e-9 * std::max(1.0, ref.payment));
            EXPECT_NEAR(r.loan.totalInterest, ref.interest, 1e-9 * size * in.loanTerm);
        }
        // The sensitivity's middle is the result itself, its ends those of the moved inputs.
        ASSERT_EQ(r.sensitivity.size(), 3u);
        LifetimeInputs lower = in;
        lower.discountRate_pct = std::max(in.discountRate_pct - kSensitivityRateShift_pct, -99.0);
        EXPECT_NEAR(r.sensitivity[0].lowNpv, Evaluate(lower, p.first).npv, tolerance);
    }
}

TEST(LifetimeExtensions, NeutralInputsGiveTheEarlierResultsBitForBit) {
#ifdef _WIN32
    GTEST_SKIP() << "the fingerprints were taken with glibc's pow";
#endif
    static constexpr std::uint64_t kEarlier[] = {
#include "neutral_fingerprints.inc"
    };
    Sequence s(20261207);
    for (std::size_t i = 0; i < std::size(kEarlier); ++i) {
        RandomProject p = BasicProject(s);
        // Real or nominal makes no difference without inflation.
        LifetimeInputs in = WithoutExtensions(p.inputs);
        in.nominal = i % 2 == 1;
        EXPECT_EQ(test::Fingerprint(EvaluateLifetime(in, p.first)), kEarlier[i]) << i;
    }
}

}  // namespace
}  // namespace tervalo::lifetime
