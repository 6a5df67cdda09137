#pragma once

// The decision view beside the project window: every heat source by every heat distribution, each cell the
// full calculation on a copy of the project, and the tornado chart of the saving's sensitivity. It follows
// every change of the project (Refresh); a cell clicked, or Enter on it, hands its choice to the window,
// which applies it to the project as the user's two list choices would; Undo hands back the project as it was
// before, as long as the window offers it. Heat sources that give the same design point for every
// distribution are named once below the table. Esc closes the view alone.

#include <QDialog>
#include <functional>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/decision/sensitivity.h"
#include "project/decision/what_if.h"
#include "project/paint/sensitivity_chart.h"
#include "project/project_record.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tervalo {

class DecisionView : public QDialog {
    Q_OBJECT
  public:
    using ApplyCell = std::function<void(const decision::WhatIfCell&)>;
    // Undoing the last cell applied: `canUndo` tells whether there is one, `undo` puts the project back.
    struct UndoCell {
        std::function<bool()> canUndo;
        std::function<void()> undo;
    };

    // The view reads `record`, which outlives it.
    DecisionView(const ProjectRecord& record, ApplyCell apply, UndoCell undo, QWidget* parent = nullptr);

    // Computes the table and the chart again from the record; a hidden view waits until it is shown.
    void Refresh();
    // Offers Undo while the window has a cell to undo.
    void RefreshUndo();

    const std::vector<decision::WhatIfCell>& cells() const { return cells_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Apply(int row, int column);
    QString SameDesignPointText(const std::vector<std::vector<int>>& groups) const;

    const ProjectRecord& record_;
    ApplyCell apply_;
    UndoCell undo_;
    FeatureTexts texts_;
    std::vector<decision::WhatIfCell> cells_;
    decision::Sensitivity sensitivity_;
    SensitivityChartTexts chartTexts_;
    QTableWidget* table_ = nullptr;
    QWidget* chart_ = nullptr;
    QLabel* sameDesignPoint_ = nullptr;
    QPushButton* undoButton_ = nullptr;
};

}  // namespace tervalo
