#include "shell/ui/main_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "config/run_settings.h"
#include "config/settings_file.h"
#include "help/help_file.h"
#include "help/ui/help_box.h"
#include "localisation/decision_texts.h"
#include "localisation/feature_texts.h"
#include "localisation/language_tables.h"
#include "localisation/seasonal_texts.h"
#include "project/seasonal/project_seasons.h"
#include "shell/language_session.h"
#include "shell/project_notes.h"
#include "shell/ui/about_text.h"
#include "shell/ui/welcome_window.h"
#include "widgets/busy_pointer.h"
#include "widgets/command_picture.h"
#include "widgets/message_box.h"
#include "widgets/picture_file.h"
#include "widgets/qt_translation.h"
#include "widgets/twips.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

// The eight languages of the language menu, by their own names; only Swedish saves the settings at once.
struct LanguageEntry {
    const char* objectName;
    const char* caption;
    const char* code;
};
constexpr LanguageEntry kLanguageEntries[] = {
    {"ENGlish", "&English", "ENG"},      {"German", "&Deutsch", "GER"},
    {"French", "&Français", "FRA"},      {"Spain", "E&spañol", "ESP"},
    {"Portuguese", "P&ortuguês", "POR"}, {"PappaGallo", "&Italiano", "ITA"},
    {"KäsKopp", "&Nederlands", "NDL"},   {"swedish", "S&venska", "SWE"},
};
constexpr const char* kSavingLanguageEntry = "swedish";

// Designed geometry, in twips.
constexpr double kTitleStripHeight = 2040;      // pic2 stands beside it
constexpr double kTitleStripRightSpace = 3765;  // room for pic2 beside the title strip
constexpr double kInfoStripHeight = 480;
constexpr double kInfoLabelIndent = 120;
constexpr double kInfoGInitialTop = 3000;
constexpr double kCommandPictureSize = 780;
constexpr double kMargin = 240;
constexpr double kNotesWidth = 3600, kNotesHeight = 1800;
constexpr double kBottomSpace = 1200;  // kept free below the pictures at the bottom edge
constexpr double kTallScreen = 8900;   // screens above this height centre InfoG vertically
constexpr int kNotesSaveDelay_ms = 600;

// Text2 fills its panel Pn4 with a small border, as the layout helper places a child in its container.
void FitIntoPanel(QWidget* child, QWidget* container, const TwipsScale& twips) {
    const double width = twips.Twips(container->width()), height = twips.Twips(container->height());
    child->setGeometry(twips.Pixels(12), twips.Pixels(12), twips.Pixels(width - 37),
                       twips.Pixels(height - 30));
}

QFont Enlarged(QFont font, double factor, bool bold) {
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

}  // namespace

Start::Start(StartCommands commands, QWidget* parent) : QMainWindow(parent), commands_(std::move(commands)) {
    setObjectName(QStringLiteral("Start"));
    BusyPointer busy;
    BuildMenus();
    BuildForm();
    FitIntoPanel(text2_, pn4_, TwipsScale::Of(this));
    StartupLoad();
    text2_->setPlainText(QString::fromUtf8(LoadProjectNotes()));
    connect(text2_, &QPlainTextEdit::textChanged, notesTimer_, qOverload<>(&QTimer::start));
    for (std::size_t i = 0; i < ownerLabels_.size(); ++i)
        ownerLabels_[i]->setText(DisplayText(Settings.OwnerLines[i]));
    SizeInfoPanels();
    label5_->setText(QStringLiteral("Matchcode"));
    RefreshTexts();
    resize(TwipsScale::Of(this).Pixels(15360, 10800));
}

void Start::BuildMenus() {
    languageMenu_ = menuBar()->addMenu(QString());
    languageMenu_->setObjectName(QStringLiteral("Language"));
    for (const LanguageEntry& entry : kLanguageEntries) {
        QAction* action = languageMenu_->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromUtf8(entry.objectName));
        const std::string code = entry.code;
        const bool saves = std::string_view(entry.objectName) == kSavingLanguageEntry;
        connect(action, &QAction::triggered, this, [this, code, saves] { LanguageCommand(code, saves); });
    }

    vorGabMenu_ = menuBar()->addMenu(QString());
    vorGabMenu_->setObjectName(QStringLiteral("VorGab"));
    projNix_ = vorGabMenu_->addAction(QString());
    projNix_->setObjectName(QStringLiteral("ProjNix"));
    connect(projNix_, &QAction::triggered, this, &Start::ProjectCommand);
    printset_ = vorGabMenu_->addAction(QString());
    printset_->setObjectName(QStringLiteral("Printset"));
    connect(printset_, &QAction::triggered, this, &Start::PrinterSetupCommand);
    vorGabMenu_->addSeparator();
    ende_ = vorGabMenu_->addAction(QString());
    ende_->setObjectName(QStringLiteral("ende"));
    connect(ende_, &QAction::triggered, this, &Start::ExitCommand);

    startHelp_ = menuBar()->addAction(QString());
    startHelp_->setObjectName(QStringLiteral("StartHelp"));
    connect(startHelp_, &QAction::triggered, this, &Start::HelpMenuCommand);
    infoP_ = menuBar()->addAction(QStringLiteral("&Info"));
    infoP_->setObjectName(QStringLiteral("InfoP"));
    connect(infoP_, &QAction::triggered, this, &Start::InfoCommand);
}

