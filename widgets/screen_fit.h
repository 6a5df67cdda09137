#pragma once

// Windows that open no larger than their screen and keep their commands in view: the part above the command
// row scrolls when the screen is too small for it (1024 × 768 at scale factor 2 leaves 512 × 384).

#include <QScrollArea>
#include <QSize>

class QWidget;

namespace tervalo {

// The room for a window on its screen: the available area less the frame and title bar the window system
// adds. Without a screen, no bound.
QSize ScreenRoom(const QWidget* window);

// `content` in a frameless scroll area that gives it all the room it gets and scrolls when it gets less than
// its minimum, so the window holding it may shrink to the screen.
QScrollArea* ScrollingPart(QWidget* content, QWidget* parent);

// Resizes `window` to `wanted` within ScreenRoom.
void ResizeWithinScreen(QWidget* window, const QSize& wanted);

// Moves the shown `window` as little as needed for its frame to lie on its screen's available area (its top
// left corner first where it is larger). A dialog is placed before it is shown, for the size it had then; one
// that grows while it is shown would otherwise reach beyond the screen, its commands out of reach.
void KeepWithinScreen(QWidget* window);

}  // namespace tervalo
