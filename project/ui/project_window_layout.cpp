// How the project window is put together: the inputs grouped as building, existing heating and heat pump,
// each result beside its inputs with its unit, the annual comparison of costs and CO2 below, the commands at
// the bottom, and the fuel-price panel and the climate-zone map above everything when they are shown.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "config/run_settings.h"
#include "localisation/code_page.h"
#include "localisation/cycle_texts.h"
#include "localisation/decision_texts.h"
#include "localisation/language_tables.h"
#include "localisation/result_captions_texts.h"
#include "project/project_actions.h"
#include "project/project_fields.h"
#include "project/project_lists.h"
#include "project/ui/lifetime_panel.h"
#include "project/ui/project_window.h"
#include "project/ui/seasonal_panel.h"
#include "project/window_texts.h"
#include "widgets/command_picture.h"
#include "widgets/picture_file.h"
#include "widgets/twips.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

// Sizes in twips.
constexpr double kNumberWidth = 1050;
constexpr double kNarrowListWidth = 1500;  // a list gives way to this on a narrow screen
constexpr double kCommandSize = 660;
constexpr double kSmallCommandSize = 480;  // the fuel-price button inside its section
constexpr double kMapButtonSize = 420;
constexpr double kSpacing = 90;

// Grid columns of the three input sections. Lists without a number beside them reach over the number and unit
// columns, so long entries and long labels of number rows share the width.
constexpr int kLabelColumn = 0, kListColumn = 1, kNumberColumn = 2, kUnitColumn = 3;

QFont Bold(QFont font) {
    font.setBold(true);
    return font;
}

QGridLayout* SectionGrid(QWidget* section) {
    auto* grid = new QGridLayout(section);
    const int spacing = TwipsScale::Of(section).Pixels(kSpacing);
    grid->setHorizontalSpacing(spacing);
    grid->setVerticalSpacing(spacing / 2);
    grid->setColumnStretch(kListColumn, 1);
    return grid;
}

QFrame* Separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// A small close button in the corner of a panel.
QToolButton* CloseButton(const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QStringLiteral("\u00D7"));
    button->setAutoRaise(true);
    return button;
}

}  // namespace

QString Projektdaten::CaptionText(std::string_view control) const {
    for (const ControlCaption& caption : record_.captions) {
        if (caption.control == control) return DisplayUnits(caption.text);
    }
    return {};
}

QLabel* Projektdaten::Caption(const char* control) {
    auto* label = new QLabel(CaptionText(control), this);
    label->setObjectName(QLatin1String(control));
    captions_.emplace(control, label);
    return label;
}

QLabel* Projektdaten::UnitLabel(const std::string& text) {
    return new QLabel(DisplayUnits(text), this);
}

CommandPicture* Projektdaten::AddCommand(const char* name, const char* twinName, const char* pictureFile,
                                         void (Projektdaten::*command)(), QWidget* parent, double size) {
    auto* button = NewCommandPicture(QLatin1String(name), size, parent);
    button->SetPicture(LoadPicture(pictureFile));
    QLabel* twin = Caption(twinName);
    twin->setParent(parent);
    button->AddTwin(twin);
    connect(button, &CommandPicture::Released, this, command);
    return button;
}