void Start::BuildForm() {
    const TwipsScale twips = TwipsScale::Of(this);
    form_ = new QWidget(this);
    setCentralWidget(form_);

    // Title strip: product name and version, the owner lines beside them.
    infopn1_ = new QFrame(form_);
    infopn1_->setObjectName(QStringLiteral("infopn1"));
    infopn1_->setFrameShape(QFrame::StyledPanel);
    infopn1_->setAutoFillBackground(true);
    infopn1_->setBackgroundRole(QPalette::Base);
    label1_ = new QLabel(infopn1_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(Enlarged(label1_->font(), 2.0, true));
    auto* owners = new QVBoxLayout;
    owners->setSpacing(0);
    const char* ownerNames[] = {"Label3", "Label6", "Label7"};
    for (std::size_t i = 0; i < ownerLabels_.size(); ++i) {
        ownerLabels_[i] = new QLabel(infopn1_);
        ownerLabels_[i]->setObjectName(QLatin1String(ownerNames[i]));
        owners->addWidget(ownerLabels_[i]);
    }
    auto* strip = new QHBoxLayout(infopn1_);
    strip->setContentsMargins(twips.Pixels(kMargin), 0, twips.Pixels(kMargin), 0);
    strip->addWidget(label1_);
    strip->addStretch(1);
    strip->addLayout(owners);
    infopn1_->setGeometry(0, 0, 0, twips.Pixels(kTitleStripHeight));

    // Information strip: the greeting and the hints of the project window.
    panel3D1_ = new QFrame(form_);
    panel3D1_->setObjectName(QStringLiteral("Panel3D1"));
    panel3D1_->setFrameShape(QFrame::StyledPanel);
    panel3D1_->setGeometry(0, twips.Pixels(kTitleStripHeight), 0, twips.Pixels(kInfoStripHeight));
    infoPn2_ = new QLabel(panel3D1_);
    infoPn2_->setObjectName(QStringLiteral("InfoPn2"));
    infoPn2_->setFont(Enlarged(infoPn2_->font(), 1.1, false));
    infoPn2_->setWordWrap(true);
    // Room for a hint of two lines, whatever the font.
    const int infoHeight =
        std::max(twips.Pixels(kInfoStripHeight), 2 * infoPn2_->fontMetrics().lineSpacing() + 8);
    panel3D1_->resize(panel3D1_->width(), infoHeight);

    // The four commands in the centre.
    infoG_ = new QFrame(form_);
    infoG_->setObjectName(QStringLiteral("InfoG"));
    infoG_->setFrameShape(QFrame::StyledPanel);
    infoG_->setFrameShadow(QFrame::Raised);
    auto* row = new QHBoxLayout(infoG_);
    row->setContentsMargins(twips.Pixels(kMargin), twips.Pixels(kMargin), twips.Pixels(kMargin),
                            twips.Pixels(kMargin));
    row->setSpacing(twips.Pixels(2 * kMargin));
    buttons_ = {AddCommandPicture("Command3D6", "Command3D6_l", &Start::ProjectCommand),
                AddCommandPicture("PriButt", "PriButt_l", &Start::PrinterSetupCommand),
                AddCommandPicture("Command3D1", "Command3D1_l", &Start::HelpButtonCommand),
                AddCommandPicture("Command3D11", "Command3D11_l", &Start::ExitCommand)};
    for (const ButtonWithLabel& pair : buttons_) {
        auto* column = new QVBoxLayout;
        column->setSpacing(twips.Pixels(60));
        column->addWidget(pair.button, 0, Qt::AlignHCenter);
        column->addWidget(pair.label, 0, Qt::AlignHCenter | Qt::AlignTop);
        column->addStretch(1);
        row->addLayout(column);
    }
    infoG_->move(0, twips.Pixels(kInfoGInitialTop));
    // The notes sit below the information strip, whatever height it took.
    const double notesTop = twips.Twips(panel3D1_->geometry().bottom()) + kMargin;

    // Notes.
    label4_ = new QLabel(form_);
    label4_->setObjectName(QStringLiteral("Label4"));
    label4_->move(twips.Pixels(kMargin), twips.Pixels(notesTop));
    label5_ = new QLabel(form_);
    label5_->setObjectName(QStringLiteral("Label5"));
    pn4_ = new QFrame(form_);
    pn4_->setObjectName(QStringLiteral("Pn4"));
    pn4_->setFrameShape(QFrame::StyledPanel);
    pn4_->setGeometry(twips.Pixels(kMargin), twips.Pixels(notesTop + 300), twips.Pixels(kNotesWidth),
                      twips.Pixels(kNotesHeight));
    text2_ = new QPlainTextEdit(pn4_);
    text2_->setObjectName(QStringLiteral("Text2"));
    // Whatever is typed here is the user's: kept in the notes file, never a key of a command. Tab leaves.
    text2_->setTabChangesFocus(true);
    notesTimer_ = new QTimer(this);
    notesTimer_->setSingleShot(true);
    notesTimer_->setInterval(kNotesSaveDelay_ms);
    connect(notesTimer_, &QTimer::timeout, this, &Start::SaveNotes);

    // Labels at the right edge, below the information strip.
    label11_ = new QLabel(form_);
    label11_->setObjectName(QStringLiteral("Label11"));
    label11_->move(0, twips.Pixels(notesTop));
    label12_ = new QLabel(form_);
    label12_->setObjectName(QStringLiteral("Label12"));
    label12_->move(0, twips.Pixels(notesTop));
    label8_ = new QLabel(form_);
    label8_->setObjectName(QStringLiteral("Label8"));
    label8_->move(0, twips.Pixels(notesTop + 300));

    pic1_ = AddPicture("Pic1", "pic1.bmp");
    pic6_ = AddPicture("pic6", "pic6.bmp");
    pic5_ = AddPicture("pic5", "pic5.bmp");
    pic2_ = AddPicture("pic2", "pic2.bmp");
    pic3_ = AddPicture("pic3", "pic3.bmp");
    pic1_->move(twips.Pixels(kMargin), pic1_->y());
    pic5_->move(twips.Pixels(kMargin), pic5_->y());
    pic2_->move(pic2_->x(), twips.Pixels(120));
}

Start::ButtonWithLabel Start::AddCommandPicture(const char* name, const char* labelName,
                                                void (Start::*command)()) {
    auto* button = NewCommandPicture(QLatin1String(name), kCommandPictureSize, infoG_);
    auto* label = new QLabel(infoG_);
    label->setObjectName(QLatin1String(labelName));
    label->setAlignment(Qt::AlignHCenter);
    button->AddTwin(label);
    connect(button, &CommandPicture::Released, this, command);
    return {button, label};
}

QLabel* Start::AddPicture(const char* name, const char* fileName) {
    auto* box = new QLabel(form_);
    box->setObjectName(QLatin1String(name));
    const QPixmap picture = LoadPicture(fileName);
    box->setPixmap(picture);
    box->resize(picture.isNull() ? QSize(0, 0) : picture.size());
    return box;
}

void Start::SizeInfoPanels() {
    const TwipsScale twips = TwipsScale::Of(this);
    const double screenWidth = TwipsScale::ScreenWidthTwips(this);
    infopn1_->resize(twips.Pixels(screenWidth - kTitleStripRightSpace), infopn1_->height());
    panel3D1_->resize(twips.Pixels(screenWidth), panel3D1_->height());
    infoPn2_->setGeometry(panel3D1_->x() + twips.Pixels(kInfoLabelIndent), 0, twips.Pixels(screenWidth - 240),
                          panel3D1_->height());
}

void Start::RefreshTexts() {
    UseQtTranslation(Settings.LanguageCode);
    setWindowTitle(DisplayText(Settings.ProductName + " - " + HeatCaption(kHeatProgramPurpose)));
    const int captions[] = {kCaptionCalculation, kCaptionPrinter, kCaptionHelp, kCaptionExit};
    const char* pictures[] = {"brcap.bmp", "prcap.bmp", "hpcap.bmp", "endcap.bmp"};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i].label->setText(DisplayText(Caption(captions[i])));
        buttons_[i].button->SetPicture(LoadPicture(pictures[i]));
    }
    // Alt with a letter of the menu titles stays with the menus.
    const QString menuLetters = DisplayText(Caption(kCaptionLanguage)).left(1) +
                                DisplayText(Caption(kCaptionSetup)).left(1) +
                                DisplayText(Caption(kCaptionHelp)).left(1) + QStringLiteral("I");
    AssignMnemonics({buttons_[0].label, buttons_[2].label, buttons_[1].label, buttons_[3].label},
                    menuLetters);
    // The panel is laid out afresh for the new captions, also while it is hidden.
    infoG_->layout()->invalidate();
    infoG_->layout()->activate();
    infoG_->adjustSize();
    label1_->setText(DisplayText(Settings.ProductName + " " + kProgramVersion));
    label4_->setText(DisplayText(Caption(kCaptionNotes)));
    label4_->adjustSize();
    label5_->adjustSize();
    label5_->move(label4_->geometry().right() + TwipsScale::Of(this).Pixels(kInfoLabelIndent), label4_->y());
    infoPn2_->setStyleSheet(QStringLiteral("color: black"));
    infoPn2_->setText(DisplayText(Message(kMessageGreeting)));

    languageMenu_->setTitle(MenuCaption(DisplayText(Caption(kCaptionLanguage))));
    vorGabMenu_->setTitle(MenuCaption(DisplayText(Caption(kCaptionSetup))));
    projNix_->setText(MenuCaption(DisplayText(Caption(kCaptionCalculation))));
    printset_->setText(MenuCaption(DisplayText(Caption(kCaptionPrinter))));
    startHelp_->setText(MenuCaption(DisplayText(Caption(kCaptionHelp))));
    ende_->setText(DisplayText(Caption(kCaptionExit)));
    ArrangeForSize();
}

