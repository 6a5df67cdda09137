// tervalo-calc run as a program in a directory of its own, with the test languages and table.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <nlohmann/json.hpp>
#include <vector>

#include "calc_program_fixture.h"
#include "config/settings_file.h"
#include "engine/file_access.h"
#include "project/project_fields.h"
#include "support/system_traits.h"

namespace tervalo {
namespace {

using test::CalcProgram;
using test::CalcRun;
using test::hp;
using test::kExample;
using test::ReadBytes;
using test::RunCalc;
using test::WriteBytes;

// Standard error without the warning lines.
std::string Messages(const std::string& errors) {
    std::string kept;
    std::size_t start = 0;
    for (std::size_t end; (end = errors.find('\n', start)) != std::string::npos; start = end + 1)
        if (errors.compare(start, 23, "tervalo-calc: warning: ") != 0)
            kept += errors.substr(start, end + 1 - start);
    return kept + errors.substr(start);
}

TEST_F(CalcProgram, PrintsTheWindowAfterApplyingTheArgumentsInOrder) {
    const CalcRun run = RunCalc(kExample);
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("HeizArt"), hp(kHeatHeatingOil));
    EXPECT_EQ(run.lines.at("BrennK"), "0.6");
    EXPECT_EQ(run.lines.at("BrennStKeinh"), "EUR/l");
    EXPECT_EQ(run.lines.at("GesHBDGeB"), " 18000");
    EXPECT_EQ(run.lines.at("GesHBDHeiz"), " 22000");
    EXPECT_EQ(run.lines.at("BrennStV"), " 2095");
    EXPECT_EQ(run.lines.at("Label27"), " 1257");
    EXPECT_EQ(run.lines.at("Label38"), " 5.573");
    EXPECT_EQ(run.lines.at("t0"), "0");
    EXPECT_EQ(run.lines.at("pn32"), "13");
    EXPECT_EQ(run.lines.at("LeistZahlK").substr(0, 7), "COP =  ");
    EXPECT_NE(run.lines.at("LeistZ").find(','), std::string::npos) << "the regional separator";
    EXPECT_EQ(run.lines.at("EinbindCheck"), "0");
    EXPECT_EQ(run.lines.at("HausTyp#4"), "hp38 1982");
    EXPECT_EQ(run.lines.at("Label30.Caption"), "m\u00B2") << "converted to UTF-8";
    EXPECT_EQ(run.lines.at("Projektdaten.Caption"), "Quelmo : c81 c66 - Simulation c222 CO2");
    EXPECT_FALSE(std::filesystem::exists("TempPart.dat")) << "nothing saved without --save";
}

TEST_F(CalcProgram, FieldsPrintsTheGlossaryAndTouchesNoProject) {
    const CalcRun run = RunCalc("--fields");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, FieldGlossary());
    EXPECT_NE(run.output.find("\nWohnFL\tm\u00B2\ttyped\theated living area, m\u00B2\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("TempPart.dat"));
}

TEST_F(CalcProgram, BackCalculationAndIntegrationFromTheCommandLine) {
    const CalcRun run = RunCalc(std::string(kExample) + " EinbindCheck=1 BrennStV=2000");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("SpezHeizLeist"), " 114.5");
    EXPECT_EQ(run.lines.at("BrennStV"), "2000");
    EXPECT_EQ(run.lines.at("EinbindCheck"), "1");
}

TEST_F(CalcProgram, OperatingPointMessagesGoToStandardError) {
    CalcRun run = RunCalc("t0=-70");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Messages(run.errors), "message: m53\ntmin = -60 \u00B0C !\n");
    EXPECT_EQ(run.lines.at("t0"), "-70");
    run = RunCalc("Tc:=3 t0=5");
    EXPECT_EQ(Messages(run.errors), "message: m55\n");
}

TEST_F(CalcProgram, SaveAndLanguageRewrite) {
    CalcRun run = RunCalc("VFlsize=#3 Klimazone=#3 --save");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("Tc"), "65");

    WriteBytes("Caption." + kOtherLanguage, test::CaptionFileBytes());
    run = RunCalc("--language=NDL");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("Klimazone"), "b48");
    EXPECT_EQ(run.lines.at("VFlsize"), "b19, b8") << "the combined entry is translated piece by piece";
    EXPECT_EQ(run.lines.at("Tc"), "65");
    EXPECT_EQ(run.lines.at("Klimazone#1"), "b46");

    run = RunCalc("--language=XYZ");
    EXPECT_EQ(Messages(run.errors), "message: c91 XYZ m61\n") << "a language without caption file is refused";
}

