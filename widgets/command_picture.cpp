#include "widgets/command_picture.h"

#include <qdrawutil.h>
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "widgets/twips.h"

namespace tervalo {

namespace {

constexpr int kBevel = 2;  // width of the 3-D edge in pixels

bool IsLeftButton(QEvent* event) {
    return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
}

}  // namespace

CommandPicture* NewCommandPicture(const QString& name, double sizeTwips, QWidget* parent,
                                  CommandPicture::PressLook look) {
    auto* button = new CommandPicture(look, TwipsScale::Of(parent).Pixels(sizeTwips, sizeTwips), parent);
    button->setObjectName(name);
    return button;
}

CommandPicture::CommandPicture(PressLook look, QSize boxSize, QWidget* parent)
    : QWidget(parent), look_(look), boxSize_(boxSize) {
    setFixedSize(boxSize);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void CommandPicture::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void CommandPicture::AddTwin(QWidget* twin) {
    twin->installEventFilter(this);
    twin->setCursor(Qt::PointingHandCursor);
    if (auto* label = qobject_cast<QLabel*>(twin)) {
        label->setBuddy(this);
        setAccessibleName(label->text());
    }
}

void CommandPicture::MakeDefaultIn(QWidget* area) {
    defaultArea_ = area;
    area->installEventFilter(this);
    update();
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
    if (defaultArea_ && !pressed_) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CommandPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Press();
}

void CommandPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Release();
}

void CommandPicture::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        Press();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Run();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void CommandPicture::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        Release();
    else
        QWidget::keyReleaseEvent(event);
}

void CommandPicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CommandPicture::focusOutEvent(QFocusEvent* event) {
    // A Space held while the focus leaves does not run the command.
    pressed_ = false;
    QWidget::focusOutEvent(event);
    update();
}

bool CommandPicture::eventFilter(QObject* watched, QEvent* event) {
    if (watched == defaultArea_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && isVisible()) {
                Run();
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Shortcut) {
        // The label twin's mnemonic.
        setFocus(Qt::ShortcutFocusReason);
        Run();
        return true;
    }
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

void CommandPicture::Run() {
    if (isEnabled()) emit Released();
}

namespace {

// The caption of `holder` as shown (`text`) with the first letter not yet taken marked; a mark given earlier
// is dropped first and every "&" in the caption is doubled so that only the chosen letter is marked.
QString MarkFreeLetter(QWidget* holder, const QString& text, QString& taken) {
    const bool markedBefore = text == holder->property("markedCaption").toString();
    const QString caption = markedBefore ? holder->property("plainCaption").toString() : text;
    qsizetype chosen = -1;
    for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i) {
        const QChar letter = caption[i].toLower();
        if (letter.isLetterOrNumber() && !taken.contains(letter)) chosen = i;
    }
    QString marked = caption;
    marked.replace(QStringLiteral("&"), QStringLiteral("&&"));
    if (chosen >= 0) {
        taken += caption[chosen].toLower();
        // Each "&" before the chosen letter was doubled.
        marked.insert(chosen + caption.left(chosen).count(QLatin1Char('&')), QLatin1Char('&'));
    }
    holder->setProperty("plainCaption", caption);
    holder->setProperty("markedCaption", marked);
    return marked;
}

}  // namespace

QString AssignMnemonics(const std::vector<QLabel*>& labels, const QString& reserved) {
    QString taken = reserved.toLower();
    for (QLabel* label : labels) {
        label->setText(MarkFreeLetter(label, label->text(), taken));
        if (QWidget* buddy = label->buddy())
            buddy->setAccessibleName(label->property("plainCaption").toString());
    }
    return taken;
}

QString AssignButtonMnemonics(const std::vector<QAbstractButton*>& buttons, const QString& reserved) {
    QString taken = reserved.toLower();
    for (QAbstractButton* button : buttons) button->setText(MarkFreeLetter(button, button->text(), taken));
    return taken;
}

}  // namespace tervalo
