#include "install/core/installation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "install/core/install_record.h"
#include "install/core/path_text.h"
#include "installer_fakes.h"

namespace installer {
namespace {

namespace fs = std::filesystem;
using tervalo::test::ReadBytes;
using tervalo::test::ScopedTempDir;
using tervalo::test::WriteBytes;

bool IsWritable(const fs::path& file) {
    return (fs::status(file).permissions() & fs::perms::owner_write) != fs::perms::none;
}

class InstallationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dist_);
        fs::create_directories(programs_);
        fs::create_directories(desktop_);
        platform_.folders = {{kCommonProgramsFolder, programs_}, {kCommonDesktopFolder, desktop_}};
    }

    RunOutcome Run(Installation& installation, std::string_view language = "ENG") {
        return installation.RunInstallation(target_, language);
    }

    ScopedTempDir temp_;
    fs::path dist_ = temp_.path() / "dist";
    fs::path target_ = temp_.path() / "target";
    fs::path programs_ = temp_.path() / "programs";
    fs::path desktop_ = temp_.path() / "desktop";
    test::FakePlatform platform_;
    test::RecordingView view_;
};

TEST_F(InstallationTest, CopiesEveryMatchingFileFlatIntoTheTarget) {
    test::WriteFiles(
        dist_, {"kparam.dat",   "Tervalo.EXE",  "install.exe", "iceCube.bmp", "katalg.lst",  "D.RDM",
                "c.rdm",        "a.RDM",        "B.rdm",       "app.ico",     "Caption.GER", "Caption.eng",
                "infoTXT.ita",  "x.std",        "y.fra",       "z.esp",       "w.ndl",       "v.swe",
                "msvbvm60.dll", "other.dll",    "u.ocx",       "t.sym",       "s.por",       "photo.JPG",
                "r.rus",        "q.trk",        "p.gre",       "o.pol",       "n.rom",       "Caption.ARA",
                "heatcap.BUL",  "Kelvhelp.HUN", "icon.svg",    "readme.txt",  "notes.doc"});
    test::WriteFiles(dist_ / "Images", {"inner.bmp"});
    Installation installation(platform_, view_, dist_);

    ASSERT_EQ(Run(installation), RunOutcome::Completed);

    // Every catalogue file, and the files of all sixteen languages.
    std::set<std::string> expected = test::FileNames(dist_);
    for (const char* left : {"Images", "readme.txt", "notes.doc"}) expected.erase(left);
    expected.insert(std::string(kInstallRecordName));
    EXPECT_EQ(test::FileNames(target_), expected);
    expected.erase(std::string(kInstallRecordName));
    for (const std::string& name : expected) EXPECT_EQ(ReadBytes(target_ / name), name);
    EXPECT_FALSE(installation.ProtocolShownAtEnd());
}

TEST_F(InstallationTest, ReadOnlyTargetIsOverwrittenAndCopiesAreWritable) {
    test::WriteFiles(dist_, {"energk.dat", "R22.DAT"});
    fs::permissions(dist_ / "R22.DAT", fs::perms::owner_read | fs::perms::group_read);
    fs::create_directories(target_);
    WriteBytes(target_ / "energk.dat", "old factors");
    fs::permissions(target_ / "energk.dat", fs::perms::owner_read);
    Installation installation(platform_, view_, dist_);

    Run(installation);

    EXPECT_EQ(installation.Result(), RunResult::Installed);
    EXPECT_EQ(ReadBytes(target_ / "energk.dat"), "energk.dat");
    EXPECT_TRUE(IsWritable(target_ / "energk.dat"));
    EXPECT_TRUE(IsWritable(target_ / "R22.DAT"));
    EXPECT_FALSE(installation.ProtocolShownAtEnd());
}

TEST_F(InstallationTest, FileThatStaysReadOnlyIsNamedInTheProtocol) {
    test::WriteFiles(dist_, {"R22.DAT", "energk.dat"});
    fs::create_directories(target_);
    WriteBytes(target_ / "R22.DAT", "old");
    fs::permissions(target_ / "R22.DAT", fs::perms::owner_read);
    platform_.lockedFiles.insert(target_ / "R22.DAT");
    Installation installation(platform_, view_, dist_);

    Run(installation);

    const auto& protocol = installation.Protocol();
    EXPECT_EQ(std::count(protocol.begin(), protocol.end(),
                         (target_ / "R22.DAT").string() + ":  File still write protected."),
              1);
    EXPECT_EQ(ReadBytes(target_ / "R22.DAT"), "R22.DAT");
    EXPECT_EQ(ReadBytes(target_ / "energk.dat"), "energk.dat");
    EXPECT_TRUE(installation.ProtocolShownAtEnd());
}

