#pragma once

#include <string>

#include "install/core/progress_display.h"

// What the installation run asks of the installer window. Tests implement it to record the run.
namespace installer {

class InstallerView {
  public:
    virtual ~InstallerView() = default;

    // The rights question with Yes and No; true for Yes.
    virtual bool ContinueWithoutRights(const std::string& title, const std::string& question) = 0;
    // The question before an existing installation is updated, with Yes and No; true for Yes.
    virtual bool ConfirmUpdate(const std::string& title, const std::string& question) = 0;
    virtual void SetBusy(bool busy) = 0;
    // The target has been taken from the directory field: the page's next and cancel buttons go.
    virtual void HideDirectoryCommands() = 0;
    // The shortcuts stand and copying begins: the directory list goes, the frames of the bars appear.
    virtual void EnterCopyPhase() = 0;
    virtual void ShowProgress(const ProgressDisplay& display) = 0;
    // Lets pending window events run during a long copy.
    virtual void ProcessPendingEvents() = 0;
    // Whether the user has asked to cancel; asked between the files of the copy.
    virtual bool CancelRequested() = 0;
};

}  // namespace installer
