// tervalo-calc run as a program in a directory of its own, with the test languages and table.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "engine/file_access.h"
#include "project_fixture.h"

namespace tervalo {
namespace {

using test::hp;
using test::ReadBytes;
using test::WriteBytes;

struct CalcRun {
    int status = -1;
    std::map<std::string, std::string> lines;  // NAME → TEXT of standard output
    std::string errors;                        // standard error
};

CalcRun RunCalc(const std::string& arguments) {
    CalcRun run;
    const std::string command = std::string(TERVALO_CALC_PROGRAM) + " " + arguments + " 2>calc-errors.txt";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    std::string output;
    std::array<char, 4096> buffer;
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::size_t start = 0;
    for (std::size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = output.substr(start, end - start);
        const auto equals = line.find('=');
        if (equals != std::string::npos) run.lines[line.substr(0, equals)] = line.substr(equals + 1);
    }
    run.errors = ReadBytes("calc-errors.txt");
    return run;
}

class CalcProgram : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        InstallR22Table();
        WriteBytes("kparam.dat",
                   "\"\",\"\",\"\",\"TST\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\",0,\"\",0\r\n"
                   "0,35,\"2.5\",\"\",\"\",0,\"\"\r\n");
        WriteBytes("energk.dat", "2000,1,0.3,1,0.6\r\n");
        WriteBytes("SpezBK.dat", "\"0.6\"\r\n\"1.13\"\r\n\"0.30\"\r\n\"0.35\"\r\n");
    }
};

// The worked example typed in: 150 m², 120 kWh/(m²·a) through the specific demand, heating oil at 0.6.
const char* const kExample =
    "WohnFL=150 HeizArt=#1 WirkGKessel=90 BereitStV=10 EnergKost=0.2 SpezHeizLeist=120 "
    "--decimal-separator=,";

TEST_F(CalcProgram, PrintsTheWindowAfterApplyingTheArgumentsInOrder) {
    const CalcRun run = RunCalc(kExample);
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("HeizArt"), hp(21));
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
    EXPECT_EQ(run.errors, "message: m53\ntmin = -60 \u00B0C !\n");
    EXPECT_EQ(run.lines.at("t0"), "-70");
    run = RunCalc("Tc:=3 t0=5");
    EXPECT_EQ(run.errors, "message: m55\n");
}

TEST_F(CalcProgram, SaveAndLanguageRewrite) {
    CalcRun run = RunCalc("VFlsize=#3 Klimazone=#3 --save");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("Tc"), "65");

    WriteBytes("Caption.TSB", test::CaptionFileBytes());
    run = RunCalc("--language=TSB");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("Klimazone"), "b48");
    EXPECT_EQ(run.lines.at("VFlsize"), "hp19, hp8") << "the combined entry keeps the old language";
    EXPECT_EQ(run.lines.at("Tc"), "55");
    EXPECT_EQ(run.lines.at("Klimazone#1"), "b46");

    run = RunCalc("--language=XYZ");
    EXPECT_EQ(run.errors, "message: c91 m61\n") << "a language without caption file is refused";
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
    if (std::system("strace -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is missing";
    const std::string writes = " --save --prices-ok --results --pdf report.pdf";
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
            const std::string command = "strace -f -qq -o /dev/null -e inject=" + std::string(call) +
                                        ":signal=SIGKILL:when=" + std::to_string(n) + " " +
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

}  // namespace
}  // namespace tervalo
