#pragma once

// tervalo-calc run as a program in a directory of its own, with the test languages and table.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <map>

#include "project/project_fixture.h"

namespace tervalo::test {

struct CalcRun {
    int status = -1;
    std::map<std::string, std::string> lines;  // NAME → TEXT of standard output
    std::string errors;                        // standard error, without the line naming the folder
    std::string folderNotice;                  // that line: the test's folder is neither program nor home
    std::string output;                        // standard output as it is
};

inline CalcRun RunCalc(const std::string& arguments) {
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
    run.output = output;
    run.errors = ReadBytes("calc-errors.txt");
    const std::string notice = "tervalo-calc: working in ";
    if (run.errors.rfind(notice, 0) == 0) {
        const std::size_t end = run.errors.find('\n') + 1;
        run.folderNotice = run.errors.substr(0, end);
        run.errors.erase(0, end);
    }
    return run;
}

class CalcProgram : public test::ProjectFixture {
  protected:
    // The languages of the runs: the test language "TST" and, for switches, "TSB".
    inline static const std::string kLanguage = "SWE";
    inline static const std::string kOtherLanguage = "NDL";

    void SetUp() override {
        ProjectFixture::SetUp();
        InstallR22Table();
        // The program takes only its own languages: the test languages stand in for two of them.
        for (const char* kind : {"heatcap.", "Caption."})
            WriteBytes(kind + kLanguage, ReadBytes(kind + std::string("TST")));
        WriteBytes("heatcap." + kOtherLanguage, ReadBytes("heatcap.TSB"));
        WriteBytes("kparam.dat", "\"\",\"\",\"\",\"" + kLanguage +
                                     "\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\",0,\"\",0\r\n"
                                     "0,35,\"2.5\",\"\",\"\",0,\"\"\r\n");
        WriteBytes("energk.dat", "2000,1,0.3,1,0.6\r\n");
        WriteBytes("SpezBK.dat", "\"0.6\"\r\n\"1.13\"\r\n\"0.30\"\r\n\"0.35\"\r\n");
    }
};

// The worked example typed in: 150 m², 120 kWh/(m²·a) through the specific demand, heating oil at 0.6.
inline const char* const kExample =
    "WohnFL=150 HeizArt=#1 WirkGKessel=90 BereitStV=10 EnergKost=0.2 SpezHeizLeist=120 "
    "--decimal-separator=,";

}  // namespace tervalo::test
