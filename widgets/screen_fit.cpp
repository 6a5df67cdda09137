#include "widgets/screen_fit.h"

#include <QScreen>
#include <QScrollArea>
#include <QWidget>
#include <algorithm>

namespace tervalo {

namespace {

// Room left for the window frame and title bar the window system adds.
constexpr int kFrameAllowance = 40;

}  // namespace

QSize ScreenRoom(const QWidget* window) {
    const QScreen* display = window->screen();
    if (!display) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return display->availableGeometry().size() - QSize(kFrameAllowance / 2, kFrameAllowance);
}

QScrollArea* ScrollingPart(QWidget* content, QWidget* parent) {
    auto* scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    return scroll;
}

void ResizeWithinScreen(QWidget* window, const QSize& wanted) {
    window->resize(wanted.boundedTo(ScreenRoom(window)));
}

void KeepWithinScreen(QWidget* window) {
    const QScreen* display = window->screen();
    if (!display) return;
    const QRect room = display->availableGeometry();
    const QRect frame = window->frameGeometry();
    const int x = std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width()));
    const int y = std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top()) window->move(x, y);
}

}  // namespace tervalo