TEST_F(CalcProgram, MalformedArgumentsSaveNothing) {
    for (const char* arguments :
         {"--save WohnFL", "--save Unknown=1", "--save HausTyp=#9", "--save LeistZ=1"}) {
        SCOPED_TRACE(arguments);
        const CalcRun run = RunCalc(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.errors.find("tervalo-calc: "), std::string::npos);
        EXPECT_TRUE(run.lines.empty());
        EXPECT_FALSE(std::filesystem::exists("TempPart.dat"));
    }
}

using Snapshot = std::map<std::string, std::string>;  // file name → bytes

Snapshot TakeSnapshot() {
    Snapshot files;
    for (const auto& entry : std::filesystem::directory_iterator("."))
        if (entry.is_regular_file() && entry.path().filename() != "calc-errors.txt")
            files[entry.path().filename().string()] = ReadBytes(entry.path());
    return files;
}

void RestoreSnapshot(const Snapshot& files) {
    for (const auto& entry : std::filesystem::directory_iterator("."))
        std::filesystem::remove_all(entry.path());
    for (const auto& [name, bytes] : files) WriteBytes(name, bytes);
}

// A session that writes every file tervalo-calc can write, killed at each flush and each rename in turn:
// every file is then its complete old or new content, and the next start leaves no temporary behind.
TEST_F(CalcProgram, KilledAtEveryWriteStepLeavesEachFileOldOrNew) {
    TERVALO_SKIP_UNLESS(test::HaveStrace(), "strace is missing");
    // The report as a PDF file too, where this build prints one.
    RunCalc("--pdf probe.pdf");
    const bool pdfBuild = std::filesystem::exists("probe.pdf");
    std::filesystem::remove("probe.pdf");
    const std::string writes =
        std::string(" --save --prices-ok --results") + (pdfBuild ? " --pdf report.pdf" : "");
    ASSERT_EQ(RunCalc("WohnFL=120 HeizArt=#1 WirkGKessel=80 --prices BK50=0.5" + writes).status, 0);
    const Snapshot before = TakeSnapshot();
    const std::string arguments = kExample + std::string(" --prices BK50=0.7") + writes;
    ASSERT_EQ(RunCalc(arguments).status, 0);
    const Snapshot after = TakeSnapshot();
    for (const char* file : {"TempPart.dat", "SpezBK.dat", "ergEN1.DAT"})
        ASSERT_NE(before.at(file), after.at(file)) << file << " changes in the session";
    const bool withPdf = after.count("report.pdf") != 0;

    int kills = 0;
    for (const char* call : {"write", "fsync", "rename"}) {
        for (int n = 1; n < 100; ++n) {
            SCOPED_TRACE(std::string(call) + " " + std::to_string(n));
            RestoreSnapshot(before);
            // Leak checking cannot work under a tracer.
            const std::string command =
                "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o /dev/null -e trace=" + std::string(call) +
                " -e inject=" + std::string(call) + ":signal=SIGKILL:when=" + std::to_string(n) + " " +
                TERVALO_CALC_PROGRAM + " " + arguments + " >/dev/null 2>&1";
            const int status = std::system(command.c_str());
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) break;  // the session got past its last one
            ++kills;
            for (const auto& [name, bytes] : after) {
                if (name.ends_with(".pdf")) continue;
                const std::string seen = ReadBytes(name);
                EXPECT_TRUE(seen == bytes || seen == before.at(name)) << name;
            }
            if (withPdf) {
                const std::string pdf = ReadBytes("report.pdf");
                EXPECT_TRUE(pdf == before.at("report.pdf") ||
                            (pdf.starts_with("%PDF") && pdf.find("%%EOF") != std::string::npos))
                    << "report.pdf: " << pdf.size() << " bytes";
            }
            RunCalc("");
            for (const auto& entry : std::filesystem::directory_iterator("."))
                EXPECT_FALSE(entry.path().string().ends_with(kTemporarySuffix)) << entry.path();
        }
    }
    EXPECT_GE(kills, 8) << "the session's writes were reached";
}

