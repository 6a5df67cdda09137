#pragma once

// The seasonal panel of the project window. Its first tab runs the project's own refrigeration cycle through
// the three reference seasons (with the temperature differences and the bivalent temperature the user sets)
// and draws the view the seasonal report page draws; its second tab takes a unit's EN 14825 data sheet and
// shows its seasonal figures and bin chart. The inputs are kept in Seasonal.json, saved as soon as one is
// confirmed; the figures follow the project as the window shows it.

#include <QFrame>
#include <optional>
#include <string>

#include "localisation/feature_texts.h"
#include "project/paint/seasonal_page.h"
#include "project/project_record.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace tervalo {

// Draws the project's seasons (DrawSeasonalView) or a unit's bin chart.
class SeasonalView : public QWidget {
  public:
    explicit SeasonalView(QWidget* parent);
    void ShowSeasons(const SeasonalPage* page, std::size_t season);
    void ShowUnit(std::optional<seasonal::ProjectSeason> unit, const FeatureTexts* texts, char separator);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const SeasonalPage* page_ = nullptr;
    std::size_t season_ = 0;
    std::optional<seasonal::ProjectSeason> unit_;
    const FeatureTexts* texts_ = nullptr;
    char separator_ = '.';
};

class SeasonalPanel : public QFrame {
    Q_OBJECT

  public:
    explicit SeasonalPanel(QWidget* parent);

    // Reads Seasonal.json and shows the project.
    void Open(const ProjectRecord& record);
    // The project as the window now shows it.
    void ShowProject(const ProjectRecord& record);

    QPushButton* closeButton() const { return close_; }
    const SeasonalPage& page() const { return page_; }

  private:
    QWidget* BuildProjectTab();
    QWidget* BuildUnitTab();
    QLabel* Label(int item, QWidget* parent);

    void ProjectInputTyped();
    void UnitChanged();
    std::string ShowUnitFigures();  // the form's data sheet evaluated and shown; its JSON
    void ShowUnitInputs(const std::string& json);
    std::string UnitJsonOfForm() const;
    void Save();
    void Export();

    FeatureTexts texts_;
    ProjectRecord record_;  // the project as the window last showed it
    SeasonalPage page_;
    std::optional<std::string> unitJson_;
    bool filling_ = false;

    QTabWidget* tabs_ = nullptr;
    QLineEdit* evaporator_ = nullptr;
    QLineEdit* condenser_ = nullptr;
    QLineEdit* bivalent_ = nullptr;
    QComboBox* chartSeason_ = nullptr;
    SeasonalView* projectView_ = nullptr;

    QComboBox* climate_ = nullptr;
    QComboBox* flow_ = nullptr;
    QComboBox* source_ = nullptr;
    QCheckBox* reversible_ = nullptr;
    QLineEdit* designLoad_ = nullptr;
    QLineEdit* unitBivalent_ = nullptr;
    QLineEdit* operationLimit_ = nullptr;
    QTableWidget* points_ = nullptr;
    QLineEdit* offMode_[4] = {};
    QLabel* unitResult_ = nullptr;
    SeasonalView* unitView_ = nullptr;

    QPushButton* export_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace tervalo
