#include "project/ui/project_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "config/run_settings.h"
#include "help/ui/help_box.h"
#include "localisation/decision_texts.h"
#include "project/input_edits.h"
#include "project/project_actions.h"
#include "project/project_fields.h"
#include "project/project_files.h"
#include "project/result_reason_text.h"
#include "project/ui/decision_view.h"
#include "project/ui/lifetime_panel.h"
#include "project/ui/result_marks_view.h"
#include "widgets/busy_pointer.h"
#include "widgets/message_box.h"
#include "widgets/screen_fit.h"
#include "widgets/twips.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

// Screens lower than this place the window in their top-left corner.
constexpr double kLowScreen = 8900;

constexpr char kEnterKey = 13;

// The panels of the window whose click closes the climate-zone map.
bool IsMapClosingPanel(const QObject* object) {
    const QString name = object->objectName();
    return name == QLatin1String("Frame3D1") || name == QLatin1String("Panel3D1") ||
           name == QLatin1String("Pn45") || name == QLatin1String("PNRG");
}

void ShowTextIn(QWidget* widget, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text) edit->setText(text);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        if (list->currentText() == text) return;
        const int entry = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        list->setCurrentIndex(entry);
        if (entry < 0) list->setEditText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    }
}

// What a field shows: its text with the numbers in the language's decimal separator; the record keeps its
// bytes (the files rely on them). A list shows its entry as it stands, a unit its superscripts.
QString ShownFieldText(const ProjectRecord& record, const ProjectFieldInfo& field) {
    const std::string text = FieldDisplayText(record, field);
    if (field.kind == FieldKind::List) return DisplayText(text);
    if (field.kind == FieldKind::UnitLabel) return DisplayUnits(text);
    return DisplayNumbers(text);
}

QString ShownText(const QWidget* widget) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) return list->currentText();
    return {};
}

}  // namespace

Projektdaten::Projektdaten(ProjectRecord& record, ProjectWindowCommands commands, QWidget* parent)
    : QDialog(parent),
      record_(record),
      commands_(std::move(commands)),
      decisionTexts_(LoadFeatureTexts(decision_texts::kFile, Settings.LanguageCode)) {
    setObjectName(QStringLiteral("Projektdaten"));
    BusyPointer busy;
    // Each opening starts from empty fields, as a newly loaded window does; the run's values stay.
    ClearProjectWindow(record_);
    record_.DecimalSeparator = SystemDecimalSeparator();
    OnWindowLoad(record_);
    setWindowTitle(DisplayText(record_.Title));
    CreateFieldWidgets();
    AddStaleResultsLine();
    LinkKeyboard();
    WatchEdits();
    ShowRecord();
}

QWidget* Projektdaten::Field(const char* name) const {
    const auto found = fields_.find(name);
    return found == fields_.end() ? nullptr : found->second;
}

void Projektdaten::TakeWidgetTexts() {
    ProjectRecord& record = record_;
    for (const ProjectFieldInfo& field : ProjectFields()) {
        QWidget* widget = fields_.at(std::string(field.name));
        if (field.kind == FieldKind::CheckBox) {
            record.EinbindCheck = static_cast<QCheckBox*>(widget)->isChecked();
            continue;
        }
        if (field.kind != FieldKind::Text && field.kind != FieldKind::List &&
            field.kind != FieldKind::PriceBox)
            continue;
        // Only what the user changed is converted back, so untouched texts keep their bytes exactly.
        const QString shown = ShownText(widget);
        if (shown != ShownFieldText(record, field)) EditableText(record, field) = TypedText(shown);
    }
}

void Projektdaten::InputTyped() {
    // The results follow the typed texts at once: those the typing affects are marked, the decision figures
    // drop to their dash. Nothing is calculated before Enter.
    beforeVariants_.clear();
    if (auto* view = findChild<DecisionView*>(QString(), Qt::FindDirectChildrenOnly)) view->RefreshUndo();
    TakeWidgetTexts();
    ShowDecisionFigures();
    ShowResultMarks(
        record_, resultMarkTexts_, [this](std::string_view name) { return Field(std::string(name).c_str()); },
        staleResultsLine_);
}

void Projektdaten::ShowRecord() {
    const ProjectRecord& record = record_;
    for (const ProjectFieldInfo& field : ProjectFields()) {
        QWidget* widget = fields_.at(std::string(field.name));
        if (field.kind == FieldKind::CheckBox)
            static_cast<QCheckBox*>(widget)->setChecked(record.EinbindCheck);
        else
            ShowTextIn(widget, ShownFieldText(record, field));
    }
    fuelPricePanel_->setVisible(record.FuelPricePanelVisible);
    climateMapPanel_->setVisible(record.ClimateMapVisible);
    if (record.FuelPricePanelVisible) fuelPricePanel_->raise();
    if (record.ClimateMapVisible) climateMapPanel_->raise();
    MarkFields();
    ShowDecisionFigures();
    ShowResultMarks(
        record, resultMarkTexts_, [this](std::string_view name) { return Field(std::string(name).c_str()); },
        staleResultsLine_);
}

void Projektdaten::AddStaleResultsLine() {
    resultMarkTexts_ = LoadResultMarkTexts(Settings.LanguageCode);
    staleResultsLine_ = CreateStaleResultsLine(this);
    // Between the sections and the command row.
    if (auto* column = qobject_cast<QBoxLayout*>(layout())) column->insertWidget(1, staleResultsLine_);
}

