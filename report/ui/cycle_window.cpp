#include "report/ui/cycle_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/run_settings.h"
#include "localisation/code_page.h"
#include "localisation/cycle_texts.h"
#include "project/cycle_view/state_rows.h"
#include "project/cycle_view/trace_rows.h"
#include "report/paint/cycle_diagram.h"
#include "widgets/message_box.h"
#include "widgets/screen_fit.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

QString Text(const FeatureTexts& texts, int item) {
    return QString::fromStdString(CodePageToUtf8(texts[item], texts.codePage()));
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The diagram, drawn again at every size.
class DiagramWidget : public QWidget {
  public:
    DiagramWidget(const CycleView& view, const CycleDiagramTexts& texts, QWidget* parent)
        : QWidget(parent), view_(view), texts_(texts) {
        setMinimumSize(420, 320);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        DrawCycleDiagram(painter, QRectF(rect()).adjusted(8, 8, -8, -8), view_, texts_);
    }

  private:
    const CycleView& view_;
    const CycleDiagramTexts& texts_;
};

QTableWidget* Table(int columns, QWidget* parent) {
    auto* table = new QTableWidget(0, columns, parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->hide();
    table->setWordWrap(false);
    return table;
}

void SetRow(QTableWidget* table, int row, const std::vector<std::string>& cells, int rightFrom) {
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
        auto* item = new QTableWidgetItem(Utf8(cells[static_cast<std::size_t>(column)]));
        if (column >= rightFrom) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

}  // namespace

CycleWindow::CycleWindow(const ProjectRecord& record, QWidget* parent)
    : QDialog(parent), record_(record), texts_(LoadFeatureTexts(cycle_texts::kFile, Settings.LanguageCode)) {
    setObjectName(QStringLiteral("CycleWindow"));
    setWindowTitle(Text(texts_, cycle_texts::kTitle));
    setSizeGripEnabled(true);

    diagramTexts_ = {texts_, record.RefrigerantName, ShownSeparator()};
    diagram_ = new DiagramWidget(view_, diagramTexts_, this);

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    auto* pointsHeading = new QLabel(Text(texts_, cycle_texts::kStatePoints), side);
    QFont bold = pointsHeading->font();
    bold.setBold(true);
    pointsHeading->setFont(bold);
    points_ = Table(6, side);
    points_->setObjectName(QStringLiteral("StatePoints"));
    QStringList headings;
    for (const std::string& heading : StatePointHeadings(texts_)) headings << Utf8(heading);
    points_->setHorizontalHeaderLabels(headings);
    auto* figuresHeading = new QLabel(Text(texts_, cycle_texts::kDesignPoint), side);
    figuresHeading->setFont(bold);
    figures_ = Table(3, side);
    figures_->setObjectName(QStringLiteral("Figures"));
    figures_->horizontalHeader()->hide();
    sideLayout->addWidget(pointsHeading);
    sideLayout->addWidget(points_, 3);
    sideLayout->addWidget(figuresHeading);
    sideLayout->addWidget(figures_, 4);

    auto* top = new QSplitter(Qt::Horizontal, this);
    top->addWidget(diagram_);
    top->addWidget(side);
    top->setStretchFactor(0, 1);
    top->setStretchFactor(1, 1);
    top->setSizes({620, 560});

    auto* bottom = new QWidget(this);
    auto* bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    auto* workingHeading = new QLabel(Text(texts_, cycle_texts::kWorking), bottom);
    workingHeading->setFont(bold);
    working_ = Table(5, bottom);
    working_->setObjectName(QStringLiteral("Working"));
    working_->setHorizontalHeaderLabels(
        {Text(texts_, cycle_texts::kQuantity), Text(texts_, cycle_texts::kFormula),
         Text(texts_, cycle_texts::kNumbers), Text(texts_, cycle_texts::kResult),
         Text(texts_, cycle_texts::kShown)});
    bottomLayout->addWidget(workingHeading);
    bottomLayout->addWidget(working_);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(top);
    split->addWidget(bottom);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    auto* save = new QPushButton(Text(texts_, cycle_texts::kSaveDiagram), this);
    save->setObjectName(QStringLiteral("SaveDiagram"));
    auto* close = new QPushButton(Text(texts_, cycle_texts::kClose), this);
    close->setObjectName(QStringLiteral("Close"));
    connect(save, &QPushButton::clicked, this, &CycleWindow::SaveDiagram);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch(1);
    buttons->addWidget(close);

    // The diagram and the tables scroll on a small screen; the commands below them stay in view.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrollingPart(split, this), 1);
    layout->addLayout(buttons);
    ResizeWithinScreen(this, QSize(1180, 820));
    Refresh();
}

void CycleWindow::Refresh() {
    view_ = CycleViewOf(record_);
    diagramTexts_.refrigerant = record_.RefrigerantName;
    const char separator = ShownSeparator();
    diagramTexts_.decimalSeparator = separator;

    const std::vector<StatePointRow> points = StatePointRows(view_, texts_, separator);
    points_->setRowCount(static_cast<int>(points.size()));
    for (int row = 0; row < static_cast<int>(points.size()); ++row) {
        const StatePointRow& p = points[static_cast<std::size_t>(row)];
        SetRow(points_, row, {p.number, p.temperature, p.pressure, p.enthalpy, p.density, p.name}, 1);
        points_->item(row, 5)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    points_->resizeColumnsToContents();

    const std::vector<FigureRow> figures = FigureRows(view_, texts_, separator);
    figures_->setRowCount(static_cast<int>(figures.size()));
    for (int row = 0; row < static_cast<int>(figures.size()); ++row) {
        const FigureRow& f = figures[static_cast<std::size_t>(row)];
        SetRow(figures_, row, {f.name, f.value, f.unit}, 1);
    }
    figures_->resizeColumnsToContents();

    const std::vector<TraceRow> steps = TraceRows(view_.trace, texts_, separator);
    working_->setRowCount(static_cast<int>(steps.size()));
    for (int row = 0; row < static_cast<int>(steps.size()); ++row) {
        const TraceRow& s = steps[static_cast<std::size_t>(row)];
        SetRow(working_, row, {s.name, s.formula, s.numbers, s.result, s.shown}, 3);
        if (s.skipped) working_->item(row, 3)->setForeground(Qt::darkGray);
    }
    working_->resizeColumnsToContents();
    diagram_->update();
}

void CycleWindow::SaveDiagram() {
    const QString file = QFileDialog::getSaveFileName(
        this, Text(texts_, cycle_texts::kSaveDiagram),
        kCycleDiagramSvg ? QStringLiteral("cycle.svg") : QStringLiteral("cycle.png"),
        kCycleDiagramSvg ? QStringLiteral("SVG (*.svg);;PNG (*.png)") : QStringLiteral("PNG (*.png)"));
    if (file.isEmpty()) return;
    if (!WriteCycleDiagram(file, view_, diagramTexts_))
        ShowMessage(this, MessageKind::Plain, Text(texts_, cycle_texts::kTitle),
                    Text(texts_, cycle_texts::kNotWritten) + QLatin1Char('\n') + file);
}

CycleWindow* ShowCycleWindow(const ProjectRecord& record, QWidget* parent) {
    auto* window = parent ? parent->findChild<CycleWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!window) {
        window = new CycleWindow(record, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace tervalo
