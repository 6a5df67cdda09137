#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "install/core/installer_view.h"
#include "install/core/platform.h"
#include "support/temp_dir.h"

namespace installer::test {

// A machine whose answers the test sets; files and attributes are real.
class FakePlatform : public InstallerPlatform {
  public:
    bool admin = true;
    MemoryStatus memory{17179869184ull, 4294967297ull, 25769803776ull, 3000000000ull};
    unsigned processors = 4;
    std::optional<std::string> user = "anna";
    std::string computer = "PLANT-PC";
    std::map<int, std::filesystem::path> folders;
    // Files whose read-only attribute is set and cannot be cleared.
    std::set<std::filesystem::path> lockedFiles;
    std::vector<ShortcutRecord> links;
    std::function<void(const ShortcutRecord&)> onCreateLink;
    std::vector<std::filesystem::path> started;

    bool IsUserAnAdmin() override { return admin; }
    MemoryStatus QueryMemoryStatus() override { return memory; }
    unsigned ProcessorCount() override { return processors; }
    std::optional<std::string> UserName() override { return user; }
    std::string ComputerName() override { return computer; }
    std::filesystem::path SpecialFolder(int csidl) override {
        return folders.count(csidl) ? folders[csidl] : "";
    }
    bool CreateLink(const ShortcutRecord& link) override {
        links.push_back(link);
        if (onCreateLink) onCreateLink(link);
        std::error_code error;
        if (!std::filesystem::is_directory(link.LinkName.parent_path(), error)) return false;
        tervalo::test::WriteBytes(link.LinkName, "link");
        return true;
    }
    std::string ShortcutFileName(std::string_view linkFileName) override { return std::string(linkFileName); }
    std::optional<bool> IsReadOnly(const std::filesystem::path& file) override {
        std::error_code error;
        const auto status = std::filesystem::status(file, error);
        if (error || !std::filesystem::exists(status)) return std::nullopt;
        if (lockedFiles.count(file)) return true;
        return (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
    }
    void ClearReadOnlyAttribute(const std::filesystem::path& file) override {
        if (lockedFiles.count(file)) return;
        std::error_code ignored;
        std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::string ProgramFileName() override { return "Tervalo.EXE"; }
    std::string InstallerFileName() override { return "install.exe"; }
    // Free bytes in the target; the real file system's when unset.
    std::optional<std::uint64_t> availableSpace;
    std::optional<std::uint64_t> AvailableSpace(const std::filesystem::path& folder) override {
        return availableSpace ? availableSpace : InstallerPlatform::AvailableSpace(folder);
    }
    bool IsProgramFile(const std::filesystem::path&) override { return false; }
    std::filesystem::path DefaultTargetDirectory() override { return "c:\\Tervalo"; }
    // Files replaced, in order; the bytes are put in place through a temporary as the platforms do.
    std::vector<std::filesystem::path> replaced;
    bool ReplaceFileDurably(const std::filesystem::path& file, std::string_view bytes) override {
        replaced.push_back(file);
        const std::filesystem::path temporary = file.string() + ".part";
        std::error_code error;
        tervalo::test::WriteBytes(temporary, std::string(bytes));
        std::filesystem::rename(temporary, file, error);
        return !error;
    }
    bool StartProgram(const std::filesystem::path& program, const std::filesystem::path&) override {
        started.push_back(program);
        return true;
    }
};

// Passes every call to another platform; tests override single answers.
class ForwardingPlatform : public InstallerPlatform {
  public:
    explicit ForwardingPlatform(InstallerPlatform& inner) : inner_(inner) {}
    bool IsUserAnAdmin() override { return inner_.IsUserAnAdmin(); }
    MemoryStatus QueryMemoryStatus() override { return inner_.QueryMemoryStatus(); }
    unsigned ProcessorCount() override { return inner_.ProcessorCount(); }
    std::optional<std::string> UserName() override { return inner_.UserName(); }
    std::string ComputerName() override { return inner_.ComputerName(); }
    std::filesystem::path SpecialFolder(int csidl) override { return inner_.SpecialFolder(csidl); }
    bool CreateLink(const ShortcutRecord& link) override { return inner_.CreateLink(link); }
    std::string ShortcutFileName(std::string_view name) override { return inner_.ShortcutFileName(name); }
    std::filesystem::path MenuFolder(const std::filesystem::path& programs) override {
        return inner_.MenuFolder(programs);
    }
    std::optional<bool> IsReadOnly(const std::filesystem::path& file) override {
        return inner_.IsReadOnly(file);
    }
    void ClearReadOnlyAttribute(const std::filesystem::path& file) override {
        inner_.ClearReadOnlyAttribute(file);
    }
    std::string ProgramFileName() override { return inner_.ProgramFileName(); }
    std::string InstallerFileName() override { return inner_.InstallerFileName(); }
    std::optional<std::uint64_t> AvailableSpace(const std::filesystem::path& folder) override {
        return inner_.AvailableSpace(folder);
    }
    bool IsProgramFile(const std::filesystem::path& file) override { return inner_.IsProgramFile(file); }
    std::filesystem::path DefaultTargetDirectory() override { return inner_.DefaultTargetDirectory(); }
    bool ReplaceFileDurably(const std::filesystem::path& file, std::string_view bytes) override {
        return inner_.ReplaceFileDurably(file, bytes);
    }
    bool StartProgram(const std::filesystem::path& program, const std::filesystem::path& directory) override {
        return inner_.StartProgram(program, directory);
    }

  private:
    InstallerPlatform& inner_;
};

// Records what the run shows and answers the rights question as told.
class RecordingView : public InstallerView {
  public:
    bool answerYes = true;
    std::vector<std::string> questions;  // title + "|" + text
    std::vector<ProgressDisplay> displays;
    std::vector<std::string> events;

    bool ContinueWithoutRights(const std::string& title, const std::string& question) override {
        questions.push_back(title + "|" + question);
        return answerYes;
    }
    bool answerUpdate = true;
    std::vector<std::string> updateQuestions;
    bool ConfirmUpdate(const std::string&, const std::string& question) override {
        updateQuestions.push_back(question);
        return answerUpdate;
    }
    // The cancel request arrives once this many pending-event calls have passed; never when negative.
    int cancelAfterEvents = -1;
    int eventCalls = 0;
    bool CancelRequested() override { return cancelAfterEvents >= 0 && eventCalls >= cancelAfterEvents; }
    void SetBusy(bool busy) override { events.push_back(busy ? "busy" : "normal"); }
    void HideDirectoryCommands() override { events.push_back("hide commands"); }
    void EnterCopyPhase() override { events.push_back("copy phase"); }
    void ShowProgress(const ProgressDisplay& display) override { displays.push_back(display); }
    void ProcessPendingEvents() override { ++eventCalls; }
};

// Files of a distribution folder, each holding its own name.
inline void WriteFiles(const std::filesystem::path& folder, const std::vector<std::string>& names) {
    std::filesystem::create_directories(folder);
    for (const std::string& name : names) tervalo::test::WriteBytes(folder / name, name);
}

inline std::set<std::string> FileNames(const std::filesystem::path& folder) {
    std::set<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.insert(it->path().filename().string());
    return names;
}

}  // namespace installer::test
