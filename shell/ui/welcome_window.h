#pragma once

// The welcome window: greets the user at start-up and lets them choose the language of the program from
// sixteen flags. A language whose caption file is missing or empty cannot be chosen. Confirming (the OK
// button, its label, or closing the window in any way) closes it and answers through exec(): Accepted with
// the confirmed language in LanguageCode(), Rejected when the selected language was refused (the window has
// shown why). The window changes no run settings; its owner takes the answer (TakeWelcomeChoice) and reloads
// its texts.

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QRadioButton;

namespace tervalo {

class CommandPicture;

class Begruess : public QDialog {
    Q_OBJECT

  public:
    // The main window opens it at start-up with kStartUpPicture.
    static constexpr int kStartUpPicture = 3;
    // `runLanguage`: the language of the run, selected when kparam.dat names none.
    Begruess(int startPicture, std::string runLanguage, QWidget* parent = nullptr);

    // The language the window stands at: the run's at load, an option's code as soon as it is clicked.
    const std::string& LanguageCode() const { return languageCode_; }

    // The file of a start picture: 3 "start04.bmp", 2 "start03.bmp", 1 "start02.bmp", others "start01.bmp".
    static const char* StartPictureFile(int startPicture);

    // Closing the window confirms the language like the OK button does.
    void reject() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Option {
        std::string code;
        QRadioButton* button;
        QLabel* flag;
    };

    QWidget* BuildLanguageChoice();
    QWidget* BuildComponentStrip();
    // Shortens the component strip until the window fits the width of its screen.
    void FitIntoScreen();
    void SelectStoredLanguage();
    void ConfirmLanguage();
    std::string SelectedCode() const;

    std::vector<Option> options_;
    QLabel* pn1_ = nullptr;
    QLabel* picture1_ = nullptr;
    QWidget* componentStrip_ = nullptr;
    CommandPicture* okButton_ = nullptr;
    bool confirmed_ = false;
    std::string runLanguage_;
    std::string languageCode_;
};

}  // namespace tervalo
