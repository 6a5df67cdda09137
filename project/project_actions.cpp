#include "project/project_actions.h"

#include "catalogue/catalogue_index.h"
#include "config/run_settings.h"
#include "config/settings_file.h"
#include "engine/file_access.h"
#include "engine/number_text.h"
#include "localisation/language_tables.h"
#include "project/calculation.h"
#include "project/input_rules.h"
#include "project/project_files.h"
#include "project/project_lists.h"
#include "project/window_texts.h"

namespace tervalo {

namespace {

constexpr char kEnterKey = 13;

void RefreshApplicationLimits(ProjectRecord& record) {
    record.ApplicationLimits = RefreshApplicationLimits(record.RefrigerantName, record.ApplicationLimits);
}

// Message 53 and the lowest evaporating temperature of the refrigerant, or message 55; nothing when the
// operating point can be calculated.
WindowMessages CheckOperatingPoint(const ProjectRecord& record) {
    // The plain leading number: "," ends it here.
    const double t0 = LeadingNumber(record.t0);
    const double tc = LeadingNumber(record.Tc);
    const int tMin = record.ApplicationLimits.tMin;
    if (t0 < tMin)
        return {Message(kMessageEvaporatingBelowLimit) + Settings.LineBreak + "tmin = " + PointFormat(tMin) +
                " " + std::string(TemperatureUnitLabel) + " !"};
    if (tc < t0) return {Message(kMessageCondensingBelowEvaporating)};
    return {};
}

void HoldLockUntilActivation(ProjectRecord& record) {
    record.CalculationLock = true;
    record.lockReleasedByActivation = true;
}

}  // namespace

void OnWindowLoad(ProjectRecord& record) {
    ReadProjectFile(record);
    record.RefrigerantName = "R22";
    HeatingTypeCaptions(record, false);
    OperatingPointRule(record);
    DistributionRule(record);

    FillLists(record);
    record.captions = ProjectWindowCaptions();
    record.Title = ProjectWindowTitle();
    if (!record.CalculationDone) {
        BuildRefrigerantList(record.RefrigerantName);
        CalculationRun(record);
    }
}

void OnWindowActivate(ProjectRecord& record, ActionLoads* loads) {
    ReadFuelPrices(record);
    if (!record.CalculationLock) CalculationRun(record, loads);
    if (record.lockReleasedByActivation) {
        record.CalculationLock = false;
        record.lockReleasedByActivation = false;
    }
}

namespace {

// The text becomes the list field's text, and the rules the list starts run.
void ChooseListEntry(ProjectRecord& record, ProjectList list, std::string_view text) {
    ListText(record, list) = std::string(text);
    switch (list) {
        case ProjectList::AnwendBereich:
        case ProjectList::Tempbereich:
            OperatingPointRule(record);
            break;
        case ProjectList::Klimazone:
        case ProjectList::AmbientT:
            SpecificDemandRule(record);
            OperatingPointRule(record);
            break;
        case ProjectList::HausTyp:
            SpecificDemandRule(record);
            StandbyRule(record);
            break;
        case ProjectList::Bereitstell:
            StandbyRule(record);
            break;
        case ProjectList::VFlsize:
            DistributionRule(record);
            break;
        case ProjectList::HeizArt:
            HeatingTypeCaptions(record, true);
            BoilerRule(record);
            break;
        case ProjectList::KesselWirk:
            BoilerRule(record);
            break;
        case ProjectList::Leitungsdimension:
        case ProjectList::Verdichterbauart:
        case ProjectList::WartungI:
            break;
    }
}

}  // namespace

void OnListChosen(ProjectRecord& record, ProjectList list, std::string_view text, ActionLoads* loads) {
    ChooseListEntry(record, list, text);
    CalculationRun(record, loads);
}

AnnualBalance OnListChosen(ProjectRecord& record, ProjectList list, std::string_view text,
                           const CalculationData& data) {
    ChooseListEntry(record, list, text);
    return DesignPointCalculation(record, data);
}

void OnHeizArtTextChanged(ProjectRecord& record, ActionLoads* loads) {
    BoilerRule(record);
    CalculationRun(record, loads);
}

void OnEinbindCheckClicked(ProjectRecord& record, bool checked, ActionLoads* loads) {
    record.EinbindCheck = checked;
    CalculationRun(record, loads);
}

WindowMessages OnEnter(ProjectRecord& record, std::string ProjectRecord::*field, ActionLoads* loads) {
    using R = ProjectRecord;
    if (field == &R::t0) return OnT0Key(record, kEnterKey, loads);
    if (field == &R::WohnFL || field == &R::BrennK || field == &R::WirkGKessel || field == &R::BereitStV) {
        CalculationRun(record, loads);
    } else if (field == &R::EnergKost) {
        RefreshApplicationLimits(record);
        CalculationRun(record, loads);
    } else if (field == &R::SpezHeizLeist) {
        ForwardFromSpecificDemand(record, loads);
    } else if (field == &R::GesHBDGeB) {
        BackCalculateFromBuildingDemand(record, loads);
    } else if (field == &R::GesHBDHeiz) {
        BackCalculateFromFuelEnergy(record, loads);
    } else if (field == &R::BrennStV) {
        BackCalculateFromFuelQuantity(record, loads);
    }
    return {};
}

WindowMessages OnT0Key(ProjectRecord& record, char key, ActionLoads* loads) {
    RefreshApplicationLimits(record);
    if (key != kEnterKey) return {};
    WindowMessages messages = CheckOperatingPoint(record);
    if (messages.empty()) CalculationRun(record, loads);
    return messages;
}

void OnCalculateCommand(ProjectRecord& record, ActionLoads* loads) {
    RefreshApplicationLimits(record);
    CalculationRun(record, loads);
}

bool OnAcceptCommand(const ProjectRecord& record) {
    return WriteProjectFile(record);
}

void OnPrintCommand(ProjectRecord& record) {
    HoldLockUntilActivation(record);
}

void OnHelpCommand(ProjectRecord& record) {
    HoldLockUntilActivation(record);
}

void OnFuelPriceCommand(ProjectRecord& record) {
    ReadFuelPrices(record);
    record.BK = record.FuelPriceTable;
    record.FuelPricePanelVisible = true;
}

bool OnFuelPriceAccept(ProjectRecord& record) {
    record.FuelPriceTable = record.BK;
    const bool written = WriteFuelPrices(record);
    record.FuelPricePanelVisible = false;
    return written;
}

void OnFuelPriceCancel(ProjectRecord& record) {
    record.FuelPricePanelVisible = false;
}

void OnClimateMapShow(ProjectRecord& record) {
    record.ClimateMapVisible = true;
}

void OnClimateMapHide(ProjectRecord& record) {
    record.ClimateMapVisible = false;
}

std::string FocusHint(std::string ProjectRecord::*field) {
    if (field == &ProjectRecord::WohnFL) return Message(kMessageLivingAreaHint);
    if (field == &ProjectRecord::t0) return Message(kMessageEvaporatingHint);
    if (field == &ProjectRecord::Tc) return Message(kMessageCondensingHint);
    return {};
}

bool RewriteProjectForLanguage(const std::string& fromCode, const std::string& toCode) {
    return RewriteProjectFileForLanguage(fromCode, toCode);
}

bool RewriteProjectAndStoreLanguage(const std::string& fromCode, const std::string& toCode,
                                    char decimalSeparator) {
    return ReplaceFilesTogether(kLanguageSwitchJournal,
                                {{kProjectFileName, ProjectBytesInLanguage(fromCode, toCode)},
                                 {kSettingsFileName, SettingsFileBytes(decimalSeparator)}});
}

}  // namespace tervalo
