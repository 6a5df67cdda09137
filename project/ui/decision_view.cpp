#include "project/ui/decision_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/run_settings.h"
#include "localisation/decision_texts.h"
#include "project/decision/decision_rows.h"
#include "project/project_lists.h"
#include "widgets/screen_fit.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

constexpr int kChosenRole = Qt::UserRole;

// Pale green where the heat pump saves, pale red where it costs more than the boiler heating.
const QColor kSaves(226, 243, 226);
const QColor kCostsMore(250, 228, 224);

// Frames the cell of the project's own choice.
class ChosenCellFrame : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!index.data(kChosenRole).toBool()) return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Text), 2));
        painter->drawRect(QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5));
        painter->restore();
    }
};

class ChartWidget : public QWidget {
  public:
    ChartWidget(const decision::Sensitivity& sensitivity, const SensitivityChartTexts& texts, QWidget* parent)
        : QWidget(parent), sensitivity_(sensitivity), texts_(texts) {
        setObjectName(QStringLiteral("SensitivityChart"));
        // The title, four bands a line and a half high each, the axis numbers, its title and the legend.
        setMinimumHeight(fontMetrics().height() * 12 + 16);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        DrawSensitivityChart(painter, QRectF(rect()).adjusted(8, 8, -8, -8), sensitivity_, texts_);
    }

  private:
    const decision::Sensitivity& sensitivity_;
    const SensitivityChartTexts& texts_;
};

// A long heading on two lines, broken at the blank nearest its middle.
QString TwoLines(QString text) {
    if (text.size() < 16) return text;
    const qsizetype middle = text.size() / 2;
    qsizetype at = -1;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == QLatin1Char(' ') && (at < 0 || qAbs(i - middle) < qAbs(at - middle))) at = i;
    if (at > 0) text[at] = QLatin1Char('\n');
    return text;
}

}  // namespace

