#pragma once

// Seasonal.json: the inputs of the seasonal view, beside TempPart.dat in the program directory. The project's
// temperature differences and bivalent temperature, and the data sheet last typed in (in the form
// --seasonal-unit reads):
//
//   {"project": {"evaporator_difference_k": 7, "condenser_difference_k": 3, "bivalent_temperature": null},
//    "unit": {"climate": "average", ...}}
//
// Reading is forgiving: a missing file gives the defaults; a damaged one gives the defaults for what it does
// not hold and is reported, so that the view can say so. The unit is kept as its JSON text and parsed where
// it is shown.

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/seasonal/project_seasons.h"

namespace tervalo::seasonal {

inline constexpr const char* kSeasonalFileName = "Seasonal.json";

struct SeasonalFileRead {
    ProjectSeasonInputs project;
    std::optional<std::string> unitJson;  // the data sheet's member as JSON text
    bool damaged = false;
};

// The inputs clamped to what the method can take: differences from 0 to 30 K, a bivalent temperature from
// −30 to 15 °C.
ProjectSeasonInputs Sanitised(const ProjectSeasonInputs& inputs);

SeasonalFileRead ParseSeasonalFile(std::string_view bytes);
std::string SeasonalFileBytes(const ProjectSeasonInputs& project, const std::optional<std::string>& unitJson);

// From, or to, the current directory; saving replaces the file as a whole, false when it could not be
// written.
SeasonalFileRead LoadSeasonalFile();
bool SaveSeasonalFile(const ProjectSeasonInputs& project, const std::optional<std::string>& unitJson);

// The `seasonal` object of the project's JSON document: the three seasons with their bins.
std::string ProjectSeasonsJson(const ProjectSeasons& seasons, bool inputsFileDamaged);
nlohmann::ordered_json ProjectSeasonsObject(const ProjectSeasons& seasons, bool inputsFileDamaged);

// The `seasonal` object of the project as it stands, with the inputs of Seasonal.json in the current
// directory; its calculations take the loads of the action that forms the document.
std::string ProjectSeasonsMember(const ProjectRecord& record, ActionLoads* loads = nullptr);
// The same as a value, for a caller that adds it to its document or reads its figures without writing it.
nlohmann::ordered_json ProjectSeasonsMemberObject(const ProjectRecord& record, ActionLoads* loads = nullptr);

// The figures of a `seasonal` object without its bins, each under a dotted name ("Seasonal.cd",
// "Seasonal.average.scop", "Seasonal.colder.annual.break_even.fuel_price") in the object's order, its text as
// the JSON writes it (numbers with "." as decimal point, strings unquoted); nothing where the object holds
// null. The plain output of tervalo-calc and the window's CSV export name them alike.
struct SeasonalFigure {
    std::string name;
    std::optional<std::string> text;
};
std::vector<SeasonalFigure> SeasonalFigures(std::string_view memberJson);
// The same of the object as a value: a number that is not finite, which the JSON writes as null, is nothing.
std::vector<SeasonalFigure> SeasonalFiguresOf(const nlohmann::ordered_json& member);

// The bins of the three seasons as CSV (one row per season and bin, "." as decimal point), with the season's
// seasonal COP on each row; a header of the JSON member names.
std::string ProjectSeasonsCsv(const ProjectSeasons& seasons);

}  // namespace tervalo::seasonal