TEST_F(InstallationTest, ProtocolLinesInOrder) {
    Installation installation(platform_, view_, dist_);
    Run(installation);
    const std::vector<std::string> expected{
        "Administrator Rights\tTrue",
        "Kelvara Installation Protokoll",
        "",
        "phys. Mem \t17179869184",
        "phys. Mem frei\t4294967297",
        "Ausl. Mem\t25769803776",
        "Ausl. Mem frei\t3000000000",
        "Prozessoren\t4",
        " ",
        "Computername:      PLANT-PC",
        "Current User:         anna",
        " ",
        " ",
        programs_.string(),
        " ",
        desktop_.string(),
    };
    EXPECT_EQ(installation.Protocol(), expected);
    EXPECT_TRUE(view_.questions.empty());
    EXPECT_FALSE(installation.ProtocolShownAtEnd());
}

TEST_F(InstallationTest, ShortcutsComeAfterTheCopy) {
    test::WriteFiles(dist_, {"kparam.dat", "Tervalo.EXE", "install.exe"});
    std::vector<bool> programStood;
    platform_.onCreateLink = [&](const ShortcutRecord&) {
        programStood.push_back(ReadBytes(target_ / "Tervalo.EXE") == "Tervalo.EXE");
    };
    Installation installation(platform_, view_, dist_);

    Run(installation);

    ASSERT_EQ(platform_.links.size(), 3u);
    EXPECT_EQ(programStood, (std::vector<bool>{true, true, true}));
    const ShortcutRecord& menu = platform_.links[0];
    EXPECT_EQ(menu.LinkName, programs_ / "Tervalo 2.12" / "Tervalo 2.12.LNK");
    EXPECT_EQ(menu.Datei, target_ / "Tervalo.EXE");
    EXPECT_EQ(menu.Comment, "Tervalo Version 2.12");
    EXPECT_EQ(menu.WorkingDir, target_);
    EXPECT_TRUE(menu.Parameter.empty());
    EXPECT_TRUE(menu.IconPath.empty());
    EXPECT_EQ(menu.IconNumber, 0);
    const ShortcutRecord& uninstall = platform_.links[1];
    EXPECT_EQ(uninstall.LinkName, programs_ / "Tervalo 2.12" / "Uninstall Tervalo.LNK");
    EXPECT_EQ(uninstall.Datei, target_ / "install.exe");
    EXPECT_EQ(uninstall.Parameter, "--uninstall --ask");
    EXPECT_EQ(platform_.links[2].LinkName, desktop_ / "Tervalo 2.12.LNK");
    EXPECT_EQ(platform_.links[2].Datei, menu.Datei);
    EXPECT_TRUE(fs::exists(menu.LinkName));
    EXPECT_EQ(view_.events,
              (std::vector<std::string>{"busy", "hide commands", "normal", "copy phase", "busy", "normal"}));
}

// The process file system takes no folder, whatever the rights of the test's user, and gives no reason that
// rights could not help with.
TEST_F(InstallationTest, NoToTheRightsQuestionEndsBeforeAnythingIsWritten) {
    test::WriteFiles(dist_, {"kparam.dat"});
    target_ = "/proc/self/Tervalo";
    platform_.admin = false;
    view_.answerYes = false;
    Installation installation(platform_, view_, dist_);

    EXPECT_EQ(Run(installation, "GER"), RunOutcome::EndedByUser);

    EXPECT_EQ(installation.Protocol(), (std::vector<std::string>{"Administrator Rights\tFalse"}));
    EXPECT_EQ(view_.questions,
              (std::vector<std::string>{":  Installation Setup|Sie haben keine Administrator Rechte!\r\n"
                                        "Möchten Sie trotzdem das Setup fortsetzen?"}));
    EXPECT_FALSE(fs::exists(target_));
    EXPECT_TRUE(fs::is_empty(programs_));
    EXPECT_TRUE(fs::is_empty(desktop_));
    EXPECT_TRUE(platform_.links.empty());
}

