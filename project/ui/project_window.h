#pragma once

// The project window: one building, its existing heating and the heat pump that is to replace it, with the
// results of the design point and of the annual comparison beside the inputs.
//
// The window holds no logic of its own. Before every action it copies the texts of its widgets into the
// project record, then calls the project part's action for the event (project_actions.h), then shows the
// record's texts again and any message the action returned. A list choice or an Enter thus runs the rules and
// the calculation on exactly what the window shows.
//
// With the record shown, the saving and the break-even figures are evaluated on a copy of it, and the
// decision view (when open) computes its variants on copies too; a variant chosen there comes back as the two
// list choices a user would make.

#include <QDialog>
#include <QSize>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/project_record.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace tervalo {

namespace decision {
struct WhatIfCell;
}

class CommandPicture;
class LifetimePanel;
class SeasonalPanel;
class Projektdaten;
struct ProjectFieldInfo;

// What the project window starts outside the project part.
struct ProjectWindowCommands {
    // Puts the focus hints of the living area, t0 and Tc into the main window's information label.
    std::function<void(const std::string&)> showHint;
    // The print command's report: writes the results file from the record and shows the results view.
    std::function<void(const ProjectRecord&, QWidget* parent)> print;
    // The topic the help command opens the help box on.
    std::string helpTopic;
    // The cycle command: opens the cycle view of the record beside the window. No button when empty.
    std::function<void(const ProjectRecord&, Projektdaten& window)> showCycle;
    // Where the size the user last gave the window is kept for the next opening (the caller keeps it for the
    // run); none, or an empty size, opens the window as large as its content within the screen.
    QSize* rememberedSize = nullptr;
};

class Projektdaten : public QDialog {
    Q_OBJECT

  public:
    // The window works on `record`, which outlives it: each opening starts from empty fields and the record's
    // run-time values.
    Projektdaten(ProjectRecord& record, ProjectWindowCommands commands, QWidget* parent = nullptr);

    // The activation steps: fuel prices read, a calculation unless locked. Run when the window first shows
    // and after each window it opens itself has closed.
    void Activate();

    // Cancelling (Esc, the cancel button, the close box) asks before discarding edits made in the window.
    void reject() override;
    void done(int result) override;

  signals:
    // The record's texts are shown again after an action: views of the record follow it.
    void RecordShown();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Building the window (project_window_layout.cpp).
    void CreateFieldWidgets();
    QWidget* BuildBuildingSection();
    QWidget* BuildHeatingSection();
    QWidget* BuildHeatPumpSection();
    QWidget* BuildComparisonSection();
    QWidget* BuildDecisionSection();
    QWidget* BuildCommandRow();
    void BuildFuelPricePanel();
    void BuildClimateMapPanel();
    void BuildLifetimePanel();
    void BuildSeasonalPanel();
    void PlaceFurtherResults();
    QString CaptionText(std::string_view control) const;
    QLabel* Caption(const char* control);
    QLabel* UnitLabel(const std::string& text);
    CommandPicture* AddCommand(const char* name, const char* twinName, const char* pictureFile,
                               void (Projektdaten::*command)(), QWidget* parent, double sizeTwips);
    void PlaceOverlays();

    // Widgets and record.
    QWidget* Field(const char* name) const;
    // Also marks the results that inputs typed since the last run affect.
    void TakeWidgetTexts();
    // A text typed without Enter: the record takes it and the marks and decision figures follow.
    void InputTyped();
    void ShowRecord();
    // The line that names why greyed results are not current (result_marks_view.h).
    void AddStaleResultsLine();
    // The saving and the break-even figures of the results shown (project_window_decision.cpp).
    void ShowDecisionFigures();
    void ShowMessages(const std::vector<std::string>& messages);
    // Widget texts into the record, the action, the record back into the widgets.
    void Act(const std::function<void()>& action);

    // The opening size: the remembered one, else all of the content, within the screen
    // (project_window_size.cpp).
    void SizeForScreen();

    // Focus chain, shortcuts and names of the inputs (project_window_keyboard.cpp).
    void LinkKeyboard();

    // Safeguards for what the user typed (project_window_guards.cpp).
    void WatchEdits();
    bool CloseOpenOverlay();
    void MarkFields();

    // Events.
    void ListChosen(const ProjectFieldInfo& field);
    void EnterPressed(const ProjectFieldInfo& field);
    void T0KeyPressed(char key);
    void CalculateCommand();
    void AcceptCommand();
    void PrintCommand();
    void HelpCommand();
    void CycleCommand();
    void DecisionCommand();
    void ExportCommand();
    // A cell of the decision view: its heat source, then its distribution, chosen as in the lists. The
    // project before it is kept for Undo until the user changes the project otherwise.
    void ApplyVariant(const decision::WhatIfCell& cell);
    void UndoVariant();
    void FuelPriceCommand();
    void FuelPriceAccept();
    void FuelPriceCancel();
    void ClimateMapShow();
    void ClimateMapHide();
    void LifetimeShow();
    void LifetimeHide();
    void SeasonalShow();
    void SeasonalHide();
    void CoverContent(bool covered);

    ProjectRecord& record_;
    ProjectWindowCommands commands_;
    std::map<std::string, QWidget*, std::less<>> fields_;  // by control name
    std::map<std::string, QLabel*, std::less<>> captions_;
    QGridLayout* heatPumpGrid_ = nullptr;
    int furtherResultsRow_ = 0;  // of heatPumpGrid_: the results the layout does not place
    QLineEdit* t0_ = nullptr;
    QFrame* fuelPricePanel_ = nullptr;
    QFrame* climateMapPanel_ = nullptr;
    LifetimePanel* lifetimePanel_ = nullptr;
    SeasonalPanel* seasonalPanel_ = nullptr;
    QLabel* staleResultsLine_ = nullptr;
    FeatureTexts resultMarkTexts_;
    bool firstShow_ = true;
    bool edited_ = false;  // an input was changed since the window opened
    FeatureTexts aids_;    // the texts of the safeguards
    FeatureTexts decisionTexts_;
    std::array<QLabel*, 7> decisionFigures_{};  // in the order of decision::DecisionRows
    std::array<QLabel*, 7> decisionUnits_{};
    QLabel* decisionNote_ = nullptr;
    std::vector<ProjectRecord> beforeVariants_;  // the project before each cell applied, the last on top
    bool keepVariantUndo_ = false;               // set while a cell is applied or the window activated
};

}  // namespace tervalo
