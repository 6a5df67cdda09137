#pragma once

// Every message box of the program goes through here. Tests install an answerer that takes the place of the
// user, so a window under test never waits for a click.

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace tervalo {

enum class MessageKind { Plain, Information, Exclamation, YesNoQuestion };

struct MessageRequest {
    MessageKind kind;
    QString title;
    QString text;
    bool defaultNo = false;  // a question whose Enter answers No: the Yes answer would lose something
};

// Returns the answer to a YesNoQuestion (true for Yes); ignored for the other kinds.
using MessageAnswerer = std::function<bool(const MessageRequest&)>;
void SetMessageAnswerer(MessageAnswerer answerer);  // an empty answerer brings back the real boxes

// Title and text are code-page bytes.
void ShowMessage(QWidget* parent, MessageKind kind, const std::string& title, const std::string& text);
// Title and text already in Unicode: texts that name files as the system spells them, which the language's
// code page may not hold.
void ShowMessage(QWidget* parent, MessageKind kind, const QString& title, const QString& text);
bool AskYesNo(QWidget* parent, const std::string& title, const std::string& text);
// A question whose default answer is No.
bool AskYesNoDefaultNo(QWidget* parent, const QString& title, const QString& text);

}  // namespace tervalo
