// The project window's size: all of its content when the screen has room for it, the size the user gave it
// when it was open before; never larger than the screen, where the content then scrolls.
#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include "project/ui/project_window.h"
#include "widgets/screen_fit.h"

namespace tervalo {

void Projektdaten::SizeForScreen() {
    const QSize room = ScreenRoom(this);
    if (commands_.rememberedSize && commands_.rememberedSize->isValid()) {
        resize(commands_.rememberedSize->boundedTo(room));
        return;
    }
    auto* scroll = findChild<QScrollArea*>(QStringLiteral("ProjectScroll"));
    QWidget* content = scroll->widget();
    content->ensurePolished();
    layout()->activate();
    // The whole content, the rows below it (the line on results not current, the commands), the margins, and
    // a scroll bar's width to spare.
    const QMargins margins = layout()->contentsMargins();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QSize contentSize = content->sizeHint().expandedTo(content->minimumSizeHint());
    int rowsBelow = 0;
    for (int i = 1; i < layout()->count(); ++i) {
        const QLayoutItem* item = layout()->itemAt(i);
        if (item->isEmpty()) continue;
        rowsBelow += item->sizeHint().height() + layout()->spacing();
    }
    const QSize wanted(contentSize.width() + margins.left() + margins.right() + scrollBar,
                       contentSize.height() + rowsBelow + margins.top() + margins.bottom() + 2);
    // Where the content cannot even narrow to the screen, it scrolls sideways; its scroll bar takes a line of
    // the height.
    const int leastWidth = content->minimumSizeHint().width() + margins.left() + margins.right() + scrollBar;
    const QSize withScrollBar = leastWidth > room.width() ? wanted + QSize(0, scrollBar) : wanted;
    resize(withScrollBar.boundedTo(room));
}

void Projektdaten::done(int result) {
    if (commands_.rememberedSize) *commands_.rememberedSize = size();
    QDialog::done(result);
}

}  // namespace tervalo
