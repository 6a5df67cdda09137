// The project window from the keyboard: Tab follows the screen, every picture button has its Alt shortcut,
// every input is named by its caption and unit, and Enter in the fuel-price panel confirms it.
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "project/project_fields.h"
#include "project/ui/lifetime_panel.h"
#include "project/ui/project_window.h"
#include "project/ui/seasonal_panel.h"
#include "widgets/command_picture.h"
#include "widgets/focus_chain.h"

namespace tervalo {

void Projektdaten::LinkKeyboard() {
    // The commands that close the window first, so they keep their first letters in every language.
    std::vector<QLabel*> twins;
    for (const char* twin : {"Abbrechen_l", "Command3D2_l", "Rechbutt_l", "Printbutt_L", "Command3D3_l",
                             "Command3D4_L", "Okbutt_l", "Abbbutt_l"})
        twins.push_back(captions_.at(twin));
    const QString taken = AssignMnemonics(twins);
    std::vector<QAbstractButton*> buttons;
    for (const char* name : {"ExportButt", "DecisionButt", "LifetimeButt", "CycleButt"})
        if (auto* button = findChild<QPushButton*>(name)) buttons.push_back(button);
    AssignButtonMnemonics(buttons, taken);
    if (auto* map = findChild<CommandPicture*>(QStringLiteral("KlimaZButt")))
        map->setAccessibleName(map->toolTip());

    for (const ProjectFieldInfo& field : ProjectFields()) {
        if (field.kind == FieldKind::Text || field.kind == FieldKind::List ||
            field.kind == FieldKind::PriceBox)
            LinkInputToCaption(fields_.at(std::string(field.name)));
    }

    // The scroll area follows the focus; it need not take it itself.
    findChild<QScrollArea*>(QStringLiteral("ProjectScroll"))->setFocusPolicy(Qt::NoFocus);
    std::vector<QWidget*> chain = FocusableInLayoutOrder(layout());
    for (QWidget* panel : {static_cast<QWidget*>(fuelPricePanel_), static_cast<QWidget*>(climateMapPanel_),
                           static_cast<QWidget*>(lifetimePanel_), static_cast<QWidget*>(seasonalPanel_)}) {
        const std::vector<QWidget*> inPanel = FocusableInLayoutOrder(panel->layout());
        chain.insert(chain.end(), inPanel.begin(), inPanel.end());
    }
    ChainFocus(chain);
    findChild<CommandPicture*>(QStringLiteral("OKbutt"))->MakeDefaultIn(fuelPricePanel_);
}

}  // namespace tervalo