void Projektdaten::CreateFieldWidgets() {
    const ProjectRecord& record = record_;
    const TwipsScale twips = TwipsScale::Of(this);
    for (const ProjectFieldInfo& field : ProjectFields()) {
        const QString name =
            QString::fromLatin1(field.name.data(), static_cast<qsizetype>(field.name.size()));
        QWidget* widget = nullptr;
        switch (field.kind) {
            case FieldKind::Text:
            case FieldKind::PriceBox: {
                auto* edit = new QLineEdit(this);
                edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                edit->setFixedWidth(twips.Pixels(kNumberWidth));
                if (field.kind == FieldKind::Text && field.text != &ProjectRecord::t0)
                    connect(edit, &QLineEdit::returnPressed, this, [this, &field] { EnterPressed(field); });
                widget = edit;
                break;
            }
            case FieldKind::List: {
                auto* list = new QComboBox(this);
                list->setEditable(true);
                list->setInsertPolicy(QComboBox::NoInsert);
                list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
                // As wide as its entries where the screen has room; narrower, so that the content does not
                // scroll sideways, on a small one (the open list still shows the entries whole).
                list->setMinimumWidth(twips.Pixels(kNarrowListWidth));
                for (const std::string& entry : record.lists[static_cast<std::size_t>(*field.list)])
                    list->addItem(DisplayText(entry));
                if (*field.list == ProjectList::HeizArt) {
                    connect(list->lineEdit(), &QLineEdit::textEdited, this,
                            [this] { Act([this] { OnHeizArtTextChanged(record_); }); });
                } else {
                    list->lineEdit()->setReadOnly(true);
                    list->lineEdit()->installEventFilter(this);
                    // A narrowed list shows the start of its entry.
                    connect(list->lineEdit(), &QLineEdit::textChanged, list->lineEdit(),
                            [edit = list->lineEdit()] { edit->setCursorPosition(0); });
                }
                connect(list, &QComboBox::activated, this, [this, &field] { ListChosen(field); });
                widget = list;
                break;
            }
            case FieldKind::CheckBox: {
                auto* box = new QCheckBox(CaptionText(field.name), this);
                connect(box, &QCheckBox::clicked, this, [this](bool checked) {
                    Act([this, checked] { OnEinbindCheckClicked(record_, checked); });
                });
                widget = box;
                break;
            }
            case FieldKind::UnitLabel:
                widget = new QLabel(this);
                break;
            case FieldKind::ResultLabel: {
                auto* label = new QLabel(this);
                if (name != QLatin1String("LeistZahlK") && name != QLatin1String("LeistZahlH")) {
                    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
                    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                    label->setMinimumWidth(twips.Pixels(kNumberWidth));
                }
                widget = label;
                break;
            }
        }
        widget->setObjectName(name);
        fields_.emplace(std::string(field.name), widget);
    }
    t0_ = static_cast<QLineEdit*>(fields_.at("t0"));
    for (const char* hinted : {"WohnFL", "t0", "Tc"}) fields_.at(hinted)->installEventFilter(this);

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("Frame3D1"));
    content->installEventFilter(this);
    auto* columns = new QGridLayout(content);
    columns->setSpacing(twips.Pixels(kSpacing));
    columns->addWidget(BuildBuildingSection(), 0, 0);
    columns->addWidget(BuildHeatingSection(), 1, 0);
    columns->addWidget(BuildComparisonSection(), 2, 0);
    columns->addWidget(BuildDecisionSection(), 3, 0);
    columns->addWidget(BuildHeatPumpSection(), 0, 1, 4, 1);
    columns->setRowStretch(4, 1);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ProjectScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);

    auto* layout = new QVBoxLayout(this);
    const int margin = twips.Pixels(kSpacing);
    layout->setContentsMargins(margin, margin, margin, margin);
    columns->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll, 1);
    layout->addWidget(BuildCommandRow());
    BuildFuelPricePanel();
    BuildClimateMapPanel();
    BuildLifetimePanel();
    BuildSeasonalPanel();
    PlaceFurtherResults();
}

