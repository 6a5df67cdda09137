#include "help/ui/help_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "config/run_settings.h"
#include "engine/text_util.h"
#include "localisation/language_tables.h"
#include "localisation/window_aids_texts.h"
#include "widgets/command_picture.h"
#include "widgets/message_box.h"
#include "widgets/picture_file.h"
#include "widgets/twips.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

// Sizes in twips.
constexpr double kTextWidth = 9600, kTextHeight = 6000;
constexpr double kButtonSize = 780;

std::string Title(const std::string& topic) {
    return Settings.ProductName + " " + Caption(kCaptionHelp) + " " + topic;
}

// The help file keeps the line breaks of a Windows text box.
std::string WithFileLineBreaks(std::string text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    for (char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

// The bytes a character takes in the help file: a line break is stored as CR LF, the second half of a
// surrogate pair adds nothing to its first, which the code page holds as one "?".
int StoredLength(QChar c) {
    if (c == QChar::ParagraphSeparator || c == QLatin1Char('\n')) return 2;
    return c.isLowSurrogate() ? 0 : 1;
}

long StoredLength(const QString& text) {
    long length = 0;
    for (QChar c : text) length += StoredLength(c);
    return length;
}

}  // namespace

Hilfebox::Hilfebox(std::string topic, QWidget* parent) : QDialog(parent), topic_(std::move(topic)) {
    setObjectName(QStringLiteral("Hilfebox"));
    setModal(true);
    const TwipsScale twips = TwipsScale::Of(this);

    infoText_ = new QPlainTextEdit(this);
    infoText_->setObjectName(QStringLiteral("InfoText"));
    infoText_->setMinimumSize(twips.Pixels(kTextWidth, kTextHeight));

    closeButton_ =
        NewCommandPicture(QStringLiteral("Command3D1"), kButtonSize, this, CommandPicture::PressLook::Raised);
    closeButton_->SetPicture(LoadPicture("OKcap.bmp"));
    connect(closeButton_, &CommandPicture::Released, this, &QDialog::accept);
    closeButton_->setAccessibleName(QStringLiteral("OK"));
    closeButton_->MakeDefaultIn(this);
    infoText_->setTabChangesFocus(true);  // Tab leads on to the buttons

    storeButton_ =
        NewCommandPicture(QStringLiteral("Command3D2"), kButtonSize, this, CommandPicture::PressLook::Raised);
    storeButton_->SetPicture(LoadPicture("pscap.bmp"));
    storeLabel_ = new QLabel(DisplayText("      " + Caption(kCaptionSave)), this);
    storeLabel_->setObjectName(QStringLiteral("Command3D2_l"));
    storeButton_->AddTwin(storeLabel_);
    connect(storeButton_, &CommandPicture::Released, this, &Hilfebox::StorePage);

    capacityLabel_ = new QLabel(this);
    capacityLabel_->setObjectName(QStringLiteral("CapacityLabel"));
    capacityLabel_->setWordWrap(true);
    connect(infoText_->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { KeepWithinCapacity(position, added); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(closeButton_);
    buttons->addWidget(capacityLabel_, 1);
    buttons->addWidget(storeButton_);
    buttons->addWidget(storeLabel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(infoText_, 1);
    layout->addLayout(buttons);
    setWindowTitle(DisplayText(Title(topic_)));
}

void Hilfebox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowPage();
}

void Hilfebox::ShowPage() {
    storeLabel_->setText(DisplayText(Caption(kCaptionSave)));
    AssignMnemonics({storeLabel_});
    const QString storeTip =
        DisplayText(Caption(kCaptionSave) + " " + Settings.ProductName + " " + Caption(kCaptionHelp));
    storeButton_->setToolTip(storeTip);
    storeLabel_->setToolTip(storeTip);
    page_ = PageForTopic(topic_, Settings.ProductName);
    setWindowTitle(DisplayText(Title(topic_)));
    aids_ = LoadFeatureTexts(window_aids_texts::kFile, Settings.LanguageCode);
    infoText_->setPlainText(
        DisplayText(TrimBlanks(ReadHelpPage(HelpFileName(Settings.LanguageCode), page_))));
    infoText_->document()->setModified(false);
    ShowStorability();
}

void Hilfebox::ShowStorability() {
    const bool storable = page_.recordCount > 0;
    storeButton_->setEnabled(storable);
    storeLabel_->setEnabled(storable);
    infoText_->setReadOnly(!storable);
    if (storable) {
        ShowCharactersLeft();
        return;
    }
    const QString reason = DisplayText(aids_[window_aids_texts::kHelpNotStorable]);
    capacityLabel_->setText(reason);
    storeButton_->setToolTip(reason);
    storeLabel_->setToolTip(reason);
}

void Hilfebox::KeepWithinCapacity(int position, int added) {
    if (page_.recordCount == 0) return;
    const long capacity = static_cast<long>(page_.Capacity());
    long excess = StoredLength(infoText_->toPlainText()) - capacity;
    if (excess > 0) {
        // What does not fit is cut from the end of what was just typed or pasted.
        QTextDocument* document = infoText_->document();
        const int end = position + added;
        int start = end;
        while (start > position && excess > 0) excess -= StoredLength(document->characterAt(--start));
        QTextCursor cut(document);
        cut.setPosition(start);
        cut.setPosition(end, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
        infoText_->setTextCursor(cut);
    }
    ShowCharactersLeft();
}

void Hilfebox::ShowCharactersLeft() {
    const long left = static_cast<long>(page_.Capacity()) - StoredLength(infoText_->toPlainText());
    capacityLabel_->setText(DisplayText(aids_[window_aids_texts::kCharactersLeft]) + QLatin1Char(' ') +
                            QString::number(std::max(0L, left)));
}

void Hilfebox::StorePage() {
    // A failed write leaves the file as it was; the text stays in the box, still to be stored.
    if (StoreHelpPage(HelpFileName(Settings.LanguageCode), page_,
                      WithFileLineBreaks(TypedText(infoText_->toPlainText()))))
        infoText_->document()->setModified(false);
}

void Hilfebox::done(int result) {
    if (!infoText_->isReadOnly() && infoText_->document()->isModified() &&
        !AskYesNoDefaultNo(this, DisplayText(Settings.ProductName),
                           DisplayText(aids_[window_aids_texts::kDiscardHelpEdits])))
        return;
    QDialog::done(result);
}

}  // namespace tervalo
