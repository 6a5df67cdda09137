#include "shell/ui/welcome_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "config/run_settings.h"
#include "config/settings_file.h"
#include "localisation/language_tables.h"
#include "localisation/languages.h"
#include "widgets/command_picture.h"
#include "widgets/focus_chain.h"
#include "widgets/message_box.h"
#include "widgets/picture_file.h"
#include "widgets/twips.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

// English and German are delivered with every installation, so they stay selectable even without caption
// file.
bool AlwaysOffered(std::string_view code) {
    return code == "ENG" || code == "GER";
}

constexpr const char* kComponentPictures[] = {
    "exv1cap.bmp",  "herm2cap.bmp", "MagV1cap.bmp", "samm1cap.bmp", "schg2cap.bmp",
    "trok1cap.bmp", "verd1cap.bmp", "verf1cap.bmp", "absp1cap.bmp", "oela1cap.bmp",
    "halb2cap.bmp", "kw02cap.bmp",  "pres3cap.bmp", "verf6cap.bmp",
};

// Box sizes in twips.
constexpr double kStartPictureWidth = 4800, kStartPictureHeight = 3600;
constexpr double kFlagWidth = 600, kFlagHeight = 450;
constexpr double kComponentSize = 720;
constexpr double kOkButtonSize = 780;

