#include "project/ui/lifetime_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "config/run_settings.h"
#include "engine/number_text.h"
#include "localisation/lifetime_texts.h"
#include "project/lifetime/lifetime_file.h"
#include "project/lifetime/lifetime_rows.h"
#include "project/project_record.h"
#include "project/ui/panel_header.h"
#include "widgets/focus_chain.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

using namespace lifetime_texts;
using lifetime::LifetimeInputs;

// The colour of the project window's marks: read, but not as typed.
const QColor kMarkColour(255, 214, 160);
const QString kNoticeStyle = QStringLiteral("color: #8a4b00;");
const QString kStaleStyle = QStringLiteral("color: palette(mid);");

// A number as typed, with "," or "." as decimal separator; nothing for anything else.
std::optional<double> TypedNumber(QString text) {
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

void Mark(QLineEdit* edit, bool marked, const QString& note) {
    QPalette colours;
    if (marked) colours.setColor(QPalette::Base, kMarkColour);
    edit->setPalette(colours);
    edit->setToolTip(marked ? note : QString());
    edit->setProperty("marked", marked);
}

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

}  // namespace

LifetimeChartView::LifetimeChartView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 220);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LifetimeChartView::Show(LifetimeChartData chartData, LifetimeChartTexts chartTexts, bool current) {
    data_ = std::move(chartData);
    texts_ = std::move(chartTexts);
    current_ = current;
    update();
}

void LifetimeChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const double margin = fontMetrics().height() * 0.6;
    DrawLifetimeChart(painter, QRectF(rect()).adjusted(margin, margin, -margin, -margin), data_, texts_);
    // Figures that are not current are washed out as the window greys its results.
    if (!current_) painter.fillRect(rect(), QColor(255, 255, 255, 150));
}

