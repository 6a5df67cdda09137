#include "engine/refrigerant_catalogue.h"

#include <array>

namespace tervalo {

namespace {

constexpr std::array<RefrigerantCatalogueEntry, 40> kCatalogue{{
    {"R11", "", "R11.DAT"},
    {"R12", "", "R12.DAT"},
    {"R13", "", "R13.DAT"},
    {"R13B1", "", "R13B1.DAT"},
    {"R14", "", "R14.DAT"},
    {"R22", "", "R22.DAT"},
    {"R23", "", "R23.DAT"},
    {"R502", "", "R502.DAT"},
    {"PROPAN", "R290", "PROPAN.DAT"},
    {"PROPYLEN", "R1270", "PROPYLEN.DAT"},
    {"R600A", "", "R600A.DAT"},
    {"R152A", "", "R152A.DAT"},
    {"R134A", "", "R134A.DAT"},
    {"AMMONIAK", "R717", "AMMONIAK.DAT"},
    {"R723", "", "R723.DAT"},
    {"R507", "", "R507.DAT"},
    {"R123", "", "R123.DAT"},
    {"R401A", "", "R401A.DAT"},
    {"R401B", "", "R401B.DAT"},
    {"R402A", "", "R402A.DAT"},
    {"R402B", "", "R402B.DAT"},
    {"R404A", "", "R404A.DAT"},
    {"R408A", "", "R408A.DAT"},
    {"R409A", "", "R409A.DAT"},
    {"R410A", "", "R410A.DAT"},
    {"R413A", "ISC_49", "R413A.DAT"},
    {"R407A", "", "R407A.DAT"},
    {"R407C", "", "R407C.DAT"},
    {"AC9000", "", "Ac9000.DAT"},  // the file's name is spelled in mixed case
    {"HX4", "", "HX4.DAT"},
    {"R124", "", "R124.DAT"},
    {"R227", "", "R227.DAT"},
    {"ISC_69L", "R403B", "ISC_69L.DAT"},
    {"ISC_59", "R417A", "ISC_59.DAT"},
    {"RS45", "", "RS45.DAT"},
    {"ISC_29", "R422D", "ISC_29.DAT"},
    {"ISC_79", "R422A", "ISC_79.DAT"},
    {"FX_90", "", "FX_90.DAT"},
    {"ISC_89", "", "ISC_89.DAT"},
    {"CO2", "R744", "CO2.DAT"},
}};

struct LimitsEntry {
    std::string_view name;
    TemperatureLimits limits;
};

// One entry per name; the groups of names that share their limits stand together.
// clang-format off
constexpr std::array<LimitsEntry, 49> kLimits{{
    {"R11", {-30, 65}},
    {"R12", {-60, 70}},
    {"R22", {-60, 70}},
    {"R134A", {-60, 70}},
    {"R13", {-90, 25}},
    {"R13B1", {-60, 65}},
    {"R502", {-60, 65}},
    {"R123", {-60, 65}},
    {"R723", {-60, 65}},
    {"R401A", {-60, 65}},
    {"R401B", {-60, 65}},
    {"R402A", {-60, 65}},
    {"R402B", {-60, 65}},
    {"R404A", {-60, 65}},
    {"ISC_89", {-60, 65}},
    {"R14", {-140, -50}},
    {"R23", {-115, 65}},
    {"PROPAN", {-85, 70}},
    {"R290", {-85, 70}},
    {"PROPYLEN", {-85, 65}},
    {"R1270", {-85, 65}},
    {"R600A", {-40, 80}},
    {"R152A", {-50, 70}},
    {"AMMONIAK", {-80, 65}},
    {"R717", {-80, 65}},
    {"R507", {-90, 65}},
    {"R408A", {-50, 65}},
    {"R409A", {-50, 65}},
    {"R410A", {-50, 65}},
    {"R407C", {-50, 65}},
    {"AC9000", {-50, 65}},
    {"HX4", {-50, 65}},
    {"R413A", {-40, 65}},
    {"ISC_49", {-40, 65}},
    {"ISC_59", {-40, 65}},
    {"R417A", {-40, 65}},
    {"ISC_79", {-40, 65}},
    {"ISC_29", {-40, 65}},
    {"FX_90", {-40, 65}},
    {"RS45", {-40, 65}},
    {"R422A", {-40, 65}},
    {"R422D", {-40, 65}},
    {"ISC_69L", {-55, 65}},
    {"R403B", {-55, 65}},
    {"R407A", {-45, 65}},
    {"R124", {-10, 95}},
    {"R227", {-20, 95}},
    {"CO2", {-55, 20}},
    {"R744", {-55, 20}},
}};
// clang-format on

}  // namespace

std::span<const RefrigerantCatalogueEntry> RefrigerantCatalogue() {
    return kCatalogue;
}

std::optional<std::string_view> RefrigerantTableFile(std::string_view name) {
    if (name.empty()) return std::nullopt;
    for (const auto& entry : kCatalogue)
        if (name == entry.name || name == entry.alias) return entry.tableFile;
    return std::nullopt;
}

std::optional<TemperatureLimits> ApplicationLimitsOf(std::string_view name) {
    for (const auto& entry : kLimits)
        if (name == entry.name) return entry.limits;
    return std::nullopt;
}

TemperatureLimits RefreshApplicationLimits(std::string_view name, TemperatureLimits previous) {
    if (const auto limits = ApplicationLimitsOf(name)) return *limits;
    return {previous.tMin, 65};
}

}  // namespace tervalo
