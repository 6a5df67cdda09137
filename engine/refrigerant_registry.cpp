#include "engine/refrigerant_registry.h"

#include <array>

namespace tervalo {

namespace {

// Layouts of the table files that keep older units.
constexpr StoredLayout kPlain{};
constexpr StoredLayout kVolumes{.specificVolumes = true};
constexpr StoredLayout kNegatedVolumes{.specificVolumes = true, .negatedEnthalpies = true};
constexpr StoredLayout kAmmonia{.specificVolumes = true, .negatedLiquidEnthalpyRecords = 8};
constexpr StoredLayout kCelsius{.celsius = true};

// Cubic polynomials of the vapour heat capacity, kJ/(kg·K) over K.
constexpr Cubic kP11{-0.55657, 1.0236e-2, -3.43685e-5, 4.33378e-8};
constexpr Cubic kP23{-37.2336, 5.11656e-1, -2.31769e-3, 3.53585e-6};
constexpr Cubic kPC3{0.0830829, 5.77693e-3, -1.30581e-6, -6.91e-10};
constexpr Cubic kPC4{-0.0847423, 6.79624e-3, -3.21809e-6, -4.03637e-10};
constexpr Cubic kPN{1.9487, 8.23487e-4, 5.44138e-6, -3.62452e-9};
constexpr Cubic kP507{0.2180099, 2.362732e-3, -3.041841e-7, -1.141106e-9};

using enum VapourForm;

// AC9000 is sold as R407C and shares its correlation.
constexpr VapourCorrelation kR407c{80.13, CurveG, kNoCubic, 0.995, 0.995, 0.995, 1.034};
// R413A is R134A with a little R600A and R218: R134A's curve with its own molar mass and discharge factor.
constexpr VapourCorrelation kR413a{
    0.03 * 58.123 + 0.09 * 188.02 + 0.88 * 102.0, CurveG, kNoCubic, 1.028, 1.029, 1.075, 1.043};

// name, alias, table file, layout, limits {tMin, tMax}, equation of state, vapour correlation
// {molar mass, form, cubic, kEvap, kSuct, kDis, f0, k from suction}.
// clang-format off
constexpr std::array<RefrigerantRow, 40> kRegistry{{
    {"R11", "", "R11.DAT", kVolumes, {-30, 65}, "R11", {137.38, Poly, kP11, 1, 1, 1, 1.043}},
    {"R12", "", "R12.DAT", kVolumes, {-60, 70}, "R12", {120.92, CurveG1, kNoCubic, 0.648, 0.648, 0.645, 1.043}},
    {"R13", "", "R13.DAT", kPlain, {-90, 25}, "R13", {104.5, CurveG, kNoCubic, 0.81, 0.86, 1, 1.043}},
    {"R13B1", "", "R13B1.DAT", kPlain, {-60, 65}, "", {149, CurveG, kNoCubic, 0.53, 0.6, 0.64, 1.043}},
    {"R14", "", "R14.DAT", kPlain, {-140, -50}, "R14", {88, R14Line, kNoCubic, 0, 0, 0, 1.043}},
    {"R22", "", "R22.DAT", kPlain, {-60, 70}, "R22", {86.48, CurveG, kNoCubic, 0.812, 0.785, 0.86, 1.043}},
    {"R23", "", "R23.DAT", kVolumes, {-115, 65}, "R23", {70.01, R23Poly, kP23, 1, 1, 1, 1.043}},
    {"R502", "", "R502.DAT", kPlain, {-60, 65}, "", {111.6, CurveG, kNoCubic, 0, 0, 0.908, 1.043, true}},
    {"PROPAN", "R290", "PROPAN.DAT", kNegatedVolumes, {-85, 70}, "n-Propane", {44.09, Poly, kPC3, 1.09, 1.12, 1.173, 1.043}},
    {"PROPYLEN", "R1270", "PROPYLEN.DAT", kNegatedVolumes, {-85, 65}, "Propylene", {42.08, CurveG1, kNoCubic, 1.6, 1.6, 1.78, 1.043}},
    {"R600A", "", "R600A.DAT", kPlain, {-40, 80}, "IsoButane", {58.123, Poly, kPC4, 1.19, 1.19, 1.04, 1.043}},
    {"R152A", "", "R152A.DAT", kPlain, {-50, 70}, "R152A", {66.1, CurveG, kNoCubic, 1.16, 1.17, 1.36, 1.043}},
    {"R134A", "", "R134A.DAT", kPlain, {-60, 70}, "R134a", {102, CurveG, kNoCubic, 1.028, 1.029, 1.125, 1.043}},
    {"AMMONIAK", "R717", "AMMONIAK.DAT", kAmmonia, {-80, 65}, "Ammonia", {17.03, Poly, kPN, 1, 1, 1, 1.043}},
    {"R723", "", "R723.DAT", kPlain, {-60, 65}, "", {23, Poly, kPN, 0.75, 0.79, 0.73, 1.043}},
    {"R507", "", "R507.DAT", kPlain, {-90, 65}, "R507A", {98.9, Poly, kP507, 1, 1, 1, 1.043}},
    {"R123", "", "R123.DAT", kCelsius, {-60, 65}, "R123", {152.9, R123Line, kNoCubic, 0, 0, 0, 1.043}},
    {"R401A", "", "R401A.DAT", kPlain, {-60, 65}, "", {136.5 * 0.34 + 66.0 * 0.13 + 86.47 * 0.53, CurveG, kNoCubic, 0.863, 0.863, 0.885, 1.043}},
    {"R401B", "", "R401B.DAT", kPlain, {-60, 65}, "", {136.5 * 0.28 + 66.0 * 0.11 + 86.47 * 0.61, CurveG, kNoCubic, 0.837, 0.837, 0.858, 1.043}},
    {"R402A", "", "R402A.DAT", kPlain, {-60, 65}, "", {44.09 * 0.02 + 120.02 * 0.6 + 86.47 * 0.38, CurveG, kNoCubic, 0.929, 0.929, 1.007, 1.043}},
    {"R402B", "", "R402B.DAT", kPlain, {-60, 65}, "", {44.09 * 0.02 + 120.0 * 0.38 + 86.47 * 0.6, CurveG, kNoCubic, 0.889, 0.889, 0.94, 1.043}},
    {"R404A", "", "R404A.DAT", kPlain, {-60, 65}, "R404A", {97.6, CurveG, kNoCubic, 1.053, 1.053, 1.14, 1.043}},
    {"R408A", "", "R408A.DAT", kPlain, {-50, 65}, "", {87, CurveG, kNoCubic, 0.95, 0.95, 1.05, 1.039}},
    {"R409A", "", "R409A.DAT", kPlain, {-50, 65}, "", {97.4, CurveG, kNoCubic, 0.832, 0.832, 0.855, 1.033}},
    {"R410A", "", "R410A.DAT", kPlain, {-50, 65}, "R410A", {81, CurveG, kNoCubic, 0.97, 0.97, 1.2, 1.043}},
    {"R413A", "ISC_49", "R413A.DAT", kPlain, {-40, 65}, "", kR413a},
    {"R407A", "", "R407A.DAT", kPlain, {-45, 65}, "", {90.1, CurveG, kNoCubic, 0.98, 0.98, 1.039, 1.043}},
    {"R407C", "", "R407C.DAT", kPlain, {-50, 65}, "R407C", kR407c},
    {"AC9000", "", "Ac9000.DAT", kPlain, {-50, 65}, "", kR407c},  // the file's name is spelled in mixed case
    {"HX4", "", "HX4.DAT", kPlain, {-50, 65}, "", {94.5, CurveG1, kNoCubic, 0.9, 0.9, 0.97, 1.043}},
    {"R124", "", "R124.DAT", kPlain, {-10, 95}, "R124", {136.48, R124Line, kNoCubic, 0, 0, 0, 1}},
    {"R227", "", "R227.DAT", kPlain, {-20, 95}, "R227EA", {170.03, CurveG1, kNoCubic, 0.8, 0.8, 0.91, 1.057}},
    {"ISC_69L", "R403B", "ISC_69L.DAT", kPlain, {-55, 65}, "", {111.6, CurveG, kNoCubic, 0, 0, 0.908, 1.043, true}},
    {"ISC_59", "R417A", "ISC_59.DAT", kPlain, {-40, 65}, "", {106.6, CurveG, kNoCubic, 1.41, 0.93, 1.27, 1.043}},
    {"RS45", "", "RS45.DAT", kPlain, {-40, 65}, "", {106.6, CurveG, kNoCubic, 1.05, 0.94, 1.2, 1.043}},
    {"ISC_29", "R422D", "ISC_29.DAT", kPlain, {-40, 65}, "", {109.8, CurveG, kNoCubic, 1.02, 1.08, 1.233, 1.043}},
    {"ISC_79", "R422A", "ISC_79.DAT", kPlain, {-40, 65}, "", {113.5, CurveG, kNoCubic, 1.02, 1.11, 1.348, 1.043}},
    {"FX_90", "", "FX_90.DAT", kPlain, {-40, 65}, "", {109.3, CurveG, kNoCubic, 0.98, 1.06, 1.07, 1.043}},
    {"ISC_89", "", "ISC_89.DAT", kPlain, {-60, 65}, "", {113.9, CurveG, kNoCubic, 0.842, 0.93, 1.12, 1.043}},
    {"CO2", "R744", "CO2.DAT", kPlain, {-55, 20}, "CarbonDioxide", {44, Poly, kPN, 0.44, 0.44, 0.725, 1.043}},
}};
// clang-format on

}  // namespace

std::span<const RefrigerantRow> RefrigerantRegistry() {
    return kRegistry;
}

const RefrigerantRow* FindRefrigerant(std::string_view name) {
    if (name.empty()) return nullptr;
    for (const auto& row : kRegistry)
        if (name == row.name || name == row.alias) return &row;
    return nullptr;
}

const RefrigerantRow* FindRefrigerantByTableFile(std::string_view tableFile) {
    for (const auto& row : kRegistry)
        if (tableFile == row.tableFile) return &row;
    return nullptr;
}

}  // namespace tervalo
