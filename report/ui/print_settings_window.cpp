#include "report/ui/print_settings_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "config/run_settings.h"
#include "localisation/cycle_texts.h"
#include "localisation/decision_texts.h"
#include "localisation/language_tables.h"
#include "localisation/lifetime_texts.h"
#include "localisation/seasonal_texts.h"
#include "localisation/title_texts.h"
#include "localisation/window_aids_texts.h"
#include "report/ui/current_printer.h"
#include "widgets/command_picture.h"
#include "widgets/focus_chain.h"
#include "widgets/picture_file.h"
#include "widgets/twips.h"
#include "widgets/window_text.h"

namespace tervalo {

namespace {

// The window shows the font itself; the sample text is the font's name with letters and digits.
QString SampleText(const QString& family) {
    return family + QStringLiteral("\nAaBbCcXxYyZz 0123456789");
}

QLabel* Twin(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

constexpr double kButtonTwips = 600;

CommandPicture* Button(const QString& name, QWidget* parent) {
    return NewCommandPicture(name, kButtonTwips, parent);
}

QHBoxLayout* ButtonRow(CommandPicture* button, QLabel* twin) {
    button->AddTwin(twin);
    auto* row = new QHBoxLayout;
    row->addWidget(button);
    row->addWidget(twin, 1);
    return row;
}

}  // namespace

PrintSettingsWindow::PrintSettingsWindow(QWidget* parent, bool offerProjectPages)
    : QDialog(parent),
      fontlist(new QComboBox(this)),
      FonttestPN(new QLabel(this)),
      drbutt(Button("drbutt", this)),
      drbutt_l(Twin("drbutt_l", this)),
      prevButt(Button("prevButt", this)),
      prevButt_l(Twin("prevButt_l", this)),
      Panel3D1(new QFrame(this)),
      Pwidth(new QLabel(Panel3D1)),
      Pheight(new QLabel(Panel3D1)),
      Swidth(new QLabel(Panel3D1)),
      Sheight(new QLabel(Panel3D1)),
      Command3D1(new QPushButton(QStringLiteral("OK"), Panel3D1)),
      OKbutt(Button("OKbutt", this)),
      Okbutt_l(Twin("Okbutt_l", this)),
      Abbutt(Button("Abbutt", this)),
      Abbutt_l(Twin("Abbutt_l", this)),
      iceC(new QLabel(this)),
      CyclePage(new QCheckBox(this)),
      DecisionPage(new QCheckBox(this)),
      LifetimePage(new QCheckBox(this)),
      SeasonalPage(new QCheckBox(this)) {
    setObjectName("PrintSettings");
    setModal(true);
    fontlist->setObjectName("fontlist");
    FonttestPN->setObjectName("FonttestPN");
    Panel3D1->setObjectName("Panel3D1");
    Command3D1->setObjectName("Command3D1");
    iceC->setObjectName("iceC");

    // Load: the picture and the printer's fonts in the printer's order.
    iceC->setPixmap(LoadPicture("iceCube.bmp"));
    fontlist->addItems(QFontDatabase::families());
    fontlist->setMaxVisibleItems(20);

    FonttestPN->setFrameShape(QFrame::Box);
    FonttestPN->setAlignment(Qt::AlignCenter);
    FonttestPN->setMinimumSize(TwipsScale::Of(this).Pixels(4800, 1200));
    FonttestPN->setAutoFillBackground(true);
    FonttestPN->setStyleSheet("background: white; color: black;");

    Panel3D1->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QVBoxLayout(Panel3D1);
    for (QLabel* label : {Pwidth, Pheight, Swidth, Sheight}) panelLayout->addWidget(label);
    Pwidth->setObjectName("Pwidth");
    Pheight->setObjectName("Pheight");
    Swidth->setObjectName("Swidth");
    Sheight->setObjectName("Sheight");
    panelLayout->addWidget(Command3D1, 0, Qt::AlignRight);
    Panel3D1->hide();

    auto* left = new QVBoxLayout;
    left->addWidget(fontlist);
    left->addWidget(FonttestPN, 1);
    left->addLayout(ButtonRow(drbutt, drbutt_l));
    left->addLayout(ButtonRow(prevButt, prevButt_l));
    left->addWidget(Panel3D1);
    // The project's further pages, each with its text from its feature's caption file.
    const auto addPage = [&](QCheckBox* box, const char* name, const FeatureFile& file, int item) {
        box->setObjectName(name);
        box->setText(DisplayText(LoadFeatureTexts(file, Settings.LanguageCode)[item]));
        box->setVisible(offerProjectPages);
        left->addWidget(box);
    };
    addPage(CyclePage, "CyclePage", cycle_texts::kFile, cycle_texts::kPrintCyclePage);
    addPage(DecisionPage, "DecisionPage", decision_texts::kFile, decision_texts::kPrintDecisionPage);
    addPage(LifetimePage, "LifetimePage", lifetime_texts::kFile, lifetime_texts::kPrintLifetimePage);
    addPage(SeasonalPage, "SeasonalPage", seasonal_texts::kFile, seasonal_texts::kReportPage);

    auto* right = new QVBoxLayout;
    right->addWidget(iceC, 0, Qt::AlignHCenter);
    right->addStretch(1);
    right->addLayout(ButtonRow(OKbutt, Okbutt_l));
    right->addLayout(ButtonRow(Abbutt, Abbutt_l));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(fontlist, &QComboBox::textActivated, this, &PrintSettingsWindow::ChooseFont);
    connect(drbutt, &CommandPicture::Released, this, [this] { printCMsetup(this); });
    connect(prevButt, &CommandPicture::Released, this, &PrintSettingsWindow::Printer_I);
    connect(Command3D1, &QPushButton::clicked, Panel3D1, &QWidget::hide);
    connect(OKbutt, &CommandPicture::Released, this, &QDialog::accept);
    connect(Abbutt, &CommandPicture::Released, this, &QDialog::reject);

    // From the keyboard: Tab down the left column, then OK and cancel; Enter confirms.
    ChainFocus(FocusableInLayoutOrder(layout));
    OKbutt->MakeDefaultIn(this);
    fontlist->setAccessibleName(DisplayText(
        LoadFeatureTexts(window_aids_texts::kFile, Settings.LanguageCode)[window_aids_texts::kPrinterFont]));
}

void PrintSettingsWindow::Activate() {
    setWindowTitle(
        DisplayText(Settings.ProductName + " - " + Caption(kCaptionSetup) + " " + Caption(kCaptionPrinter)));
    drbutt->SetPicture(LoadPicture("prcap.bmp"));
    prevButt->SetPicture(LoadPicture("zoomcap.bmp"));
    OKbutt->SetPicture(LoadPicture("okcap.bmp"));
    Abbutt->SetPicture(LoadPicture("abcap.bmp"));
    drbutt_l->setText(DisplayText(Caption(kCaptionPrinter)));
    prevButt_l->setText(DisplayText(Caption(kCaptionPage)));
    Okbutt_l->setText(QStringLiteral("OK"));
    Abbutt_l->setText(DisplayText(Caption(kCaptionCancel)));
    // OK and cancel keep their first letters.
    AssignButtonMnemonics({CyclePage, DecisionPage, LifetimePage, SeasonalPage},
                          AssignMnemonics({Okbutt_l, Abbutt_l, drbutt_l, prevButt_l}));

    // The stored font goes to the printer and the sample; the list shows what the printer now uses, which is
    // its own font when it lacks the stored one. The stored name is kept until the user chooses a font.
    const QString stored = DisplayText(Settings.PrintFontName);
    SetPrinterFontName(stored);
    ShowSample(stored);
    fontlist->setCurrentIndex(fontlist->findText(PrinterFontName(), Qt::MatchFixedString));
}

void PrintSettingsWindow::ChooseFont(const QString& name) {
    SetPrinterFontName(name);
    Settings.PrintFontName = TypedText(name);
    ShowSample(name);
    SetPrinterFontName(name);
}

void PrintSettingsWindow::ShowSample(const QString& name) {
    QFont font(name);
    font.setPointSize(12);
    FonttestPN->setFont(font);
    // Named by the family that draws it: an alias such as "Arial" shows the font that really prints.
    FonttestPN->setText(SampleText(QFontInfo(font).family()));
}

PrintSettingsWindow::ChosenPages PrintSettingsWindow::FurtherPages() const {
    return {CyclePage->isChecked(), DecisionPage->isChecked(), LifetimePage->isChecked(),
            SeasonalPage->isChecked()};
}

void PrintSettingsWindow::Printer_I() {
    const QSize page = PrinterPageSize();
    const int resolution = HasPrintDestination() ? CurrentPrinter().resolution() : 0;
    // The printer's figures are its dots, the screen's twips; each with the length a reader knows.
    const auto title = [](int item) {
        return DisplayText(TitleText(item, Settings.LanguageCode)) + QLatin1Char(' ');
    };
    const QString dotsUnit = DisplayText(TitleText(titles_texts::kDots, Settings.LanguageCode));
    const auto dots = [resolution, &dotsUnit](int value) {
        QString text = QString::number(value) + QLatin1Char(' ') + dotsUnit;
        if (resolution > 0) text += QStringLiteral(" (%1 mm)").arg(qRound(value * 25.4 / resolution));
        return text;
    };
    const TwipsScale twips = TwipsScale::Of(this);
    const auto screen = [&twips](double value) {
        return QString::number(value) + QStringLiteral(" twips (%1 px)").arg(twips.Pixels(value));
    };
    Pwidth->setText(title(titles_texts::kPrinterWidth) + dots(page.width()));
    Pheight->setText(title(titles_texts::kPrinterHeight) + dots(page.height()));
    Swidth->setText(title(titles_texts::kScreenWidth) + screen(TwipsScale::ScreenWidthTwips(this)));
    Sheight->setText(title(titles_texts::kScreenHeight) + screen(TwipsScale::ScreenHeightTwips(this)));
    Panel3D1->show();
}

void PrintSettingsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Activate();
}

void PrintSettingsWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (const QScreen* s = screen()) {
        const QRect area = s->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
}

}  // namespace tervalo
