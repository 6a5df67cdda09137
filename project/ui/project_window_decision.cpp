// The project window's decision part: the annual saving and the break-even figures below the annual
// comparison, recomputed with every showing of the record, the decision view beside the window, the button
// of the lifetime panel, and the export of the results.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "config/run_settings.h"
#include "localisation/decision_texts.h"
#include "localisation/lifetime_texts.h"
#include "localisation/seasonal_texts.h"
#include "project/decision/decision_rows.h"
#include "project/project_actions.h"
#include "project/project_lists.h"
#include "project/ui/decision_view.h"
#include "project/ui/project_window.h"
#include "project/ui/results_export.h"
#include "widgets/twips.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

constexpr double kFigureWidth = 1050;  // twips, as the result fields
constexpr double kSpacing = 90;

}  // namespace

QWidget* Projektdaten::BuildDecisionSection() {
    using namespace decision_texts;
    auto* section = new QGroupBox(this);
    section->setObjectName(QStringLiteral("DecisionFigures"));
    auto* grid = new QGridLayout(section);
    const TwipsScale twips = TwipsScale::Of(this);
    grid->setHorizontalSpacing(twips.Pixels(kSpacing));
    grid->setVerticalSpacing(twips.Pixels(kSpacing) / 2);
    grid->setColumnStretch(0, 1);
    const decision::DecisionRun none;
    int row = 0;
    const auto rows = decision::DecisionRows(none, record_, decisionTexts_, Settings.CurrencyCode);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const decision::DecisionRow& figure = rows[i];
        if (figure.opensGroup) {
            auto* heading = new QLabel(DisplayText(decisionTexts_[figure.heading]), section);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            grid->addWidget(heading, row++, 0, 1, 3);
        }
        auto* label = new QLabel(DisplayText(figure.label), section);
        // Long labels of some languages wrap rather than widen the column beside the heat pump.
        label->setWordWrap(true);
        auto* value = new QLabel(section);
        value->setObjectName(QLatin1String(figure.name));
        value->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(twips.Pixels(kFigureWidth));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setBuddy(value);
        decisionFigures_[i] = value;
        decisionUnits_[i] = new QLabel(section);
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(decisionUnits_[i], row++, 2);
    }
    decisionNote_ = new QLabel(DisplayText(decisionTexts_[kNoFigure]), section);
    decisionNote_->setObjectName(QStringLiteral("DecisionNote"));
    decisionNote_->setWordWrap(true);
    grid->addWidget(decisionNote_, row++, 0, 1, 3);
    // The view of the variants and the lifetime panel open from the figures they widen. Enter in a field
    // runs that field's action; it never opens either.
    auto* open = new QPushButton(DisplayText(decisionTexts_[kDecisionButton]), section);
    open->setObjectName(QStringLiteral("DecisionButt"));
    open->setAutoDefault(false);
    connect(open, &QPushButton::clicked, this, &Projektdaten::DecisionCommand);
    const FeatureTexts lifetimeTexts = LoadFeatureTexts(lifetime_texts::kFile, Settings.LanguageCode);
    auto* lifetime = new QPushButton(DisplayText(lifetimeTexts[lifetime_texts::kLifetimeButton]), section);
    lifetime->setObjectName(QStringLiteral("LifetimeButt"));
    lifetime->setAutoDefault(false);
    connect(lifetime, &QPushButton::clicked, this, &Projektdaten::LifetimeShow);
    const FeatureTexts seasonalTexts = LoadFeatureTexts(seasonal_texts::kFile, Settings.LanguageCode);
    auto* seasonal = new QPushButton(DisplayText(seasonalTexts[seasonal_texts::kOpenButton]), section);
    seasonal->setObjectName(QStringLiteral("SeasonalButt"));
    seasonal->setAutoDefault(false);
    connect(seasonal, &QPushButton::clicked, this, &Projektdaten::SeasonalShow);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(lifetime);
    buttons->addWidget(seasonal);
    buttons->addStretch(1);
    grid->addLayout(buttons, row, 0, 1, 3);
    return section;
}

void Projektdaten::ShowDecisionFigures() {
    using namespace decision_texts;
    const decision::DecisionRun run = decision::EvaluateDecision(record_, false, false);
    const auto rows = decision::DecisionRows(run, record_, decisionTexts_, Settings.CurrencyCode);
    bool dashes = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const decision::Figure& figure = rows[i].figure;
        decisionFigures_[i]->setText(figure ? DisplayNumbers(figure->text) : QStringLiteral("\u2013"));
        decisionFigures_[i]->setToolTip(
            figure ? QString() : DisplayText(decisionTexts_[run.resultsAsShown ? kNoFigure : kNotCurrent]));
        decisionUnits_[i]->setText(DisplayText(rows[i].unit));
        dashes = dashes || !figure;
    }
    decisionNote_->setText(DisplayText(decisionTexts_[run.resultsAsShown ? kNoFigure : kNotCurrent]));
    decisionNote_->setVisible(dashes);
}

void Projektdaten::DecisionCommand() {
    TakeWidgetTexts();
    auto* view = findChild<DecisionView*>(QString(), Qt::FindDirectChildrenOnly);
    if (!view) {
        view = new DecisionView(
            record_, [this](const decision::WhatIfCell& cell) { ApplyVariant(cell); },
            {[this] { return !beforeVariants_.empty(); }, [this] { UndoVariant(); }}, this);
        connect(this, &Projektdaten::RecordShown, view, &DecisionView::Refresh);
    }
    view->show();
    view->raise();
    view->activateWindow();
}

void Projektdaten::ApplyVariant(const decision::WhatIfCell& cell) {
    // The view computes its cells anew when the record is shown, so the texts are taken first.
    const std::string source = cell.heatSourceText;
    const std::string distribution = cell.distributionText;
    edited_ = true;
    TakeWidgetTexts();
    beforeVariants_.push_back(record_);
    keepVariantUndo_ = true;
    Act([&] {
        OnListChosen(record_, ProjectList::AnwendBereich, source);
        OnListChosen(record_, ProjectList::VFlsize, distribution);
    });
    keepVariantUndo_ = false;
}

void Projektdaten::UndoVariant() {
    if (beforeVariants_.empty()) return;
    // The project exactly as it stood, its results and their marks included: nothing else has changed since.
    record_ = std::move(beforeVariants_.back());
    beforeVariants_.pop_back();
    ShowRecord();
    emit RecordShown();
}

void Projektdaten::ExportCommand() {
    TakeWidgetTexts();
    ExportResults(record_, decisionTexts_, this);
}

}  // namespace tervalo
