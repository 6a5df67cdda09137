#pragma once

// The decision view beside the project window: every heat source by every heat distribution, each cell the
// full calculation on a copy of the project, and the tornado chart of the saving's sensitivity. It follows
// every change of the project (Refresh); a cell clicked, or Enter on it, hands its choice to the window,
// which applies it to the project as the user's two list choices would. Esc closes the view alone.

#include <QDialog>
#include <functional>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/decision/sensitivity.h"
#include "project/decision/what_if.h"
#include "project/project_record.h"
#include "report/paint/sensitivity_chart.h"

class QLabel;
class QTableWidget;

namespace tervalo {

class DecisionView : public QDialog {
    Q_OBJECT
  public:
    using ApplyCell = std::function<void(const decision::WhatIfCell&)>;

    // The view reads `record`, which outlives it.
    DecisionView(const ProjectRecord& record, ApplyCell apply, QWidget* parent = nullptr);

    // Computes the table and the chart again from the record; a hidden view waits until it is shown.
    void Refresh();

    const std::vector<decision::WhatIfCell>& cells() const { return cells_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Apply(int row, int column);

    const ProjectRecord& record_;
    ApplyCell apply_;
    FeatureTexts texts_;
    std::vector<decision::WhatIfCell> cells_;
    decision::Sensitivity sensitivity_;
    SensitivityChartTexts chartTexts_;
    QTableWidget* table_ = nullptr;
    QWidget* chart_ = nullptr;
};

}  // namespace tervalo