void Start::ShowInfoHint(const std::string& text) {
    infoPn2_->setStyleSheet(QStringLiteral("color: darkblue"));
    infoPn2_->setText(DisplayText(text));
}

void Start::Activate() {
    if (activating_) return;  // the welcome window closing activates this window again
    activating_ = true;
    if (!Settings.WelcomeShown && Settings.SkipWelcome == 0) {
        Settings.WelcomeShown = true;
        Begruess welcome(Begruess::kStartUpPicture, Settings.LanguageCode, this);
        const bool confirmed = welcome.exec() == QDialog::Accepted;
        TakeWelcomeChoice(confirmed ? std::optional(welcome.LanguageCode()) : std::nullopt,
                          SystemDecimalSeparator(), commands_.rewriteProject);
        BusyPointer busy;
        LoadLanguageTexts(Settings.LanguageCode);
        RefreshTexts();
        LoadInfoTexts(Settings.LanguageCode);
    }
    {
        BusyPointer busy;
        infoG_->show();
        infoPn2_->setStyleSheet(QStringLiteral("color: black"));
        infoPn2_->setText(DisplayText(Message(kMessageGreeting)));
    }
    activating_ = false;
}

bool Start::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Activate();
    return QMainWindow::event(event);
}

void Start::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Not every window system activates a new window (a bare X server does not), so the first showing runs
    // the activation itself, once the window stands.
    if (firstShow_) {
        firstShow_ = false;
        QMetaObject::invokeMethod(this, &Start::Activate, Qt::QueuedConnection);
    }
}

