#pragma once

// The keyboard's way through a window: the widgets that take the focus by Tab, in the order their layouts
// place them, so that Tab follows the screen whatever order the widgets were made in.

#include <vector>

class QLayout;
class QLabel;
class QWidget;

namespace tervalo {

// The Tab-focusable widgets of `layout`, its nested layouts and the layouts of its widgets (and the content
// of a scroll area), in the order they were added.
std::vector<QWidget*> FocusableInLayoutOrder(QLayout* layout);

// Tab goes from each widget to the next.
void ChainFocus(const std::vector<QWidget*>& widgets);

// The caption and unit beside an input in a grid: the label in the first column of its row and the label in
// the column after it. Null where there is none.
struct GridNeighbours {
    QLabel* caption = nullptr;
    QLabel* unit = nullptr;
};
GridNeighbours NeighboursInGrid(QWidget* input);

// Makes the caption the input's buddy (Alt with its mnemonic focuses the input) and names the input to a
// screen reader as "caption, value, unit": the caption without its trailing colon, the unit as description.
void LinkInputToCaption(QWidget* input);

}  // namespace tervalo