LifetimePanel::LifetimePanel(QWidget* parent)
    : QFrame(parent),
      texts_(LoadFeatureTexts(lifetime_texts::kFile, Settings.LanguageCode)),
      defaults_(lifetime::DefaultLifetimeInputs(lifetime::CurrentCalendarYear())),
      inputs_(defaults_) {
    setObjectName(QStringLiteral("LifetimePN"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    close_ = AddPanelHeader(this, layout, DisplayText(texts_[kTitle]), DisplayText(texts_[kClose]),
                            QStringLiteral("LifetimeClose"));
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("LifetimeNotice"));
    notice_->setWordWrap(true);
    notice_->setStyleSheet(kNoticeStyle);
    notice_->hide();
    layout->addWidget(notice_);

    // Inputs beside results; a window too small for both scrolls them rather than crowding them.
    auto* content = new QWidget(this);
    auto* stack = new QVBoxLayout(content);
    stack->setContentsMargins(0, 0, 0, 0);
    auto* columns = new QHBoxLayout;
    stack->addLayout(columns, 1);
    columns->addWidget(BuildInputs(), 2);
    columns->addSpacing(fontMetrics().height());
    columns->addWidget(BuildResults(), 3);
    // The sensitivity below both, across the width its figures need.
    QLabel* sensitivityHeading = Label(kSensitivity);
    sensitivityHeading->setFont(Bold(sensitivityHeading->font()));
    sensitivityHeading->setWordWrap(true);
    stack->addWidget(sensitivityHeading);
    sensitivity_ = new QTableWidget(0, lifetime::kSensitivityColumns, content);
    sensitivity_->setObjectName(QStringLiteral("LifetimeSensitivity"));
    sensitivity_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sensitivity_->setTabKeyNavigation(false);
    sensitivity_->verticalHeader()->hide();
    sensitivity_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    sensitivity_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    sensitivity_->setWordWrap(true);
    sensitivity_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sensitivityHeading->setBuddy(sensitivity_);
    stack->addWidget(sensitivity_);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("LifetimeScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);
    hide();
}

void LifetimePanel::keyPressEvent(QKeyEvent* event) {
    // Enter has confirmed the input it was typed in (editingFinished); it goes no further, to no button of
    // the project window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

QLabel* LifetimePanel::Label(int item) {
    return new QLabel(DisplayText(texts_[item]), this);
}

void LifetimePanel::AddNumber(QGridLayout* grid, const char* name, int caption, const QString& unit,
                              bool whole, std::function<double(const LifetimeInputs&)> get,
                              std::function<void(LifetimeInputs&, double)> set) {
    const int row = grid->rowCount();
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    QLabel* label = Label(caption);
    // Long captions of some languages take a second line rather than the room of the results.
    label->setWordWrap(true);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    auto* unitLabel = new QLabel(unit, this);
    grid->addWidget(unitLabel, row, 2);
    numbers_.push_back({edit, std::move(get), std::move(set), whole});
    const std::size_t index = numbers_.size() - 1;
    connect(edit, &QLineEdit::textEdited, this, [this, index] { NumberTyped(numbers_[index]); });
    connect(edit, &QLineEdit::editingFinished, this, &LifetimePanel::Save);
    if (caption == kSubsidy) {
        subsidy_ = edit;
        subsidyUnit_ = unitLabel;
    }
    if (caption == kDiscountRate) discountUnit_ = unitLabel;
}

QCheckBox* LifetimePanel::AddFlag(QGridLayout* grid, const char* name, int caption,
                                  bool LifetimeInputs::*member) {
    auto* box = new QCheckBox(DisplayText(texts_[caption]), this);
    box->setObjectName(QLatin1String(name));
    grid->addWidget(box, grid->rowCount(), 0, 1, 3);
    flags_.push_back({box, member});
    connect(box, &QCheckBox::clicked, this, &LifetimePanel::FlagChanged);
    return box;
}

QWidget* LifetimePanel::BuildInputs() {
    auto* column = new QWidget(this);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(0, 1);  // the captions take the room there is
    QLabel* heading = Label(kInputsHeading);
    heading->setFont(Bold(heading->font()));
    grid->addWidget(heading, 0, 0, 1, 3);
    const QString currency = DisplayText(Settings.CurrencyCode);
    const QString perYear = currency + QStringLiteral("/a");
    const QString years = DisplayText(texts_[kYears]);
    using L = LifetimeInputs;
    const auto number = [&](const char* name, int caption, const QString& unit, double L::*member) {
        AddNumber(
            grid, name, caption, unit, false, [member](const L& in) { return in.*member; },
            [member](L& in, double value) { in.*member = value; });
    };
    const auto whole = [&](const char* name, int caption, const QString& unit, int L::*member) {
        AddNumber(
            grid, name, caption, unit, true, [member](const L& in) { return in.*member; },
            [member](L& in, double value) { in.*member = static_cast<int>(value); });
    };
    number("HeatPumpCost", kHeatPumpCost, currency, &L::heatPumpCost);
    number("BoilerCost", kBoilerCost, currency, &L::boilerCost);
    number("Subsidy", kSubsidy, QString(), &L::subsidy);
    AddFlag(grid, "SubsidyIsPercentage", kSubsidyAsPercentage, &L::subsidyIsPercentage);
    number("SubsidyEligibleCap", kSubsidyEligibleCap, currency, &L::subsidyEligibleCap);
    number("SubsidyExtraAmount", kSubsidyExtraAmount, currency, &L::subsidyExtraAmount);
    whole("YearsOfUse", kYearsOfUse, years, &L::yearsOfUse);
    whole("FirstYear", kFirstYear, QString(), &L::firstYear);
    AddFlag(grid, "ReplacementCounted", kReplacementCounted, &L::replacementCounted);
    whole("HeatPumpServiceLife", kHeatPumpServiceLife, years, &L::heatPumpServiceLife);
    whole("BoilerServiceLife", kBoilerServiceLife, years, &L::boilerServiceLife);
    AddFlag(grid, "Nominal", kNominalBasis, &L::nominal);
    number("Inflation", kInflation, QStringLiteral("%/a"), &L::inflation_pct);
    number("DiscountRate", kDiscountRate, QStringLiteral("%/a"), &L::discountRate_pct);
    number("FuelPriceChange", kFuelPriceChange, QStringLiteral("%/a"), &L::fuelPriceChange_pct);
    number("ElectricityPriceChange", kElectricityPriceChange, QStringLiteral("%/a"),
           &L::electricityPriceChange_pct);
    number("InvestmentPriceChange", kInvestmentPriceChange, QStringLiteral("%/a"),
           &L::investmentPriceChange_pct);
    number("MaintenancePriceChange", kMaintenancePriceChange, QStringLiteral("%/a"),
           &L::maintenancePriceChange_pct);
    number("FuelStandingCharge", kFuelStandingCharge, perYear, &L::fuelStandingCharge);
    number("ElectricityStandingCharge", kElectricityStandingCharge, perYear, &L::electricityStandingCharge);
    AddFlag(grid, "FuelConnectionGivenUp", kFuelConnectionGivenUp, &L::fuelConnectionGivenUp);
    number("HeatPumpMaintenance", kHeatPumpMaintenance, perYear, &L::heatPumpMaintenance);
    number("BoilerMaintenance", kBoilerMaintenance, perYear, &L::boilerMaintenance);
    const int todayRow = grid->rowCount();
    grid->addWidget(Label(kGridFactorToday), todayRow, 0);
    gridFactorToday_ = new QLabel(this);
    gridFactorToday_->setObjectName(QStringLiteral("GridFactorToday"));
    gridFactorToday_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(gridFactorToday_, todayRow, 1);
    grid->addWidget(new QLabel(QStringLiteral("kg/kWh"), this), todayRow, 2);
    number("GridTargetFactor", kGridTargetFactor, QStringLiteral("kg/kWh"), &L::gridTargetFactor);
    whole("GridTargetYear", kGridTargetYear, QString(), &L::gridTargetYear);
    const QString perTonne = currency + QStringLiteral("/t");
    number("Co2PriceToday", kCo2PriceToday, perTonne, &L::co2PriceToday);
    number("Co2PriceTarget", kCo2PriceTarget, perTonne, &L::co2PriceTarget);
    whole("Co2PriceTargetYear", kCo2PriceTargetYear, QString(), &L::co2PriceTargetYear);
    AddFlag(grid, "Co2AddedToFuel", kCo2AddedToFuel, &L::co2AddedToFuel);
    AddFlag(grid, "Co2AddedToElectricity", kCo2AddedToElectricity, &L::co2AddedToElectricity);
    number("LoanShare", kLoanShare, QStringLiteral("%"), &L::loanShare_pct);
    number("LoanRate", kLoanRate, QStringLiteral("%/a"), &L::loanRate_pct);
    whole("LoanTerm", kLoanTerm, years, &L::loanTerm);
    AddFlag(grid, "SeasonalElectricity", kSeasonalBasis, &L::seasonalElectricity);

    const int tableRow = grid->rowCount();
    QLabel* byYear = Label(kGridFactorByYear);
    grid->addWidget(byYear, tableRow, 0, 1, 3);
    gridFactors_ = new QTableWidget(0, 3, this);
    gridFactors_->setObjectName(QStringLiteral("GridFactors"));
    gridFactors_->setHorizontalHeaderLabels(
        {DisplayText(texts_[kYear]), QStringLiteral("kg/kWh"),
         DisplayText(texts_[kCo2Price]) + QStringLiteral(", ") + perTonne});
    gridFactors_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    gridFactors_->setToolTip(DisplayText(texts_[kGridEditHint]));
    gridFactors_->setMinimumHeight(fontMetrics().height() * 8);
    gridFactors_->setTabKeyNavigation(false);
    byYear->setBuddy(gridFactors_);
    grid->addWidget(gridFactors_, tableRow + 1, 0, 1, 3);
    auto* defaults = new QPushButton(DisplayText(texts_[kDefaults]), this);
    defaults->setObjectName(QStringLiteral("LifetimeDefaults"));
    defaults->setAutoDefault(false);
    grid->addWidget(defaults, tableRow + 2, 0, Qt::AlignLeft);
    grid->setRowStretch(tableRow + 1, 1);

    for (const NumberInput& input : numbers_) LinkInputToCaption(input.edit);
    connect(gridFactors_, &QTableWidget::cellChanged, this, &LifetimePanel::GridCellChanged);
    connect(defaults, &QPushButton::clicked, this, &LifetimePanel::PutDefaults);
    return column;
}

QWidget* LifetimePanel::BuildResults() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* heading = Label(kResultsHeading);
    heading->setFont(Bold(heading->font()));
    layout->addWidget(heading);
    // Whether the figures are in today's money or as paid.
    basis_ = new QLabel(column);
    basis_->setObjectName(QStringLiteral("LifetimeBasis"));
    basis_->setWordWrap(true);
    layout->addWidget(basis_);
    results_ = new QWidget(column);
    results_->setObjectName(QStringLiteral("LifetimeResults"));
    auto* grid = new QGridLayout(results_);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::size_t rows =
        lifetime::LifetimeResultRows(lifetime::LifetimeResult{}, {texts_, {}, '.'}).size();
    for (std::size_t i = 0; i < rows; ++i) {
        auto* caption = new QLabel(results_);
        caption->setWordWrap(true);
        auto* value = new QLabel(results_);
        auto* unit = new QLabel(results_);
        value->setObjectName(QStringLiteral("LifetimeResult%1").arg(i));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const int row = static_cast<int>(i);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(unit, row, 2);
        resultCaptions_.push_back(caption);
        resultValues_.push_back(value);
        resultUnits_.push_back(unit);
    }
    grid->setColumnStretch(0, 1);
    layout->addWidget(results_);
    chart_ = new LifetimeChartView(column);
    chart_->setObjectName(QStringLiteral("LifetimeChart"));
    layout->addWidget(chart_, 1);
    return column;
}

void LifetimePanel::Open(const ProjectRecord& record) {
    const lifetime::LifetimeFileRead read = lifetime::LoadLifetimeInputs(defaults_);
    inputs_ = read.inputs;
    saved_ = read.inputs;
    fileDamaged_ = read.damaged;
    saveFailed_ = false;
    ShowProject(record);
    ShowInputs();
}

void LifetimePanel::ShowProject(const ProjectRecord& record) {
    separator_ = ShownSeparator();
    record_ = record;
    project_ = lifetime::EvaluateProjectLifetime(record, inputs_);
    gridFactorToday_->setText(project_.first
                                  ? DisplayText(LocaleFormat(project_.first->gridFactorToday, separator_))
                                  : QStringLiteral("-"));
    ShowResults();
    ShowGridFactors();
}

void LifetimePanel::ShowInputs() {
    filling_ = true;
    for (const NumberInput& input : numbers_) {
        input.edit->setText(DisplayText(LocaleFormat(input.get(inputs_), separator_)));
        Mark(input.edit, false, {});
    }
    for (const FlagInput& flag : flags_) flag.box->setChecked(inputs_.*flag.member);
    subsidyUnit_->setText(inputs_.subsidyIsPercentage ? QStringLiteral("%")
                                                      : DisplayText(Settings.CurrencyCode));
    discountUnit_->setText(QStringLiteral("%/a ") + DisplayText(texts_[inputs_.nominal ? kNominal : kReal]));
    filling_ = false;
    ShowGridFactors();
}

void LifetimePanel::NumberTyped(const NumberInput& input) {
    // Only a value the comparison takes as typed is taken; anything else is marked and the last valid one
    // stays in force.
    const std::optional<double> typed = TypedNumber(input.edit->text());
    LifetimeInputs candidate = inputs_;
    bool valid = typed && (!input.whole || std::trunc(*typed) == *typed) && std::fabs(*typed) < 1e9;
    if (valid) {
        input.set(candidate, *typed);
        valid = input.get(lifetime::Sanitised(candidate, defaults_)) == *typed;
    }
    Mark(input.edit, !valid, DisplayText(texts_[kOutsideRange]));
    if (!valid) return;
    inputs_ = candidate;
    ShowResults();
    ShowGridFactors();
}

void LifetimePanel::FlagChanged() {
    for (const FlagInput& flag : flags_) inputs_.*flag.member = flag.box->isChecked();
    // A percentage above 100 is no percentage: the subsidy then keeps what it was as an amount, capped.
    if (inputs_.subsidyIsPercentage && inputs_.subsidy > 100) inputs_.subsidy = 100;
    if (inputs_.seasonalElectricity != project_.inputs.seasonalElectricity) ShowProject(record_);
    ShowInputs();
    ShowResults();
    Save();
}

void LifetimePanel::ShowGridFactors() {
    const LifetimeInputs used = lifetime::Sanitised(inputs_, defaults_);
    const double today = project_.first ? project_.first->gridFactorToday : 0;
    const std::vector<double> path = lifetime::GridFactorPath(used, today);
    const std::vector<double> prices = lifetime::Co2PricePath(used);
    filling_ = true;
    gridFactors_->setRowCount(static_cast<int>(path.size()));
    // A typed year stands out from the path in bold.
    const auto cell = [this](const std::string& text, bool typed) {
        auto* item = new QTableWidgetItem(DisplayText(text));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont font = gridFactors_->font();
        font.setBold(typed);
        item->setFont(font);
        return item;
    };
    for (int row = 0; row < gridFactors_->rowCount(); ++row) {
        const auto index = static_cast<std::size_t>(row);
        auto* year = new QTableWidgetItem(QString::number(used.firstYear + row));
        year->setFlags(Qt::ItemIsEnabled);
        gridFactors_->setItem(row, 0, year);
        const bool factorTyped = index < used.gridFactorEdits.size();
        gridFactors_->setItem(
            row, 1,
            cell(project_.first || factorTyped ? lifetime::FixedText(path[index], 3, separator_)
                                               : std::string(),
                 factorTyped));
        gridFactors_->setItem(
            row, 2,
            cell(lifetime::FixedText(prices[index], 0, separator_), index < used.co2PriceEdits.size()));
        gridFactors_->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(row + 1)));
    }
    filling_ = false;
}

