#include "report/ui/picture_button.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPixmap>

#include "engine/file_access.h"

namespace tervalo {

PictureButton::PictureButton(const QString& objectName, QWidget* parent)
    : QFrame(parent), picture_(new QLabel(this)) {
    setObjectName(objectName);
    setFrameShape(QFrame::Panel);
    setLineWidth(2);
    setCursor(Qt::PointingHandCursor);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(picture_);
    SetSunken(false);
}

void PictureButton::SetPicture(const QString& pictureFile) {
    const auto path = FindFileNoCase(pictureFile.toStdString());
    QPixmap pixmap;
    if (path) pixmap.load(QString::fromStdString(path->string()));
    if (!pixmap.isNull())
        pixmap = pixmap.scaled(size() - QSize(8, 8), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture_->setPixmap(pixmap);
}

void PictureButton::AddTwin(QLabel* twin) {
    twin->installEventFilter(this);
    twin->setCursor(Qt::PointingHandCursor);
}

void PictureButton::SetSunken(bool sunken) {
    setFrameShadow(sunken ? QFrame::Sunken : QFrame::Raised);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) SetSunken(true);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    SetSunken(false);
    if (rect().contains(event->position().toPoint())) emit clicked();
}

bool PictureButton::eventFilter(QObject* watched, QEvent* event) {
    auto* twin = qobject_cast<QWidget*>(watched);
    if (twin && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        if (event->type() == QEvent::MouseButtonPress) {
            SetSunken(true);
        } else {
            SetSunken(false);
            if (twin->rect().contains(mouse->position().toPoint())) emit clicked();
        }
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

int TwipsToPixels(const QWidget* widget, double twips) {
    return static_cast<int>(twips * widget->logicalDpiY() / 1440.0 + 0.5);
}

double PixelsToTwips(const QWidget* widget, int pixels) {
    return pixels * 1440.0 / widget->logicalDpiY();
}

}  // namespace tervalo
