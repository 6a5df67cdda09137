#include "report/ui/results_view.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "config/run_settings.h"
#include "localisation/decision_texts.h"
#include "localisation/language_tables.h"
#include "project/paint/seasonal_page.h"
#include "report/paint/cycle_page.h"
#include "report/paint/decision_page.h"
#include "report/paint/lifetime_page.h"
#include "report/paint/results_page.h"
#include "report/report_title.h"
#include "report/ui/current_printer.h"
#include "report/ui/print_settings_window.h"
#include "widgets/command_picture.h"
#include "widgets/focus_chain.h"
#include "widgets/message_box.h"
#include "widgets/picture_file.h"
#include "widgets/twips.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

constexpr double kPanelWidthTwips = 2900;
constexpr double kButtonTwips = 540;

CommandPicture* Button(const QString& name, QWidget* parent) {
    return NewCommandPicture(name, kButtonTwips, parent);
}

QLabel* Twin(const QString& name, CommandPicture* button, QWidget* parent) {
    auto* twin = new QLabel(parent);
    twin->setObjectName(name);
    twin->setWordWrap(true);
    button->AddTwin(twin);
    return twin;
}

}  // namespace

ResultsView::ResultsView(QWidget* parent, const ProjectRecord* project)
    : QDialog(parent),
      PrintHead(nullptr),  // made below, inside the panel
      VScroll1(new QScrollBar(Qt::Vertical, this)),
      Frame3D2(new QFrame(this)),
      Label3(new QLabel(Frame3D2)),
      Label4(new QLabel(Frame3D2)),
      Command3D1(Button("Command3D1", Frame3D2)),
      Command3D1_l(Twin("Command3D1_l", Command3D1, Frame3D2)),
      Command3D2(Button("Command3D2", Frame3D2)),
      Command3D2_l(Twin("Command3D2_l", Command3D2, Frame3D2)),
      Command3D3(Button("Command3D3", Frame3D2)),
      Command3D3_l(Twin("Command3D3_l", Command3D3, Frame3D2)),
      project_(project) {
    setObjectName("ResultsView");
    setModal(true);
    PrintHead = new QCheckBox(Frame3D2);
    PrintHead->setObjectName("PrintHead");
    VScroll1->setObjectName("VScroll1");
    Frame3D2->setObjectName("Frame3D2");
    Label3->setObjectName("Label3");
    Label4->setObjectName("Label4");
    Frame3D2->setFrameShape(QFrame::Panel);
    Frame3D2->setFrameShadow(QFrame::Raised);
    Frame3D2->setAutoFillBackground(true);
    const TwipsScale twips = TwipsScale::Of(this);
    Frame3D2->setFixedWidth(twips.Pixels(kPanelWidthTwips));

    // Inside the panel: the headings and the option at the top; the buttons get their places on resize.
    const int margin = twips.Pixels(120);
    const int inner = Frame3D2->width() - 2 * margin;
    Label3->setGeometry(margin, margin, inner, twips.Pixels(300));
    Label4->setGeometry(margin, margin + twips.Pixels(360), inner, twips.Pixels(300));
    PrintHead->setGeometry(margin, margin + twips.Pixels(900), inner, twips.Pixels(360));

    // The report has one page; the scroll bar only redraws it.
    VScroll1->setRange(0, 1);

    connect(VScroll1, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(PrintHead, &QCheckBox::clicked, this, &ResultsView::PrintHeadClicked);
    connect(Command3D2, &CommandPicture::Released, this, &ResultsView::Print);
    connect(Command3D1, &CommandPicture::Released, this, &QDialog::accept);
    connect(Command3D3, &CommandPicture::Released, this, &QDialog::accept);

    // From the keyboard: Tab goes down the panel as the commands stand on it; Enter is OK. The scroll bar
    // only redraws the one page and takes no focus.
    VScroll1->setFocusPolicy(Qt::NoFocus);
    ChainFocus({PrintHead, Command3D2, Command3D3, Command3D1});
    Command3D1->MakeDefaultIn(this);

    // The page is drawn at scale, so the window starts as tall as the screen allows, with the page's
    // proportions; it is never so narrow that the panel covers the scroll bar. On a screen lower than 8900
    // twips it starts at the top left.
    const QSizeF page = ViewPageSize();
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 960);
    const int minimumWidth = static_cast<int>((Frame3D2->width() + VScroll1->sizeHint().width()) / 0.27);
    setMinimumSize(minimumWidth, twips.Pixels(6000));
    const int height = available.height() - twips.Pixels(600);
    const int width = static_cast<int>(1.6 * page.width() / page.height() * height / 1.035);
    resize(std::clamp(width, minimumWidth, std::max(minimumWidth, available.width())), height);
    if (screen && TwipsScale::ScreenHeightTwips(this) < 8900) move(screen->geometry().topLeft());
}

QRectF ResultsView::PageArea(const QSizeF& surface, const QSizeF& page) {
    const qreal scale =
        std::min(surface.width() / (1.6 * page.width()), surface.height() / (1.035 * page.height()));
    const QSizeF drawn = page * scale;
    return {drawn.width() * 0.1, drawn.height() * 0.045, drawn.width(), drawn.height()};
}

