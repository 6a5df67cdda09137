#include "help/ui/help_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "config/run_settings.h"
#include "engine/text_util.h"
#include "localisation/language_tables.h"
#include "widgets/command_picture.h"
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

}  // namespace

Hilfebox::Hilfebox(std::string topic, QWidget* parent) : QDialog(parent), topic_(std::move(topic)) {
    setObjectName(QStringLiteral("Hilfebox"));
    setModal(true);
    const TwipsScale twips = TwipsScale::Of(this);
    const QSize buttonSize = twips.Pixels(kButtonSize, kButtonSize);

    infoText_ = new QPlainTextEdit(this);
    infoText_->setObjectName(QStringLiteral("InfoText"));
    infoText_->setMinimumSize(twips.Pixels(kTextWidth, kTextHeight));

    closeButton_ = new CommandPicture(CommandPicture::PressLook::Raised, buttonSize, this);
    closeButton_->setObjectName(QStringLiteral("Command3D1"));
    closeButton_->SetPicture(LoadPicture("OKcap.bmp"));
    connect(closeButton_, &CommandPicture::Released, this, &QDialog::accept);

    storeButton_ = new CommandPicture(CommandPicture::PressLook::Raised, buttonSize, this);
    storeButton_->setObjectName(QStringLiteral("Command3D2"));
    storeButton_->SetPicture(LoadPicture("pscap.bmp"));
    storeLabel_ = new QLabel(DisplayText("      " + Caption(kCaptionSave)), this);
    storeLabel_->setObjectName(QStringLiteral("Command3D2_l"));
    storeButton_->AddTwin(storeLabel_);
    connect(storeButton_, &CommandPicture::Released, this, &Hilfebox::StorePage);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(closeButton_);
    buttons->addStretch(1);
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
    const QString storeTip =
        DisplayText(Caption(kCaptionSave) + " " + Settings.ProductName + " " + Caption(kCaptionHelp));
    storeButton_->setToolTip(storeTip);
    storeLabel_->setToolTip(storeTip);
    page_ = PageForTopic(topic_, Settings.ProductName);
    setWindowTitle(DisplayText(Title(topic_)));
    infoText_->setPlainText(
        DisplayText(TrimBlanks(ReadHelpPage(HelpFileName(Settings.LanguageCode), page_))));
}

void Hilfebox::StorePage() {
    // A failed write leaves the file as it was; the text stays in the box.
    StoreHelpPage(HelpFileName(Settings.LanguageCode), page_,
                  WithFileLineBreaks(TypedText(infoText_->toPlainText())));
}

}  // namespace tervalo
