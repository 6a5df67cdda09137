#include "install/ui/installer_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "install/core/install_plan.h"
#include "install/core/installer_texts.h"
#include "install/core/path_text.h"
#include "install/core/run_texts.h"

namespace {

// Page sizes in pixels; the progress display is positioned in twips by the installation run.
constexpr QSize kPageSize(640, 480);
constexpr int kProgressBarLeftTwips = 2500;  // the percentage label then stands 100 twips right of the bar
constexpr int kActivityBarLeftTwips = 2600;
constexpr int kPicture2BottomMarginTwips = 500;

constexpr int Pixels(int twips) {
    return twips / installer::kTwipsPerPixel;
}

// The window's size where the screen has room for it; on a smaller screen it takes the room there is and the
// pages scroll, down to the backdrop's least size: a page with the bottom picture below it.
constexpr QSize kWindowSize(960, 720);
constexpr int kPicture2Height = 48;
constexpr int kPageGap = 8;
constexpr QSize kLeastBackdrop(kPageSize.width() + 2 * kPageGap, kPageSize.height() + 2 * kPageGap +
                                                                     kPicture2Height +
                                                                     Pixels(kPicture2BottomMarginTwips));
// What the window system adds around the window: frame and title bar.
constexpr QSize kFrameAllowance(20, 40);

// The backdrop the pages stand on; it tells the window when its size changes.
class Backdrop : public QWidget {
  public:
    explicit Backdrop(std::function<void()> resized) : resized_(std::move(resized)) {
        setObjectName("Backdrop");
        setMinimumSize(kLeastBackdrop);
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        resized_();
    }

  private:
    std::function<void()> resized_;
};

QString Shown(const std::string& text) {
    // Labels break lines at LF; the stored texts end their lines with CR LF.
    return QString::fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString PathText(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdString(installer::Utf8(path)));
}

// The directory field's text as a target directory; a relative one counts from the current directory.
std::optional<std::filesystem::path> TargetOf(const QString& text) {
    return installer::TargetFromText(text.toStdString(),
                                     installer::PathFromUtf8(QDir::currentPath().toStdString()));
}

QFrame* MakePage(QWidget* parent, const char* name) {
    auto* page = new QFrame(parent);
    page->setObjectName(name);
    page->setFrameShape(QFrame::Panel);
    page->setFrameShadow(QFrame::Raised);
    page->setLineWidth(2);
    page->setAutoFillBackground(true);
    page->resize(kPageSize);
    return page;
}

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, QRect geometry) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QRect geometry) {
    auto* label = Make<QLabel>(parent, name, geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* MakeBar(QWidget* parent, const char* name, QRect geometry, QColor colour) {
    auto* bar = Make<QLabel>(parent, name, geometry);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, colour);
    bar->setPalette(palette);
    return bar;
}

QFrame* MakeShape(QWidget* parent, const char* name, QRect geometry) {
    auto* shape = Make<QFrame>(parent, name, geometry);
    shape->setFrameShape(QFrame::Box);
    shape->setFrameShadow(QFrame::Sunken);
    return shape;
}

QLabel* MakeTitle(QWidget* parent, const char* name, QRect geometry) {
    QLabel* title = MakeLabel(parent, name, geometry);
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 8);
    font.setBold(true);
    title->setFont(font);
    return title;
}

// A picture that is missing or unreadable leaves the label empty. Pictures larger than their place are
// scaled down, keeping their proportions; backgrounds fill their place.
void LoadPicture(QLabel* label, const std::filesystem::path& file, bool fill) {
    QPixmap picture;
    if (!picture.load(QString::fromStdString(installer::Utf8(file)))) {
        label->clear();
        return;
    }
    if (fill)
        picture = picture.scaled(label->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    else if (picture.width() > label->width() || picture.height() > label->height())
        picture = picture.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    label->setPixmap(picture);
}

}  // namespace