// The English reasons of the warnings, as the build stages them.
void InstallResultMarkTexts() {
    WriteBytes("ResultMarks.ENG", ReadBytes(std::filesystem::path(TERVALO_DIST_DIR) / "ResultMarks.ENG"));
}

TEST_F(CalcProgram, ADesignPointOutsideTheTableIsAWarningNotAResult) {
    InstallResultMarkTexts();
    CalcRun run = RunCalc(std::string(kExample) + " Tc=110 --calculate");
    ASSERT_EQ(run.status, 0) << run.errors;
    for (const char* field : {"LeistZahlK", "LeistZahlH", "LeistZ", "GesEnergWP", "BetrKo", "co2consum"})
        EXPECT_NE(
            run.errors.find(std::string("tervalo-calc: warning: ") + field +
                            " is not current: condensing temperature 110 \u00B0C outside the refrigerant "
                            "table (-68,1 \u00B0C to 85,8 \u00B0C)\n"),
            std::string::npos)
            << field << "\n"
            << run.errors;
    EXPECT_EQ(run.errors.find("GesHBDHeiz is not current"), std::string::npos) << "the fuel side is current";

    run = RunCalc(std::string(kExample) + " Tc=110 --calculate --strict --save");
    EXPECT_EQ(run.status, 3);
    EXPECT_FALSE(std::filesystem::exists("TempPart.dat")) << "nothing saved under --strict";
    EXPECT_EQ(RunCalc(std::string(kExample) + " --strict --save").status, 0);
    EXPECT_TRUE(std::filesystem::exists("TempPart.dat"));

    // A warning after the last write, or in a run that writes nothing, still ends the run with 3.
    std::filesystem::remove("TempPart.dat");
    EXPECT_EQ(RunCalc(std::string(kExample) + " --save Tc=110 --calculate --strict").status, 3);
    EXPECT_TRUE(std::filesystem::exists("TempPart.dat")) << "the save came before the warning";
    EXPECT_EQ(RunCalc(std::string(kExample) + " Tc=110 --calculate --strict").status, 3);
}

// Each data file of the calculation damaged in every way: the same results as the intact folder, or a
// warning; never a crash or a hang.
TEST_F(CalcProgram, DamagedDataFilesGiveTheSameResultsOrAWarning) {
    InstallResultMarkTexts();
    const CalcRun intact = RunCalc(kExample);
    ASSERT_EQ(intact.status, 0) << intact.errors;
    ASSERT_EQ(intact.errors, "");
    const std::string random = [] {
        std::string bytes;
        unsigned seed = 7;
        for (int i = 0; i < 300; ++i) bytes += static_cast<char>((seed = seed * 1103515245 + 12345) >> 16);
        return bytes;
    }();
    // Another saturation table keeps the folder the program's data folder while R22.DAT is damaged.
    WriteBytes("R134A.DAT", "");
    for (const char* file : {"energk.dat", "R22.DAT"}) {
        const std::string good = ReadBytes(file);
        const std::vector<std::pair<std::string, std::string>> damages = {
            {"missing", ""},    {"empty", ""},     {"truncated", good.substr(0, good.size() / 3)},
            {"random", random}, {"directory", ""}, {"over-long", std::string(17u << 20, '1')}};
        for (const auto& [kind, bytes] : damages) {
            SCOPED_TRACE(std::string(file) + " " + kind);
            std::filesystem::remove_all(file);
            if (kind == "directory")
                std::filesystem::create_directory(file);
            else if (kind != "missing")
                WriteBytes(file, bytes);
            const CalcRun run = RunCalc(kExample);
            EXPECT_EQ(run.status, 0);
            bool same = true;
            for (const auto& [name, text] : intact.lines)
                same = same && run.lines.count(name) && run.lines.at(name) == text;
            EXPECT_TRUE(same || run.errors.find("tervalo-calc: warning: ") != std::string::npos)
                << run.errors;
            std::filesystem::remove_all(file);
            WriteBytes(file, good);
        }
    }
}

