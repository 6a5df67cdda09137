#pragma once

// The entries of the window's lists, all captions of the current language, and the entry texts that the rules
// compare list fields with.

#include <array>
#include <string>
#include <vector>

#include "localisation/caption_items.h"
#include "project/project_record.h"

namespace tervalo {

// The heat-pump caption items of the lists made of single captions, in list order: the window fills the lists
// with them and the rules find an entry's position by them.
inline constexpr std::array kApplicationItems{
    kHeatOutdoorAirToAir, kHeatOutdoorAirToWater, kHeatGroundWater, kHeatGroundCollector,
    kHeatSurfaceWater,    kHeatSolarAbsorber,     kHeatBorehole};
inline constexpr std::array kExposureItems{kHeatExposureLow, kHeatExposureNormal, kHeatExposureHigh};
inline constexpr std::array kClimateZoneItems{kHeatZone1, kHeatZone2, kHeatZone3, kHeatZone4};
inline constexpr std::array kSizeItems{kHeatSmall, kHeatMedium, kHeatLarge};
inline constexpr std::array kBoilerItems{kHeatStandardBoiler, kHeatLowTemperatureBoiler,
                                         kHeatCondensingBoiler, kHeatHighEfficiencyBoiler};

// Distribution types built from two captions: radiators of one of the sizes of kSizeItems.
std::string RadiatorEntry(int sizeItem);
// House types completed by the year of their insulation standard.
std::string InsulationStandardEntry(const char* year);

// The entries of a list in the order the window adds them (Tempbereich has none).
std::vector<std::string> ListEntries(ProjectList list);

// Number of entries of each list; the same in every language.
int ListEntryCount(ProjectList list);

// Fills all lists of the record from the current language.
void FillLists(ProjectRecord& record);

// The field that holds the text of a list.
std::string& ListText(ProjectRecord& record, ProjectList list);
const std::string& ListText(const ProjectRecord& record, ProjectList list);

}  // namespace tervalo