QWidget* Projektdaten::BuildBuildingSection() {
    auto* section = new QGroupBox(this);
    section->setObjectName(QStringLiteral("Panel3D2"));
    section->setTitle(CaptionText("Panel3D2"));
    auto* grid = SectionGrid(section);
    grid->addWidget(Caption("Label14"), 0, kLabelColumn, 1, 2);
    grid->addWidget(Field("WohnFL"), 0, kNumberColumn);
    grid->addWidget(Caption("Label30"), 0, kUnitColumn);
    grid->addWidget(Caption("Label19"), 1, kLabelColumn);
    grid->addWidget(Field("HausTyp"), 1, kListColumn, 1, 3);
    grid->addWidget(Caption("Label15"), 2, kLabelColumn);
    grid->addWidget(Field("Klimazone"), 2, kListColumn, 1, 2);
    auto* map = NewCommandPicture(QStringLiteral("KlimaZButt"), kMapButtonSize, section);
    map->SetPicture(LoadPicture("z_maxcap.bmp"));
    map->setToolTip(DisplayText(HeatCaption(kHeatClimateMap)));
    connect(map, &CommandPicture::Released, this, &Projektdaten::ClimateMapShow);
    grid->addWidget(map, 2, kUnitColumn, Qt::AlignLeft);
    grid->addWidget(Caption("Label9"), 3, kLabelColumn);
    grid->addWidget(Field("AmbientT"), 3, kListColumn, 1, 3);
    grid->addWidget(Caption("Label23"), 4, kLabelColumn, 1, 2);
    grid->addWidget(Field("SpezHeizLeist"), 4, kNumberColumn);
    grid->addWidget(UnitLabel("kWh/" + SquareMetres() + " a"), 4, kUnitColumn);
    grid->addWidget(Caption("Label1"), 5, kLabelColumn, 1, 2);
    grid->addWidget(Field("GesHBDGeB"), 5, kNumberColumn);
    grid->addWidget(UnitLabel("kWh/a"), 5, kUnitColumn);
    return section;
}

QWidget* Projektdaten::BuildHeatingSection() {
    auto* section = new QGroupBox(this);
    section->setObjectName(QStringLiteral("Panel3D5"));
    section->setTitle(CaptionText("Panel3D5"));
    auto* grid = SectionGrid(section);
    grid->addWidget(Caption("Label34"), 0, kLabelColumn);
    grid->addWidget(Field("HeizArt"), 0, kListColumn, 1, 3);
    grid->addWidget(Caption("Label35"), 1, kLabelColumn);
    grid->addWidget(Field("KesselWirk"), 1, kListColumn);
    grid->addWidget(Field("WirkGKessel"), 1, kNumberColumn);
    grid->addWidget(UnitLabel("%"), 1, kUnitColumn);
    grid->addWidget(Caption("Label2"), 2, kLabelColumn);
    grid->addWidget(Field("Bereitstell"), 2, kListColumn);
    grid->addWidget(Field("BereitStV"), 2, kNumberColumn);
    grid->addWidget(UnitLabel("%"), 2, kUnitColumn);
    grid->addWidget(Caption("Label41"), 3, kLabelColumn);
    auto* prices = new QWidget(section);
    auto* pricesRow = new QHBoxLayout(prices);
    pricesRow->setContentsMargins(0, 0, 0, 0);
    pricesRow->addWidget(AddCommand("Command3D4", "Command3D4_L", "stcap.bmp",
                                    &Projektdaten::FuelPriceCommand, prices, kSmallCommandSize));
    pricesRow->addWidget(captions_.at("Command3D4_L"));
    pricesRow->addStretch(1);
    grid->addWidget(prices, 3, kListColumn);
    grid->addWidget(Field("BrennK"), 3, kNumberColumn);
    grid->addWidget(Field("BrennStKeinh"), 3, kUnitColumn);
    grid->addWidget(Field("Label39"), 4, kLabelColumn, 1, 2);
    grid->addWidget(Field("GesHBDHeiz"), 4, kNumberColumn);
    grid->addWidget(UnitLabel("kWh/a"), 4, kUnitColumn);
    grid->addWidget(Caption("Label45"), 5, kLabelColumn, 1, 2);
    grid->addWidget(Field("BrennStV"), 5, kNumberColumn);
    grid->addWidget(Field("BrennstVUnit"), 5, kUnitColumn);
    return section;
}

