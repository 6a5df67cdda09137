// What keeps the project window from losing or misreading what the user typed: Esc closes only an open panel,
// cancelling with edits asks first, and number fields the calculation reads otherwise than typed are marked.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "config/run_settings.h"
#include "localisation/window_aids_texts.h"
#include "project/field_marks.h"
#include "project/project_fields.h"
#include "project/ui/lifetime_panel.h"
#include "project/ui/project_window.h"
#include "project/ui/seasonal_panel.h"
#include "widgets/message_box.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

// Light orange: the field is read, but not as typed or not to a meaningful result.
const QColor kMarkColour(255, 214, 160);

}  // namespace

void Projektdaten::WatchEdits() {
    aids_ = LoadFeatureTexts(window_aids_texts::kFile, Settings.LanguageCode);
    const auto edited = [this] { edited_ = true; };
    for (const ProjectFieldInfo& field : ProjectFields()) {
        QWidget* widget = fields_.at(std::string(field.name));
        // Fuel prices are kept apart from the project, saved or dropped by their own panel.
        if (field.kind == FieldKind::Text) {
            connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this, edited);
            connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this, &Projektdaten::InputTyped);
        } else if (field.kind == FieldKind::List) {
            auto* list = static_cast<QComboBox*>(widget);
            connect(list, &QComboBox::activated, this, edited);
            connect(list->lineEdit(), &QLineEdit::textEdited, this, edited);
        } else if (field.kind == FieldKind::CheckBox) {
            connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this, edited);
        }
        if (field.kind == FieldKind::Text || field.kind == FieldKind::PriceBox)
            connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this, &Projektdaten::MarkFields);
    }
}

bool Projektdaten::CloseOpenOverlay() {
    if (lifetimePanel_->isVisible()) {
        LifetimeHide();
        return true;
    }
    if (seasonalPanel_->isVisible()) {
        SeasonalHide();
        return true;
    }
    if (record_.ClimateMapVisible) {
        ClimateMapHide();
        return true;
    }
    if (record_.FuelPricePanelVisible) {
        FuelPriceCancel();
        return true;
    }
    return false;
}

void Projektdaten::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && CloseOpenOverlay()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Projektdaten::reject() {
    using namespace window_aids_texts;
    if (edited_ &&
        !AskYesNoDefaultNo(this, DisplayText(Settings.ProductName), DisplayText(aids_[kDiscardQuestion])))
        return;
    QDialog::reject();
}

void Projektdaten::MarkFields() {
    using namespace window_aids_texts;
    for (const ProjectFieldInfo& field : ProjectFields()) {
        if (field.kind != FieldKind::Text && field.kind != FieldKind::PriceBox) continue;
        auto* edit = static_cast<QLineEdit*>(fields_.at(std::string(field.name)));
        const FieldMark mark = MarkOfField(field.name, TypedText(edit->text()));
        QStringList notes;
        if (mark.readDifferently)
            notes << DisplayText(aids_[kReadAs]) + QLatin1Char(' ') +
                         QString::fromStdString(ReadValueText(mark.value));
        if (mark.range == FieldRange::AreaNotPositive) notes << DisplayText(aids_[kAreaNotPositive]);
        if (mark.range == FieldRange::PriceNegative) notes << DisplayText(aids_[kPriceNegative]);
        if (mark.range == FieldRange::EfficiencyOutside) notes << DisplayText(aids_[kEfficiencyOutside]);
        QPalette colours;
        if (mark.Any()) colours.setColor(QPalette::Base, kMarkColour);
        edit->setPalette(colours);
        edit->setToolTip(notes.join(QLatin1Char('\n')));
        edit->setProperty("marked", mark.Any());
    }
}

}  // namespace tervalo