void Start::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ArrangeForSize();
}

void Start::ArrangeForSize() {
    const TwipsScale twips = TwipsScale::Of(this);
    const double w = twips.Twips(form_->width()), h = twips.Twips(form_->height());
    const auto tw = [&twips](const QWidget* widget) { return twips.Twips(widget->width()); };
    const auto th = [&twips](const QWidget* widget) { return twips.Twips(widget->height()); };
    const auto place = [&twips](QWidget* widget, double left, double top) {
        widget->move(twips.Pixels(left), twips.Pixels(top));
    };
    const double infoGTop =
        TwipsScale::ScreenHeightTwips(this) > kTallScreen ? (h - th(infoG_)) / 2.5 : twips.Twips(infoG_->y());
    place(infoG_, (w - tw(infoG_)) / 2, infoGTop);
    // The commands stay clear of the notes and above the pictures, however small the window.
    if (infoG_->geometry().intersects(pn4_->geometry()))
        infoG_->move(pn4_->geometry().right() + twips.Pixels(kMargin), infoG_->y());
    infoG_->raise();
    place(pic1_, twips.Twips(pic1_->x()), h - th(pic1_) - kBottomSpace);
    place(pic5_, twips.Twips(pic5_->x()), h - th(pic5_) - th(pic1_) - kBottomSpace);
    place(pic3_, w - tw(pic3_) - tw(pic6_) - 500, h - th(pic3_) - kBottomSpace);
    place(pic2_, w - tw(pic2_) - 200, twips.Twips(pic2_->y()));
    place(pic6_, w - tw(pic6_) - 200, h - th(pic6_) - kBottomSpace);
    // The pictures are decoration: in a window too small for all, one that would cover the strips, the notes,
    // the commands or a picture placed before it stays hidden.
    std::vector<QRect> taken;
    for (const QWidget* content :
         {static_cast<QWidget*>(infopn1_), static_cast<QWidget*>(panel3D1_), static_cast<QWidget*>(infoG_),
          static_cast<QWidget*>(label4_), static_cast<QWidget*>(label5_), static_cast<QWidget*>(pn4_)})
        taken.push_back(content->geometry());
    for (QLabel* picture : {pic1_, pic2_, pic6_, pic5_, pic3_}) {
        const QRect area = picture->geometry();
        const bool free = std::none_of(taken.begin(), taken.end(),
                                       [&area](const QRect& other) { return other.intersects(area); });
        picture->setVisible(free);
        if (free) taken.push_back(area);
    }
    label11_->clear();
    label8_->clear();
    place(label11_, w - tw(label11_) - 100, twips.Twips(label11_->y()));
    place(label8_, w - tw(label8_) - 100, twips.Twips(label8_->y()));
    place(label12_, w - tw(label11_) - tw(label12_) - 100, twips.Twips(label12_->y()));
}