TEST_F(InstallationTest, UserWithoutRightsIsAskedOnlyWhenTheTargetIsNotWritable) {
    test::WriteFiles(dist_, {"kparam.dat"});
    platform_.admin = false;
    {
        Installation installation(platform_, view_, dist_);
        EXPECT_EQ(Run(installation, "GER"), RunOutcome::Completed);
        EXPECT_TRUE(view_.questions.empty());
        EXPECT_EQ(installation.Result(), RunResult::Installed);
        EXPECT_FALSE(installation.ProtocolShownAtEnd());
        EXPECT_EQ(installation.Protocol().front(), "Administrator Rights\tFalse");
    }

    target_ = "/proc/self/Tervalo";
    Installation installation(platform_, view_, dist_);
    EXPECT_EQ(Run(installation, "ita"), RunOutcome::Completed);

    EXPECT_EQ(view_.questions,
              (std::vector<std::string>{
                  ":  Installation Setup|You don't have Adimistrator Rights!\r\nDo you want to continue "
                  "Setup?"}));
    EXPECT_EQ(installation.AdminOverrideCount(), 1);
    EXPECT_TRUE(installation.ProtocolShownAtEnd());
    EXPECT_EQ(installation.Result(), RunResult::Failed);
    EXPECT_EQ(installation.Protocol().back(), target_.string() + ":  Directory could not be created.");
}

TEST_F(InstallationTest, UnknownUserAndMissingFolderShortenTheRun) {
    platform_.user.reset();
    platform_.folders.erase(kCommonProgramsFolder);
    Installation installation(platform_, view_, dist_);

    Run(installation);

    const auto& protocol = installation.Protocol();
    ASSERT_EQ(protocol.size(), 15u);
    EXPECT_EQ(protocol[9], "Computername:      PLANT-PC");
    EXPECT_EQ(protocol[10], " ");
    EXPECT_EQ(protocol[11], " ");
    EXPECT_EQ(protocol[12], "");
    // Without a programs folder there is no start-menu shortcut, and nothing lands in the file system's root.
    ASSERT_EQ(platform_.links.size(), 1u);
    EXPECT_EQ(platform_.links[0].LinkName, desktop_ / "Tervalo 2.12.LNK");
    EXPECT_FALSE(fs::exists("/Tervalo 2.12"));
}

TEST_F(InstallationTest, ProgressAdvancesFourPercentPerStepAndTheActivityBarWrapsAfterFiftyFiles) {
    std::vector<std::string> names;
    for (int i = 0; i < 52; ++i)
        names.push_back("f" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".dat");
    test::WriteFiles(dist_, names);
    Installation installation(platform_, view_, dist_);

    Run(installation);

    // The 28 steps share the bar's 3600 twips and 96 %; the last 4 % come when every file is in place.
    std::vector<std::string> percents;
    std::vector<int> barWidths;
    for (const ProgressDisplay& display : view_.displays)
        if (percents.empty() || percents.back() != display.percentText) {
            percents.push_back(display.percentText);
            barWidths.push_back(display.progressWidth);
            EXPECT_EQ(display.percentLeft, display.progressWidth + 2600);
        }
    ASSERT_EQ(percents.size(), 30u);
    EXPECT_EQ(percents[1], " 3 %");
    EXPECT_EQ(percents[7], " 24 %");
    EXPECT_EQ(percents[28], " 96 %");
    EXPECT_EQ(percents[29], " 100 %");
    EXPECT_EQ(barWidths[7], 900);
    EXPECT_EQ(barWidths[28], 3600);

    std::vector<int> widths;
    std::vector<std::string> counters;
    for (const ProgressDisplay& display : view_.displays)
        if (display.statusLine.find(" -> ") != std::string::npos &&
            (counters.empty() || counters.back() != display.counterText)) {
            widths.push_back(display.activityWidth);
            counters.push_back(display.counterText);
            EXPECT_EQ(display.counterLeft, display.activityWidth + 2700);
        }
    ASSERT_EQ(widths.size(), 52u);
    EXPECT_EQ(widths[0], 100);
    EXPECT_EQ(widths[49], 5000);
    EXPECT_EQ(widths[50], 0);
    EXPECT_EQ(widths[51], 100);
    EXPECT_EQ(counters[0], " 0");
    EXPECT_EQ(counters[51], " 51");

    const ProgressDisplay& last = view_.displays.back();
    EXPECT_TRUE(last.barsVisible);
    EXPECT_FALSE(last.activityVisible);
    EXPECT_EQ(last.percentText, " 100 %");
    EXPECT_EQ(last.percentLeft, 24 * 150 + 2600);
    EXPECT_EQ(last.counterText, "");
    EXPECT_EQ(last.counterLeft, 2700);
    EXPECT_EQ(last.statusLine, "");
}

