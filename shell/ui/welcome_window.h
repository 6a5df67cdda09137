#pragma once

// The welcome window: greets the user at start-up and lets them choose the language of the program from
// sixteen flags. A language whose caption file is missing or empty cannot be chosen. Confirming (the OK
// button, its label, or closing the window in any way) stores the choice in kparam.dat, or has the owner
// store it; the main window then reloads its texts.

#include <QDialog>
#include <functional>
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
    // Stores the confirmed choice, which stands in the run settings; without it the settings file is saved.
    using StoreChoice = std::function<void()>;
    explicit Begruess(int startPicture, QWidget* parent = nullptr, StoreChoice storeChoice = {});

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
    StoreChoice storeChoice_;
};

}  // namespace tervalo