void Projektdaten::Act(const std::function<void()>& action) {
    // Any other change of the project ends what the decision view can undo.
    if (!keepVariantUndo_) beforeVariants_.clear();
    TakeWidgetTexts();
    action();
    ShowRecord();
    emit RecordShown();
}

void Projektdaten::ShowMessages(const std::vector<std::string>& messages) {
    for (const std::string& message : messages)
        ShowMessage(this, MessageKind::Plain, Settings.ProductName, message);
}

void Projektdaten::Activate() {
    BusyPointer busy;
    // Activation recalculates what is shown; it changes no input, so an applied cell can still be undone.
    const bool keep = keepVariantUndo_;
    keepVariantUndo_ = true;
    Act([this] { OnWindowActivate(record_); });
    keepVariantUndo_ = keep;
}

void Projektdaten::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!firstShow_) return;
    firstShow_ = false;
    SizeForScreen();
    if (TwipsScale::ScreenHeightTwips(this) < kLowScreen && screen())
        move(screen()->availableGeometry().topLeft());
    else
        KeepWithinScreen(this);
    PlaceOverlays();
    // The first activation follows the load, once the window stands.
    QMetaObject::invokeMethod(this, &Projektdaten::Activate, Qt::QueuedConnection);
}

void Projektdaten::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceOverlays();
}

bool Projektdaten::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (const auto* field = FindProjectField(watched->objectName().toStdString())) {
            const std::string hint = FocusHint(field->text);
            if (!hint.empty() && commands_.showHint) commands_.showHint(hint);
        }
    } else if (event->type() == QEvent::KeyPress && watched == t0_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            T0KeyPressed(kEnterKey);
            return true;
        }
        const QByteArray typed = key->text().toLatin1();
        T0KeyPressed(typed.isEmpty() ? '\0' : typed.front());
    } else if (event->type() == QEvent::MouseButtonPress) {
        // A list shows its entries wherever it is clicked; only the heating type can also be typed into.
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && edit->isReadOnly()) {
            if (auto* list = qobject_cast<QComboBox*>(edit->parentWidget())) {
                list->showPopup();
                return true;
            }
        }
        if (IsMapClosingPanel(watched) && record_.ClimateMapVisible) ClimateMapHide();
    }
    return QDialog::eventFilter(watched, event);
}

void Projektdaten::ListChosen(const ProjectFieldInfo& field) {
    Act([this, &field] { OnListChosen(record_, *field.list, EditableText(record_, field)); });
}

void Projektdaten::EnterPressed(const ProjectFieldInfo& field) {
    WindowMessages messages;
    Act([&] { messages = OnEnter(record_, field.text); });
    ShowMessages(messages);
}

void Projektdaten::T0KeyPressed(char key) {
    WindowMessages messages;
    Act([&] { messages = OnT0Key(record_, key); });
    ShowMessages(messages);
}

void Projektdaten::CalculateCommand() {
    Act([this] { OnCalculateCommand(record_); });
}

void Projektdaten::AcceptCommand() {
    TakeWidgetTexts();
    if (OnAcceptCommand(record_)) {
        accept();
        return;
    }
    ShowMessage(this, MessageKind::Exclamation, Settings.ProductName,
                std::string("The project could not be saved in ") + kProjectFileName +
                    " (no write permission or the disk is full).");
}

void Projektdaten::PrintCommand() {
    TakeWidgetTexts();
    OnPrintCommand(record_);
    if (commands_.print) commands_.print(record_, this);
    Activate();
}

void Projektdaten::HelpCommand() {
    TakeWidgetTexts();
    OnHelpCommand(record_);
    {
        Hilfebox help(commands_.helpTopic, this);
        help.exec();
    }
    Activate();
}

void Projektdaten::CycleCommand() {
    TakeWidgetTexts();
    commands_.showCycle(record_, *this);
}

void Projektdaten::FuelPriceCommand() {
    Act([this] { OnFuelPriceCommand(record_); });
    fields_.at("BK50")->setFocus();
}

void Projektdaten::FuelPriceAccept() {
    bool written = true;
    Act([this, &written] { written = OnFuelPriceAccept(record_); });
    if (!written)
        ShowMessage(this, MessageKind::Exclamation, Settings.ProductName,
                    std::string("The fuel prices could not be saved in ") + kFuelPriceFileName +
                        " (no write permission or the disk is full).");
}

void Projektdaten::FuelPriceCancel() {
    Act([this] { OnFuelPriceCancel(record_); });
}

void Projektdaten::ClimateMapShow() {
    Act([this] { OnClimateMapShow(record_); });
}

void Projektdaten::ClimateMapHide() {
    Act([this] { OnClimateMapHide(record_); });
}

void Projektdaten::CoverContent(bool covered) {
    // What lies under the lifetime panel takes neither the focus nor a shortcut while the panel is open.
    for (int i = 0; i < layout()->count(); ++i)
        if (QWidget* widget = layout()->itemAt(i)->widget()) widget->setEnabled(!covered);
}

void Projektdaten::LifetimeShow() {
    TakeWidgetTexts();
    lifetimePanel_->Open(record_);
    CoverContent(true);
    PlaceOverlays();
    lifetimePanel_->show();
    lifetimePanel_->raise();
    if (QWidget* first = lifetimePanel_->findChild<QLineEdit*>(QStringLiteral("HeatPumpCost")))
        first->setFocus();
}

void Projektdaten::LifetimeHide() {
    lifetimePanel_->hide();
    CoverContent(false);
    if (QWidget* button = findChild<QWidget*>(QStringLiteral("LifetimeButt"))) button->setFocus();
}

}  // namespace tervalo
