#include "project/ui/seasonal_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "config/run_settings.h"
#include "engine/file_access.h"
#include "localisation/seasonal_texts.h"
#include "project/project_record.h"
#include "project/seasonal/seasonal_file.h"
#include "project/seasonal/unit_file.h"
#include "project/ui/panel_header.h"
#include "widgets/message_box.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

using namespace seasonal_texts;

const QColor kMarkColour(255, 214, 160);

// A number as typed, with "," or "." as decimal separator; nothing for anything else.
std::optional<double> TypedNumber(QString text) {
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

QString Shown(double value, int decimals, char separator) {
    QString text = QString::number(value, 'f', decimals);
    if (separator != '.') text.replace(QLatin1Char('.'), QLatin1Char(separator));
    return text;
}

// The table's column titles on one line where their columns are wide enough, else with the unit ("(kW)") on
// a line of its own, and the rows kept in view under a header grown by it.
void FitColumnTitles(QTableWidget* table, const QStringList& titles) {
    QHeaderView* header = table->horizontalHeader();
    const QFontMetrics metrics(header->font());
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 4;
    for (int column = 0; column < titles.size() && column < table->columnCount(); ++column) {
        QString title = titles[column];
        const qsizetype unit = title.lastIndexOf(QStringLiteral(" ("));
        if (unit > 0 && metrics.horizontalAdvance(title) + margins > header->sectionSize(column))
            title[unit] = QLatin1Char('\n');
        QTableWidgetItem* item = table->horizontalHeaderItem(column);
        if (!item) table->setHorizontalHeaderItem(column, item = new QTableWidgetItem);
        if (item->text() != title) item->setText(title);
    }
    const int rows = header->sizeHint().height() + table->rowCount() * table->rowHeight(0) + 4;
    if (table->minimumHeight() != rows) table->setMinimumHeight(rows);
}

void Mark(QLineEdit* edit, bool marked) {
    QPalette colours;
    if (marked) colours.setColor(QPalette::Base, kMarkColour);
    edit->setPalette(colours);
}

QLineEdit* NumberEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    return edit;
}

// The temperatures of a data sheet's points, in the order the sheets give them; the last two are T_biv and
// TOL.
constexpr double kPointTemperatures[] = {-15, -7, 2, 7, 12};
constexpr int kPointRows = 7;

}  // namespace

SeasonalView::SeasonalView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 240);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void SeasonalView::ShowSeasons(const SeasonalPage* page, std::size_t season) {
    page_ = page;
    season_ = season;
    unit_.reset();
    update();
}

void SeasonalView::ShowUnit(std::optional<seasonal::ProjectSeason> unit, const FeatureTexts* texts,
                            char separator) {
    page_ = nullptr;
    unit_ = std::move(unit);
    texts_ = texts;
    separator_ = separator;
    update();
}

void SeasonalView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(8, 6, -8, -6);
    if (page_) DrawSeasonalView(painter, area, *page_, season_, font().family());
    if (unit_ && texts_) {
        painter.setFont(font());
        DrawSeasonChart(painter, area, *unit_, *texts_, separator_);
    }
}

