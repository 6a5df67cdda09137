#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <string>
#include <string_view>

#include "install/core/installation.h"
#include "install/core/installer_view.h"
#include "install/core/platform.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTreeView;
class QFileSystemModel;

// The installer window: three pages, one visible at a time. The welcome page (Frame3) offers the language
// options, the directory page (Frame1) takes the target directory and shows the progress of the copy run,
// the final page (Frame2) offers to start the installed program. The window only moves texts between its
// widgets and the installation run (install/core/installation.h), which does the work; widgets carry the
// control names as object names.
class InstallerWindow : public QWidget, private installer::InstallerView {
    Q_OBJECT

  public:
    InstallerWindow(installer::InstallerPlatform& platform, const std::filesystem::path& distributionFolder,
                    QWidget* parent = nullptr);
    ~InstallerWindow() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool ContinueWithoutRights(const std::string& title, const std::string& question) override;
    bool ConfirmUpdate(const std::string& title, const std::string& question) override;
    bool CancelRequested() override;
    void SetBusy(bool busy) override;
    void HideDirectoryCommands() override;
    void EnterCopyPhase() override;
    void ShowProgress(const installer::ProgressDisplay& display) override;
    void ProcessPendingEvents() override;

    void BuildWelcomePage();
    void BuildDirectoryPage();
    void BuildFinalPage();
    void LoadPictures();
    void Activate();
    void PlacePages();
    void FitScreen();

    // `path` as the final page's headline names it.
    std::string FinalPagePath(const QString& path) const;
    void SelectOption(int option);
    void ApplyLanguageTexts(std::string_view code);
    void ShowDirectoryList();
    void TakeDirectoryFromList();
    void RunInstallation();
    void StartInstalledProgram();
    void BackToTarget();

    installer::InstallerPlatform& platform_;
    installer::Installation installation_;
    std::string shownLanguage_;
    std::filesystem::path shownBackground_;
    bool activated_ = false;
    bool running_ = false;
    bool copying_ = false;
    bool cancelRequested_ = false;
    bool closeAfterRun_ = false;
    bool busy_ = false;

    QWidget* backdrop_ = nullptr;  // the pages' parent, in a scroll area
    QFrame* frame3_ = nullptr;     // welcome page
    QRadioButton* options_[4] = {};
    QLabel* label4_ = nullptr;
    QLabel* label7_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* command6_ = nullptr;

    QFrame* frame1_ = nullptr;  // directory page
    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command7_ = nullptr;
    QTreeView* dir1_ = nullptr;
    QFileSystemModel* dirModel_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QLabel* picture6_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label8_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QFrame* shape1_ = nullptr;
    QFrame* shape2_ = nullptr;

    QFrame* frame2_ = nullptr;  // final page
    QLabel* label6_ = nullptr;
    QLabel* label9_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
    QPushButton* command8_ = nullptr;
    std::string languageBeforeRun_;  // back to the target after a failed or cancelled run
    QListWidget* list1_ = nullptr;

    QLabel* picture1_ = nullptr;
    QLabel* picture2_ = nullptr;
    QLabel* picture3_ = nullptr;
    QLabel* picture4_ = nullptr;
    QLabel* picture5_ = nullptr;
};