void LifetimePanel::GridCellChanged(int row, int column) {
    if (filling_ || (column != 1 && column != 2)) return;
    const QString text = gridFactors_->item(row, column)->text();
    const auto index = static_cast<std::size_t>(row);
    const auto editsOf = [column](LifetimeInputs& in) -> std::vector<double>& {
        return column == 1 ? in.gridFactorEdits : in.co2PriceEdits;
    };
    std::vector<double>& edits = editsOf(inputs_);
    if (text.trimmed().isEmpty()) {
        if (edits.size() > index) edits.resize(index);
    } else {
        const std::optional<double> value = TypedNumber(text);
        LifetimeInputs candidate = inputs_;
        if (value) {
            // The years before keep what they show now.
            const LifetimeInputs used = lifetime::Sanitised(inputs_, defaults_);
            const std::vector<double> path =
                column == 1
                    ? lifetime::GridFactorPath(used, project_.first ? project_.first->gridFactorToday : 0)
                    : lifetime::Co2PricePath(used);
            std::vector<double>& typed = editsOf(candidate);
            if (typed.size() <= index)
                typed.assign(path.begin(), path.begin() + static_cast<long>(index) + 1);
            typed[index] = *value;
        }
        LifetimeInputs sanitised = lifetime::Sanitised(candidate, defaults_);
        if (value && editsOf(sanitised).size() > index) inputs_ = candidate;
    }
    ShowResults();
    ShowGridFactors();
    Save();
}

