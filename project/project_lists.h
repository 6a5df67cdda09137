#pragma once

// The entries of the window's lists, all captions of the current language, and the entry texts that the rules
// compare list fields with.

#include <string>
#include <vector>

#include "project/project_record.h"

namespace tervalo {

// Distribution types built from two captions: radiators (item 19) of the three sizes (items 8, 9, 10).
std::string RadiatorEntry(int sizeItem);
// House types completed by the year of their insulation standard (item 38).
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
