#pragma once

// A fresh program run inside a temporary directory with two small test languages: "TST", whose heat-pump
// caption N is "hpN" (with readable texts for the lists the tests choose from), and "TSB", the same items
// with "bN". Caption item N is "cN" and message N is "mN".

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "config/run_settings.h"
#include "engine/number_text.h"
#include "localisation/language_tables.h"
#include "project/heating_kind.h"
#include "project/project_actions.h"
#include "project/project_lists.h"
#include "project/project_record.h"
#include "project/round_down.h"
#include "support/temp_dir.h"

namespace tervalo::test {

inline std::string QuotedItems(const std::string& prefix, int count) {
    std::string bytes;
    for (int item = 1; item <= count; ++item) bytes += "\"" + prefix + std::to_string(item) + "\"\r\n";
    return bytes;
}

inline std::string CaptionFileBytes() {
    std::string bytes;
    for (int item = 1; item <= 273; ++item) {
        const bool message = item >= 97 && item <= 157;
        bytes += "\"" + (message ? "m" + std::to_string(item - 96) : "c" + std::to_string(item)) + "\"\r\n";
    }
    return bytes;
}

// A saturation table shaped like R22's between -73 °C and +87 °C: vapour pressure of the Clausius-Clapeyron
// form (5 bar at 0 °C, 22 bar at 55 °C), liquid and vapour enthalpy rising with temperature, ideal-gas
// vapour.
inline std::string SyntheticR22Table() {
    std::string bytes;
    char line[256];
    for (int k = 200; k <= 360; k += 2) {
        const double t = k;
        const double c = t - 273.15;
        const double p = std::exp(10.4 - 2400 / t);
        const double hLiquid = 200 + 1.2 * c;
        const double hVapour = 405 + 0.25 * c - 0.004 * c * c;
        const double rhoLiquid = 1280 - 3 * c;
        const double rhoVapour = p * 1e5 / (96.1 * t);
        std::snprintf(line, sizeof line, "%.2f,%.6f,%.6f,%.4f,%.4f,%.4f,%.6f\r\n", t, p, p, hLiquid, hVapour,
                      rhoLiquid, rhoVapour);
        bytes += line;
    }
    return bytes;
}

// Heat-pump caption N of the test language.
inline std::string hp(int item) {
    return "hp" + std::to_string(item);
}

class ProjectFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAll();
        record_ = ProjectRecord{};
        WriteBytes("heatcap.TST", QuotedItems("hp", 56));
        WriteBytes("heatcap.TSB", QuotedItems("b", 56));
        WriteBytes("Caption.TST", CaptionFileBytes());
        Settings.LanguageCode = "TST";
        Settings.CurrencyCode = "EUR";
        Settings.ProductName = "Quelmo";
        LoadCaptionFile("TST");
        LoadHeatCaptions("TST");
        record_.RefrigerantName = "R22";
    }
    void TearDown() override { ResetAll(); }

    static void ResetAll() {
        ResetRunSettings();
        ResetLanguageTables();
    }

    // The run's record, as a program's main() owns it.
    ProjectRecord& Project() { return record_; }

    static void InstallR22Table() { WriteBytes("R22.DAT", SyntheticR22Table()); }

    // The files a calculation reads besides the record: the R22 table, the energy factors and the fuel
    // prices.
    static void InstallCalculationFiles() {
        InstallR22Table();
        WriteBytes("energk.dat", "2000,1,0.3,1,0.6\r\n");
        WriteBytes("SpezBK.dat", "\"0.6\"\r\n\"1.13\"\r\n\"0.30\"\r\n\"0.35\"\r\n");
    }

    // The house and old heating of random project `trial`: the four heating kinds in turn, integrated in the
    // first four of each eight, area, heat demand, efficiency, stand-by losses and both prices drawn as the
    // window's texts, in this order from `random`.
    void DrawRandomHouse(std::mt19937& random, int trial) {
        const auto uniform = [&](double low, double high) {
            return std::uniform_real_distribution<double>(low, high)(random);
        };
        const auto decimals = [](double value, int places) {
            return GeneralNumberText(RoundDownTo(value, places), '.');
        };
        ProjectRecord& r = record_;
        r.HeizArt = hp(kHeatingKindItems[trial % 4]);
        r.EinbindCheck = trial % 8 < 4;
        r.WohnFL = decimals(uniform(40, 600), 1);
        r.SpezHeizLeist = decimals(uniform(20, 300), 1);
        r.WirkGKessel = decimals(uniform(50, 100), 1);
        r.BereitStV = decimals(uniform(0, 25), 1);
        r.BrennK = decimals(uniform(0.05, 2), 100);
        r.EnergKost = decimals(uniform(0.05, 0.6), 1000);
    }

    // A house typed into the opened window: 150 m², heating kind hp22, boiler 92 %, 110 kWh/(m²·a).
    void TypeSampleHouse() {
        ProjectRecord& r = record_;
        OnWindowLoad(r);
        OnWindowActivate(r);
        r.WohnFL = "150";
        OnEnter(r, &ProjectRecord::WohnFL);
        OnListChosen(r, ProjectList::HeizArt, hp(kHeatNaturalGas));
        r.WirkGKessel = "92";
        OnEnter(r, &ProjectRecord::WirkGKessel);
        r.SpezHeizLeist = "110";
        OnEnter(r, &ProjectRecord::SpezHeizLeist);
    }

    // The worked example of the annual balance: 150 m², 120 kWh/(m²·a), heating oil, η 90 %, 10 % stand-by
    // losses, 0.6 per litre, electricity 0.2 per kWh, CO2 of electricity 0.6 kg/kWh.
    void EnterWorkedExample() {
        ProjectRecord& r = record_;
        r.WohnFL = "150";
        r.SpezHeizLeist = "120";
        r.HeizArt = hp(kHeatHeatingOil);
        r.WirkGKessel = "90";
        r.BereitStV = "10";
        r.BrennK = "0.6";
        r.EnergKost = "0.2";
        r.EnergyFactors = {2000, 1, 0.3, 1, 0.6};
    }

    ScopedTempDir dir_;
    ProjectRecord record_;
};

}  // namespace tervalo::test
