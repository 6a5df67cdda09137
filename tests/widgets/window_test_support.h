#pragma once

// What the window tests share: answered message boxes, language files written on the spot, mouse clicks on
// picture buttons, and a copy of the staged program directory.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSizeGrip>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "widgets/message_box.h"

// Readable texts in the failure messages of GoogleTest.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tervalo::test {

// Takes the place of the user at every message box: records it and answers questions from a queue (No when
// the queue is empty).
class MessageRecorder {
  public:
    MessageRecorder() {
        SetMessageAnswerer([this](const MessageRequest& request) {
            shown.push_back(request);
            if (answers.empty()) return false;
            const bool answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~MessageRecorder() { SetMessageAnswerer({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<MessageRequest> shown;
    std::deque<bool> answers;
};

// A caption file whose item N reads prefix followed by N.
inline std::string NumberedItems(const std::string& prefix, int count) {
    std::string bytes;
    for (int item = 1; item <= count; ++item) bytes += "\"" + prefix + std::to_string(item) + "\"\r\n";
    return bytes;
}

// The part of a window by its object name, as a screen reader finds it: the windows keep their parts
// private. A window without that part fails the test.
template <class Widget>
Widget* Part(const QWidget* window, const char* name) {
    Widget* part = window->findChild<Widget*>(QLatin1String(name));
    if (!part) ADD_FAILURE() << "no part " << name << " in " << window->objectName().toStdString();
    return part;
}

// Press and release of the left mouse button on a widget, as the user clicks it.
inline void ClickOn(QWidget* widget) {
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

// Runs `action` on the modal window that the next call opens, once that window's event loop runs; the
// window under test then returns from its exec() as soon as the action closes it. The name of the window that
// was open is kept in `openedName` (empty when none opened).
inline void WhenModalOpens(std::function<void(QWidget*)> action, QString* openedName = nullptr) {
    QTimer::singleShot(0, [action = std::move(action), openedName] {
        QWidget* modal = QApplication::activeModalWidget();
        if (openedName) *openedName = modal ? modal->objectName() : QString();
        if (modal) action(modal);
    });
}

// The texts of a window that do not fit into what is visible of their label or button: a label that is cut by
// its own size or by any of its parents. Labels that wrap their text are left out.
inline QStringList ClippedTexts(QWidget* window) {
    QStringList clipped;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window)) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap() || !label->pixmap().isNull()) continue;
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
        }
        if (text.isEmpty()) continue;
        // What lies inside a scroll area is cut only by the area's content: the user scrolls to the rest.
        QRect visible(widget->mapTo(window, QPoint(0, 0)), widget->size());
        bool scrolled = false;
        for (QWidget* parent = widget->parentWidget(); parent && parent != window;
             parent = parent->parentWidget()) {
            if (parent->objectName() == QLatin1String("qt_scrollarea_viewport")) {
                scrolled = true;
                break;
            }
            visible &= QRect(parent->mapTo(window, QPoint(0, 0)), parent->size());
        }
        if (!scrolled) visible &= window->rect();
        const QSize needed = widget->sizeHint();
        if (visible.width() < needed.width() || visible.height() < needed.height())
            clipped << widget->objectName() + QStringLiteral(": ") + text;
    }
    return clipped;
}

// Pairs of widgets of a window that cover each other: siblings, both visible, that overlap. Qt's own parts
// (size grips among them) and empty labels (placeholders) are left out, and so are the widgets in `overlays`,
// panels meant to lie over the window's content.
inline QStringList OverlappingWidgets(QWidget* window, const QList<QWidget*>& overlays = {}) {
    const auto counts = [window, &overlays](const QWidget* widget) {
        if (!widget->isVisibleTo(window) || widget->isWindow() || widget->size().isEmpty()) return false;
        if (widget->objectName().startsWith(QLatin1String("qt_")) || overlays.contains(widget)) return false;
        // A dialog's size grip lies in its corner by design.
        if (qobject_cast<const QSizeGrip*>(widget)) return false;
        const auto* label = qobject_cast<const QLabel*>(widget);
        return !label || !label->text().isEmpty() || !label->pixmap().isNull();
    };
    QStringList overlapping;
    QList<QWidget*> parents = window->findChildren<QWidget*>();
    parents << window;
    for (QWidget* parent : parents) {
        if (!counts(parent) && parent != window) continue;
        const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < children.size(); ++i) {
            if (!counts(children[i])) continue;
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                if (counts(children[j]) && children[i]->geometry().intersects(children[j]->geometry()))
                    overlapping << children[i]->objectName() + QStringLiteral(" / ") +
                                       children[j]->objectName();
            }
        }
    }
    return overlapping;
}

// Saves a picture of the window when TERVALO_SCREENSHOT_DIR names a directory, for a look at it by eye.
inline void SaveScreenshot(QWidget* window, const QString& name) {
    const QString directory = qEnvironmentVariable("TERVALO_SCREENSHOT_DIR");
    if (!directory.isEmpty())
        window->grab().save(directory + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Copies the data files of the staged program directory (pictures, language, help and settings files) into
// the current directory.
inline void CopyProgramDirectory() {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(TERVALO_DIST_DIR)) {
        if (!entry.is_regular_file()) continue;
        const auto permissions = entry.status().permissions();
        if ((permissions & fs::perms::owner_exec) != fs::perms::none) continue;
        fs::copy_file(entry.path(), entry.path().filename(), fs::copy_options::overwrite_existing);
    }
}

}  // namespace tervalo::test
