#include "project/project_lists.h"

#include <span>

#include "localisation/language_tables.h"
#include "project/heating_kind.h"

namespace tervalo {

std::string RadiatorEntry(int sizeItem) {
    return HeatCaption(kHeatRadiators) + ", " + HeatCaption(sizeItem);
}

std::string InsulationStandardEntry(const char* year) {
    return HeatCaption(kHeatInsulationStandard) + " " + year;
}

namespace {

std::vector<std::string> Items(std::span<const int> items) {
    std::vector<std::string> entries;
    for (int item : items) entries.push_back(HeatCaption(item));
    return entries;
}

}  // namespace

std::vector<std::string> ListEntries(ProjectList list) {
    switch (list) {
        case ProjectList::AnwendBereich:
            return Items(kApplicationItems);
        case ProjectList::WartungI:
            return Items(kExposureItems);
        case ProjectList::Klimazone:
            return Items(kClimateZoneItems);
        case ProjectList::Bereitstell:
            return Items(kSizeItems);
        case ProjectList::VFlsize:
            return {HeatCaption(kHeatWarmAir), HeatCaption(kHeatUnderfloor), RadiatorEntry(kHeatSmall),
                    RadiatorEntry(kHeatMedium), RadiatorEntry(kHeatLarge)};
        case ProjectList::Leitungsdimension:
            return Items(kSizeItems);
        case ProjectList::Verdichterbauart:
            return {HeatCaption(kHeatHeatingSystem), HeatCaption(kHeatBuilding),
                    Caption(kCaptionScrollCompressor)};
        case ProjectList::HausTyp:
            return {HeatCaption(kHeatUninsulated),    HeatCaption(kHeatPartlyInsulated),
                    InsulationStandardEntry("1973"),  InsulationStandardEntry("1982"),
                    HeatCaption(kHeatLowEnergyHouse), HeatCaption(kHeatUltraLowEnergyHouse)};
        case ProjectList::AmbientT:
            return Items(kExposureItems);
        case ProjectList::HeizArt:
            return Items(kHeatingKindItems);
        case ProjectList::KesselWirk:
            return Items(kBoilerItems);
        case ProjectList::Tempbereich:
            return {};
    }
    return {};
}

int ListEntryCount(ProjectList list) {
    return static_cast<int>(ListEntries(list).size());
}

void FillLists(ProjectRecord& record) {
    for (int list = 0; list < kProjectListCount; ++list)
        record.lists[static_cast<std::size_t>(list)] = ListEntries(static_cast<ProjectList>(list));
}

namespace {

std::string ProjectRecord::*ListMember(ProjectList list) {
    switch (list) {
        case ProjectList::AnwendBereich:
            return &ProjectRecord::AnwendBereich;
        case ProjectList::WartungI:
            return &ProjectRecord::WartungI;
        case ProjectList::Klimazone:
            return &ProjectRecord::Klimazone;
        case ProjectList::Bereitstell:
            return &ProjectRecord::Bereitstell;
        case ProjectList::VFlsize:
            return &ProjectRecord::VFlsize;
        case ProjectList::Leitungsdimension:
            return &ProjectRecord::Leitungsdimension;
        case ProjectList::Verdichterbauart:
            return &ProjectRecord::Verdichterbauart;
        case ProjectList::HausTyp:
            return &ProjectRecord::HausTyp;
        case ProjectList::AmbientT:
            return &ProjectRecord::AmbientT;
        case ProjectList::HeizArt:
            return &ProjectRecord::HeizArt;
        case ProjectList::KesselWirk:
            return &ProjectRecord::KesselWirk;
        case ProjectList::Tempbereich:
            return &ProjectRecord::Tempbereich;
    }
    return &ProjectRecord::Tempbereich;
}

}  // namespace

std::string& ListText(ProjectRecord& record, ProjectList list) {
    return record.*ListMember(list);
}
const std::string& ListText(const ProjectRecord& record, ProjectList list) {
    return record.*ListMember(list);
}

}  // namespace tervalo