InstallerWindow::InstallerWindow(installer::InstallerPlatform& platform,
                                 const std::filesystem::path& distributionFolder, QWidget* parent)
    : QWidget(parent), platform_(platform), installation_(platform, *this, distributionFolder) {
    setObjectName("InstallerWindow");
    setWindowTitle(QString::fromStdString(installer::WindowCaption()));
    // The pages stand on a backdrop that scrolls where the screen is smaller than it (1024 x 768 at scale
    // factor 2 leaves 512 x 384); the window paints the backdrop's colours behind it.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("InstallerScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    backdrop_ = new Backdrop([this] { PlacePages(); });
    scroll->setWidget(backdrop_);
    scroll->viewport()->setAutoFillBackground(false);
    backdrop_->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    FitScreen();

    picture2_ = MakeLabel(backdrop_, "Picture2", QRect(16, 0, 420, kPicture2Height));
    picture2_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    BuildWelcomePage();
    BuildDirectoryPage();
    BuildFinalPage();

    label4_->setText(QString::fromStdString(installer::ProgramTitle()));
    SelectOption(installer::OptionForCode(installation_.LanguageCode()));
    command7_->setVisible(installation_.OffersBrowsing());
    LoadPictures();
    // The texts follow the code exactly as read, so a code in lower case shows English texts.
    ApplyLanguageTexts(installation_.LanguageCode());
    PlacePages();
    // The window opens with its forward command in focus, as installers do: Enter or Space continues, and
    // Shift+Tab leads back to the language options.
    command5_->setAutoDefault(true);
    command5_->setFocus();
}

InstallerWindow::~InstallerWindow() {
    SetBusy(false);
}

void InstallerWindow::BuildWelcomePage() {
    frame3_ = MakePage(backdrop_, "Frame3");
    picture1_ = MakeLabel(frame3_, "Picture1", QRect(16, 16, 64, 64));
    label4_ = MakeTitle(frame3_, "Label4", QRect(136, 16, 488, 36));
    label7_ = MakeLabel(frame3_, "Label7", QRect(136, 60, 488, 350));
    label7_->setWordWrap(true);
    label7_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Each option names its language in that language.
    const char* names[] = {"Option1", "Option2", "Option3", "Option4"};
    const char* captions[] = {"English", "Deutsch", "Italiano", "Français"};
    for (int i = 0; i < 4; ++i) {
        options_[i] = Make<QRadioButton>(frame3_, names[i], QRect(16, 100 + i * 26, 112, 24));
        options_[i]->setText(QString::fromUtf8(captions[i]));
        connect(options_[i], &QRadioButton::clicked, this,
                [this, i] { ApplyLanguageTexts(installer::CodeOfOption(i + 1)); });
    }
    command5_ = Make<QPushButton>(frame3_, "Command5", QRect(412, 434, 104, 30));
    command6_ = Make<QPushButton>(frame3_, "Command6", QRect(524, 434, 104, 30));
    connect(command5_, &QPushButton::clicked, this, [this] {
        frame3_->hide();
        frame1_->show();
        text1_->setFocus();
    });
    connect(command6_, &QPushButton::clicked, this, &QWidget::close);
}