SeasonalPanel::SeasonalPanel(QWidget* parent)
    : QFrame(parent), texts_(LoadFeatureTexts(seasonal_texts::kFile, Settings.LanguageCode)) {
    setObjectName(QStringLiteral("SeasonalPanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    hide();

    auto* layout = new QVBoxLayout(this);
    export_ = new QPushButton(DisplayText(texts_[kExport]), this);
    export_->setObjectName(QStringLiteral("SeasonalExport"));
    connect(export_, &QPushButton::clicked, this, &SeasonalPanel::Export);
    close_ = AddPanelHeader(this, layout, DisplayText(texts_[kTitle]), DisplayText(texts_[kClose]),
                            QStringLiteral("SeasonalClose"), {export_});

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SeasonalTabs"));
    tabs_->addTab(BuildProjectTab(), DisplayText(texts_[kProjectTab]));
    // The data sheet's form keeps its size; a window too small for it scrolls it.
    auto* unitScroll = new QScrollArea(this);
    unitScroll->setFrameShape(QFrame::NoFrame);
    unitScroll->setWidgetResizable(true);
    unitScroll->setWidget(BuildUnitTab());
    tabs_->addTab(unitScroll, DisplayText(texts_[kUnitHeading]));
    layout->addWidget(tabs_, 1);
}

QLabel* SeasonalPanel::Label(int item, QWidget* parent) {
    return new QLabel(DisplayText(texts_[item]), parent);
}

QWidget* SeasonalPanel::BuildProjectTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* inputs = new QGridLayout;
    evaporator_ = NumberEdit("EvaporatorDifference", tab);
    condenser_ = NumberEdit("CondenserDifference", tab);
    bivalent_ = NumberEdit("Bivalent", tab);
    bivalent_->setPlaceholderText(DisplayText(texts_[kBivalentEmpty]));
    bivalent_->setMaximumWidth(QWIDGETSIZE_MAX);
    inputs->addWidget(Label(kEvaporatorDifference, tab), 0, 0);
    inputs->addWidget(evaporator_, 0, 1);
    inputs->addWidget(new QLabel(QStringLiteral("K"), tab), 0, 2);
    inputs->addWidget(Label(kCondenserDifference, tab), 1, 0);
    inputs->addWidget(condenser_, 1, 1);
    inputs->addWidget(new QLabel(QStringLiteral("K"), tab), 1, 2);
    inputs->addWidget(Label(kBivalent, tab), 0, 3);
    inputs->addWidget(bivalent_, 0, 4);
    inputs->addWidget(new QLabel(QStringLiteral("\u00B0C"), tab), 0, 5);
    chartSeason_ = new QComboBox(tab);
    chartSeason_->setObjectName(QStringLiteral("ChartSeason"));
    for (const int item : {kAverage, kColder, kWarmer}) chartSeason_->addItem(DisplayText(texts_[item]));
    inputs->addWidget(Label(kSeason, tab), 1, 3);
    inputs->addWidget(chartSeason_, 1, 4);
    inputs->setColumnStretch(6, 1);
    layout->addLayout(inputs);
    projectView_ = new SeasonalView(tab);
    projectView_->setObjectName(QStringLiteral("SeasonalView"));
    layout->addWidget(projectView_, 1);

    for (QLineEdit* edit : {evaporator_, condenser_, bivalent_})
        connect(edit, &QLineEdit::editingFinished, this, &SeasonalPanel::ProjectInputTyped);
    connect(chartSeason_, &QComboBox::currentIndexChanged, this, [this](int index) {
        projectView_->ShowSeasons(&page_, static_cast<std::size_t>(std::max(index, 0)));
    });
    return tab;
}

QWidget* SeasonalPanel::BuildUnitTab() {
    auto* tab = new QWidget(this);
    auto* columns = new QHBoxLayout(tab);
    auto* form = new QGridLayout;
    int row = 0;
    climate_ = new QComboBox(tab);
    climate_->setObjectName(QStringLiteral("UnitClimate"));
    for (const int item : {kAverage, kColder, kWarmer}) climate_->addItem(DisplayText(texts_[item]));
    form->addWidget(Label(kClimate, tab), row, 0);
    form->addWidget(climate_, row++, 1, 1, 2);
    flow_ = new QComboBox(tab);
    flow_->setObjectName(QStringLiteral("UnitFlow"));
    flow_->addItems({QStringLiteral("35 \u00B0C"), QStringLiteral("55 \u00B0C")});
    form->addWidget(Label(kFlowTemperature, tab), row, 0);
    form->addWidget(flow_, row++, 1, 1, 2);
    source_ = new QComboBox(tab);
    source_->setObjectName(QStringLiteral("UnitSource"));
    for (const int item : {kAir, kBrine, kWater}) source_->addItem(DisplayText(texts_[item]));
    form->addWidget(Label(kSource, tab), row, 0);
    form->addWidget(source_, row++, 1, 1, 2);
    reversible_ = new QCheckBox(DisplayText(texts_[kReversible]), tab);
    reversible_->setObjectName(QStringLiteral("UnitReversible"));
    form->addWidget(reversible_, row++, 0, 1, 3);
    const auto number = [&](QLineEdit*& edit, const char* name, int item, const QString& unit) {
        edit = NumberEdit(name, tab);
        form->addWidget(Label(item, tab), row, 0);
        form->addWidget(edit, row, 1);
        form->addWidget(new QLabel(unit, tab), row++, 2);
    };
    number(designLoad_, "UnitDesignLoad", kDesignLoad, QStringLiteral("kW"));
    number(unitBivalent_, "UnitBivalent", kBivalent, QStringLiteral("\u00B0C"));
    number(operationLimit_, "UnitOperationLimit", kOperationLimit, QStringLiteral("\u00B0C"));

    form->addWidget(Label(kPoints, tab), row++, 0, 1, 3);
    points_ = new QTableWidget(kPointRows, 4, tab);
    points_->setObjectName(QStringLiteral("UnitPoints"));
    const QStringList titles{QStringLiteral("T (\u00B0C)"), DisplayText(texts_[kCapacity]),
                             QStringLiteral("COP"), QStringLiteral("Cd")};
    points_->verticalHeader()->hide();
    points_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    FitColumnTitles(points_, titles);
    connect(points_->horizontalHeader(), &QHeaderView::sectionResized, points_,
            [table = points_, titles] { FitColumnTitles(table, titles); });
    form->addWidget(points_, row++, 0, 1, 3);

    form->addWidget(Label(kOffMode, tab), row++, 0, 1, 3);
    const int offItems[4] = {kOff, kThermostatOff, kStandby, kCrankcase};
    const char* offNames[4] = {"OffModeOff", "OffModeThermostatOff", "OffModeStandby", "OffModeCrankcase"};
    for (int i = 0; i < 4; ++i) number(offMode_[i], offNames[i], offItems[i], QStringLiteral("W"));
    form->setRowStretch(row, 1);
    columns->addLayout(form, 2);

    auto* results = new QVBoxLayout;
    unitResult_ = new QLabel(tab);
    unitResult_->setObjectName(QStringLiteral("UnitResult"));
    unitResult_->setWordWrap(true);
    unitResult_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for all its lines: the chart below takes only what is left.
    unitResult_->setMinimumHeight(unitResult_->fontMetrics().lineSpacing() * 7);
    unitResult_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    results->addWidget(unitResult_);
    unitView_ = new SeasonalView(tab);
    unitView_->setObjectName(QStringLiteral("UnitChart"));
    results->addWidget(unitView_, 1);
    columns->addLayout(results, 3);

    for (QComboBox* box : {climate_, flow_, source_})
        connect(box, &QComboBox::currentIndexChanged, this, &SeasonalPanel::UnitChanged);
    connect(reversible_, &QCheckBox::toggled, this, &SeasonalPanel::UnitChanged);
    for (QLineEdit* edit :
         {designLoad_, unitBivalent_, operationLimit_, offMode_[0], offMode_[1], offMode_[2], offMode_[3]})
        connect(edit, &QLineEdit::editingFinished, this, &SeasonalPanel::UnitChanged);
    connect(points_, &QTableWidget::cellChanged, this, &SeasonalPanel::UnitChanged);
    return tab;
}

void SeasonalPanel::Open(const ProjectRecord& record) {
    const seasonal::SeasonalFileRead read = seasonal::LoadSeasonalFile();
    unitJson_ = read.unitJson;
    record_ = record;
    page_ = SeasonalPageOf(record);
    filling_ = true;
    const char sep = page_.decimalSeparator;
    evaporator_->setText(Shown(read.project.evaporatorDifference_K, 1, sep));
    condenser_->setText(Shown(read.project.condenserDifference_K, 1, sep));
    bivalent_->setText(read.project.bivalent_C ? Shown(*read.project.bivalent_C, 0, sep) : QString());
    for (QLineEdit* edit : {evaporator_, condenser_, bivalent_}) Mark(edit, false);
    filling_ = false;
    ShowUnitInputs(unitJson_.value_or(std::string()));
    projectView_->ShowSeasons(&page_, static_cast<std::size_t>(std::max(chartSeason_->currentIndex(), 0)));
    ShowUnitFigures();  // opening writes nothing
}

void SeasonalPanel::ShowProject(const ProjectRecord& record) {
    record_ = record;
    page_.seasons = seasonal::EvaluateProjectSeasons(record_, page_.seasons.inputs);
    projectView_->ShowSeasons(&page_, static_cast<std::size_t>(std::max(chartSeason_->currentIndex(), 0)));
}

void SeasonalPanel::ProjectInputTyped() {
    if (filling_) return;
    seasonal::ProjectSeasonInputs inputs = page_.seasons.inputs;
    const auto evaporator = TypedNumber(evaporator_->text());
    const auto condenser = TypedNumber(condenser_->text());
    const auto bivalent = TypedNumber(bivalent_->text());
    const bool bivalentEmpty = bivalent_->text().trimmed().isEmpty();
    if (evaporator) inputs.evaporatorDifference_K = *evaporator;
    if (condenser) inputs.condenserDifference_K = *condenser;
    inputs.bivalent_C = bivalentEmpty ? std::nullopt : bivalent;
    const seasonal::ProjectSeasonInputs sane = seasonal::Sanitised(inputs);
    Mark(evaporator_, !evaporator || sane.evaporatorDifference_K != *evaporator);
    Mark(condenser_, !condenser || sane.condenserDifference_K != *condenser);
    Mark(bivalent_, !bivalentEmpty && (!bivalent || sane.bivalent_C != bivalent));
    if (sane == page_.seasons.inputs) return;
    page_.seasons = seasonal::EvaluateProjectSeasons(record_, sane);
    page_.fileDamaged = false;
    projectView_->ShowSeasons(&page_, static_cast<std::size_t>(std::max(chartSeason_->currentIndex(), 0)));
    Save();
}

void SeasonalPanel::ShowUnitInputs(const std::string& json) {
    filling_ = true;
    const QJsonObject unit = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    const auto text = [&](const QJsonValue& value) {
        if (!value.isDouble()) return QString();
        QString shown = QString::number(value.toDouble(), 'g', 10);
        if (page_.decimalSeparator != '.')
            shown.replace(QLatin1Char('.'), QLatin1Char(page_.decimalSeparator));
        return shown;
    };
    const QString climate = unit.value(QStringLiteral("climate")).toString();
    climate_->setCurrentIndex(climate == QLatin1String("colder")   ? 1
                              : climate == QLatin1String("warmer") ? 2
                                                                   : 0);
    flow_->setCurrentIndex(unit.value(QStringLiteral("flow_temperature")).toDouble() == 55 ? 1 : 0);
    const QString source = unit.value(QStringLiteral("source")).toString();
    source_->setCurrentIndex(source == QLatin1String("brine") ? 1 : source == QLatin1String("water") ? 2 : 0);
    reversible_->setChecked(unit.value(QStringLiteral("reversible")).toBool());
    designLoad_->setText(text(unit.value(QStringLiteral("design_load_kw"))));
    unitBivalent_->setText(text(unit.value(QStringLiteral("bivalent_temperature"))));
    operationLimit_->setText(text(unit.value(QStringLiteral("operation_limit"))));
    const QJsonArray points = unit.value(QStringLiteral("points")).toArray();
    for (int r = 0; r < kPointRows; ++r) {
        const QJsonObject p = r < points.size() ? points[r].toObject() : QJsonObject();
        QString t = text(p.value(QStringLiteral("t")));
        if (points.isEmpty() && r < 5) t = QString::number(kPointTemperatures[r]);
        points_->setItem(r, 0, new QTableWidgetItem(t));
        points_->setItem(r, 1, new QTableWidgetItem(text(p.value(QStringLiteral("capacity_kw")))));
        points_->setItem(r, 2, new QTableWidgetItem(text(p.value(QStringLiteral("cop")))));
        points_->setItem(r, 3, new QTableWidgetItem(text(p.value(QStringLiteral("cd")))));
    }
    const QJsonObject off = unit.value(QStringLiteral("off_mode_w")).toObject();
    const char* members[4] = {"off", "thermostat_off", "standby", "crankcase"};
    for (int i = 0; i < 4; ++i) offMode_[i]->setText(text(off.value(QString::fromLatin1(members[i]))));
    filling_ = false;
}

std::string SeasonalPanel::UnitJsonOfForm() const {
    QJsonObject unit;
    const char* climates[3] = {"average", "colder", "warmer"};
    const char* sources[3] = {"air", "brine", "water"};
    unit[QStringLiteral("climate")] = QString::fromLatin1(climates[std::max(climate_->currentIndex(), 0)]);
    unit[QStringLiteral("flow_temperature")] = flow_->currentIndex() == 1 ? 55 : 35;
    unit[QStringLiteral("source")] = QString::fromLatin1(sources[std::max(source_->currentIndex(), 0)]);
    unit[QStringLiteral("reversible")] = reversible_->isChecked();
    // A field left empty or not a number leaves its member out: the evaluation then names it.
    const auto put = [](QJsonObject& object, const char* name, const QString& typed) {
        if (const auto value = TypedNumber(typed)) object[QString::fromLatin1(name)] = *value;
    };
    put(unit, "design_load_kw", designLoad_->text());
    put(unit, "bivalent_temperature", unitBivalent_->text());
    put(unit, "operation_limit", operationLimit_->text());
    QJsonArray points;
    for (int r = 0; r < kPointRows; ++r) {
        const auto cell = [&](int c) {
            return points_->item(r, c) ? points_->item(r, c)->text() : QString();
        };
        if (cell(1).trimmed().isEmpty() && cell(2).trimmed().isEmpty()) continue;
        QJsonObject p;
        put(p, "t", cell(0));
        put(p, "capacity_kw", cell(1));
        put(p, "cop", cell(2));
        put(p, "cd", cell(3));
        points.append(p);
    }
    unit[QStringLiteral("points")] = points;
    QJsonObject off;
    const char* members[4] = {"off", "thermostat_off", "standby", "crankcase"};
    for (int i = 0; i < 4; ++i) put(off, members[i], offMode_[i]->text());
    unit[QStringLiteral("off_mode_w")] = off;
    return QJsonDocument(unit).toJson(QJsonDocument::Compact).toStdString();
}

void SeasonalPanel::UnitChanged() {
    if (filling_) return;
    // What the form holds now is what the file keeps.
    const std::string json = ShowUnitFigures();
    if (unitJson_ != json) {
        unitJson_ = json;
        Save();
    }
}

std::string SeasonalPanel::ShowUnitFigures() {
    const std::string json = UnitJsonOfForm();
    const auto parsed = seasonal::ParseUnitFile(json);
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        unitResult_->setText(DisplayText(texts_[kUnitInvalid]) + QLatin1Char(' ') +
                             QString::fromStdString(*message));
        unitView_->ShowUnit(std::nullopt, &texts_, page_.decimalSeparator);
    } else {
        const seasonal::UnitFile& file = std::get<seasonal::UnitFile>(parsed);
        const seasonal::SeasonalResult r = seasonal::EvaluateSeason(file.unit);
        const char sep = page_.decimalSeparator;
        QStringList lines = {
            QStringLiteral("SCOP %1    SCOP_on %2    SCOP_net %3")
                .arg(Shown(r.scop, 2, sep), Shown(r.scopOn, 2, sep), Shown(r.scopNet, 2, sep)),
            DisplayText(texts_[kEtaS]) + QStringLiteral(": %1 %").arg(Shown(r.etaS_pct, 0, sep)),
            DisplayText(texts_[kAnnualHeat]) +
                QStringLiteral(": %1 kWh/a").arg(Shown(r.heatDemand_kWh, 0, sep)),
            DisplayText(texts_[kAnnualElectricity]) +
                QStringLiteral(": %1 kWh/a").arg(Shown(r.annualElectricity_kWh, 0, sep)),
            DisplayText(texts_[kBackupShare]) +
                QStringLiteral(": %1 %").arg(Shown(100 * r.backupShare, 1, sep))};
        if (file.unit.cdOverride) lines << DisplayText(texts_[kCdRule]);
        unitResult_->setText(lines.join(QLatin1Char('\n')));
        seasonal::ProjectSeason shown{};
        shown.climate = file.unit.climate;
        shown.result = r;
        unitView_->ShowUnit(shown, &texts_, sep);
    }
    return json;
}

void SeasonalPanel::Save() {
    seasonal::SaveSeasonalFile(page_.seasons.inputs, unitJson_);
}

void SeasonalPanel::Export() {
    const QString file =
        QFileDialog::getSaveFileName(this, DisplayText(texts_[kExport]).remove(QStringLiteral("...")),
                                     QDir::current().filePath(QStringLiteral("seasonal.json")),
                                     QStringLiteral("JSON (*.json);;CSV (*.csv)"));
    if (file.isEmpty()) return;
    const bool csv = QFileInfo(file).suffix().toLower() == QLatin1String("csv");
    const std::string bytes = csv ? seasonal::ProjectSeasonsCsv(page_.seasons)
                                  : seasonal::ProjectSeasonsJson(page_.seasons, page_.fileDamaged) + "\n";
    if (!ReplaceFileBytesAt(std::filesystem::path(QFile::encodeName(file).toStdString()), bytes))
        ShowMessage(this, MessageKind::Exclamation, DisplayText(Settings.ProductName),
                    QDir::toNativeSeparators(file));
}

}  // namespace tervalo
