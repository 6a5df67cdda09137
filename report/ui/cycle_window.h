#pragma once

// The cycle window: the design point on the refrigerant's pressure-enthalpy diagram, the state points and
// figures beside it and the calculation step by step below. It opens beside the project window and follows
// every change of the project: Refresh() computes the view again from the record.

#include <QDialog>

#include "localisation/feature_texts.h"
#include "project/cycle_view/cycle_view.h"
#include "project/project_record.h"
#include "report/paint/cycle_diagram.h"

class QTableWidget;
class QLabel;

namespace tervalo {

class CycleWindow : public QDialog {
    Q_OBJECT
  public:
    // The window reads `record`, which outlives it.
    CycleWindow(const ProjectRecord& record, QWidget* parent = nullptr);

    void Refresh();

    const CycleView& view() const { return view_; }

  private:
    void SaveDiagram();

    const ProjectRecord& record_;
    FeatureTexts texts_;
    CycleDiagramTexts diagramTexts_;
    CycleView view_;
    QWidget* diagram_ = nullptr;
    QTableWidget* points_ = nullptr;
    QTableWidget* figures_ = nullptr;
    QTableWidget* working_ = nullptr;
};

// Raises the cycle window of `parent`, or opens one (deleted when closed). Returns it.
CycleWindow* ShowCycleWindow(const ProjectRecord& record, QWidget* parent);

}  // namespace tervalo