TEST_F(InstallationTest, StatusLineNamesGroupAndFileWithoutExtension) {
    test::WriteFiles(dist_, {"kparam.dat", "Caption.GER"});
    Installation installation(platform_, view_, dist_);

    Run(installation);

    std::vector<std::string> lines;
    for (const ProgressDisplay& display : view_.displays)
        if (lines.empty() || lines.back() != display.statusLine) lines.push_back(display.statusLine);
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "In process : Property kparam -> " + Utf8(target_ / "kparam")),
        lines.end());
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "In process : German Caption -> " + Utf8(target_ / "Caption")),
        lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "In process : Romanian"), lines.end());
}

TEST_F(InstallationTest, BackgroundsChangeAtTheirStepsAndFallBackToTheFirst) {
    WriteBytes(dist_ / "backg01.bmp", "1");
    WriteBytes(dist_ / "backg02.bmp", "2");
    WriteBytes(dist_ / "backg03.bmp", "");  // empty: falls back
    WriteBytes(dist_ / "BACKG04.BMP", "4");
    WriteBytes(dist_ / "backg17.bmp", "17");  // backg05 is missing: falls back
    Installation installation(platform_, view_, dist_);
    EXPECT_EQ(installation.Display().background, dist_ / "backg01.bmp");

    Run(installation);

    std::vector<std::string> shown;
    fs::path previous = dist_ / "backg01.bmp";
    for (const ProgressDisplay& display : view_.displays)
        if (display.background != previous) {
            previous = display.background;
            shown.push_back(display.background.filename().string());
        }
    EXPECT_EQ(shown, (std::vector<std::string>{"backg02.bmp", "backg01.bmp", "BACKG04.BMP", "backg01.bmp",
                                               "backg17.bmp"}));
}

TEST_F(InstallationTest, TargetThatCannotBeCreatedIsReportedAndNothingElseIsTouched) {
    test::WriteFiles(dist_, {"kparam.dat", "R22.DAT"});
    WriteBytes(temp_.path() / "blocker", "a file, not a folder");
    target_ = temp_.path() / "blocker" / "Tervalo";
    Installation installation(platform_, view_, dist_);

    EXPECT_EQ(Run(installation), RunOutcome::Completed);

    EXPECT_EQ(installation.Result(), RunResult::Failed);
    EXPECT_EQ(installation.Protocol().back(),
              (temp_.path() / "blocker").string() + ":  Is a file, not a folder.");
    EXPECT_EQ(installation.TargetFault().problem, TargetProblem::InsideAFile);
    EXPECT_TRUE(installation.ProtocolShownAtEnd());
    EXPECT_TRUE(platform_.links.empty());
    EXPECT_EQ(ReadBytes(temp_.path() / "blocker"), "a file, not a folder");
    EXPECT_EQ(test::FileNames(dist_), (std::set<std::string>{"kparam.dat", "R22.DAT"}));
}

// A file where the folder should be, or a path longer than the system takes, is no matter of rights: the user
// is not asked about them, the protocol names the cause, and nothing of the run stays.
TEST_F(InstallationTest, AFileInTheWayOrAPathTooLongIsNamedWithoutTheRightsQuestion) {
    test::WriteFiles(dist_, {"kparam.dat", "R22.DAT"});
    platform_.admin = false;
    WriteBytes(temp_.path() / "file", "a file");
    // 4,080 characters in names the system takes: the folders can be created, no file in them.
    std::string longPath = temp_.path().string();
    while (longPath.size() + 201 < 4080) longPath += "/" + std::string(200, 'd');
    longPath += "/" + std::string(4080 - longPath.size() - 1, 'e');
    const struct {
        fs::path target;
        TargetProblem problem;
        fs::path where;
        std::string line;
    } cases[] = {
        {temp_.path() / "file", TargetProblem::IsAFile, temp_.path() / "file", ":  Is a file, not a folder."},
        {temp_.path() / "file" / "Tervalo", TargetProblem::InsideAFile, temp_.path() / "file",
         ":  Is a file, not a folder."},
        {temp_.path() / std::string(300, 'n'), TargetProblem::PathTooLong,
         temp_.path() / std::string(300, 'n'), ":  Path longer than this system allows."},
#ifndef _WIN32
        // Windows takes a path of this length where the process declares long paths; wine's answer differs.
        {longPath, TargetProblem::PathTooLong, longPath, ":  Path longer than this system allows."},
#endif
    };
    for (const auto& run : cases) {
        SCOPED_TRACE(run.target.string().substr(0, 80));
        target_ = run.target;
        Installation installation(platform_, view_, dist_);
        EXPECT_EQ(Run(installation), RunOutcome::Completed);
        EXPECT_TRUE(view_.questions.empty());
        EXPECT_EQ(installation.Result(), RunResult::Failed);
        EXPECT_EQ(installation.TargetFault().problem, run.problem);
        EXPECT_EQ(installation.TargetFault().where, run.where);
        EXPECT_EQ(installation.Protocol().back(), run.where.string() + run.line);
        EXPECT_TRUE(installation.ProtocolShownAtEnd());
        EXPECT_EQ(test::FileNames(temp_.path()),
                  (std::set<std::string>{"desktop", "dist", "file", "programs"}));
        EXPECT_TRUE(platform_.links.empty());
    }
}

