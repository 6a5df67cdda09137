#include "project/project_lists.h"

#include "localisation/language_tables.h"

namespace tervalo {

std::string RadiatorEntry(int sizeItem) {
    return HeatCaption(19) + ", " + HeatCaption(sizeItem);
}

std::string InsulationStandardEntry(const char* year) {
    return HeatCaption(38) + " " + year;
}

namespace {

std::vector<std::string> Items(std::initializer_list<int> items) {
    std::vector<std::string> entries;
    for (int item : items) entries.push_back(HeatCaption(item));
    return entries;
}

}  // namespace

std::vector<std::string> ListEntries(ProjectList list) {
    switch (list) {
        case ProjectList::AnwendBereich:
            return Items({2, 3, 4, 5, 52, 6, 7});
        case ProjectList::WartungI:
            return Items({43, 44, 45});
        case ProjectList::Klimazone:
            return Items({46, 47, 48, 49});
        case ProjectList::Bereitstell:
            return Items({8, 9, 10});
        case ProjectList::VFlsize:
            return {HeatCaption(18), HeatCaption(20), RadiatorEntry(8), RadiatorEntry(9), RadiatorEntry(10)};
        case ProjectList::Leitungsdimension:
            return Items({8, 9, 10});
        case ProjectList::Verdichterbauart:
            return {HeatCaption(32), HeatCaption(33), Caption(88)};
        case ProjectList::HausTyp:
            return {HeatCaption(36),
                    HeatCaption(37),
                    InsulationStandardEntry("1973"),
                    InsulationStandardEntry("1982"),
                    HeatCaption(39),
                    HeatCaption(40)};
        case ProjectList::AmbientT:
            return Items({43, 44, 45});
        case ProjectList::HeizArt:
            return Items({21, 22, 55, 56});
        case ProjectList::KesselWirk:
            return Items({14, 15, 16, 17});
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