QWidget* Projektdaten::BuildHeatPumpSection() {
    auto* section = new QGroupBox(this);
    section->setObjectName(QStringLiteral("Panel3D1"));
    section->installEventFilter(this);
    auto* grid = SectionGrid(section);
    int row = 0;
    QLabel* title = Caption("Label20");
    title->setFont(Bold(title->font()));
    grid->addWidget(title, row++, kLabelColumn, 1, 4);
    grid->addWidget(Caption("Label17"), row, kLabelColumn);
    grid->addWidget(Field("AnwendBereich"), row++, kListColumn, 1, 3);
    grid->addWidget(Caption("Pn45_L"), row, kLabelColumn);
    grid->addWidget(Field("VFlsize"), row++, kListColumn, 1, 3);
    grid->addWidget(Caption("Label22"), row, kLabelColumn, 1, 2);
    grid->addWidget(Field("EnergKost"), row, kNumberColumn);
    grid->addWidget(Caption("Label25"), row++, kUnitColumn);
    grid->addWidget(Field("EinbindCheck"), row++, kLabelColumn, 1, 4);
    grid->addWidget(Caption("Label7"), row, kLabelColumn, 1, 2);
    grid->addWidget(Field("GesEnergWP"), row, kNumberColumn);
    grid->addWidget(UnitLabel("kWh/a"), row++, kUnitColumn);

    // The design point.
    grid->addWidget(Separator(section), row++, kLabelColumn, 1, 4);
    QLabel* designPoint = Caption("Pn44_L");
    designPoint->setFont(Bold(designPoint->font()));
    grid->addWidget(designPoint, row++, kLabelColumn, 1, 4);
    grid->addWidget(Caption("MittTo"), row, kLabelColumn, 1, 2);
    grid->addWidget(Field("t0"), row, kNumberColumn);
    grid->addWidget(Caption("Label12"), row++, kUnitColumn);
    grid->addWidget(Caption("Label33"), row, kLabelColumn, 1, 2);
    grid->addWidget(Field("Tc"), row, kNumberColumn);
    grid->addWidget(Caption("Label13"), row++, kUnitColumn);
    grid->addWidget(Caption("tslPN"), row, kLabelColumn, 1, 2);
    grid->addWidget(Field("pn32"), row, kNumberColumn);
    grid->addWidget(Caption("Label28"), row++, kUnitColumn);
    grid->addWidget(Field("LeistZahlK"), row, kLabelColumn);
    grid->addWidget(Field("LeistZahlH"), row++, kListColumn, 1, 3);
    heatPumpGrid_ = grid;
    furtherResultsRow_ = row++;  // stays empty, and takes no room, until a result is placed there

    // Kept with the project; they enter no calculation.
    grid->addWidget(Separator(section), row++, kLabelColumn, 1, 4);
    const std::pair<const char*, int> furtherLists[] = {
        {"Leitungsdimension", 69}, {"Verdichterbauart", 70}, {"WartungI", 71}, {"Tempbereich", 72}};
    for (const auto& [list, caption] : furtherLists) {
        auto* label = new QLabel(DisplayText(tervalo::Caption(caption) + Settings.LabelSeparator), section);
        label->setObjectName(QLatin1String(list) + QStringLiteral("_L"));
        grid->addWidget(label, row, kLabelColumn);
        grid->addWidget(Field(list), row++, kListColumn, 1, 3);
    }
    grid->setRowStretch(row, 1);
    return section;
}

// A result the sections above do not place (one added to result_fields.h since) is shown below the design
// point, under a heading, with its caption of ResultCaptions and its unit.
void Projektdaten::PlaceFurtherResults() {
    QWidget* block = nullptr;
    QGridLayout* grid = nullptr;
    int row = 0;
    FeatureTexts texts;  // read with the first such result: the window's opening reads no file for none
    for (const ProjectFieldInfo& field : ProjectFields()) {
        QWidget* widget = fields_.at(std::string(field.name));
        if (!field.result || widget->parentWidget() != this) continue;  // placed in a section
        if (!block) {
            texts = LoadFeatureTexts(result_captions_texts::kFile, Settings.LanguageCode);
            block = new QWidget;
            block->setObjectName(QStringLiteral("FurtherResults"));
            grid = new QGridLayout(block);
            grid->setContentsMargins(0, 0, 0, 0);
            grid->setColumnStretch(0, 1);
            auto* heading = new QLabel(DisplayText(texts[result_captions_texts::kFurtherResults]), block);
            heading->setFont(Bold(heading->font()));
            grid->addWidget(heading, row++, 0, 1, 3);
            heatPumpGrid_->addWidget(block, furtherResultsRow_, kLabelColumn, 1, 4);
        }
        auto* caption = new QLabel(DisplayText(texts[field.caption]), block);
        caption->setObjectName(
            QString::fromLatin1(field.name.data(), static_cast<qsizetype>(field.name.size())) +
            QStringLiteral("_L"));
        grid->addWidget(caption, row, 0);
        grid->addWidget(widget, row, 1);
        const std::string unit = FixedUnitText(
            field.unit, CodePageToUtf8(Settings.CurrencyCode, CodePageOf(Settings.LanguageCode)));
        grid->addWidget(new QLabel(QString::fromStdString(unit), block), row++, 2);
    }
}