TEST_F(CalcProgram, NamesTheReasonOfEachResultLeftFromAnEarlierRun) {
    InstallResultMarkTexts();
    std::filesystem::remove("energk.dat");
    CalcRun run = RunCalc(kExample);
    EXPECT_NE(
        run.errors.find("warning: co2consum is not current: no electricity CO2 factor: energk.dat missing\n"),
        std::string::npos)
        << run.errors;
    run = RunCalc(std::string(kExample) + " HeizArt:=xyz WirkGKessel=90");
    EXPECT_NE(run.errors.find("warning: BrennStV is not current: heating type matches no fuel\n"),
              std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find("warning: HeizArt text matches no entry of its list: xyz\n"),
              std::string::npos);
    run = RunCalc(std::string(kExample) + " WohnFL=1e308");
    EXPECT_NE(run.errors.find("warning: GesHBDGeB is not current: the heat demand cannot be formed"),
              std::string::npos)
        << run.errors;
}

TEST_F(CalcProgram, FailedWritesEndWithAnError) {
    std::filesystem::remove("SpezBK.dat");
    std::filesystem::create_directory("SpezBK.dat");
    CalcRun run = RunCalc("--prices BK50=0.7 --prices-ok");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("SpezBK.dat could not be written"), std::string::npos);

    WriteBytes("Caption." + kOtherLanguage, test::CaptionFileBytes());
    std::filesystem::create_directory("TempPart.dat");
    run = RunCalc("--language=NDL");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("could not both be rewritten into NDL"), std::string::npos) << run.errors;
}

TEST_F(CalcProgram, ALanguageSwitchStoresTheLanguageWithTheProject) {
    WriteBytes("Caption." + kOtherLanguage, test::CaptionFileBytes());
    ASSERT_EQ(RunCalc("VFlsize=#3 --save").status, 0);
    ASSERT_EQ(RunCalc("--language=NDL").status, 0);
    EXPECT_NE(ReadBytes("kparam.dat").find("\"NDL\""), std::string::npos) << ReadBytes("kparam.dat");
    const CalcRun next = RunCalc("");
    EXPECT_EQ(next.lines.at("Klimazone#1"), "b46") << "the next start opens in the new language";
}

TEST_F(CalcProgram, LineEndsInValuesAreEscaped) {
    const CalcRun run = RunCalc(R"x(WohnFL:="$(printf '1\\2\r\nco2consum=9')")x");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("WohnFL"), "1\\\\2\\r\\nco2consum=9");
    EXPECT_NE(run.lines.at("co2consum"), "9");
}

// --trace prints the working where it stands among the arguments: before the balance's inputs nothing of it
// is known, after them every step.
TEST_F(CalcProgram, TracePrintsTheWorkingOfTheProjectAsComputedThen) {
    const CalcRun run = RunCalc(std::string(kExample) + " EinbindCheck=1 --trace");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("    E_f "),
              " Q_b × 100/η × (s+100)/100 = 18000 × 100/90 × 110/100 = 22000 kWh/a  →  22000");
    EXPECT_EQ(run.lines.at("    B "), " E_f/H = 22000/10.5 = 2095.24  →  2095");
    EXPECT_EQ(run.lines.at("GesHBDHeiz"), " 22000") << "the window's fields follow as before";
}

// The libraries the dynamic loader maps for the program, as it lists them without running it.
std::string LoadedLibraries() {
    FILE* pipe = ::popen(("LD_TRACE_LOADED_OBJECTS=1 " + std::string(TERVALO_CALC_PROGRAM)).c_str(), "r");
    if (!pipe) return {};
    std::string listed;
    std::array<char, 4096> buffer;
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        listed.append(buffer.data(), n);
    ::pclose(pipe);
    return listed;
}

