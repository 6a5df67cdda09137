#pragma once

// The header row of a panel of the project window: its title in bold, then its buttons and a close button.
// Enter confirms the input it is typed in and presses none of them.

#include <QString>
#include <vector>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace tervalo {

// Adds the header to `layout` of `panel`, the buttons in order before the close button; returns the close
// button, named `closeName`.
QPushButton* AddPanelHeader(QWidget* panel, QBoxLayout* layout, const QString& title,
                            const QString& closeText, const QString& closeName,
                            const std::vector<QPushButton*>& buttons = {});

}  // namespace tervalo