QWidget* Projektdaten::BuildComparisonSection() {
    auto* section = new QGroupBox(this);
    section->setObjectName(QStringLiteral("PNRG"));
    section->installEventFilter(this);
    auto* grid = SectionGrid(section);
    grid->setColumnStretch(kListColumn, 0);
    grid->addWidget(Field("Label21"), 0, 1, 1, 2, Qt::AlignCenter);
    auto* heatPump = new QLabel(DisplayText(HeatCaption(kHeatHeatPump)), section);
    heatPump->setObjectName(QStringLiteral("PNRG_HeatPump"));
    grid->addWidget(heatPump, 0, 3, 1, 2, Qt::AlignCenter);
    grid->addWidget(Caption("Label32"), 1, 0);
    grid->addWidget(Field("Label27"), 1, 1);
    grid->addWidget(Caption("Label3"), 1, 2);
    grid->addWidget(Field("BetrKo"), 1, 3);
    grid->addWidget(Caption("Label43"), 1, 4);
    grid->addWidget(Caption("Label11"), 2, 0);
    grid->addWidget(Field("Label38"), 2, 1);
    grid->addWidget(UnitLabel("t/a"), 2, 2);
    grid->addWidget(Field("co2consum"), 2, 3);
    grid->addWidget(UnitLabel("t/a"), 2, 4);
    grid->addWidget(Caption("Label18"), 3, 0);
    grid->addWidget(Field("LeistZ"), 3, 1);
    grid->setColumnStretch(5, 1);
    return section;
}

QWidget* Projektdaten::BuildCommandRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const char* name, const char* twin, const char* picture,
                         void (Projektdaten::*command)()) {
        layout->addWidget(AddCommand(name, twin, picture, command, row, kCommandSize));
        layout->addWidget(captions_.at(twin));
        layout->addSpacing(TwipsScale::Of(this).Pixels(kSpacing));
    };
    add("Rechbutt", "Rechbutt_l", "brcap.bmp", &Projektdaten::CalculateCommand);
    add("Printbutt", "Printbutt_L", "prcap.bmp", &Projektdaten::PrintCommand);
    auto* exportButton = new QPushButton(DisplayText(decisionTexts_[decision_texts::kExportButton]), row);
    exportButton->setObjectName(QStringLiteral("ExportButt"));
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, &Projektdaten::ExportCommand);
    layout->addWidget(exportButton);
    layout->addSpacing(TwipsScale::Of(this).Pixels(kSpacing));
    add("Command3D3", "Command3D3_l", "hpcap.bmp", &Projektdaten::HelpCommand);
    if (commands_.showCycle) {
        const FeatureTexts texts = LoadFeatureTexts(cycle_texts::kFile, Settings.LanguageCode);
        auto* cycle = new QPushButton(DisplayText(texts[cycle_texts::kCycleButton]), row);
        cycle->setObjectName(QStringLiteral("CycleButt"));
        // Enter in a field runs that field's action; it never opens the view.
        cycle->setAutoDefault(false);
        connect(cycle, &QPushButton::clicked, this, &Projektdaten::CycleCommand);
        layout->addWidget(cycle);
    }
    layout->addStretch(1);
    add("Abbrechen", "Abbrechen_l", "OKcap.bmp", &Projektdaten::AcceptCommand);
    captions_.at("Abbrechen_l")->setText(QStringLiteral("OK"));
    add("Command3D2", "Command3D2_l", "abcap.bmp", &QDialog::reject);
    return row;
}

