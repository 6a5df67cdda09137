#include "project/ui/panel_header.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tervalo {

QPushButton* AddPanelHeader(QWidget* panel, QBoxLayout* layout, const QString& title,
                            const QString& closeText, const QString& closeName,
                            const std::vector<QPushButton*>& buttons) {
    auto* header = new QHBoxLayout;
    auto* label = new QLabel(title, panel);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    header->addWidget(label, 1);
    auto* close = new QPushButton(closeText, panel);
    close->setObjectName(closeName);
    for (QPushButton* button : buttons) header->addWidget(button);
    header->addWidget(close);
    for (QPushButton* button : buttons) button->setAutoDefault(false);
    close->setAutoDefault(false);
    layout->addLayout(header);
    return close;
}

}  // namespace tervalo