void InstallerWindow::BuildDirectoryPage() {
    frame1_ = MakePage(backdrop_, "Frame1");
    picture6_ = MakeLabel(frame1_, "Picture6", QRect(184, 12, 440, 200));
    picture4_ = MakeLabel(frame1_, "Picture4", QRect(16, 12, 160, 120));
    label1_ = MakeLabel(frame1_, "Label1", QRect(16, 224, 608, 22));
    text1_ = Make<QLineEdit>(frame1_, "Text1", QRect(16, 250, 500, 28));
    command7_ = Make<QPushButton>(frame1_, "Command7", QRect(524, 249, 104, 30));
    dir1_ = Make<QTreeView>(frame1_, "Dir1", QRect(16, 286, 612, 136));
    dir1_->setHeaderHidden(true);

    shape1_ = MakeShape(
        frame1_, "Shape1",
        QRect(Pixels(kProgressBarLeftTwips) - 4, 292, Pixels(installer::kProgressBarTwips) + 8, 28));
    label2_ = MakeBar(frame1_, "Label2", QRect(Pixels(kProgressBarLeftTwips), 296, 0, 20), QColor(0, 0, 160));
    label3_ = MakeLabel(frame1_, "Label3", QRect(0, 296, 64, 20));
    shape2_ = MakeShape(
        frame1_, "Shape2",
        QRect(Pixels(kActivityBarLeftTwips) - 4, 332,
              Pixels(installer::kActivityFilesPerSweep * installer::kActivityTwipsPerFile) + 8, 20));
    label5_ =
        MakeBar(frame1_, "Label5", QRect(Pixels(kActivityBarLeftTwips), 336, 0, 12), QColor(0, 128, 128));
    label8_ = MakeLabel(frame1_, "Label8", QRect(0, 332, 48, 20));
    text2_ = Make<QLineEdit>(frame1_, "Text2", QRect(16, 370, 612, 26));
    text2_->setReadOnly(true);
    text2_->setFocusPolicy(Qt::NoFocus);

    command1_ = Make<QPushButton>(frame1_, "Command1", QRect(412, 434, 104, 30));
    command2_ = Make<QPushButton>(frame1_, "Command2", QRect(524, 434, 104, 30));

    frame1_->hide();
    dir1_->hide();
    for (QWidget* element :
         {static_cast<QWidget*>(shape1_), static_cast<QWidget*>(shape2_), static_cast<QWidget*>(label2_),
          static_cast<QWidget*>(label3_), static_cast<QWidget*>(label5_), static_cast<QWidget*>(label8_),
          static_cast<QWidget*>(text2_)})
        element->hide();

    connect(command7_, &QPushButton::clicked, this, &InstallerWindow::ShowDirectoryList);
    connect(command1_, &QPushButton::clicked, this, &InstallerWindow::RunInstallation);
    connect(text1_, &QLineEdit::returnPressed, this, &InstallerWindow::RunInstallation);
    // During the copy the cancel button stops the run between two files.
    connect(command2_, &QPushButton::clicked, this, [this] {
        if (running_) {
            cancelRequested_ = true;
            command2_->setEnabled(false);
            return;
        }
        dir1_->hide();
        close();
    });
}

void InstallerWindow::BuildFinalPage() {
    frame2_ = MakePage(backdrop_, "Frame2");
    picture3_ = MakeLabel(frame2_, "Picture3", QRect(16, 16, 64, 64));
    label9_ = MakeTitle(frame2_, "Label9", QRect(136, 16, 488, 36));
    label6_ = MakeLabel(frame2_, "label6", QRect(136, 60, 488, 110));
    label6_->setWordWrap(true);
    label6_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture5_ = MakeLabel(frame2_, "Picture5", QRect(0, 0, 240, 64));
    picture5_->move((kPageSize.width() - picture5_->width()) / 2,
                    (kPageSize.height() - picture5_->height()) / 2);
    picture5_->setAlignment(Qt::AlignCenter);
    list1_ = Make<QListWidget>(frame2_, "List1", QRect(16, 180, 612, 240));
    // Long paths wrap inside the page instead of running out of it.
    list1_->setWordWrap(true);
    list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list1_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    command3_ = Make<QPushButton>(frame2_, "Command3", QRect(396, 434, 120, 30));
    command8_ = Make<QPushButton>(frame2_, "Command8", QRect(396, 434, 120, 30));
    command4_ = Make<QPushButton>(frame2_, "Command4", QRect(524, 434, 104, 30));
    command4_->setText(QString::fromUtf8(installer::kEndCaption.data(), installer::kEndCaption.size()));

    frame2_->hide();
    list1_->hide();
    connect(command3_, &QPushButton::clicked, this, &InstallerWindow::StartInstalledProgram);
    connect(command8_, &QPushButton::clicked, this, &InstallerWindow::BackToTarget);
    connect(command4_, &QPushButton::clicked, this, &QWidget::close);
}