// A run that only calculates starts without the graphics libraries; a run that draws gets the drawing (from
// the program beside it where the build splits them) and otherwise runs as the same run without it.
TEST_F(CalcProgram, OnlyARunThatDrawsLoadsTheGraphicsLibraries) {
    const std::string libraries = LoadedLibraries();
    if (libraries.find("libc.so") == std::string::npos) GTEST_SKIP() << "no glibc loader listing";
    EXPECT_EQ(libraries.find("libQt"), std::string::npos) << libraries;

    const CalcRun plain = RunCalc(std::string(kExample) + " t0=-5");
    const CalcRun drawing = RunCalc(std::string(kExample) + " --diagram cycle.svg t0=-5");
    if (drawing.errors.find("this build draws no diagrams") != std::string::npos)
        GTEST_SKIP() << "a build without the windows";
    EXPECT_EQ(drawing.status, plain.status);
    EXPECT_EQ(drawing.output, plain.output);
    EXPECT_NE(ReadBytes("cycle.svg").find("<svg"), std::string::npos);
}

// An input set without its action leaves the last run's results: those it affects get a warning, the
// figures formed from the typed text (saving, break-even, lifetime) are dashes or null until a run.
TEST_F(CalcProgram, InputsSetWithoutTheirActionLeaveTheFiguresTheyChangeAsDashes) {
    InstallResultMarkTexts();
    const CalcRun base = RunCalc(kExample);
    CalcRun run = RunCalc(std::string(kExample) + " WohnFL:=200");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("Label27"), base.lines.at("Label27")) << "the columns of the last run";
    for (const char* figure :
         {"BreakEven.electricity_price", "BreakEven.fuel_price", "BreakEven.heating_cop_equal_cost",
          "BreakEven.heating_cop_equal_co2", "BreakEven.grid_co2_factor", "Saving.money", "Saving.co2"})
        EXPECT_EQ(run.lines.at(figure), "\u2013") << figure;
    EXPECT_NE(run.errors.find("warning: Label27 is not current: inputs changed: press Enter (or c81) to "
                              "recalculate\n"),
              std::string::npos)
        << run.errors;
    EXPECT_EQ(run.errors.find("LeistZahlK is not current"), std::string::npos) << "the area moves no COP";

    const nlohmann::json document =
        nlohmann::json::parse(RunCalc(std::string(kExample) + " WohnFL:=200 --json").output);
    EXPECT_TRUE(document["saving"]["money"].is_null());
    EXPECT_TRUE(document["break_even"]["fuel_price"].is_null());
    EXPECT_FALSE(document["lifetime"]["current"].get<bool>());
    EXPECT_TRUE(document["lifetime"]["results"].is_null());
    EXPECT_TRUE(document["lifetime"]["first_year"].is_null());

    run = RunCalc(std::string(kExample) + " WohnFL:=200 WohnFL=200");
    EXPECT_NE(run.lines.at("Saving.money"), "\u2013") << "Enter recalculates";
    EXPECT_EQ(run.errors.find("is not current"), std::string::npos) << run.errors;
    run = RunCalc(std::string(kExample) + " WohnFL:=200 WohnFL:=150");
    EXPECT_EQ(run.lines.at("Saving.money"), base.lines.at("Saving.money")) << "the edit taken back";
}

// --trace describes the run whose results are shown: after t0=-5 the Enter of Tc=45 starts nothing, so the
// COP shown is that of the old Tc, and so is the trace.
TEST_F(CalcProgram, TraceDescribesTheRunWhoseResultsAreShown) {
    const CalcRun run = RunCalc(std::string(kExample) + " t0=-5 Tc=45 --trace");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("Tc"), "45");
    EXPECT_NE(run.output.find("= 55 + 273.15 ="), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("= 45 + 273.15 ="), std::string::npos);
    EXPECT_NE(run.output.find("\u2192  " + run.lines.at("LeistZahlK") + "\n"), std::string::npos)
        << "the COP the window shows";
}

// A settings file naming a path as its language reads no file outside the program folder: the code is none of
// the program's languages, so the default takes its place, and no language file name leads out either.
TEST_F(CalcProgram, AHostileLanguageCodeReadsNothingOutsideTheFolder) {
    const std::filesystem::path folder = std::filesystem::current_path();
    const std::filesystem::path secret = folder.parent_path() / (folder.filename().string() + "-secret.txt");
    WriteBytes(secret, "\"top secret line\"\r\n\"second secret\"\r\n");
    for (const char* kind : {"Caption.", "heatcap.", "VerbCapt.", "infoTXT.", "ResultMarks."})
        std::filesystem::create_directory(kind);
    WriteBytes("kparam.dat", "\"\",\"\",\"\",\"/../../" + secret.filename().string() +
                                 "\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\",0,\"\",0\r\n0,35,\"2.5\"\r\n");
    const CalcRun run = RunCalc("--json");
    std::filesystem::remove(secret);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output.find("secret"), std::string::npos) << run.output;
    EXPECT_EQ(run.errors.find("secret"), std::string::npos) << run.errors;
    EXPECT_NE(run.output.find("\"language\": \"GER\""), std::string::npos) << "the default language";
}