DecisionView::DecisionView(const ProjectRecord& record, ApplyCell apply, UndoCell undo, QWidget* parent)
    : QDialog(parent),
      record_(record),
      apply_(std::move(apply)),
      undo_(std::move(undo)),
      texts_(LoadFeatureTexts(decision_texts::kFile, Settings.LanguageCode)) {
    using namespace decision_texts;
    setObjectName(QStringLiteral("DecisionView"));
    setWindowTitle(DisplayText(texts_[kTitle]));
    setSizeGripEnabled(true);
    chartTexts_ = SensitivityChartTextsOf(texts_, Settings.CurrencyCode, ShownSeparator());

    auto* heading = new QLabel(DisplayText(texts_[kWhatIfHeading]), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* hint = new QLabel(DisplayText(texts_[kApplyHint]), this);
    hint->setWordWrap(true);

    const std::vector<std::string> sources = ListEntries(ProjectList::AnwendBereich);
    const std::vector<std::string> distributions = ListEntries(ProjectList::VFlsize);
    table_ = new QTableWidget(static_cast<int>(sources.size()), static_cast<int>(distributions.size()), this);
    table_->setObjectName(QStringLiteral("WhatIfTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(true);
    table_->setItemDelegate(new ChosenCellFrame(table_));
    table_->setAccessibleName(DisplayText(texts_[kWhatIfHeading]));
    QStringList rows, columns;
    for (const std::string& source : sources) rows << TwoLines(DisplayText(source));
    for (const std::string& distribution : distributions) columns << TwoLines(DisplayText(distribution));
    table_->setVerticalHeaderLabels(rows);
    table_->setHorizontalHeaderLabels(columns);
    for (int r = 0; r < table_->rowCount(); ++r)
        for (int c = 0; c < table_->columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(r, c, item);
        }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->installEventFilter(this);
    connect(table_, &QTableWidget::cellClicked, this, &DecisionView::Apply);

    chart_ = new ChartWidget(sensitivity_, chartTexts_, this);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("TableAndChart"));
    split->addWidget(table_);
    split->addWidget(chart_);
    split->setStretchFactor(0, 5);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);

    sameDesignPoint_ = new QLabel(this);
    sameDesignPoint_->setObjectName(QStringLiteral("SameDesignPoint"));
    sameDesignPoint_->setWordWrap(true);
    sameDesignPoint_->hide();

    auto* note = new QLabel(DisplayText(texts_[kCurrentChoice]), this);
    note->setObjectName(QStringLiteral("ChoiceNote"));
    note->setWordWrap(true);  // gives way to the close button on a narrow screen
    auto* close = new QPushButton(DisplayText(texts_[kClose]), this);
    close->setObjectName(QStringLiteral("Close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // A cell applies at one click; Undo takes the project back, so no click costs the user their choice.
    undoButton_ = new QPushButton(DisplayText(texts_[kUndo]), this);
    undoButton_->setObjectName(QStringLiteral("Undo"));
    undoButton_->setAutoDefault(false);
    undoButton_->setEnabled(false);
    connect(undoButton_, &QPushButton::clicked, this, [this] {
        if (undo_.undo) undo_.undo();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note, 1);
    buttons->addWidget(undoButton_);
    buttons->addWidget(close);

    // Room for the whole table and the chart where the screen has it; on a small screen they scroll and the
    // command row stays in view.
    auto* content = new QWidget(this);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(heading);
    contentLayout->addWidget(hint);
    contentLayout->addWidget(split, 1);
    contentLayout->addWidget(sameDesignPoint_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrollingPart(content, this), 1);
    layout->addLayout(buttons);
    ResizeWithinScreen(this, QSize(1100, 900));
    table_->setFocus();
}

void DecisionView::Refresh() {
    if (!isVisible()) {
        RefreshUndo();
        return;
    }
    const decision::DecisionRun run = decision::EvaluateDecision(record_, true, true);
    cells_ = run.whatIf;
    sensitivity_ = run.resultsAsShown && run.sensitivity ? *run.sensitivity : decision::Sensitivity{};
    const decision::WhatIfCell* chosen = decision::ChosenCell(cells_, record_);
    const int columns = table_->columnCount();
    for (const decision::WhatIfCell& cell : cells_) {
        QTableWidgetItem* item = table_->item(cell.heatSource - 1, cell.distribution - 1);
        if (!item || cell.distribution > columns) continue;
        QStringList lines;
        for (const std::string& line : decision::WhatIfCellLines(cell, texts_, Settings.CurrencyCode))
            lines << DisplayNumbers(line);
        item->setText(lines.join(QLatin1Char('\n')));
        const auto saving = cell.saving.money;
        item->setBackground(!saving ? QBrush() : saving->value >= 0 ? QBrush(kSaves) : QBrush(kCostsMore));
        item->setData(kChosenRole, &cell == chosen);
    }
    if (chosen && !table_->currentItem())
        table_->setCurrentCell(chosen->heatSource - 1, chosen->distribution - 1);
    chart_->update();
    const QString same = SameDesignPointText(decision::SameDesignPointGroups(cells_));
    sameDesignPoint_->setText(same);
    sameDesignPoint_->setVisible(!same.isEmpty());
    layout()->activate();  // the note takes its place below the table at once
    RefreshUndo();
}

void DecisionView::RefreshUndo() {
    undoButton_->setEnabled(undo_.canUndo && undo_.canUndo());
}

QString DecisionView::SameDesignPointText(const std::vector<std::vector<int>>& groups) const {
    // "Same design point: A = B = C; D = E", each heat source by its list text.
    const std::vector<std::string> sources = ListEntries(ProjectList::AnwendBereich);
    QStringList parts;
    for (const std::vector<int>& group : groups) {
        QStringList names;
        for (const int source : group)
            if (source >= 1 && static_cast<std::size_t>(source) <= sources.size())
                names << DisplayText(sources[static_cast<std::size_t>(source - 1)]);
        parts << names.join(QStringLiteral(" = "));
    }
    if (parts.isEmpty()) return {};
    return DisplayText(texts_[decision_texts::kSameDesignPoint]) + QStringLiteral(": ") +
           parts.join(QStringLiteral("; "));
}

void DecisionView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

bool DecisionView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            table_->currentIndex().isValid()) {
            Apply(table_->currentRow(), table_->currentColumn());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DecisionView::Apply(int row, int column) {
    for (const decision::WhatIfCell& cell : cells_)
        if (cell.heatSource == row + 1 && cell.distribution == column + 1) {
            apply_(cell);
            return;
        }
}

}  // namespace tervalo