void InstallerWindow::LoadPictures() {
    LoadPicture(picture1_, installation_.Picture("iceCube.bmp"), false);
    LoadPicture(picture3_, installation_.Picture("iceCube.bmp"), false);
    LoadPicture(picture2_, installation_.Picture("pic4.bmp"), false);
    LoadPicture(picture4_, installation_.Picture("pic2.bmp"), false);
    LoadPicture(picture5_, installation_.Picture("pic1.bmp"), false);
    LoadPicture(picture6_, installation_.Picture("backg11.bmp"), true);
}

void InstallerWindow::paintEvent(QPaintEvent*) {
    // The classic setup backdrop: the pages stand on a deep blue that darkens towards the bottom.
    QPainter painter(this);
    QLinearGradient backdrop(0, 0, 0, height());
    backdrop.setColorAt(0, QColor(0, 72, 144));
    backdrop.setColorAt(1, QColor(0, 16, 64));
    painter.fillRect(rect(), backdrop);
}

void InstallerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!activated_) {
        // Now the window knows the screen it opens on.
        FitScreen();
        Activate();
    }
}

// The window's size, within the room its screen leaves, centred there.
void InstallerWindow::FitScreen() {
    const QScreen* display = screen();
    if (!display) {
        resize(kWindowSize);
        return;
    }
    const QRect available = display->availableGeometry();
    const QSize size = kWindowSize.boundedTo(available.size() - kFrameAllowance);
    QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available);
    placed.moveTop(
        std::max(available.top() + kFrameAllowance.height() - kFrameAllowance.width() / 2, placed.top()));
    setGeometry(placed);
}

// What the first activation sets: the default target and the empty progress display.
void InstallerWindow::Activate() {
    activated_ = true;
    text1_->setText(PathText(platform_.DefaultTargetDirectory()));
    installation_.ResetProgressDisplay();
    ShowProgress(installation_.Display());
}

void InstallerWindow::PlacePages() {
    if (!frame1_ || !frame2_ || !frame3_ || !picture2_)
        return;  // the backdrop is sized before the pages exist
    const int width = backdrop_->width();
    const int height = backdrop_->height();
    const int picture2Top = height - Pixels(kPicture2BottomMarginTwips) - picture2_->height();
    // Above the bottom picture, wherever the room is short.
    const auto place = [&](QFrame* page, double divisor) {
        const int x = (width - page->width()) / 2;
        const int y = std::min(static_cast<int>((height - page->height()) / divisor),
                               picture2Top - kPageGap - page->height());
        page->move(std::max(kPageGap, x), std::max(kPageGap, y));
    };
    place(frame1_, 2.0);
    place(frame3_, 2.2);
    place(frame2_, 1.7);
    picture2_->move(picture2_->x(), picture2Top);
}

void InstallerWindow::closeEvent(QCloseEvent* event) {
    // Files are being copied: the window closes once the run has removed what it created.
    if (running_) {
        event->ignore();
        if (cancelRequested_ || !copying_) return;
        const auto answer = QMessageBox::question(this, Shown(std::string(installer::kRightsQuestionTitle)),
                                                  Shown(installer::CancelQuestion(shownLanguage_)),
                                                  QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes && running_) {
            cancelRequested_ = true;
            closeAfterRun_ = true;
            command2_->setEnabled(false);
        }
        return;
    }
    QWidget::closeEvent(event);
}

