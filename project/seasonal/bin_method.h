#pragma once

// Seasonal COP of a heat pump by the bin method of EN 14825 for space heating: the heating season split into
// 1 K bins of outdoor temperature with their hours, the building's load falling linearly from the design load
// at the design temperature to nothing at 16 °C, the unit's declared capacity and COP interpolated to each
// bin, cycling losses where the unit runs at part load, and an electric back-up where it cannot keep up.
// Standard library only: the data-sheet input, the project's own cycle and every view share it.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tervalo::seasonal {

enum class Climate { Average, Colder, Warmer };
enum class Source { Air, Brine, Water };

inline constexpr std::array<Climate, 3> kClimates = {Climate::Average, Climate::Colder, Climate::Warmer};

// Hours of one 1 K bin of a reference season.
struct SeasonBin {
    int t_C;       // T_j, outdoor temperature
    double hours;  // h_j
};

// A reference heating season: its bins with hours (warmest bin 15 °C) and its design temperature.
struct Season {
    Climate climate;
    double designTemperature_C;   // T_designh: −10 average, −22 colder, +2 warmer
    double equivalentHours;       // H_HE: equivalent full-load hours of the season (Regulation 811/2013)
    std::vector<SeasonBin> bins;  // bins with hours > 0, coldest first
};

const Season& ReferenceSeason(Climate climate);

// Off-mode hours of the season: thermostat-off, stand-by, crankcase heater, off (h/a).
struct OffModeHours {
    double thermostatOff = 0;  // H_TO
    double standby = 0;        // H_SB
    double crankcase = 0;      // H_CK
    double off = 0;            // H_OFF
};
OffModeHours SeasonOffModeHours(Climate climate, bool reversible);

// The part load at T_j: (T_j − 16)/(T_design − 16).
double PartLoad(double t_C, double designTemperature_C);

// One declared point of the data sheet.
struct DeclaredPoint {
    double t_C;                // T_j
    double capacity_kW;        // P_dh
    double cop;                // COP_d
    std::optional<double> cd;  // C_dh; 0.9 where none is given
};

inline constexpr double kDefaultDegradation = 0.9;

// The declared capacity, COP and degradation coefficient at a temperature: linear between the declared
// points, linear from the last two above the warmest (never below half the warmest point's values), the
// coldest point's values below it; C_d between the points and held at the nearest point beyond them. `points`
// sorted by temperature, no temperature twice, not empty.
struct DeclaredAt {
    double capacity_kW;
    double cop;
    double cd;
};
DeclaredAt InterpolateDeclared(const std::vector<DeclaredPoint>& points, double t_C);

// Off-mode powers of the data sheet, kW.
struct OffModePowers {
    double thermostatOff_kW = 0;  // P_TO
    double standby_kW = 0;        // P_SB
    double crankcase_kW = 0;      // P_CK
    double off_kW = 0;            // P_OFF
};

struct UnitDeclaration {
    Climate climate = Climate::Average;
    Source source = Source::Air;
    bool reversible = false;
    double designLoad_kW = 0;           // P_designh
    double bivalent_C = 0;              // T_biv
    double operationLimit_C = 0;        // TOL
    std::vector<DeclaredPoint> points;  // sorted by temperature, each temperature once
    OffModePowers offMode;
    // C_d of every point replaced by this value (1: no cycling losses, as certified brine and water units
    // are rated); nothing: each point's own or 0.9.
    std::optional<double> cdOverride;
};

// What the bin method gives for one bin.
struct BinResult {
    int t_C;
    double hours;
    double partLoad;          // pl(T_j)
    double load_kW;           // P_h(T_j)
    double capacity_kW;       // P_dh(T_j) as declared or interpolated
    double cop;               // COP_bin: with cycling losses at part load, 0 below TOL (the unit is off)
    double backup_kW;         // elbu(T_j): heat the back-up covers
    double heatPumpHeat_kWh;  // h_j × (P_h − elbu)
    double backupHeat_kWh;    // h_j × elbu
    double heatPumpElectricity_kWh;  // h_j × (P_h − elbu)/COP_bin
};

struct SeasonalResult {
    Climate climate;
    double designTemperature_C;
    double equivalentHours;
    double scopOn;                 // SCOP_on: active mode, back-up included
    double scopNet;                // SCOP_net: the heat pump's own part, no back-up
    double scop;                   // SCOP: off-mode consumption included
    double etaS_pct;               // η_s, seasonal space heating energy efficiency
    double heatDemand_kWh;         // Q_H = P_design × H_HE
    double annualElectricity_kWh;  // Q_HE = Q_H/SCOP_on + off-mode consumption
    double offModeElectricity_kWh;
    double backupHeat_kWh;           // Σ h_j × elbu
    double backupShare;              // backup heat / Σ h_j × P_h
    double heatPumpElectricity_kWh;  // Σ h_j × (P_h − elbu)/COP_bin
    std::vector<BinResult> bins;
};

// The bin method over the declaration. The declaration must be valid (CheckDeclaration).
SeasonalResult EvaluateSeason(const UnitDeclaration& unit);

// η_s from SCOP: 100 × SCOP/2.5 − 3 for air, − 8 for brine and water (the primary energy factor 2.5 and the
// corrections for temperature controls and the source pumps).
double SeasonalEfficiency_pct(double scop, Source source);

// What is wrong with a declaration (the message names the member: "points", "design_load_kw",
// "operation_limit"), nothing when it is sound: a design load, capacities and COPs above 0 and finite, at
// least one point, points sorted with each temperature once, C_d from 0 to 1, TOL not above T_biv, off-mode
// powers of 0 or more.
std::optional<std::string> CheckDeclaration(const UnitDeclaration& unit);

}  // namespace tervalo::seasonal
