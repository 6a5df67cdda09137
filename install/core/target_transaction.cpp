#include "install/core/target_transaction.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <system_error>

#include "install/core/path_text.h"

namespace installer {

namespace fs = std::filesystem;

namespace {

fs::path Beside(const fs::path& file, std::string_view suffix) {
    return file.parent_path() / PathFromUtf8("." + Utf8(file.filename()) + std::string(suffix));
}

void RemoveQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

}  // namespace

TargetTransaction::TargetTransaction(fs::path target) : target_(std::move(target)) {}

TargetTransaction::~TargetTransaction() {
    if (!committed_) RollBack();
}

bool TargetTransaction::CreateTarget() {
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path folder = target_; !folder.empty() && !fs::exists(folder, error);
         folder = folder.parent_path()) {
        missing.push_back(folder);
        if (folder == folder.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (!fs::create_directory(*it, error) || error) {
            // An existing file of that name leaves no error from create_directory.
            error_ = error ? error : std::make_error_code(std::errc::not_a_directory);
            return false;
        }
        createdFolders_.push_back(*it);
    }
    if (fs::is_directory(target_, error)) return true;
    error_ = error ? error : std::make_error_code(std::errc::not_a_directory);
    return false;
}

bool TargetTransaction::TargetIsWritable() {
    const fs::path probe = target_ / ".tervalo-install-probe";
    bool written;
    {
        errno = 0;
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        if (!out) error_ = std::error_code(errno ? errno : EIO, std::generic_category());
        out << "probe";
        out.close();
        written = static_cast<bool>(out);
    }
    std::error_code error;
    const bool removed = fs::remove(probe, error) && !error;
    if (written && !removed) error_ = error;
    return written && removed;
}

bool TargetTransaction::Stage(const fs::path& source, const fs::path& name) {
    StagedFile file;
    file.final = target_ / name;
    file.temporary = Beside(file.final, ".part");
    file.backup = Beside(file.final, ".old");
    // A file may match more than one step; it is copied once.
    for (const StagedFile& other : staged_)
        if (other.final == file.final) return true;
    std::error_code error;
    const fs::file_status existing = fs::symlink_status(file.final, error);
    if (fs::exists(existing) && !fs::is_regular_file(existing)) return false;
    file.replaces = fs::exists(existing);

    RemoveQuietly(file.temporary);
    std::error_code copyError, sizeError;
    const bool copied =
        fs::copy_file(source, file.temporary, fs::copy_options::overwrite_existing, copyError) && !copyError;
    // A write cut short (a full disk, a file size limit) may still report success: the sizes must agree.
    const bool complete = copied &&
                          fs::file_size(file.temporary, sizeError) == fs::file_size(source, error) &&
                          !sizeError && !error;
    if (!complete) {
        error_ = copied ? std::make_error_code(std::errc::io_error) : copyError;
        RemoveQuietly(file.temporary);
        return false;
    }
    staged_.push_back(std::move(file));
    return true;
}

bool TargetTransaction::Commit(fs::path& failed) {
    std::size_t done = 0;
    std::error_code error;
    for (; done < staged_.size(); ++done) {
        const StagedFile& file = staged_[done];
        if (file.replaces) {
            fs::rename(file.final, file.backup, error);
            if (error) break;
        }
        fs::rename(file.temporary, file.final, error);
        if (error) {
            if (file.replaces) fs::rename(file.backup, file.final, error);
            break;
        }
    }
    if (done < staged_.size()) {
        failed = staged_[done].final;
        for (std::size_t i = done; i-- > 0;) {
            const StagedFile& file = staged_[i];
            if (file.replaces)
                fs::rename(file.backup, file.final, error);
            else
                RemoveQuietly(file.final);
        }
        RollBack();
        return false;
    }
    // A replaced program that is still running on Windows cannot be removed; its hidden copy stays.
    for (const StagedFile& file : staged_)
        if (file.replaces) RemoveQuietly(file.backup);
    committed_ = true;
    return true;
}

void TargetTransaction::RollBack() {
    for (const StagedFile& file : staged_) RemoveQuietly(file.temporary);
    staged_.clear();
    for (auto it = createdFolders_.rbegin(); it != createdFolders_.rend(); ++it) RemoveQuietly(*it);
    createdFolders_.clear();
}

std::vector<fs::path> TargetTransaction::CommittedFiles() const {
    std::vector<fs::path> files;
    if (committed_)
        for (const StagedFile& file : staged_) files.push_back(file.final);
    return files;
}

}  // namespace installer