QLabel* PictureBox(std::string_view objectName, std::string_view fileName, QSize boxSize, QWidget* parent) {
    auto* box = new QLabel(parent);
    box->setObjectName(QLatin1String(objectName.data(), static_cast<qsizetype>(objectName.size())));
    box->setFixedSize(boxSize);
    box->setAlignment(Qt::AlignCenter);
    const QPixmap picture = LoadPicture(fileName);
    if (!picture.isNull())
        box->setPixmap(picture.size().boundedTo(boxSize) == picture.size()
                           ? picture
                           : picture.scaled(boxSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return box;
}

}  // namespace

const char* Begruess::StartPictureFile(int startPicture) {
    switch (startPicture) {
        case 3:
            return "start04.bmp";
        case 2:
            return "start03.bmp";
        case 1:
            return "start02.bmp";
        default:
            return "start01.bmp";
    }
}

Begruess::Begruess(int startPicture, std::string runLanguage, QWidget* parent)
    : QDialog(parent), runLanguage_(std::move(runLanguage)), languageCode_(runLanguage_) {
    setObjectName(QStringLiteral("Begruess"));
    setWindowTitle(DisplayText(Settings.ProductName));
    setModal(true);
    setMouseTracking(true);
    const TwipsScale twips = TwipsScale::Of(this);

    picture1_ = PictureBox("Picture1", StartPictureFile(startPicture),
                           twips.Pixels(kStartPictureWidth, kStartPictureHeight), this);
    picture1_->setFrameShape(QFrame::StyledPanel);

    okButton_ =
        NewCommandPicture(QStringLiteral("OKbutt"), kOkButtonSize, this, CommandPicture::PressLook::Raised);
    okButton_->SetPicture(LoadPicture("OKcap.bmp"));
    auto* okLabel = new QLabel(QStringLiteral("OK"), this);
    okLabel->setObjectName(QStringLiteral("Label21"));
    okButton_->AddTwin(okLabel);
    connect(okButton_, &CommandPicture::Released, this, &Begruess::ConfirmLanguage);

    auto* top = new QHBoxLayout;
    top->addWidget(picture1_, 0, Qt::AlignTop);
    top->addSpacing(twips.Pixels(240));
    top->addWidget(BuildLanguageChoice(), 1);

    auto* bottom = new QHBoxLayout;
    componentStrip_ = BuildComponentStrip();
    bottom->addWidget(componentStrip_);
    bottom->addStretch(1);
    bottom->addWidget(okButton_);
    bottom->addWidget(okLabel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(twips.Pixels(120));
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (const Option& option : options_) {
        if (!AlwaysOffered(option.code) && !CaptionFileUsable(option.code)) option.button->setEnabled(false);
    }
    SelectStoredLanguage();
    FitIntoScreen();
    // From the keyboard: the languages, then OK, which Enter also runs.
    ChainFocus(FocusableInLayoutOrder(layout));
    okButton_->MakeDefaultIn(this);
    AssignMnemonics({okLabel});
}

QWidget* Begruess::BuildLanguageChoice() {
    const TwipsScale twips = TwipsScale::Of(this);
    auto* choice = new QWidget(this);
    auto* grid = new QGridLayout(choice);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(twips.Pixels(120));
    grid->setVerticalSpacing(twips.Pixels(90));

    pn1_ = new QLabel(DisplayText(Caption(kCaptionLanguage)), choice);
    pn1_->setObjectName(QStringLiteral("pn1"));
    QFont heading = pn1_->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    pn1_->setFont(heading);
    grid->addWidget(pn1_, 0, 0, 1, 4);

    constexpr int kColumns = 2;
    int index = 0;
    // In the order in which confirming tests the options.
    for (const LanguageRow& language : Languages()) {
        QLabel* flag = PictureBox(language.flagObject, language.flagPicture,
                                  twips.Pixels(kFlagWidth, kFlagHeight), choice);
        flag->setCursor(Qt::PointingHandCursor);
        flag->installEventFilter(this);
        const QString nativeName =
            QString::fromUtf8(language.nativeName.data(), static_cast<qsizetype>(language.nativeName.size()));
        auto* button = new QRadioButton(nativeName, choice);
        button->setObjectName(QLatin1String(language.optionObject.data(),
                                            static_cast<qsizetype>(language.optionObject.size())));
        const std::string code(language.code);
        connect(button, &QRadioButton::clicked, this, [this, code] { languageCode_ = code; });
        const int row = 1 + index / kColumns;
        const int column = 2 * (index % kColumns);
        grid->addWidget(flag, row, column);
        grid->addWidget(button, row, column + 1);
        options_.push_back({code, button, flag});
        ++index;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    return choice;
}

QWidget* Begruess::BuildComponentStrip() {
    const TwipsScale twips = TwipsScale::Of(this);
    auto* strip = new QWidget(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(twips.Pixels(45));
    int number = 2;
    for (const char* file : kComponentPictures) {
        const QByteArray name = "Picture" + QByteArray::number(number++);
        row->addWidget(
            PictureBox(name.constData(), file, twips.Pixels(kComponentSize, kComponentSize), strip));
    }
    return strip;
}

void Begruess::FitIntoScreen() {
    const QScreen* display = screen();
    if (!display) return;
    // A little room for the window frame.
    const int room = display->availableGeometry().width() - TwipsScale::Of(this).Pixels(240);
    // The components are decoration: on a narrow screen the strip ends early, so that the language choice
    // and OK stay whole.
    const QList<QLabel*> components = componentStrip_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (auto picture = components.rbegin(); picture != components.rend(); ++picture) {
        // The strip and the nested layouts keep their sizes until each is told.
        componentStrip_->updateGeometry();
        for (QLayout* inner : findChildren<QLayout*>()) inner->invalidate();
        if (layout()->sizeHint().width() <= room) break;
        (*picture)->hide();
    }
}

void Begruess::SelectStoredLanguage() {
    const StoredChoice stored = ReadStoredChoice(KnownLanguage);
    if (stored.welcomeOption) Settings.carried.welcomeOption = *stored.welcomeOption;
    // Without a settings file the language of this run stands for the stored one. The code must equal an
    // option's code as it stands; "ger" or " GER" selects nothing, and confirming then refuses the empty
    // choice.
    const std::string code = stored.languageCode.value_or(runLanguage_);
    for (const Option& option : options_) {
        if (option.code == code) option.button->setChecked(true);
    }
}

std::string Begruess::SelectedCode() const {
    for (const Option& option : options_) {
        if (option.button->isChecked()) return option.code;
    }
    return {};
}

void Begruess::ConfirmLanguage() {
    if (confirmed_) return;
    confirmed_ = true;
    const std::string code = SelectedCode();
    if (CaptionFileUsable(code)) {
        languageCode_ = code;
        done(QDialog::Accepted);
        return;
    }
    ShowMessage(this, MessageKind::Exclamation, Settings.ProductName, RefusedLanguageText(code));
    done(QDialog::Rejected);
}

void Begruess::reject() {
    ConfirmLanguage();
}

void Begruess::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (const QScreen* display = screen()) {
        const QRect area = display->geometry();
        move(area.x() + (area.width() - width()) / 3, area.y() + (area.height() - height()) / 2);
    }
}

void Begruess::mouseMoveEvent(QMouseEvent* event) {
    okButton_->ShowFlat();
    QDialog::mouseMoveEvent(event);
}

bool Begruess::eventFilter(QObject* watched, QEvent* event) {
    // A click on a flag chooses its language, as a click on the option beside it does.
    if (event->type() == QEvent::MouseButtonRelease) {
        for (const Option& option : options_) {
            if (watched == option.flag && option.button->isEnabled()) option.button->click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tervalo
