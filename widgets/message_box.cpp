#include "widgets/message_box.h"

#include <QMessageBox>

#include "widgets/window_text.h"

namespace tervalo {

namespace {

MessageAnswerer& Answerer() {
    static MessageAnswerer answerer;
    return answerer;
}

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Exclamation:
            return QMessageBox::Warning;
        case MessageKind::YesNoQuestion:
            return QMessageBox::Question;
        case MessageKind::Plain:
            break;
    }
    return QMessageBox::NoIcon;
}

bool Show(QWidget* parent, const MessageRequest& request) {
    if (Answerer()) return Answerer()(request);
    const bool question = request.kind == MessageKind::YesNoQuestion;
    QMessageBox box(IconOf(request.kind), request.title, request.text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (question && request.defaultNo) box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

void SetMessageAnswerer(MessageAnswerer answerer) {
    Answerer() = std::move(answerer);
}

void ShowMessage(QWidget* parent, MessageKind kind, const std::string& title, const std::string& text) {
    ShowMessage(parent, kind, DisplayText(title), DisplayText(text));
}

void ShowMessage(QWidget* parent, MessageKind kind, const QString& title, const QString& text) {
    Show(parent, {kind, title, text});
}

bool AskYesNo(QWidget* parent, const std::string& title, const std::string& text) {
    return Show(parent, {MessageKind::YesNoQuestion, DisplayText(title), DisplayText(text)});
}

bool AskYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text) {
    return Show(parent, {MessageKind::YesNoQuestion, title, text, true});
}

}  // namespace tervalo
