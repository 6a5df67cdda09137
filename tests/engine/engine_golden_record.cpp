// Writes the golden record of the refrigeration cycle: a fixed sequence of design points over every name of
// the catalogue, with unknown names and inputs beyond the tables, NaN and infinite values, run one after the
// other on the engine as it stands. Regenerate (only when a change of results is intended) with
//   cmake --build build --target engine_golden_record
//   build/tests/engine/engine_golden_record tests/data/engine/engine_golden.txt
// The staged tables are read from the build's program directory.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "engine/refrigerant_catalogue.h"
#include "golden_design_point.h"
#include "support/temp_dir.h"

namespace tervalo::test {
namespace {

// Random numbers by explicit arithmetic on the generator's output, the same on every standard library.
class Draw {
  public:
    double Unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    double Uniform(double low, double high) { return low + (high - low) * Unit(); }
    // A value as typed: on a grid of `step`.
    double Typed(double low, double high, double step) {
        return std::round(Uniform(low, high) / step) * step;
    }
    std::size_t Index(std::size_t count) { return static_cast<std::size_t>(engine_() % count); }
    bool Chance(double p) { return Unit() < p; }

  private:
    std::mt19937_64 engine_{20261207u};
};

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kSpecials[] = {std::numeric_limits<double>::quiet_NaN(),
                            kInf,
                            -kInf,
                            -0.0,
                            0.0,
                            -273.15,
                            1e300,
                            -1e300,
                            DBL_MAX,
                            -DBL_MAX,
                            5e-324};

const std::vector<std::string> kUnknownNames = {"",        "r22",    " R22",   "R22 ", "R9999",
                                                "R22.DAT", "Propan", "ac9000", "CO2\t"};

std::vector<std::string> CatalogueNames() {
    std::vector<std::string> names;
    for (const auto& entry : RefrigerantCatalogue()) {
        names.emplace_back(entry.name);
        if (!entry.alias.empty()) names.emplace_back(entry.alias);
    }
    return names;
}

// The names whose table the build ships.
std::vector<std::string> ShippedNames() {
    std::vector<std::string> names;
    for (const auto& entry : RefrigerantCatalogue()) {
        if (!std::filesystem::exists(std::filesystem::path(TERVALO_DIST_DIR) / entry.tableFile)) continue;
        names.emplace_back(entry.name);
        if (!entry.alias.empty()) names.emplace_back(entry.alias);
    }
    return names;
}

std::vector<GoldenInput> GoldenInputs() {
    std::vector<GoldenInput> inputs;
    const auto names = CatalogueNames();
    const auto shipped = ShippedNames();
    // A grid over the operating range for every name, then points beyond both ends of every table.
    for (const auto& name : names) {
        for (double t0 : {-70.0, -40.0, -20.0, -5.0, 0.0, 10.0})
            for (double tc : {25.0, 45.0, 60.0}) inputs.push_back({name, t0, tc, t0 + 13, 0, 0});
        inputs.push_back({name, -150, 45, -137, 0, 0});
        inputs.push_back({name, -5, 150, 3, 0, 0});
        inputs.push_back({name, 120, 130, 128, 2, 5});
        inputs.push_back({name, -200, -180, -195, 0, 0});
    }

    Draw draw;
    auto special = [&] { return kSpecials[draw.Index(std::size(kSpecials))]; };
    for (int i = 0; i < 2600; ++i) {
        GoldenInput in;
        const double which = draw.Unit();
        in.refrigerant = which < 0.5    ? shipped[draw.Index(shipped.size())]
                         : which < 0.85 ? names[draw.Index(names.size())]
                         : which < 0.95 ? kUnknownNames[draw.Index(kUnknownNames.size())]
                                        : inputs.back().refrigerant;

        const double t0Kind = draw.Unit();
        in.t0 = t0Kind < 0.7    ? draw.Typed(-60, 20, 0.05)
                : t0Kind < 0.8  ? draw.Uniform(-60, 20)
                : t0Kind < 0.92 ? draw.Uniform(-250, 250)
                                : special();
        const double tcKind = draw.Unit();
        in.tc = tcKind < 0.7    ? draw.Typed(std::isfinite(in.t0) ? in.t0 + 5 : 20, 80, 0.05)
                : tcKind < 0.8  ? draw.Uniform(10, 70)
                : tcKind < 0.92 ? draw.Uniform(-250, 250)
                                : special();
        const double suctionKind = draw.Unit();
        in.tSuction = suctionKind < 0.65   ? in.t0 + 5 + draw.Typed(0, 20, 1)
                      : suctionKind < 0.8  ? in.t0
                      : suctionKind < 0.92 ? draw.Uniform(-100, 100)
                                           : special();
        const double liquidKind = draw.Unit();
        in.dTLiquid = liquidKind < 0.5   ? 0
                      : liquidKind < 0.8 ? draw.Typed(0, 15, 0.5)
                      : liquidKind < 0.9 ? draw.Uniform(-10, 30)
                                         : special();
        const double superheatKind = draw.Unit();
        in.superheat = superheatKind < 0.5   ? 0
                       : superheatKind < 0.8 ? draw.Typed(0, 20, 0.5)
                       : superheatKind < 0.9 ? draw.Uniform(-20, 0)
                                             : special();
        inputs.push_back(in);
    }
    return inputs;
}

}  // namespace
}  // namespace tervalo::test

int main(int argc, char** argv) {
    using namespace tervalo::test;
    if (argc != 2) {
        std::fprintf(stderr, "usage: engine_golden_record OUTPUT\n");
        return 2;
    }
    const std::filesystem::path output = std::filesystem::absolute(argv[1]);
    const auto inputs = GoldenInputs();

    std::string text;
    {
        ScopedTempDir dir;
        StageGoldenTables(TERVALO_DIST_DIR);
        tervalo::CycleStateRecord state;
        GoldenRun before;
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const GoldenRun run = RunGoldenPoint(inputs[i], state);
            text += GoldenLine(inputs[i], run, i ? &before : nullptr) + '\n';
            before = run;
        }
    }
    std::ofstream(output, std::ios::binary | std::ios::trunc) << text;
    std::printf("%zu points written to %s\n", inputs.size(), output.string().c_str());
    return 0;
}
