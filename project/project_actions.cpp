#include "project/project_actions.h"

#include "catalogue/catalogue_index.h"
#include "engine/number_text.h"
#include "engine/refrigerant_catalogue.h"
#include "localisation/language_tables.h"
#include "project/calculation.h"
#include "project/input_rules.h"
#include "project/project_files.h"
#include "project/project_lists.h"
#include "project/window_texts.h"
#include "shell/run_settings.h"

namespace tervalo {

namespace {

constexpr char kEnterKey = 13;

void Run() {
    DesignPointCalculation();
}

// Message 53 and the lowest evaporating temperature of the refrigerant, or message 55; nothing when the
// operating point can be calculated.
WindowMessages CheckOperatingPoint(const ProjectRecord& record) {
    // The plain leading number: "," ends it here.
    const double t0 = LeadingNumber(record.t0);
    const double tc = LeadingNumber(record.Tc);
    if (t0 < TMin)
        return {Message(53) + Settings.LineBreak + "tmin = " + PointFormat(TMin) + " " +
                TemperatureUnitLabel + " !"};
    if (tc < t0) return {Message(55)};
    return {};
}

void HoldLockUntilActivation(ProjectRecord& record) {
    record.CalculationLock = true;
    record.lockReleasedByActivation = true;
}

}  // namespace

void OnWindowLoad() {
    ProjectRecord& record = Project();
    ReadProjectFile(record);
    RefrigerantName = "R22";
    HeatingTypeCaptions(record, false);
    OperatingPointRule(record);
    DistributionRule(record);

    FillLists(record);
    record.captions = ProjectWindowCaptions();
    record.Title = ProjectWindowTitle();
    if (!record.CalculationDone) {
        BuildRefrigerantList(RefrigerantName);
        Run();
    }
}

void OnWindowActivate() {
    ProjectRecord& record = Project();
    ReadFuelPrices(record);
    if (!record.CalculationLock) Run();
    if (record.lockReleasedByActivation) {
        record.CalculationLock = false;
        record.lockReleasedByActivation = false;
    }
}

void OnListChosen(ProjectList list, std::string_view text) {
    ProjectRecord& record = Project();
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
    Run();
}

void OnHeizArtTextChanged() {
    BoilerRule(Project());
    Run();
}

void OnEinbindCheckClicked(bool checked) {
    Project().EinbindCheck = checked;
    Run();
}

WindowMessages OnEnter(std::string ProjectRecord::*field) {
    using R = ProjectRecord;
    if (field == &R::t0) return OnT0Key(kEnterKey);
    if (field == &R::WohnFL || field == &R::BrennK || field == &R::WirkGKessel || field == &R::BereitStV) {
        Run();
    } else if (field == &R::EnergKost) {
        RefreshApplicationLimits();
        Run();
    } else if (field == &R::SpezHeizLeist) {
        ForwardFromSpecificDemand();
    } else if (field == &R::GesHBDGeB) {
        BackCalculateFromBuildingDemand();
    } else if (field == &R::GesHBDHeiz) {
        BackCalculateFromFuelEnergy();
    } else if (field == &R::BrennStV) {
        BackCalculateFromFuelQuantity();
    }
    return {};
}

WindowMessages OnT0Key(char key) {
    RefreshApplicationLimits();
    if (key != kEnterKey) return {};
    WindowMessages messages = CheckOperatingPoint(Project());
    if (messages.empty()) Run();
    return messages;
}

void OnCalculateCommand() {
    RefreshApplicationLimits();
    Run();
}

bool OnAcceptCommand() {
    return WriteProjectFile(Project());
}

void OnPrintCommand() {
    HoldLockUntilActivation(Project());
}

void OnHelpCommand() {
    HoldLockUntilActivation(Project());
}

void OnFuelPriceCommand() {
    ProjectRecord& record = Project();
    ReadFuelPrices(record);
    record.BK = record.FuelPriceTable;
    record.FuelPricePanelVisible = true;
}

bool OnFuelPriceAccept() {
    ProjectRecord& record = Project();
    record.FuelPriceTable = record.BK;
    const bool written = WriteFuelPrices(record);
    record.FuelPricePanelVisible = false;
    return written;
}

void OnFuelPriceCancel() {
    Project().FuelPricePanelVisible = false;
}

void OnClimateMapShow() {
    Project().ClimateMapVisible = true;
}

void OnClimateMapHide() {
    Project().ClimateMapVisible = false;
}

std::string FocusHint(std::string ProjectRecord::*field) {
    if (field == &ProjectRecord::WohnFL) return Message(38);
    if (field == &ProjectRecord::t0) return Message(39);
    if (field == &ProjectRecord::Tc) return Message(40);
    return {};
}

void RewriteProjectForLanguage(const std::string& fromCode, const std::string& toCode) {
    RewriteProjectFileForLanguage(fromCode, toCode);
}

}  // namespace tervalo