struct SwitchKills {
    int kills = 0;
    int newAfterKill = 0;  // kills after which both files were in the new language
};

// Runs `program` from the files of `before` under strace, killed at the n-th call of each of `calls` in turn
// until a run gets past them all. After each kill the next start must find the project and the settings in
// one language, `newCode` or the old one, and no journal left over.
SwitchKills KillAtEachCall(const Snapshot& before, const std::string& program,
                           std::initializer_list<const char*> calls, const std::string& newCode) {
    const auto languageOfSettings = [&newCode] {
        return ReadBytes("kparam.dat").find("\"" + newCode + "\"") != std::string::npos ? "new" : "old";
    };
    // The test languages' list texts: "hpN" in the old one, "bN" in the new.
    const auto languageOfProject = [] {
        return ReadBytes("TempPart.dat").find("\"b") != std::string::npos ? "new" : "old";
    };
    SwitchKills result;
    for (const char* call : calls) {
        for (int n = 1; n < 40; ++n) {
            SCOPED_TRACE(std::string(call) + " " + std::to_string(n));
            RestoreSnapshot(before);
            const std::string command =
                "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o /dev/null -e trace=" + std::string(call) +
                " -e inject=" + std::string(call) + ":signal=SIGKILL:when=" + std::to_string(n) + " " +
                program + " >/dev/null 2>&1";
            const int status = std::system(command.c_str());
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) break;
            ++result.kills;
            const CalcRun next = RunCalc("");
            EXPECT_EQ(next.status, 0);
            EXPECT_EQ(std::string(languageOfSettings()), languageOfProject()) << ReadBytes("TempPart.dat");
            result.newAfterKill += std::string(languageOfSettings()) == "new";
            EXPECT_EQ(Messages(next.errors), "");
            EXPECT_FALSE(std::filesystem::exists(kLanguageSwitchJournal));
        }
    }
    return result;
}

