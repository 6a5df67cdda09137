#include "widgets/command_picture.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>

namespace tervalo {

namespace {

constexpr int kBevel = 2;  // width of the 3-D edge in pixels

bool IsLeftButton(QEvent* event) {
    return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

CommandPicture::CommandPicture(PressLook look, QSize boxSize, QWidget* parent)
    : QWidget(parent), look_(look), boxSize_(boxSize) {
    setFixedSize(boxSize);
    setCursor(Qt::PointingHandCursor);
}

void CommandPicture::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void CommandPicture::AddTwin(QWidget* twin) {
    twin->installEventFilter(this);
    twin->setCursor(Qt::PointingHandCursor);
}

void CommandPicture::ShowFlat() {
    pressed_ = false;
    update();
}

void CommandPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        const QRect inner = rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
        QSize size = picture_.size();
        if (size.width() > inner.width() || size.height() > inner.height())
            size.scale(inner.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(), size);
        target.moveCenter(inner.center());
        // A sunken button shows its picture pushed down by one pixel, as a pressed key does.
        if (pressed_ && look_ == PressLook::Sunken) target.translate(1, 1);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, picture_);
    }
    if (pressed_) qDrawShadePanel(&painter, rect(), palette(), look_ == PressLook::Sunken, kBevel);
}

void CommandPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Press();
}

void CommandPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Release();
}

bool CommandPicture::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && IsLeftButton(event)) {
        Press();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && IsLeftButton(event)) {
        Release();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CommandPicture::Press() {
    if (!isEnabled()) return;
    pressed_ = true;
    update();
}

void CommandPicture::Release() {
    if (!pressed_) return;
    pressed_ = false;
    update();
    emit Released();
}

}  // namespace tervalo