void Start::closeEvent(QCloseEvent* event) {
    // The close box asks the exit question like the exit command.
    if (exiting_ || ConfirmExit())
        event->accept();
    else
        event->ignore();
}

void Start::ProjectCommand() {
    {
        BusyPointer busy;
        infoG_->hide();
    }
    if (commands_.openProject)
        commands_.openProject(
            this, [this](const std::string& hint) { ShowInfoHint(hint); }, helpTopic_);
    // Back from the project window; the window system may not report the activation, so do what it starts.
    Activate();
}

void Start::PrinterSetupCommand() {
    if (commands_.printerSetup) commands_.printerSetup(this);
}

void Start::HelpButtonCommand() {
    Hilfebox help(helpTopic_, this);
    help.exec();
}

void Start::HelpMenuCommand() {
    helpTopic_ = ProductHelpTopic(Settings.ProductName);
    HelpButtonCommand();
}

void Start::ExitCommand() {
    if (!ConfirmExit()) return;
    exiting_ = true;
    close();
}

bool Start::ConfirmExit() {
    infoG_->hide();
    // Enter answers No: a slip of the keyboard never ends the program.
    const bool yes =
        AskYesNoDefaultNo(this, DisplayText(Settings.ProductName + "  " + Caption(kCaptionExit)),
                          DisplayText(Settings.ProductName + " : " + Message(kMessageExitQuestion)));
    if (!yes) {
        infoG_->show();
        return false;
    }
    if (notesTimer_->isActive()) {
        notesTimer_->stop();
        SaveNotes();
    }
    SaveSettings(SystemDecimalSeparator());
    return true;
}

void Start::SaveNotes() {
    if (SaveProjectNotes(text2_->toPlainText().toUtf8().toStdString())) {
        notesSaveFailed_ = false;
        return;
    }
    if (notesSaveFailed_) return;
    notesSaveFailed_ = true;
    const FeatureTexts texts = LoadFeatureTexts(decision_texts::kFile, Settings.LanguageCode);
    ShowMessage(this, MessageKind::Exclamation, DisplayText(Settings.ProductName),
                DisplayText(texts[decision_texts::kNotWritten]) + QLatin1Char('\n') +
                    QString::fromLatin1(kNotesFileName));
}

void Start::InfoCommand() {
    // The about file's text as it stands, then the source of the certified figures the seasonal view cites.
    const FeatureTexts seasonal = LoadFeatureTexts(seasonal_texts::kFile, Settings.LanguageCode);
    const QString citation = DisplayText(seasonal[seasonal_texts::kTitle]) + QStringLiteral(": ") +
                             DisplayText(seasonal[seasonal_texts::kBandSource]) + QLatin1Char(' ') +
                             QString::fromLatin1(seasonal::kCertifiedBandSource);
    ShowMessage(this, MessageKind::Information, DisplayText(AboutBoxTitle()),
                DisplayText(AboutBoxText()) + QStringLiteral("\n") + citation);
}

void Start::LanguageCommand(const std::string& code, bool saveSettings) {
    const auto refusal = SwitchLanguage(code, {commands_.rewriteProject, [this] { RefreshTexts(); }});
    if (refusal) {
        ShowMessage(this, MessageKind::Exclamation, refusal->title, refusal->text);
        return;
    }
    if (saveSettings) SaveSettings(SystemDecimalSeparator());
}

}  // namespace tervalo
