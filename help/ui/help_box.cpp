#include "help/ui/help_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "engine/text_util.h"
#include "localisation/language_tables.h"
#include "localisation/ui/command_picture.h"
#include "localisation/ui/picture_file.h"
#include "localisation/ui/twips.h"
#include "localisation/ui/window_text.h"
#include "shell/run_settings.h"

namespace tervalo {

namespace {

// Sizes in twips.
constexpr double kTextWidth = 9600, kTextHeight = 6000;
constexpr double kButtonSize = 780;

std::string Title() {
    return Settings.ProductName + " " + Caption(21) + " " + HelpTopic;
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

Hilfebox::Hilfebox(QWidget* parent) : QDialog(parent) {
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
    storeLabel_ = new QLabel(DisplayText("      " + Caption(30)), this);
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
    setWindowTitle(DisplayText(Title()));
}

void Hilfebox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowPage();
}

void Hilfebox::ShowPage() {
    storeLabel_->setText(DisplayText(Caption(30)));
    const QString storeTip = DisplayText(Caption(30) + " " + Settings.ProductName + " " + Caption(21));
    storeButton_->setToolTip(storeTip);
    storeLabel_->setToolTip(storeTip);
    page_ = PageForTopic(HelpTopic, Settings.ProductName);
    setWindowTitle(DisplayText(Title()));
    infoText_->setPlainText(
        DisplayText(TrimBlanks(ReadHelpPage(HelpFileName(Settings.LanguageCode), page_))));
}

void Hilfebox::StorePage() {
    // A failed write leaves the file as it was; the text stays in the box.
    StoreHelpPage(HelpFileName(Settings.LanguageCode), page_,
                  WithFileLineBreaks(TypedText(infoText_->toPlainText())));
}

}  // namespace tervalo
