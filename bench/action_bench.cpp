// Time of what a user waits for: one action of the project window (the load of the table and the energy
// factors, the calculation run and the texts it writes), a batch of 1,000 projects in one process, and
// tervalo-calc as a whole program, started and finished, for a run that prints its JSON.
//
// Runs in a copy of the staged program directory's data files (the project window writes its catalogue
// index, the batch its results), made once per benchmark program.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "batch.h"
#include "config/run_settings.h"
#include "project/project_actions.h"
#include "shell/language_session.h"
#include "window_commands.h"

extern char** environ;

namespace tervalo {
namespace {

namespace fs = std::filesystem;

// A data folder of its own with the program directory's files (not its programs), entered; false (with the
// reason on the state) when the program directory lacks them.
bool EnterDataFolder(benchmark::State& state) {
    static const fs::path folder = [] {
        std::error_code error;
        const fs::path copy = fs::temp_directory_path() / ("tervalo-bench-" + std::to_string(::getpid()));
        fs::create_directories(copy, error);
        for (const fs::directory_entry& entry : fs::directory_iterator(TERVALO_DIST_DIR, error)) {
            const bool program = (entry.status().permissions() & fs::perms::owner_exec) != fs::perms::none;
            if (entry.is_regular_file() && !program)
                fs::copy_file(entry.path(), copy / entry.path().filename(),
                              fs::copy_options::overwrite_existing, error);
        }
        return copy;
    }();
    std::error_code error;
    fs::current_path(folder, error);
    if (error || !fs::exists("R22.DAT") || !fs::exists("kparam.dat")) {
        state.SkipWithError("the program directory lacks its data files; build tervalo_data first");
        return false;
    }
    return true;
}

// The project as tervalo-calc opens it, with the example house typed in.
ProjectRecord OpenedExample() {
    StartupLoad(HandOverFile::LeaveUnread);
    ProjectRecord record;
    record.DecimalSeparator = '.';
    OpenProjectWindow(record);
    record.WohnFL = "150";
    OnEnter(record, &ProjectRecord::WohnFL);
    record.SpezHeizLeist = "120";
    OnEnter(record, &ProjectRecord::SpezHeizLeist);
    return record;
}

// Enter in the living area: the load, the run and every text of the window's results.
void BM_UserAction(benchmark::State& state) {
    if (!EnterDataFolder(state)) return;
    ProjectRecord record = OpenedExample();
    for (auto _ : state) {
        record.WohnFL = "150";
        benchmark::DoNotOptimize(OnEnter(record, &ProjectRecord::WohnFL));
    }
    state.counters["COP"] =
        benchmark::Counter(std::stod(record.LeistZahlK.substr(record.LeistZahlK.find('=') + 1)));
}
BENCHMARK(BM_UserAction)->Unit(benchmark::kMicrosecond);

// 1,000 rows of six fields each (area, demand, heating type, efficiency, both prices), as a user's CSV file
// of houses gives them; the counter is rows per minute.
void BM_Batch1000(benchmark::State& state) {
    if (!EnterDataFolder(state)) return;
    const ProjectRecord project = OpenedExample();
    {
        std::ofstream csv("houses.csv", std::ios::binary);
        csv << "WohnFL,SpezHeizLeist,HeizArt,WirkGKessel,BrennK,EnergKost\r\n";
        for (int row = 0; row < 1000; ++row)
            csv << 80 + row % 200 << ',' << 60 + row % 140 << ",#" << 1 + row % 4 << ',' << 80 + row % 15
                << ",0." << 5 + row % 4 << ",0." << 20 + row % 15 << "\r\n";
    }
    for (auto _ : state) benchmark::DoNotOptimize(RunBatch(project, {"houses.csv", "results.csv"}, false));
    // 1,000 rows per iteration, per minute of the process's time.
    state.counters["rows_per_minute"] =
        benchmark::Counter(60000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Batch1000)->Unit(benchmark::kMillisecond);

// tervalo-calc started in the data folder and waited for: start-up, calculation and the JSON document.
void BM_CalcProcess(benchmark::State& state) {
    if (!EnterDataFolder(state)) return;
    const std::string program = std::string(TERVALO_DIST_DIR) + "/tervalo-calc";
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("--json"), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const auto children = [] {
        rusage usage{};
        ::getrusage(RUSAGE_CHILDREN, &usage);
        return usage;
    };
    const auto seconds = [](const rusage& usage) {
        const auto of = [](const timeval& t) {
            return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
        };
        return of(usage.ru_utime) + of(usage.ru_stime);
    };
    const rusage before = children();
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, program.c_str(), &quiet, nullptr, argv, environ) != 0 ||
            ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("tervalo-calc --json did not run to its end");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
    // The processor time of the runs themselves (user and system), which a busy machine inflates less than
    // the wall time, and the pages each run touched for the first time (the loader's mappings, the heap), a
    // count that the machine's load leaves alone.
    const rusage after = children();
    state.counters["run_cpu_ms"] =
        benchmark::Counter(1000 * (seconds(after) - seconds(before)), benchmark::Counter::kAvgIterations);
    state.counters["run_page_faults"] = benchmark::Counter(
        static_cast<double>(after.ru_minflt - before.ru_minflt), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CalcProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tervalo
