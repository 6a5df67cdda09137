#pragma once

// The project: one building, its existing heating and the heat pump that is to replace it, held as the texts
// that the project window shows (bytes in the language's code page), together with the run-time values of the
// project part. Each program's main() owns one record and hands it to the windows and actions. The window is
// the data: every rule and every calculation run reads its inputs from these texts and writes its results
// back into them. The window only binds its widgets to this record and calls the actions of
// project_actions.h.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/cycle_state.h"
#include "engine/refrigerant_catalogue.h"
#include "project/result_currency.h"
#include "project/result_fields.h"

namespace tervalo {

// The lists of the window (the eleven that the window fills, and Tempbereich, which stays empty).
enum class ProjectList {
    AnwendBereich,
    WartungI,
    Klimazone,
    Bereitstell,
    VFlsize,
    Leitungsdimension,
    Verdichterbauart,
    HausTyp,
    AmbientT,
    HeizArt,
    KesselWirk,
    Tempbereich,
};
inline constexpr int kProjectListCount = 12;

// A caption of the window: the control's name and its text.
struct ControlCaption {
    std::string control;
    std::string text;
};

struct ProjectRecord {
    // Building.
    std::string WohnFL;         // heated living area, m²
    std::string HausTyp;        // list: house type (building age class)
    std::string Klimazone;      // list: climate zone
    std::string AmbientT;       // list: ambient level of the location
    std::string SpezHeizLeist;  // specific annual heat demand, kWh/(m²·a)
    // GesHBDGeB, the building's annual heat demand: a result (below).

    // Existing heating.
    std::string HeizArt;      // list: heating type (selects the HeatingKind)
    std::string KesselWirk;   // list: boiler type
    std::string WirkGKessel;  // annual efficiency of the boiler, %
    std::string Bereitstell;  // list: stand-by situation
    std::string BereitStV;    // stand-by and distribution losses, %
    std::string BrennK;       // fuel price per fuel unit
    // BrennStV and GesHBDHeiz, the annual fuel quantity and energy: results (below).

    // Heat pump.
    std::string AnwendBereich;  // list: application range
    std::string VFlsize;        // list: heat-distribution type with its supply temperature
    std::string t0;             // evaporating temperature of the design point, °C
    std::string Tc;             // condensing temperature of the design point, °C
    std::string EnergKost;      // electricity price per kWh
    bool EinbindCheck = false;  // integrated into the existing system (stand-by losses apply)
    // GesEnergWP, the heat pump's annual electricity: a result (below).

    // Saved with the project; enter no calculation.
    std::string Leitungsdimension;
    std::string Verdichterbauart;
    std::string WartungI;
    std::string Tempbereich;

    // The results a calculation run writes, one text each, declared from their list (result_fields.h): the
    // result labels (not saved) and the four inputs the rules fill that the run overwrites (saved).
#define TERVALO_RESULT_MEMBER(name, ...) std::string name;
    TERVALO_RESULT_FIELDS(TERVALO_RESULT_MEMBER)
#undef TERVALO_RESULT_MEMBER

    // Unit labels and heating-type captions written by the heating-type rule.
    std::string BrennStKeinh;  // price unit beside BrennK
    std::string BrennstVUnit;  // quantity unit beside BrennStV
    std::string Label21;
    std::string Label39;

    // The fuel-price panel: the price boxes BK50 to BK53 and whether the panel is shown.
    std::array<std::string, 4> BK;
    bool FuelPricePanelVisible = false;
    // Whether the climate-zone map is shown.
    bool ClimateMapVisible = false;

    // Set when the window initialises: list entries, captions of labels and buttons, and the window title.
    std::array<std::vector<std::string>, kProjectListCount> lists;
    std::vector<ControlCaption> captions;
    std::string Title;

    // Run-time values of the project part; they outlive the window.
    double SuctionAllowance = 0;            // K; set by the operating-point rule
    bool CalculationLock = false;           // while set, activation starts no run and back-calculations rest
    bool CalculationDone = false;           // a calculation has run in this program run
    bool lockReleasedByActivation = false;  // the lock was set by the print or help command (see actions)
    std::array<std::string, 4> FuelPriceTable;  // default prices of the four heating kinds, texts as typed
    std::array<double, 5> EnergyFactors{};  // energk.dat as read by the last run; [1] is 1 after every run
    char DecimalSeparator = '.';            // the system locale's, for the numbers in the regional form
    std::string RefrigerantName;            // "R22" from the window's load on; compared exactly everywhere
    TemperatureLimits ApplicationLimits;    // TMin and TMax of RefrigerantName, °C, as last refreshed
    CycleStateRecord CycleState;            // the state points of the last cycle run
    ResultCurrency Results;                 // which result texts the last run wrote, and why not the others
};

// The window closes and opens again: all texts, lists and captions empty, the run-time values kept.
void ClearProjectWindow(ProjectRecord& record);

}  // namespace tervalo