// The language switch replaces the project and the settings file together: killed at any of its writes, the
// next start finds both in one language, the old or the new, and no journal left over.
TEST_F(CalcProgram, ALanguageSwitchKilledBetweenItsWritesLeavesBothFilesInOneLanguage) {
    if (std::system("strace -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is missing";
    WriteBytes("Caption." + kOtherLanguage, test::CaptionFileBytes());
    ASSERT_EQ(RunCalc("VFlsize=#3 Klimazone=#3 --save").status, 0);
    const SwitchKills result =
        KillAtEachCall(TakeSnapshot(), std::string(TERVALO_CALC_PROGRAM) + " --language=" + kOtherLanguage,
                       {"rename", "fsync", "write", "unlink"}, kOtherLanguage);
    EXPECT_GE(result.kills, 6) << "the switch's writes were reached";
    EXPECT_GE(result.newAfterKill, 1) << "a switch killed after its journal is completed";
}

#ifdef TERVALO_WELCOME_PROBE
// The welcome window's choice at start-up is such a switch too (the probe answers it as the program would be
// answered): killed at any of its writes, the next start finds both files in one language and no journal.
// Qt's own writes are too many to count through, so the kills come at the renames, flushes and removals.
TEST_F(CalcProgram, AWelcomeChoiceKilledBetweenItsWritesLeavesBothFilesInOneLanguage) {
    TERVALO_SKIP_UNLESS(test::HaveStrace(), "strace is missing");
    WriteBytes("Caption." + kOtherLanguage, test::CaptionFileBytes());
    ASSERT_EQ(RunCalc("VFlsize=#3 Klimazone=#3 --save").status, 0);
    WriteBytes("KELVData.dat", "0,0\r\n");  // the welcome window is shown
    const Snapshot before = TakeSnapshot();
    const std::string probe = std::string(TERVALO_WELCOME_PROBE) + " " + kOtherLanguage + "Opt";
    ASSERT_EQ(std::system((probe + " >/dev/null 2>&1").c_str()), 0);
    ASSERT_NE(ReadBytes("TempPart.dat").find("\"b"), std::string::npos) << "the choice switched the project";
    const SwitchKills result = KillAtEachCall(before, probe, {"rename", "fsync", "unlink"}, kOtherLanguage);
    EXPECT_GE(result.kills, 4) << "the choice's writes were reached";
    EXPECT_GE(result.newAfterKill, 1) << "a choice killed after its journal is completed";
}
#endif

// Numbers beyond the range of a double are no 0: the demand cannot be formed, as with 1e308.
TEST_F(CalcProgram, NumbersBeyondTheDoubleRangeAreNotReadAsZero) {
    InstallResultMarkTexts();
    for (const std::string& area : {std::string("1e309"), std::string(400, '9'), std::string("-1e400")}) {
        SCOPED_TRACE(area.substr(0, 10));
        const CalcRun run = RunCalc(std::string(kExample) + " WohnFL=" + area);
        EXPECT_NE(run.errors.find("warning: GesHBDGeB is not current: the heat demand cannot be formed"),
                  std::string::npos)
            << run.errors;
        EXPECT_EQ(run.lines.at("WohnFL"), area) << "the field keeps the typed text";
        EXPECT_EQ(RunCalc(std::string(kExample) + " WohnFL=" + area + " --strict").status, 3);
    }
}

// Standard error is escaped as the output lines are: a field text cannot forge a line of its own there.
TEST_F(CalcProgram, FieldTextsCannotForgeLinesOnStandardError) {
    InstallResultMarkTexts();
    const CalcRun run = RunCalc(std::string(kExample) +
                                R"x( HausTyp:="$(printf 'x\ntervalo-calc: note: all results current\r')")x");
    EXPECT_NE(run.errors.find("HausTyp text matches no entry of its list: x\\ntervalo-calc: note"),
              std::string::npos)
        << run.errors;
    EXPECT_EQ(run.errors.find("\ntervalo-calc: note"), std::string::npos) << run.errors;
    EXPECT_EQ(run.errors.find('\r'), std::string::npos);
    const CalcRun parse = RunCalc(R"x("$(printf 'Unknown\nforged=1')")x");
    EXPECT_EQ(parse.status, 2);
    EXPECT_EQ(parse.errors.find("\nforged"), std::string::npos) << parse.errors;
}

// A Lifetime.dat that is damaged, or a folder in its place, is a warning of the JSON run and trips --strict.
TEST_F(CalcProgram, ADamagedLifetimeFileIsAWarning) {
    InstallResultMarkTexts();
    ASSERT_EQ(RunCalc(std::string(kExample) + " --json").errors, "");
    std::filesystem::create_directory("Lifetime.dat");
    CalcRun run = RunCalc(std::string(kExample) + " --json");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.errors.find("tervalo-calc: warning: Lifetime.dat is damaged"), std::string::npos)
        << run.errors;
    EXPECT_EQ(RunCalc(std::string(kExample) + " --json --strict").status, 3);
    std::filesystem::remove("Lifetime.dat");
    WriteBytes("Lifetime.dat", std::string(300, '\x7F'));
    EXPECT_EQ(RunCalc(std::string(kExample) + " --json --strict").status, 3);
}

// A save waits a few seconds for another program's rewrite of the same file, then says so instead of hanging.
TEST_F(CalcProgram, ASaveGivesUpOnAFileAnotherProgramIsWriting) {
    const int held =
        ::open((std::string("TempPart.dat") + kTemporarySuffix).c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const auto start = std::chrono::steady_clock::now();
    const CalcRun run = RunCalc("WohnFL=120 --save");
    const auto waited = std::chrono::steady_clock::now() - start;
    ::close(held);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("TempPart.dat could not be written: another program is writing it"),
              std::string::npos)
        << run.errors;
    EXPECT_LT(waited, std::chrono::seconds(30));
    EXPECT_FALSE(std::filesystem::exists("TempPart.dat"));
}

}  // namespace
}  // namespace tervalo