void LifetimePanel::PutDefaults() {
    inputs_ = defaults_;
    ShowInputs();
    ShowResults();
    Save();
}

void LifetimePanel::Save() {
    const LifetimeInputs used = lifetime::Sanitised(inputs_, defaults_);
    if (used == saved_ && !saveFailed_) return;
    saveFailed_ = !lifetime::SaveLifetimeInputs(used);
    if (!saveFailed_) {
        saved_ = used;
        fileDamaged_ = false;
    }
    ShowNotice();
}

void LifetimePanel::ShowResults() {
    const lifetime::RowStyle style{texts_, Settings.CurrencyCode, separator_};
    // Figures of other inputs than those of the results shown are dashes, as the window's decision figures.
    std::optional<lifetime::LifetimeResult> result;
    if (project_.first && project_.current)
        result = lifetime::EvaluateLifetime(lifetime::Sanitised(inputs_, defaults_), *project_.first);
    const std::vector<lifetime::LifetimeRow> rows =
        lifetime::LifetimeResultRows(result.value_or(lifetime::LifetimeResult{}), style);
    const QString& look = project_.current ? QString() : kStaleStyle;
    for (std::size_t i = 0; i < rows.size() && i < resultValues_.size(); ++i) {
        resultCaptions_[i]->setText(DisplayText(rows[i].caption));
        const bool heading = rows[i].unit.empty() && rows[i].value.empty();
        resultValues_[i]->setText(result || heading ? DisplayText(rows[i].value) : QStringLiteral("-"));
        resultUnits_[i]->setText(result ? DisplayText(rows[i].unit) : QString());
        resultValues_[i]->setStyleSheet(look);
        resultUnits_[i]->setStyleSheet(look);
    }
    basis_->setText(DisplayText(lifetime::RateBasisText(lifetime::Sanitised(inputs_, defaults_), texts_)));
    ShowSensitivity(result ? &*result : nullptr, style);
    chart_->Show(result ? LifetimeChartDataOf(*result) : LifetimeChartData{},
                 LifetimeChartTextsOf(texts_, Settings.CurrencyCode, separator_), project_.current);
    ShowNotice();
}

