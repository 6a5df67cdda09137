#include "report/ui/results_view.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "engine/dialog_mode.h"
#include "localisation/language_tables.h"
#include "report/paint/results_page.h"
#include "report/report_title.h"
#include "report/ui/current_printer.h"
#include "report/ui/picture_button.h"
#include "report/ui/print_settings_window.h"
#include "shell/run_settings.h"

namespace tervalo {

namespace {

constexpr double kPanelWidthTwips = 2900;
constexpr double kButtonTwips = 540;

PictureButton* Button(const QString& name, QWidget* parent) {
    auto* button = new PictureButton(name, parent);
    button->setFixedSize(TwipsToPixels(parent, kButtonTwips), TwipsToPixels(parent, kButtonTwips));
    return button;
}

QLabel* Twin(const QString& name, PictureButton* button, QWidget* parent) {
    auto* twin = new QLabel(parent);
    twin->setObjectName(name);
    twin->setWordWrap(true);
    button->AddTwin(twin);
    return twin;
}

}  // namespace

ResultsView::ResultsView(QWidget* parent)
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
      Command3D3_l(Twin("Command3D3_l", Command3D3, Frame3D2)) {
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
    Frame3D2->setFixedWidth(TwipsToPixels(this, kPanelWidthTwips));

    // Inside the panel: the headings and the option at the top; the buttons get their places on resize.
    const int margin = TwipsToPixels(this, 120);
    const int inner = Frame3D2->width() - 2 * margin;
    Label3->setGeometry(margin, margin, inner, TwipsToPixels(this, 300));
    Label4->setGeometry(margin, margin + TwipsToPixels(this, 360), inner, TwipsToPixels(this, 300));
    PrintHead->setGeometry(margin, margin + TwipsToPixels(this, 900), inner, TwipsToPixels(this, 360));

    // The report has one page; the scroll bar only redraws it.
    VScroll1->setRange(0, 1);

    connect(VScroll1, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(PrintHead, &QCheckBox::clicked, this, &ResultsView::PrintHeadClicked);
    connect(Command3D2, &PictureButton::clicked, this, &ResultsView::Print);
    connect(Command3D1, &PictureButton::clicked, this, &QDialog::accept);
    connect(Command3D3, &PictureButton::clicked, this, &QDialog::accept);

    // The page shows its text at 8 points, so the window starts as tall as the screen allows, with the page's
    // proportions; it is never so narrow that the panel covers the scroll bar. On a screen lower than 8900
    // twips it starts at the top left.
    const QSizeF page = ViewPageSize();
    const QScreen* screen = this->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 960);
    const int minimumWidth = static_cast<int>((Frame3D2->width() + VScroll1->sizeHint().width()) / 0.27);
    setMinimumSize(minimumWidth, TwipsToPixels(this, 6000));
    const int height = available.height() - TwipsToPixels(this, 600);
    const int width = static_cast<int>(1.6 * page.width() / page.height() * height / 1.035);
    resize(std::clamp(width, minimumWidth, std::max(minimumWidth, available.width())), height);
    if (screen && PixelsToTwips(this, screen->size().height()) < 8900) move(screen->geometry().topLeft());
}

QRectF ResultsView::PageArea(const QSizeF& surface) {
    return {surface.width() * 0.1 / 1.6, surface.height() * 0.045 / 1.035, surface.width() / 1.6,
            surface.height() / 1.035};
}

QSizeF ResultsView::ViewPageSize() {
    const QSize printer = PrinterPageSize();
    if (printer.width() == 0 && printer.height() == 0) return {2150, 2900};
    return printer;
}

void ResultsView::Activate() {
    PrintHead->setChecked(Settings.carried.PrintHeaderOption == 0);
    PrintHead->setText(PageTextToUnicode(Caption(76) + " " + Caption(221)));
    Label3->setText(PageTextToUnicode(Caption(25) + " :"));
    Label4->setText(PageTextToUnicode(Caption(26) + " :"));
    Command3D1->SetPicture("OKcap.bmp");
    Command3D2->SetPicture("Prcap.bmp");
    Command3D3->SetPicture("abcap.bmp");
    Command3D1_l->setText(QStringLiteral("OK"));
    Command3D2_l->setText(PageTextToUnicode(Caption(76)));
    Command3D3_l->setText(PageTextToUnicode(Caption(35)));
    setWindowTitle(PageTextToUnicode(BuildReportTitle()));
    VScroll1->setValue(1);
    update();
}

void ResultsView::PrintHeadClicked() {
    Settings.carried.PrintHeaderOption = PrintHead->isChecked() ? 0 : 1;
    setWindowTitle(PageTextToUnicode(BuildReportTitle()));
    update();
}

void ResultsView::Print() {
    PrintSettingsWindow settings(this);
    settings.exec();
    if (DialogMode == 1) {
        if (PrintOnCurrentPrinter(this) == PrintOutcome::Failed)
            QMessageBox::warning(
                this, PageTextToUnicode(Settings.ProductName),
                QStringLiteral("%1\n\nThe page could not be printed.").arg(PrintDestinationName()));
        DialogMode = 0;
    }
}

void ResultsView::done(int result) {
    DialogMode = 0;
    QDialog::done(result);
}

void ResultsView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Activate();
}

void ResultsView::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    const auto twips = [this](double t) { return TwipsToPixels(this, t); };
    Frame3D2->setGeometry(w - Frame3D2->width(), 0, Frame3D2->width(), h + twips(100));
    const int left = twips(120);
    const int twinLeft = left + Command3D1->width() + twips(100);
    const int twinWidth = Frame3D2->width() - twinLeft - twips(60);
    const std::pair<PictureButton*, QLabel*> buttons[] = {
        {Command3D1, Command3D1_l}, {Command3D3, Command3D3_l}, {Command3D2, Command3D2_l}};
    const double tops[] = {1000, 1600, 2200};
    for (int i = 0; i < 3; ++i) {
        const int top = h - twips(tops[i]);
        buttons[i].first->move(left, top);
        buttons[i].second->setGeometry(twinLeft, top, twinWidth, buttons[i].first->height());
    }
    VScroll1->setGeometry(static_cast<int>(0.72 * w), twips(100), VScroll1->sizeHint().width(),
                          h - twips(200));
}

void ResultsView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xC8, 0xCC, 0xD0));
    const QRectF page = PageArea(size());
    // The sheet with its shadow around the drawn page.
    const qreal shadow = TwipsToPixels(this, 90);
    painter.fillRect(page.translated(shadow, shadow), QColor(0x80, 0x84, 0x88));
    painter.fillRect(page, Qt::white);
    DrawResultsPage(painter, page, PageStyle::ForView(PageTextToUnicode(Settings.PrintFontName)));
}

}  // namespace tervalo
