#pragma once

// The rules that derive default values when a list choice changes. Each reads and writes fields of the record
// and never fails: a text that matches no entry of the current language takes the rule's "other" row.

#include "project/project_record.h"

namespace tervalo {

// Application range, climate zone and ambient level → t0 (a whole number) and SuctionAllowance; the outdoor
// application (item 2) also sets Tc to 45 and the distribution type to floor heating.
void OperatingPointRule(ProjectRecord& record);

// Distribution type → Tc.
void DistributionRule(ProjectRecord& record);

// House type × climate zone × ambient level → SpezHeizLeist, kWh/(m²·a), rounded down.
void SpecificDemandRule(ProjectRecord& record);

// House type × stand-by situation → BereitStV, %.
void StandbyRule(ProjectRecord& record);

// Boiler type and heating type → WirkGKessel, % (empty for a boiler type that matches no entry).
void BoilerRule(ProjectRecord& record);

// Steps 1 and 2 of choosing a heating type: the captions Label21 and Label39, the units beside the fuel
// fields and, with `withPrice`, the default price into BrennK. A text of no heating kind leaves step 2
// undone.
void HeatingTypeCaptions(ProjectRecord& record, bool withPrice);

}  // namespace tervalo