void LifetimePanel::ShowSensitivity(const lifetime::LifetimeResult* result, const lifetime::RowStyle& style) {
    lifetime::LifetimeResult none;
    none.sensitivity.resize(3);
    const std::vector<std::vector<std::string>> rows =
        lifetime::SensitivityRows(result ? *result : none, style);
    // Headings over narrow figures: the unit on a line of its own, a long name broken at its middle blank.
    QStringList headers;
    for (const std::string& heading : rows[0]) {
        QString text = DisplayText(heading);
        const qsizetype comma = text.lastIndexOf(QStringLiteral(", "));
        QString unit = comma < 0 ? QString() : text.mid(comma + 2);
        if (comma >= 0) text.truncate(comma);
        if (text.size() > 14) {
            qsizetype best = -1;
            for (qsizetype i = 0; i < text.size(); ++i)
                if (text[i] == QLatin1Char(' ') &&
                    (best < 0 || std::abs(i - text.size() / 2) < std::abs(best - text.size() / 2)))
                    best = i;
            if (best > 0) text[best] = QLatin1Char('\n');
        }
        headers << (unit.isEmpty() ? text : text + QLatin1Char('\n') + unit);
    }
    sensitivity_->setHorizontalHeaderLabels(headers);
    sensitivity_->setRowCount(static_cast<int>(rows.size()) - 1);
    for (std::size_t r = 1; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            // Figures of other inputs than those of the results shown are dashes.
            const bool figure = c >= 2;
            auto* item =
                new QTableWidgetItem(figure && !result ? QStringLiteral("-") : DisplayText(rows[r][c]));
            if (figure) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!project_.current) item->setForeground(palette().color(QPalette::Mid));
            sensitivity_->setItem(static_cast<int>(r) - 1, static_cast<int>(c), item);
        }
    sensitivity_->setFixedHeight(
        sensitivity_->horizontalHeader()->sizeHint().height() +
        sensitivity_->rowCount() * sensitivity_->verticalHeader()->defaultSectionSize() + 4);
}

void LifetimePanel::ShowNotice() {
    QStringList lines;
    if (fileDamaged_) lines << DisplayText(texts_[kFileDamaged]);
    if (saveFailed_) lines << DisplayText(texts_[kSaveFailed]);
    if (!project_.first)
        lines << DisplayText(texts_[kNeedsCalculation]);
    else if (!project_.current)
        lines << DisplayText(texts_[kNotCurrent]);
    notice_->setText(lines.join(QLatin1Char('\n')));
    notice_->setVisible(!lines.isEmpty());
}

}  // namespace tervalo
