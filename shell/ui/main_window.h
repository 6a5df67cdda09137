#pragma once

// The main window of Tervalo, open for the whole run.
//
// Load reads the settings, the language texts, the branding and the hand-over file (StartupLoad) and lays the
// window out. The first activation shows the welcome window, unless the hand-over file asked to skip it; its
// language choice reloads the texts and, when the language changed, the project part rewrites the saved
// project into the new language. From here the user opens the project window, where every change of an input
// runs the rules and the calculation of the project part; the printer set-up; the help box; the info box;
// switches the language from the menu (which rewrites the saved project and refreshes this window); or ends
// the program after the exit question, which saves the settings file.

#include <QMainWindow>
#include <array>
#include <functional>
#include <string>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTimer;

namespace tervalo {

class CommandPicture;

// What the main window starts in other parts of the program.
struct StartCommands {
    // Shows the project window modally; it shows its focus hints through `showHint`, and its help command
    // opens the help box on `helpTopic`.
    std::function<void(QWidget* parent, const std::function<void(const std::string&)>& showHint,
                       const std::string& helpTopic)>
        openProject;
    // The printer set-up dialog; true when the user confirmed.
    std::function<bool(QWidget* parent)> printerSetup;
    // Rewrites the saved project from the previous into the new language and stores the settings with it,
    // both or neither; false when they stay as they were.
    std::function<bool(const std::string& fromCode, const std::string& toCode)> rewriteProject;
};

class Start : public QMainWindow {
    Q_OBJECT

  public:
    explicit Start(StartCommands commands, QWidget* parent = nullptr);

    // Title, button captions and pictures, Label1 and the menu captions from the language tables in force.
    void RefreshTexts();

    // A hint in the information label (the focus hints of the project window).
    void ShowInfoHint(const std::string& text);

    // What the window does each time it becomes active; the first time it shows the welcome window.
    void Activate();

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct ButtonWithLabel {
        CommandPicture* button;
        QLabel* label;
    };

    void BuildMenus();
    void BuildForm();
    ButtonWithLabel AddCommandPicture(const char* name, const char* labelName, void (Start::*command)());
    QLabel* AddPicture(const char* name, const char* fileName);
    void SizeInfoPanels();
    void ArrangeForSize();

    void ProjectCommand();
    void PrinterSetupCommand();
    void HelpButtonCommand();
    void HelpMenuCommand();
    void ExitCommand();
    // The exit question; Yes saves the settings file and returns true.
    bool ConfirmExit();
    // The notes box's text into its side file; a failure is told once until a save succeeds again.
    void SaveNotes();
    void InfoCommand();
    void LanguageCommand(const std::string& code, bool saveSettings);

    StartCommands commands_;
    std::string helpTopic_;  // empty until the help menu sets the product topic
    QWidget* form_ = nullptr;
    QFrame* infopn1_ = nullptr;
    QLabel* label1_ = nullptr;
    std::array<QLabel*, 3> ownerLabels_{};  // Label3, Label6, Label7
    QFrame* panel3D1_ = nullptr;
    QLabel* infoPn2_ = nullptr;
    QFrame* infoG_ = nullptr;
    std::array<ButtonWithLabel, 4> buttons_{};  // project, printer, help, exit
    QFrame* pn4_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;  // the user's notes, kept in their side file
    QTimer* notesTimer_ = nullptr;     // saves the notes shortly after the last keystroke
    bool notesSaveFailed_ = false;
    QLabel* label4_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* pic1_ = nullptr;
    QLabel* pic2_ = nullptr;
    QLabel* pic3_ = nullptr;
    QLabel* pic5_ = nullptr;
    QLabel* pic6_ = nullptr;
    QLabel* label8_ = nullptr;   // emptied at every resize, kept at the right edge
    QLabel* label11_ = nullptr;  // emptied at every resize, kept at the right edge
    QLabel* label12_ = nullptr;  // left of Label11
    QMenu* languageMenu_ = nullptr;
    QMenu* vorGabMenu_ = nullptr;
    QAction* projNix_ = nullptr;
    QAction* printset_ = nullptr;
    QAction* startHelp_ = nullptr;
    QAction* infoP_ = nullptr;
    QAction* ende_ = nullptr;
    bool activating_ = false;
    bool firstShow_ = true;
    bool exiting_ = false;
};

}  // namespace tervalo
