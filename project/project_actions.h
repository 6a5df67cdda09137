#pragma once

// What the project window's events start. Each action runs the rules, back-calculations and calculation runs
// on the record the window hands in, in the order the window defines, and returns the messages the window
// must show (message boxes with an OK button) instead of showing them. An action that is part of a larger one
// (a row of a batch) takes that action's loads; alone it loads for itself. The window copies a widget's text
// into the record before it calls the action and shows the record's texts afterwards.
//
// Road of a change, for example a new climate zone: OnListChosen(Klimazone) → specific-demand rule and
// operating-point rule (SpezHeizLeist, t0, SuctionAllowance) → DesignPointCalculation (cycle at t0/Tc, COP) →
// AnnualCostComparison (annual results into the record's fields and labels).

#include <string>
#include <string_view>
#include <vector>

#include "project/calculation.h"
#include "project/project_record.h"

namespace tervalo {

using WindowMessages = std::vector<std::string>;

// Window load: reads TempPart.dat (the refrigerant is R22 in every project), applies the heating-type
// captions, the operating-point and the distribution rule, fills the lists, captions and title, and, before
// the first calculation of the program run, writes the catalogue index and runs a calculation.
void OnWindowLoad(ProjectRecord& record);

// Window activation (also after a modal window of this window closes): reads SpezBK.dat into FuelPriceTable
// and runs a calculation unless CalculationLock is set. A lock set by the print or help command lasts until
// this activation, which follows the closing of their window, and is released here.
void OnWindowActivate(ProjectRecord& record, ActionLoads* loads = nullptr);

// An entry chosen in a list (the text becomes the list field's text), with the rules that list starts.
void OnListChosen(ProjectRecord& record, ProjectList list, std::string_view text,
                  ActionLoads* loads = nullptr);
// The same on a variant of the project (a copy of the record): the run uses `data`, loaded once for any
// number of variants, so the choice touches no file. Returns the run's balance.
AnnualBalance OnListChosen(ProjectRecord& record, ProjectList list, std::string_view text,
                           const CalculationData& data);

// The text of HeizArt changed by typing (not by choosing an entry, which is OnListChosen): boiler rule, run.
void OnHeizArtTextChanged(ProjectRecord& record, ActionLoads* loads = nullptr);

// EinbindCheck clicked into the given state: run.
void OnEinbindCheckClicked(ProjectRecord& record, bool checked, ActionLoads* loads = nullptr);

// Enter in a text field: WohnFL, BrennK, WirkGKessel, BereitStV run; EnergKost refreshes the application
// limits and runs; SpezHeizLeist, GesHBDGeB, GesHBDHeiz, BrennStV take their forward step or
// back-calculation; t0 the check of the operating point; Tc and the other fields nothing.
WindowMessages OnEnter(ProjectRecord& record, std::string ProjectRecord::*field,
                       ActionLoads* loads = nullptr);

// A key pressed in t0: the application limits are refreshed; Enter (13) checks the operating point and runs
// when it is usable, or returns the message why not (below the refrigerant's TMin, or Tc below t0).
WindowMessages OnT0Key(ProjectRecord& record, char key, ActionLoads* loads = nullptr);

// Rechbutt: refreshes the application limits and runs, without checks.
void OnCalculateCommand(ProjectRecord& record, ActionLoads* loads = nullptr);

// Abbrechen (accept): saves TempPart.dat; the window then closes. False when the file could not be written.
bool OnAcceptCommand(const ProjectRecord& record);

// Command3D2 (cancel) and closing by the window frame need nothing of the record: the window closes unsaved.

// Printbutt and Command3D3 (help): set CalculationLock, so the activation after their modal window starts no
// calculation. The window then writes the results file or shows the help box.
void OnPrintCommand(ProjectRecord& record);
void OnHelpCommand(ProjectRecord& record);

// Command3D4: reads SpezBK.dat and shows the prices in BK50 to BK53 on the fuel-price panel.
void OnFuelPriceCommand(ProjectRecord& record);
// OKbutt on the panel: the prices become FuelPriceTable and are written to SpezBK.dat; BrennK keeps its text
// until a heating type is chosen again. False when the file could not be written.
bool OnFuelPriceAccept(ProjectRecord& record);
// Abbbutt or Command3D5: hides the panel without saving.
void OnFuelPriceCancel(ProjectRecord& record);

// KlimaZButt shows the climate-zone map; clicks on the window's panels hide it.
void OnClimateMapShow(ProjectRecord& record);
void OnClimateMapHide(ProjectRecord& record);

// The hint the main window's information label shows while WohnFL, t0 or Tc has the focus (empty for others).
std::string FocusHint(std::string ProjectRecord::*field);

// The language commands' step that rewrites the saved project into the new language; false when the file
// could not be rewritten.
bool RewriteProjectForLanguage(const std::string& fromCode, const std::string& toCode);

// The same step together with the settings file, which then names the new language (already in the run
// settings): both files are replaced as one through the switch's journal, so that a failure leaves both as
// they were and a kill leaves the journal the next start completes; both files always name one language.
// `decimalSeparator` is the system's. False on failure.
bool RewriteProjectAndStoreLanguage(const std::string& fromCode, const std::string& toCode,
                                    char decimalSeparator);

}  // namespace tervalo