TEST_F(InstallationTest, FileThatCannotBeCopiedEndsTheRunWithTheTargetAsItWas) {
    test::WriteFiles(dist_, {"a.dat", "b.dat", "c.dat", "Tervalo.EXE"});
    fs::create_directories(target_ / "b.dat");
    Installation installation(platform_, view_, dist_);

    Run(installation);

    EXPECT_EQ(installation.Result(), RunResult::Failed);
    EXPECT_EQ(installation.Protocol().back(), (target_ / "b.dat").string() + ":  File could not be copied.");
    EXPECT_EQ(test::FileNames(target_), (std::set<std::string>{"b.dat"}));
    EXPECT_TRUE(fs::is_empty(target_ / "b.dat"));
    EXPECT_TRUE(platform_.links.empty());
}

TEST_F(InstallationTest, InstallingIntoTheDistributionLeavesItAsItIs) {
    test::WriteFiles(dist_, {"kparam.dat", "Tervalo.EXE"});
    Installation installation(platform_, view_, dist_);

    installation.RunInstallation(dist_, "ENG");

    EXPECT_EQ(ReadBytes(dist_ / "kparam.dat"), "kparam.dat");
    EXPECT_EQ(ReadBytes(dist_ / "Tervalo.EXE"), "Tervalo.EXE");
    EXPECT_FALSE(installation.ProtocolShownAtEnd());
}

TEST_F(InstallationTest, StartReadsTheLanguageCodeAsWrittenAndOffersBrowsingWithoutPipeTable) {
    {
        Installation installation(platform_, view_, dist_);
        EXPECT_EQ(installation.LanguageCode(), "");
        EXPECT_TRUE(installation.OffersBrowsing());
    }
    WriteBytes(dist_ / "KPARAM.DAT", "\"\",\"\",\"\",\"ger\",\"EUR\"\r\n");
    WriteBytes(dist_ / "Rohrdm.dat", "");
    {
        Installation installation(platform_, view_, dist_);
        EXPECT_EQ(installation.LanguageCode(), "ger");
        EXPECT_TRUE(installation.OffersBrowsing());
    }
    WriteBytes(dist_ / "Rohrdm.dat", "1");
    EXPECT_FALSE(Installation(platform_, view_, dist_).OffersBrowsing());
}

TEST(TargetFromText, BlankTextHasNoTarget) {
    struct Row {
        const char* text;
        std::optional<fs::path> target;
    };
    const Row rows[] = {
        {"", std::nullopt},
        {"  \t ", std::nullopt},
        {" /opt/Tervalo/ ", fs::path("/opt/Tervalo")},
        {"/opt/Tervalo//", fs::path("/opt/Tervalo")},
        {"/", fs::path("/")},
        {"Ziel Ordner äö", fs::path("/base") / PathFromUtf8("Ziel Ordner äö")},
    };
    for (const Row& row : rows) EXPECT_EQ(TargetFromText(row.text, "/base"), row.target) << row.text;
}

TEST(Installation, SpaceIsShownInMegabytesAndGigabytes) {
    EXPECT_EQ(SizeText(0), "0.0 MB");
    EXPECT_EQ(SizeText(52428800), "50.0 MB");
    EXPECT_EQ(SizeText(1073741823), "1024.0 MB");
    EXPECT_EQ(SizeText(1073741824), "1.0 GB");
    EXPECT_EQ(SizeText(5637144576), "5.2 GB");
    EXPECT_EQ(NotEnoughSpaceLine("/opt/Tervalo", 52428800, 1048576),
              "/opt/Tervalo:  Not enough free space: 50.0 MB needed, 1.0 MB available.");
}

}  // namespace
}  // namespace installer
