#include "install/posix/posix_platform.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <thread>

#include "install/posix/desktop_entry.h"
#include "install/posix/xdg_folders.h"
#include "installer_fakes.h"
#include "support/write_failure.h"

namespace installer {
namespace {

namespace fs = std::filesystem;
using tervalo::test::ReadBytes;
using tervalo::test::ScopedTempDir;
using tervalo::test::WriteBytes;

EnvironmentLookup MapEnvironment(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const std::string& name) -> std::optional<std::string> {
        const auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    };
}

TEST(DesktopEntry, ValuesAndExecArgumentAreEscaped) {
    struct Row {
        const char* value;
        const char* escaped;
    };
    const Row values[] = {{"plain", "plain"},
                          {"a\\b", "a\\\\b"},
                          {"line\nbreak\ttab\r", "line\\nbreak\\ttab\\r"},
                          {" leading", "\\sleading"}};
    for (const Row& row : values) EXPECT_EQ(EscapeDesktopValue(row.value), row.escaped) << row.value;

    const Row arguments[] = {{"/opt/Tervalo/tervalo", "\"/opt/Tervalo/tervalo\""},
                             {"/home/a b/tervalo", "\"/home/a b/tervalo\""},
                             {"/x/$HOME/`id`/\"q\"", "\"/x/\\$HOME/\\`id\\`/\\\"q\\\"\""},
                             {"/x/100%/a\\b", "\"/x/100%%/a\\\\b\""}};
    for (const Row& row : arguments) EXPECT_EQ(QuoteExecArgument(row.value), row.escaped) << row.value;
}

TEST(DesktopEntry, LauncherTextFromTheShortcutRecord) {
    ShortcutRecord link;
    link.Datei = "/home/anna/Ziel Ordner/tervalo";
    link.LinkName = "/home/anna/Desktop/org.kelvara.Tervalo.desktop";
    link.Comment = "Tervalo Version 2.12";
    link.WorkingDir = "/home/anna/Ziel Ordner";
    EXPECT_EQ(
        DesktopEntryText(link),
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Version=1.0\n"
        "Name=Tervalo\n"
        "GenericName=Heat Pump Comparison\n"
        "GenericName[de]=Wärmepumpen-Vergleich\n"
        "Comment=Compare a heat pump with the existing boiler heating: energy, cost and CO2 per year\n"
        "Comment[de]=Wärmepumpe und vorhandene Kesselheizung vergleichen: Energie, Kosten und CO2 im Jahr\n"
        "Keywords=heat pump;boiler;heating;COP;energy;cost;CO2;refrigeration;\n"
        "Keywords[de]=Wärmepumpe;Heizkessel;Heizung;Leistungszahl;Energie;Kosten;CO2;Kältetechnik;\n"
        "StartupNotify=true\n"
        "StartupWMClass=tervalo\n"
        "Exec=\"/home/anna/Ziel Ordner/tervalo\"\n"
        "Path=/home/anna/Ziel Ordner\n"
        "Icon=/home/anna/Ziel Ordner/org.kelvara.Tervalo.svg\n"
        "Terminal=false\n"
        "Categories=Science;Engineering;\n");

    // A backslash is escaped for the argument and again for the value: four in the file.
    link.Datei = "/a\\b/tervalo-install";
    link.LinkName = "/apps/org.kelvara.Tervalo.Uninstall.desktop";
    link.Parameter = "--uninstall 50%";
    link.IconPath = "/a/icon.png";
    link.IconNumber = 1;
    const std::string text = DesktopEntryText(link);
    EXPECT_NE(text.find("Name=Uninstall Tervalo\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("StartupWMClass"), std::string::npos) << text;
    EXPECT_NE(text.find("Exec=\"/a\\\\\\\\b/tervalo-install\" --uninstall 50%%\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Icon=/a/icon.png\n"), std::string::npos);
}

TEST(XdgFolders, ApplicationsFolder) {
    EXPECT_EQ(UserApplicationsFolder(MapEnvironment({}), "/home/anna"),
              "/home/anna/.local/share/applications");
    EXPECT_EQ(UserApplicationsFolder(MapEnvironment({{"XDG_DATA_HOME", "/data"}}), "/home/anna"),
              "/data/applications");
    EXPECT_EQ(UserApplicationsFolder(MapEnvironment({{"XDG_DATA_HOME", "relative"}}), "/home/anna"),
              "/home/anna/.local/share/applications");
    EXPECT_EQ(UserApplicationsFolder(MapEnvironment({}), ""), "");
}

TEST(XdgFolders, DesktopFolderFromUserDirs) {
    ScopedTempDir temp;
    const fs::path home = temp.path() / "home";
    const fs::path config = home / ".config";
    fs::create_directories(config);
    const auto env = MapEnvironment({});
    EXPECT_EQ(UserDesktopFolder(env, home), home / "Desktop");

    struct Row {
        std::string entry;
        fs::path desktop;
    };
    const Row rows[] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n", home / "Schreibtisch"},
        {"# comment\nXDG_DOWNLOAD_DIR=\"$HOME/dl\"\n  XDG_DESKTOP_DIR=\"/srv/desk\"\n", "/srv/desk"},
        {"XDG_DESKTOP_DIR=\"$HOME/\"\n", home},
        {"XDG_DESKTOP_DIR=relative\n", home / "Desktop"},
        {"XDG_DESKTOP_DIR=\"unterminated\n", home / "Desktop"},
        {std::string("\0\xff binary", 9), home / "Desktop"},
    };
    for (const Row& row : rows) {
        WriteBytes(config / "user-dirs.dirs", row.entry);
        EXPECT_EQ(UserDesktopFolder(env, home), row.desktop) << row.entry;
    }

    const fs::path elsewhere = temp.path() / "cfg";
    fs::create_directories(elsewhere);
    WriteBytes(elsewhere / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    EXPECT_EQ(UserDesktopFolder(MapEnvironment({{"XDG_CONFIG_HOME", elsewhere.string()}}), home),
              home / "Bureau");
}

TEST(PosixPlatform, SpecialFoldersFollowRightsAndEnvironment) {
    PosixPlatform platform("/test/system/applications",
                           MapEnvironment({{"HOME", "/test/home"}, {"XDG_CONFIG_HOME", "/test/none"}}));
    const fs::path programs = platform.SpecialFolder(kCommonProgramsFolder);
    EXPECT_EQ(programs, geteuid() == 0 ? fs::path("/test/system/applications")
                                       : fs::path("/test/home/.local/share/applications"));
    EXPECT_EQ(platform.SpecialFolder(kCommonDesktopFolder), "/test/home/Desktop");
    EXPECT_EQ(platform.SpecialFolder(5), "");
    EXPECT_EQ(platform.IsUserAnAdmin(), geteuid() == 0);
    // The superuser's launchers never take the place of the one a package owns.
    if (geteuid() == 0) {
        EXPECT_EQ(PosixPlatform().SpecialFolder(kCommonProgramsFolder), "/usr/local/share/applications");
    }
}

TEST(PosixPlatform, ComputerNameFromTheVariableElseTheHostName) {
    EXPECT_EQ(PosixPlatform("/x", MapEnvironment({{"ComputerName", "PLANT-PC"}})).ComputerName(), "PLANT-PC");
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    EXPECT_EQ(PosixPlatform("/x", MapEnvironment({})).ComputerName(), host);
}

TEST(PosixPlatform, MachineFacts) {
    PosixPlatform platform;
    const MemoryStatus memory = platform.QueryMemoryStatus();
    EXPECT_GT(memory.totalPhysical, 0u);
    EXPECT_LE(memory.availablePhysical, memory.totalPhysical);
    EXPECT_GE(platform.ProcessorCount(), 1u);
    EXPECT_TRUE(platform.UserName().has_value());
}

TEST(PosixPlatform, ShortcutNamesAndProgramFiles) {
    ScopedTempDir temp;
    PosixPlatform platform("/x", MapEnvironment({{"HOME", "/home/anna"}}));
    EXPECT_EQ(platform.ShortcutFileName("Tervalo 2.12.LNK"), "org.kelvara.Tervalo.desktop");
    EXPECT_EQ(platform.ShortcutFileName("Uninstall Tervalo.LNK"), "org.kelvara.Tervalo.Uninstall.desktop");
    EXPECT_EQ(platform.ShortcutFileName("Other Link.lnk"), "Other-Link.desktop");
    EXPECT_EQ(platform.MenuFolder("/usr/share/applications"), "/usr/share/applications");
    EXPECT_EQ(platform.ProgramFileName(), "tervalo");
    EXPECT_EQ(platform.InstallerFileName(), "tervalo-install");

    struct Row {
        const char* name;
        bool runnable;
        bool program;
    };
    const Row rows[] = {
        {"tervalo", true, true},
        // The distribution's programs count by name even when their medium dropped the run bits.
        {"tervalo-calc", false, true},
        {"tervalo-install", false, true},
        {"install", false, false},
        {"helper", true, true},
        {"R22.DAT", true, false},
        {"notes", false, false},
        {"Tervalo", false, false},
    };
    for (const Row& row : rows) {
        test::WriteFiles(temp.path(), {row.name});
        if (row.runnable)
            fs::permissions(temp.path() / row.name, fs::perms::owner_exec, fs::perm_options::add);
        EXPECT_EQ(platform.IsProgramFile(temp.path() / row.name), row.program) << row.name;
    }
    fs::create_directories(temp.path() / "bin" / "tervalo");
    EXPECT_FALSE(platform.IsProgramFile(temp.path() / "bin"));
    EXPECT_FALSE(platform.IsProgramFile(temp.path() / "bin" / "tervalo"));
}

TEST(PosixPlatform, ReadOnlyAttribute) {
    ScopedTempDir temp;
    PosixPlatform platform;
    const fs::path file = temp.path() / "a.dat";
    EXPECT_EQ(platform.IsReadOnly(file), std::nullopt);
    WriteBytes(file, "x");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(platform.IsReadOnly(file), true);
    platform.ClearReadOnlyAttribute(file);
    EXPECT_EQ(platform.IsReadOnly(file), false);
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec);
}

TEST(PosixPlatform, StartsTheProgramDetachedInItsFolder) {
    ScopedTempDir temp;
    const fs::path folder = temp.path() / "Ziel Ordner";
    fs::create_directories(folder);
    const fs::path program = folder / "tervalo";
    WriteBytes(program, "#!/bin/sh\npwd > started.txt\n");
    fs::permissions(program, fs::perms::owner_all);
    PosixPlatform platform;

    ASSERT_TRUE(platform.StartProgram(program, folder));
    for (int i = 0; i < 100 && ReadBytes(folder / "started.txt").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(ReadBytes(folder / "started.txt"), folder.string() + "\n");

    EXPECT_FALSE(platform.StartProgram(folder / "missing", folder));
    EXPECT_FALSE(platform.StartProgram(program, temp.path() / "no such folder"));
}

TEST(PosixPlatform, LauncherIsReplacedWholeOrNotAtAll) {
    ScopedTempDir temp;
    PosixPlatform platform;
    ShortcutRecord link;
    link.Datei = temp.path() / "tervalo";
    link.LinkName = temp.path() / "Tervalo.desktop";
    link.WorkingDir = temp.path();
    WriteBytes(link.LinkName, "old launcher");
    // The disk refuses the new launcher after 5 bytes (root included): the old one stays whole.
    EXPECT_FALSE(tervalo::test::RunWithFileSizeLimit(5, [&] { return platform.CreateLink(link); }));
    EXPECT_EQ(ReadBytes(link.LinkName), "old launcher");
    EXPECT_FALSE(fs::exists(link.LinkName.string() + ".tmp"));

    ASSERT_TRUE(platform.CreateLink(link));
    EXPECT_EQ(ReadBytes(link.LinkName), DesktopEntryText(link));
    EXPECT_NE(fs::status(link.LinkName).permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace installer