QSizeF ResultsView::ViewPageSize() {
    const QSize printer = PrinterPageSize();
    if (printer.width() == 0 && printer.height() == 0) return {2150, 2900};
    return printer;
}

void ResultsView::Activate() {
    PrintHead->setChecked(Settings.carried.PrintHeaderOption == 0);
    PrintHead->setText(DisplayText(Caption(kCaptionPrint) + " " + Caption(kCaptionPageHeader)));
    Label3->setText(DisplayText(Caption(kCaptionPrintPreview) + " :"));
    Label4->setText(DisplayText(Caption(kCaptionPage) + " :"));
    Command3D1->SetPicture(LoadPicture("OKcap.bmp"));
    Command3D2->SetPicture(LoadPicture("Prcap.bmp"));
    Command3D3->SetPicture(LoadPicture("abcap.bmp"));
    Command3D1_l->setText(QStringLiteral("OK"));
    Command3D2_l->setText(DisplayText(Caption(kCaptionPrint)));
    Command3D3_l->setText(DisplayText(Caption(kCaptionCancel)));
    AssignButtonMnemonics({PrintHead}, AssignMnemonics({Command3D1_l, Command3D2_l, Command3D3_l}));
    setWindowTitle(DisplayText(BuildReportTitle()));
    VScroll1->setValue(1);
    update();
}

void ResultsView::PrintHeadClicked() {
    Settings.carried.PrintHeaderOption = PrintHead->isChecked() ? 0 : 1;
    setWindowTitle(DisplayText(BuildReportTitle()));
    update();
}

void ResultsView::Print() {
    PrintSettingsWindow settings(this, project_ != nullptr);
    if (settings.exec() != QDialog::Accepted) return;
    const PrintSettingsWindow::ChosenPages chosen = settings.FurtherPages();
    std::vector<FurtherPage> pages;
    // The print is one action: its pages' calculations share one load of the table and the energy factors.
    ActionLoads loads;
    if (project_ && chosen.cycle)
        pages.push_back([view = CycleViewOf(*project_, &loads), texts = CycleDiagramTextsOf(*project_)](
                            QPainter& painter, const QRectF& sheet) {
            DrawCyclePage(painter, sheet, view, texts, PrinterFontName());
        });
    if (project_ && chosen.decision)
        pages.push_back([decision = DecisionPageOf(
                             *project_, LoadFeatureTexts(decision_texts::kFile, Settings.LanguageCode),
                             Settings.CurrencyCode, &loads)](QPainter& painter, const QRectF& sheet) {
            DrawDecisionPage(painter, sheet, decision, PrinterFontName());
        });
    if (project_ && chosen.lifetime) {
        const LifetimePage lifetime = LifetimePageOf(*project_, &loads);
        for (int sheet = 0; sheet < kLifetimeSheets; ++sheet)
            pages.push_back([lifetime, sheet](QPainter& painter, const QRectF& page) {
                DrawLifetimePage(painter, page, lifetime, PrinterFontName(), sheet);
            });
    }
    if (project_ && chosen.seasonal)
        pages.push_back([page = SeasonalPageOf(*project_, &loads)](QPainter& painter, const QRectF& sheet) {
            DrawSeasonalPage(painter, sheet, page, PrinterFontName());
        });
    if (PrintOnCurrentPrinter(this, FurtherPages(std::move(pages))) == PrintOutcome::Failed)
        ShowMessage(this, MessageKind::Exclamation, DisplayText(Settings.ProductName),
                    QStringLiteral("%1\n\nThe page could not be printed.").arg(PrintDestinationName()));
}

void ResultsView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Activate();
}

void ResultsView::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    const TwipsScale twips = TwipsScale::Of(this);
    Frame3D2->setGeometry(w - Frame3D2->width(), 0, Frame3D2->width(), h + twips.Pixels(100));
    const int left = twips.Pixels(120);
    const int twinLeft = left + Command3D1->width() + twips.Pixels(100);
    const int twinWidth = Frame3D2->width() - twinLeft - twips.Pixels(60);
    const std::pair<CommandPicture*, QLabel*> buttons[] = {
        {Command3D1, Command3D1_l}, {Command3D3, Command3D3_l}, {Command3D2, Command3D2_l}};
    const double tops[] = {1000, 1600, 2200};
    for (int i = 0; i < 3; ++i) {
        const int top = h - twips.Pixels(tops[i]);
        buttons[i].first->move(left, top);
        buttons[i].second->setGeometry(twinLeft, top, twinWidth, buttons[i].first->height());
    }
    VScroll1->setGeometry(static_cast<int>(0.72 * w), twips.Pixels(100), VScroll1->sizeHint().width(),
                          h - twips.Pixels(200));
}

void ResultsView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xC8, 0xCC, 0xD0));
    const QRectF page = PageArea(size(), ViewPageSize());
    // The sheet with its shadow around the drawn page.
    const qreal shadow = TwipsScale::Of(this).Pixels(90);
    painter.fillRect(page.translated(shadow, shadow), QColor(0x80, 0x84, 0x88));
    painter.fillRect(page, Qt::white);
    DrawResultsPreview(painter, page, PrinterPageHeightPoints(), DisplayText(Settings.PrintFontName));
}

}  // namespace tervalo
