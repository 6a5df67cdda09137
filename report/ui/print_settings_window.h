#pragma once

// The print settings, confirmed before the report page goes to paper: the printer font with a sample, the
// printer set-up dialog, the printer's and the screen's sizes. OK accepts the window, cancel and the close
// box reject it; the results view prints only when exec() answered Accepted.

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QFrame;
class QPushButton;

namespace tervalo {

class CommandPicture;

class PrintSettingsWindow : public QDialog {
    Q_OBJECT
  public:
    // `offerProjectPages`: the check boxes of the project's further pages (cycle, decision, lifetime) are
    // shown (unchecked).
    explicit PrintSettingsWindow(QWidget* parent = nullptr, bool offerProjectPages = false);

    // The pages the user chose to print after the report page; none where they were not offered.
    struct ChosenPages {
        bool cycle = false;
        bool decision = false;
        bool lifetime = false;
        bool seasonal = false;
    };
    ChosenPages FurtherPages() const;

    // Fills the four size labels and shows the panel.
    void Printer_I();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The parts, named as their objects are (the tests find them by these names).
    QComboBox* fontlist;
    QLabel* FonttestPN;
    CommandPicture* drbutt;
    QLabel* drbutt_l;
    CommandPicture* prevButt;
    QLabel* prevButt_l;
    QFrame* Panel3D1;
    QLabel* Pwidth;
    QLabel* Pheight;
    QLabel* Swidth;
    QLabel* Sheight;
    QPushButton* Command3D1;
    CommandPicture* OKbutt;
    QLabel* Okbutt_l;
    CommandPicture* Abbutt;
    QLabel* Abbutt_l;
    QLabel* iceC;
    QCheckBox* CyclePage;     // the cycle page follows the report page
    QCheckBox* DecisionPage;  // the decision page follows them, offered with the cycle page
    QCheckBox* LifetimePage;  // the lifetime page follows them
    QCheckBox* SeasonalPage;  // the seasonal page, after the lifetime page

    void Activate();
    void ChooseFont(const QString& name);
    void ShowSample(const QString& name);
};

}  // namespace tervalo
