#include "widgets/focus_chain.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>

namespace tervalo {

namespace {

void CollectWidget(QWidget* widget, std::vector<QWidget*>& found);

void CollectLayout(QLayout* layout, std::vector<QWidget*>& found) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QLayout* inner = item->layout())
            CollectLayout(inner, found);
        else if (QWidget* widget = item->widget())
            CollectWidget(widget, found);
    }
}

void CollectWidget(QWidget* widget, std::vector<QWidget*>& found) {
    if (auto* scroll = qobject_cast<QScrollArea*>(widget)) {
        if (scroll->widget()) CollectWidget(scroll->widget(), found);
    } else if (widget->focusPolicy() & Qt::TabFocus) {
        found.push_back(widget);
    } else if (widget->layout()) {
        CollectLayout(widget->layout(), found);
    }
}

QString WithoutTrailingColon(QString caption) {
    caption = caption.trimmed();
    while (caption.endsWith(QLatin1Char(':'))) caption = caption.chopped(1).trimmed();
    return caption;
}

}  // namespace

std::vector<QWidget*> FocusableInLayoutOrder(QLayout* layout) {
    std::vector<QWidget*> found;
    if (layout) CollectLayout(layout, found);
    return found;
}

void ChainFocus(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i) QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

GridNeighbours NeighboursInGrid(QWidget* input) {
    auto* grid =
        input->parentWidget() ? qobject_cast<QGridLayout*>(input->parentWidget()->layout()) : nullptr;
    const int index = grid ? grid->indexOf(input) : -1;
    if (index < 0) return {};
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    const auto labelAt = [grid, input](int r, int c) -> QLabel* {
        QLayoutItem* item = grid->itemAtPosition(r, c);
        auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
        return label != input ? label : nullptr;
    };
    return {column > 0 ? labelAt(row, 0) : nullptr, labelAt(row, column + columnSpan)};
}

void LinkInputToCaption(QWidget* input) {
    const GridNeighbours beside = NeighboursInGrid(input);
    if (beside.caption) {
        if (!beside.caption->buddy()) beside.caption->setBuddy(input);
        input->setAccessibleName(WithoutTrailingColon(beside.caption->text()));
    }
    if (beside.unit) input->setAccessibleDescription(beside.unit->text());
}

}  // namespace tervalo
