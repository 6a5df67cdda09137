// The all-or-nothing copy into the target directory.
#include "install/core/target_transaction.h"

#include <gtest/gtest.h>

#include "installer_fakes.h"

namespace installer {
namespace {

namespace fs = std::filesystem;
using tervalo::test::ReadBytes;
using tervalo::test::ScopedTempDir;
using tervalo::test::WriteBytes;

class TargetTransactionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteFiles(source_, {"a.dat", "b.dat", "c.dat"});
        fs::create_directories(target_);
        WriteBytes(target_ / "a.dat", "old a");
    }

    ScopedTempDir temp_;
    fs::path source_ = temp_.path() / "dist";
    fs::path target_ = temp_.path() / "target";
};

TEST_F(TargetTransactionTest, NothingIsInPlaceBeforeTheCommitAndNothingStaysAfterARollBack) {
    {
        TargetTransaction transaction(target_);
        ASSERT_TRUE(transaction.CreateTarget());
        ASSERT_TRUE(transaction.Stage(source_ / "a.dat", "a.dat"));
        ASSERT_TRUE(transaction.Stage(source_ / "b.dat", "b.dat"));
        EXPECT_EQ(ReadBytes(target_ / "a.dat"), "old a");
        EXPECT_FALSE(fs::exists(target_ / "b.dat"));
    }  // ends without a commit
    EXPECT_EQ(test::FileNames(target_), (std::set<std::string>{"a.dat"}));

    TargetTransaction transaction(target_);
    ASSERT_TRUE(transaction.Stage(source_ / "a.dat", "a.dat"));
    fs::path failed;
    ASSERT_TRUE(transaction.Commit(failed));
    EXPECT_EQ(ReadBytes(target_ / "a.dat"), "a.dat");
    EXPECT_EQ(transaction.CommittedFiles(), (std::vector<fs::path>{target_ / "a.dat"}));
}

TEST_F(TargetTransactionTest, ARenameThatFailsPutsEveryFileBack) {
    TargetTransaction transaction(target_);
    ASSERT_TRUE(transaction.Stage(source_ / "a.dat", "a.dat"));
    ASSERT_TRUE(transaction.Stage(source_ / "b.dat", "b.dat"));
    ASSERT_TRUE(transaction.Stage(source_ / "c.dat", "c.dat"));
    // The staged copy of c vanishes before the commit.
    fs::remove(target_ / ".c.dat.part");

    fs::path failed;
    EXPECT_FALSE(transaction.Commit(failed));

    EXPECT_EQ(failed, target_ / "c.dat");
    EXPECT_EQ(test::FileNames(target_), (std::set<std::string>{"a.dat"}));
    EXPECT_EQ(ReadBytes(target_ / "a.dat"), "old a");
}

TEST_F(TargetTransactionTest, CreatedFoldersGoWithTheRollBackAndAFolderIsNotReplaced) {
    const fs::path deep = temp_.path() / "new" / "deeper" / "target";
    {
        TargetTransaction transaction(deep);
        ASSERT_TRUE(transaction.CreateTarget());
        EXPECT_EQ(transaction.CreatedFolders().size(), 3u);
        EXPECT_TRUE(transaction.TargetIsWritable());
        fs::create_directories(deep / "b.dat");
        EXPECT_FALSE(transaction.Stage(source_ / "b.dat", "b.dat"));
        fs::remove(deep / "b.dat");
    }
    EXPECT_FALSE(fs::exists(temp_.path() / "new"));
}

}  // namespace
}  // namespace installer
