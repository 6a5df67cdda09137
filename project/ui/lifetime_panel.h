#pragma once

// The lifetime panel of the project window: the inputs of the lifetime comparison (kept in Lifetime.dat,
// saved as soon as an input is confirmed) beside its results and the chart of cumulative cost and CO2. The
// first year's figures come from the project's annual balance, evaluated again whenever the window shows the
// project; while the window's annual results are not current, no lifetime figure is shown as current. The
// year-by-year table holds the grid's CO2 factor and the CO2 price, each typed over where wanted; the results
// end with how the net present value and the discounted payback move with the main assumptions.

#include <QFrame>
#include <functional>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/lifetime/lifetime_rows.h"
#include "project/lifetime/project_lifetime.h"
#include "project/paint/lifetime_chart.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tervalo {

struct ProjectRecord;

// The chart of the panel, drawn by the report's chart routine.
class LifetimeChartView : public QWidget {
  public:
    explicit LifetimeChartView(QWidget* parent);
    void Show(LifetimeChartData chartData, LifetimeChartTexts chartTexts, bool current);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LifetimeChartData data_;
    LifetimeChartTexts texts_;
    bool current_ = true;
};

class LifetimePanel : public QFrame {
    Q_OBJECT

  public:
    explicit LifetimePanel(QWidget* parent);

    // Reads Lifetime.dat (a damaged file gives the defaults and a notice) and shows the project.
    void Open(const ProjectRecord& record);
    // The project as the window now shows it: its balance again, and the results with it.
    void ShowProject(const ProjectRecord& record);

    QPushButton* closeButton() const { return close_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct NumberInput {
        QLineEdit* edit;
        std::function<double(const lifetime::LifetimeInputs&)> get;
        std::function<void(lifetime::LifetimeInputs&, double)> set;
        bool whole;  // years: whole numbers only
    };

    struct FlagInput {
        QCheckBox* box;
        bool lifetime::LifetimeInputs::*member;
    };

    QWidget* BuildInputs();
    QCheckBox* AddFlag(QGridLayout* grid, const char* name, int caption,
                       bool lifetime::LifetimeInputs::*member);
    QWidget* BuildResults();
    void AddNumber(QGridLayout* grid, const char* name, int caption, const QString& unit, bool whole,
                   std::function<double(const lifetime::LifetimeInputs&)> get,
                   std::function<void(lifetime::LifetimeInputs&, double)> set);
    QLabel* Label(int item);

    // Inputs into widgets; a typed number or a changed cell into the inputs.
    void ShowInputs();
    void NumberTyped(const NumberInput& input);
    void GridCellChanged(int row, int column);
    void ShowGridFactors();
    void ShowSensitivity(const lifetime::LifetimeResult* result, const lifetime::RowStyle& style);
    void FlagChanged();
    void PutDefaults();
    void Save();

    // The results of the inputs over the first year's figures.
    void ShowResults();
    void ShowNotice();

    FeatureTexts texts_;
    char separator_ = '.';
    lifetime::LifetimeInputs defaults_;
    lifetime::LifetimeInputs inputs_;
    lifetime::LifetimeInputs saved_;  // as Lifetime.dat holds them
    lifetime::ProjectLifetime project_;
    ProjectRecord record_;  // as last shown: the seasonal basis is evaluated again when it is switched
    bool fileDamaged_ = false;
    bool saveFailed_ = false;
    bool filling_ = false;  // widgets are being filled from the inputs, not typed into

    std::vector<NumberInput> numbers_;
    std::vector<FlagInput> flags_;
    QLineEdit* subsidy_ = nullptr;
    QLabel* subsidyUnit_ = nullptr;
    QLabel* discountUnit_ = nullptr;
    QLabel* basis_ = nullptr;
    QTableWidget* sensitivity_ = nullptr;
    QLabel* gridFactorToday_ = nullptr;
    QTableWidget* gridFactors_ = nullptr;
    QLabel* notice_ = nullptr;
    QWidget* results_ = nullptr;
    std::vector<QLabel*> resultCaptions_, resultValues_, resultUnits_;
    LifetimeChartView* chart_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace tervalo
