#pragma once

#include <filesystem>
#include <system_error>
#include <vector>

// Puts files into the target directory all or nothing. Each file is first copied beside its place under a
// hidden temporary name; only when every copy is complete are they renamed into place. A replaced file is
// moved aside until the end, so that a failing rename can put everything back. Renaming also replaces a
// program that is running, which cannot be written into.
namespace installer {

class TargetTransaction {
  public:
    explicit TargetTransaction(std::filesystem::path target);
    // Whatever was not committed is rolled back.
    ~TargetTransaction();
    TargetTransaction(const TargetTransaction&) = delete;
    TargetTransaction& operator=(const TargetTransaction&) = delete;

    // Creates the target with its missing parents; false when it cannot be created.
    bool CreateTarget();
    // Whether a file can be created in the target: a probe file is written and removed.
    bool TargetIsWritable();
    // What the system answered to the last of these calls or of Stage that failed.
    std::error_code Error() const { return error_; }

    // Copies `source` to the temporary name of the target's file `name`. False when the copy failed or came
    // out short, or when `name` stands in the target as something other than a file; nothing is left then.
    bool Stage(const std::filesystem::path& source, const std::filesystem::path& name);
    // Renames every staged file into place. False when a rename failed; then every file is back as it was
    // and `failed` names the file.
    bool Commit(std::filesystem::path& failed);
    // Removes the staged files and the folders that this run created.
    void RollBack();

    // The target files that the commit put into place, in the order staged.
    std::vector<std::filesystem::path> CommittedFiles() const;
    const std::vector<std::filesystem::path>& CreatedFolders() const { return createdFolders_; }

  private:
    struct StagedFile {
        std::filesystem::path temporary;
        std::filesystem::path final;
        std::filesystem::path backup;
        bool replaces = false;
    };

    std::filesystem::path target_;
    std::vector<std::filesystem::path> createdFolders_;
    std::vector<StagedFile> staged_;
    bool committed_ = false;
    std::error_code error_;
};

}  // namespace installer