void InstallerWindow::keyPressEvent(QKeyEvent* event) {
    // Enter on the welcome page continues, as a dialog's default button does, from the language options,
    // which the arrow keys choose among and which take no Enter of their own (not from the cancel button).
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && frame3_->isVisible() && !qobject_cast<QPushButton*>(QApplication::focusWidget())) {
        command5_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void InstallerWindow::SelectOption(int option) {
    options_[option - 1]->setChecked(true);
    ApplyLanguageTexts(installer::CodeOfOption(option));
}

std::string InstallerWindow::FinalPagePath(const QString& path) const {
    // A path longer than a line of the headline keeps its ends, so that the headline fits its page.
    return label6_->fontMetrics().elidedText(path, Qt::ElideMiddle, label6_->width()).toStdString();
}

void InstallerWindow::ApplyLanguageTexts(std::string_view code) {
    shownLanguage_ = std::string(code);
    const std::string target = FinalPagePath(text1_->text());
    const installer::InstallerTexts texts = installer::TextsFor(code, target, platform_.ProgramFileName());
    command1_->setText(Shown(texts.next));
    command5_->setText(Shown(texts.next));
    command2_->setText(Shown(texts.cancel));
    command6_->setText(Shown(texts.cancel));
    command7_->setText(Shown(texts.browse));
    label1_->setText(Shown(texts.prompt));
    label6_->setText(Shown(texts.finalMessage));
    label7_->setText(Shown(texts.information));
    command3_->setText(Shown(texts.startCaption));
    label4_->setText(Shown(texts.title));
    label9_->setText(Shown(texts.title));
}

void InstallerWindow::ShowDirectoryList() {
    if (dirModel_ == nullptr) {
        dirModel_ = new QFileSystemModel(this);
        dirModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
        dirModel_->setRootPath(QString());
        dir1_->setModel(dirModel_);
        for (int column = 1; column < dirModel_->columnCount(); ++column) dir1_->hideColumn(column);
        connect(dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
                &InstallerWindow::TakeDirectoryFromList);
    }
    // The list opens at the typed directory, or at the nearest folder above it that exists (the proposed
    // target is usually still to be created).
    QString typed = text1_->text().trimmed();
    while (!typed.isEmpty() && !QDir(typed).exists()) {
        const QString parent = QFileInfo(typed).absolutePath();
        typed = parent == QFileInfo(typed).absoluteFilePath() ? QString() : parent;
    }
    if (!typed.isEmpty()) {
        dirModel_->setRootPath(typed);
        const QModelIndex index = dirModel_->index(typed);
        dir1_->setCurrentIndex(index);
        dir1_->scrollTo(index);
    }
    dir1_->show();
    dir1_->raise();
}

void InstallerWindow::TakeDirectoryFromList() {
    const QModelIndex current = dir1_->currentIndex();
    if (current.isValid()) text1_->setText(QDir::toNativeSeparators(dirModel_->filePath(current)));
}

void InstallerWindow::RunInstallation() {
    if (running_ || !frame1_->isVisible() || !command1_->isVisible()) return;
    const auto target = TargetOf(text1_->text());
    if (!target) {
        QApplication::beep();
        text1_->setFocus();
        return;
    }
    text1_->setText(PathText(*target));
    text1_->setReadOnly(true);
    running_ = true;
    languageBeforeRun_ = shownLanguage_;
    const installer::RunOutcome outcome = installation_.RunInstallation(*target, shownLanguage_);
    running_ = false;
    copying_ = false;
    if (outcome == installer::RunOutcome::EndedByUser || closeAfterRun_) {
        close();
        return;
    }
    if (outcome == installer::RunOutcome::UpdateDeclined) {
        text1_->setReadOnly(false);
        return;
    }
    // The final page speaks the language the settings file names, whatever option was chosen.
    ApplyLanguageTexts(installation_.LanguageCode());
    const std::string targetText = FinalPagePath(PathText(*target));
    if (installation_.Result() == installer::RunResult::Failed) {
        const installer::TargetCheck& fault = installation_.TargetFault();
        std::string headline = installer::ProblemHeadline(installation_.LanguageCode(), fault, targetText,
                                                          FinalPagePath(PathText(fault.where)));
        if (headline.empty()) headline = installer::FailureMessage(installation_.LanguageCode(), targetText);
        label6_->setText(Shown(headline));
    }
    if (installation_.Result() == installer::RunResult::Cancelled)
        label6_->setText(Shown(installer::CancelledMessage(installation_.LanguageCode(), targetText)));
    command3_->setVisible(installation_.Result() == installer::RunResult::Installed);
    command8_->setText(Shown(installer::BackCaption(installation_.LanguageCode())));
    command8_->setVisible(installation_.Result() != installer::RunResult::Installed);
    for (const std::string& line : installation_.Protocol()) list1_->addItem(QString::fromStdString(line));
    frame1_->hide();
    frame2_->show();
    // The protocol takes the place of the picture in the middle of the page.
    list1_->setVisible(installation_.ProtocolShownAtEnd());
    picture5_->setVisible(!installation_.ProtocolShownAtEnd());
}

void InstallerWindow::BackToTarget() {
    // The run changed nothing: the target page as it was, to correct the folder or free room and try again.
    frame2_->hide();
    list1_->clear();
    cancelRequested_ = false;
    command2_->setEnabled(true);
    ApplyLanguageTexts(languageBeforeRun_);
    command1_->show();
    command7_->setEnabled(true);
    copying_ = false;
    text1_->setReadOnly(false);
    shape1_->hide();
    shape2_->hide();
    installation_.ResetProgressDisplay();
    ShowProgress(installation_.Display());
    frame1_->show();
    text1_->setFocus();
}

void InstallerWindow::StartInstalledProgram() {
    SetBusy(true);
    if (const auto target = TargetOf(text1_->text()))
        platform_.StartProgram(*target / installer::PathFromUtf8(platform_.ProgramFileName()), *target);
    close();
}

bool InstallerWindow::ConfirmUpdate(const std::string& title, const std::string& question) {
    const bool wasBusy = busy_;
    SetBusy(false);
    const auto answer =
        QMessageBox::question(this, Shown(title), Shown(question), QMessageBox::Yes | QMessageBox::No);
    SetBusy(wasBusy);
    return answer == QMessageBox::Yes;
}

bool InstallerWindow::CancelRequested() {
    return cancelRequested_;
}

bool InstallerWindow::ContinueWithoutRights(const std::string& title, const std::string& question) {
    const bool wasBusy = busy_;
    SetBusy(false);
    const auto answer =
        QMessageBox::question(this, Shown(title), Shown(question), QMessageBox::Yes | QMessageBox::No);
    SetBusy(wasBusy);
    return answer == QMessageBox::Yes;
}

void InstallerWindow::SetBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void InstallerWindow::HideDirectoryCommands() {
    // The cancel button stays for the copy, as a real cancel.
    command1_->hide();
    command7_->setEnabled(false);
    command2_->setText(Shown(installer::CancelCaption(shownLanguage_)));
    copying_ = true;
}

void InstallerWindow::EnterCopyPhase() {
    dir1_->hide();
    shape1_->show();
    shape2_->show();
}

void InstallerWindow::ShowProgress(const installer::ProgressDisplay& display) {
    label2_->setVisible(display.barsVisible);
    label3_->setVisible(display.barsVisible);
    label5_->setVisible(display.barsVisible && display.activityVisible);
    label8_->setVisible(display.barsVisible);
    text2_->setVisible(display.barsVisible);

    label2_->resize(Pixels(display.progressWidth), label2_->height());
    label3_->move(Pixels(display.percentLeft), label3_->y());
    label3_->setText(QString::fromStdString(display.percentText));
    label5_->resize(Pixels(display.activityWidth), label5_->height());
    label8_->move(Pixels(display.counterLeft), label8_->y());
    label8_->setText(QString::fromStdString(display.counterText));
    text2_->setText(QString::fromStdString(display.statusLine));
    if (display.background != shownBackground_) {
        shownBackground_ = display.background;
        LoadPicture(picture6_, display.background, true);
    }
}

void InstallerWindow::ProcessPendingEvents() {
    // Clicks reach the cancel button and the close box; a second run cannot start while one is running.
    QCoreApplication::processEvents();
}