void Projektdaten::BuildFuelPricePanel() {
    fuelPricePanel_ = new QFrame(this);
    fuelPricePanel_->setObjectName(QStringLiteral("BrennstoffKPN"));
    fuelPricePanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fuelPricePanel_->setLineWidth(2);
    fuelPricePanel_->setAutoFillBackground(true);
    auto* grid = SectionGrid(fuelPricePanel_);
    QLabel* title = Caption("Panel3D6");
    title->setFont(Bold(title->font()));
    grid->addWidget(title, 0, 0, 1, 2);
    QToolButton* close = CloseButton("Command3D5", fuelPricePanel_);
    connect(close, &QToolButton::clicked, this, &Projektdaten::FuelPriceCancel);
    grid->addWidget(close, 0, 2, Qt::AlignRight);
    const char* labels[] = {"Label50", "Label51", "Label52", "Label53"};
    const char* boxes[] = {"BK50", "BK51", "BK52", "BK53"};
    const char* units[] = {"Label60", "Label61", "Label62", "Label63"};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(Caption(labels[i]), i + 1, 0);
        grid->addWidget(Field(boxes[i]), i + 1, 1);
        grid->addWidget(Caption(units[i]), i + 1, 2);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddCommand("OKbutt", "Okbutt_l", "OKcap.bmp", &Projektdaten::FuelPriceAccept,
                                  fuelPricePanel_, kSmallCommandSize));
    buttons->addWidget(captions_.at("Okbutt_l"));
    captions_.at("Okbutt_l")->setText(QStringLiteral("OK"));
    buttons->addStretch(1);
    buttons->addWidget(AddCommand("Abbbutt", "Abbbutt_l", "abcap.bmp", &Projektdaten::FuelPriceCancel,
                                  fuelPricePanel_, kSmallCommandSize));
    buttons->addWidget(captions_.at("Abbbutt_l"));
    grid->addLayout(buttons, 5, 0, 1, 3);
    fuelPricePanel_->adjustSize();
    fuelPricePanel_->hide();
}

void Projektdaten::BuildClimateMapPanel() {
    climateMapPanel_ = new QFrame(this);
    climateMapPanel_->setObjectName(QStringLiteral("KlimaPN"));
    climateMapPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    climateMapPanel_->setLineWidth(2);
    climateMapPanel_->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(climateMapPanel_);
    auto* header = new QHBoxLayout;
    auto* title = new QLabel(DisplayText(HeatCaption(kHeatClimateMap)), climateMapPanel_);
    title->setFont(Bold(title->font()));
    header->addWidget(title, 1);
    QToolButton* close = CloseButton("Command3D1", climateMapPanel_);
    connect(close, &QToolButton::clicked, this, &Projektdaten::ClimateMapHide);
    header->addWidget(close);
    layout->addLayout(header);
    auto* map = new QLabel(climateMapPanel_);
    map->setObjectName(QStringLiteral("Picture1"));
    map->setPixmap(LoadPicture("KlimaZ01.bmp"));
    layout->addWidget(map);
    climateMapPanel_->adjustSize();
    climateMapPanel_->hide();
}

void Projektdaten::BuildLifetimePanel() {
    lifetimePanel_ = new LifetimePanel(this);
    connect(lifetimePanel_->closeButton(), &QPushButton::clicked, this, &Projektdaten::LifetimeHide);
    // The lifetime figures follow the project as the window shows it.
    connect(this, &Projektdaten::RecordShown, lifetimePanel_, [this] {
        if (lifetimePanel_->isVisible()) lifetimePanel_->ShowProject(record_);
    });
}

void Projektdaten::PlaceOverlays() {
    if (lifetimePanel_) {
        // Over the whole window but its margin: the panel has the room of the project's sections.
        const int margin = TwipsScale::Of(this).Pixels(kSpacing);
        lifetimePanel_->setGeometry(rect().adjusted(margin, margin, -margin, -margin));
        if (seasonalPanel_) seasonalPanel_->setGeometry(lifetimePanel_->geometry());
    }
    for (QFrame* panel : {fuelPricePanel_, climateMapPanel_}) {
        if (!panel) continue;
        panel->adjustSize();
        const QSize size = panel->size().boundedTo(this->size());
        panel->setGeometry((width() - size.width()) / 2, (height() - size.height()) / 3, size.width(),
                           size.height());
    }
}

}  // namespace tervalo
