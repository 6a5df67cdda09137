#include "project/lifetime/lifetime_file.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <vector>

#include "engine/file_access.h"
#include "engine/text_record.h"

namespace tervalo::lifetime {

namespace {

constexpr std::string_view kHeader = "Tervalo lifetime inputs";
constexpr int kVersion = 1;
// The largest file has fifty grid factors and fifty CO2 prices; anything near this limit is not a lifetime
// file.
constexpr std::size_t kFileLimit = 64 * 1024;

struct NumberEntry {
    const char* name;
    double LifetimeInputs::*member;
};
struct IntEntry {
    const char* name;
    int LifetimeInputs::*member;
};
struct FlagEntry {
    const char* name;
    bool LifetimeInputs::*member;
};

constexpr NumberEntry kNumbers[] = {
    {"HeatPumpCost", &LifetimeInputs::heatPumpCost},
    {"BoilerCost", &LifetimeInputs::boilerCost},
    {"Subsidy", &LifetimeInputs::subsidy},
    {"DiscountRate", &LifetimeInputs::discountRate_pct},
    {"FuelPriceChange", &LifetimeInputs::fuelPriceChange_pct},
    {"ElectricityPriceChange", &LifetimeInputs::electricityPriceChange_pct},
    {"FuelStandingCharge", &LifetimeInputs::fuelStandingCharge},
    {"ElectricityStandingCharge", &LifetimeInputs::electricityStandingCharge},
    {"HeatPumpMaintenance", &LifetimeInputs::heatPumpMaintenance},
    {"BoilerMaintenance", &LifetimeInputs::boilerMaintenance},
    {"GridTargetFactor", &LifetimeInputs::gridTargetFactor},
};
constexpr IntEntry kInts[] = {
    {"YearsOfUse", &LifetimeInputs::yearsOfUse},
    {"FirstYear", &LifetimeInputs::firstYear},
    {"GridTargetYear", &LifetimeInputs::gridTargetYear},
};
constexpr FlagEntry kFlags[] = {
    {"SubsidyIsPercentage", &LifetimeInputs::subsidyIsPercentage},
    {"FuelConnectionGivenUp", &LifetimeInputs::fuelConnectionGivenUp},
};
constexpr const char* kGridFactorEdits = "GridFactorEdits";

// Statements after the grid factors, written after them: files without them read as before
// (WithoutExtensions).
constexpr NumberEntry kLaterNumbers[] = {
    {"InvestmentPriceChange", &LifetimeInputs::investmentPriceChange_pct},
    {"MaintenancePriceChange", &LifetimeInputs::maintenancePriceChange_pct},
    {"Inflation", &LifetimeInputs::inflation_pct},
    {"SubsidyEligibleCap", &LifetimeInputs::subsidyEligibleCap},
    {"SubsidyExtraAmount", &LifetimeInputs::subsidyExtraAmount},
    {"Co2PriceToday", &LifetimeInputs::co2PriceToday},
    {"Co2PriceTarget", &LifetimeInputs::co2PriceTarget},
    {"LoanShare", &LifetimeInputs::loanShare_pct},
    {"LoanRate", &LifetimeInputs::loanRate_pct},
};
constexpr IntEntry kLaterInts[] = {
    {"HeatPumpServiceLife", &LifetimeInputs::heatPumpServiceLife},
    {"BoilerServiceLife", &LifetimeInputs::boilerServiceLife},
    {"Co2PriceTargetYear", &LifetimeInputs::co2PriceTargetYear},
    {"LoanTerm", &LifetimeInputs::loanTerm},
};
constexpr FlagEntry kLaterFlags[] = {
    {"ReplacementCounted", &LifetimeInputs::replacementCounted},
    {"Nominal", &LifetimeInputs::nominal},
    {"Co2AddedToFuel", &LifetimeInputs::co2AddedToFuel},
    {"Co2AddedToElectricity", &LifetimeInputs::co2AddedToElectricity},
    {"SeasonalElectricity", &LifetimeInputs::seasonalElectricity},
};
constexpr const char* kCo2PriceEdits = "Co2PriceEdits";

// A whole field as a number, "." as decimal point; nothing for anything else.
template <typename T>
std::optional<T> Number(std::string_view field) {
    T value{};
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return value;
}

std::string NumberText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : "0";
}

// A quoted name and the unquoted values after it.
struct Statement {
    std::string name;
    std::vector<std::string> values;
};

std::vector<Statement> Statements(std::string_view bytes) {
    std::vector<Statement> statements;
    TextRecordReader reader(bytes);
    for (std::string field; reader.ReadText(field);) {
        if (reader.LastFieldWasQuoted())
            statements.push_back({field, {}});
        else if (!statements.empty() &&
                 statements.back().values.size() <= static_cast<std::size_t>(kMaxYearsOfUse))
            statements.back().values.push_back(field);
    }
    return statements;
}

// Takes the statement's values into the inputs; false when a known name holds a value it cannot take.
bool Apply(const Statement& statement, LifetimeInputs& inputs) {
    const auto single = [&]() -> std::string_view {
        return statement.values.size() == 1 ? std::string_view(statement.values[0]) : std::string_view();
    };
    const auto number = [&](const NumberEntry& entry) {
        const auto value = Number<double>(single());
        if (value) inputs.*entry.member = *value;
        return value.has_value();
    };
    const auto whole = [&](const IntEntry& entry) {
        const auto value = Number<int>(single());
        if (value) inputs.*entry.member = *value;
        return value.has_value();
    };
    const auto flag = [&](const FlagEntry& entry) {
        const auto value = Number<int>(single());
        const bool usable = value && (*value == 0 || *value == 1);
        if (usable) inputs.*entry.member = *value == 1;
        return usable;
    };
    const auto list = [&](std::vector<double>& edits) {
        edits.clear();
        for (const std::string& text : statement.values) {
            const auto value = Number<double>(text);
            if (!value) return false;
            edits.push_back(*value);
        }
        return true;
    };
    for (const NumberEntry& entry : kNumbers)
        if (statement.name == entry.name) return number(entry);
    for (const NumberEntry& entry : kLaterNumbers)
        if (statement.name == entry.name) return number(entry);
    for (const IntEntry& entry : kInts)
        if (statement.name == entry.name) return whole(entry);
    for (const IntEntry& entry : kLaterInts)
        if (statement.name == entry.name) return whole(entry);
    for (const FlagEntry& entry : kFlags)
        if (statement.name == entry.name) return flag(entry);
    for (const FlagEntry& entry : kLaterFlags)
        if (statement.name == entry.name) return flag(entry);
    if (statement.name == kGridFactorEdits) return list(inputs.gridFactorEdits);
    if (statement.name == kCo2PriceEdits) return list(inputs.co2PriceEdits);
    return true;
}

}  // namespace

LifetimeFileRead ParseLifetimeInputs(std::string_view bytes, const LifetimeInputs& defaults) {
    const std::vector<Statement> statements = Statements(bytes);
    if (statements.empty() || statements[0].name != kHeader || statements[0].values.size() != 1 ||
        Number<int>(statements[0].values[0]) != kVersion)
        return {defaults, true};
    // What a file written before an input existed did not say is what it meant: the comparison without it.
    LifetimeInputs inputs = WithoutExtensions(defaults);
    bool damaged = false;
    for (std::size_t i = 1; i < statements.size(); ++i) damaged = !Apply(statements[i], inputs) || damaged;
    LifetimeFileRead read{Sanitised(inputs, defaults), damaged};
    read.damaged = read.damaged || !(read.inputs == inputs);
    return read;
}

std::string LifetimeInputsBytes(const LifetimeInputs& inputs) {
    TextRecordWriter writer;
    writer.Text(kHeader).Int(kVersion).EndStatement();
    for (const NumberEntry& entry : kNumbers)
        writer.Text(entry.name).Raw(NumberText(inputs.*entry.member)).EndStatement();
    for (const IntEntry& entry : kInts) writer.Text(entry.name).Int(inputs.*entry.member).EndStatement();
    for (const FlagEntry& entry : kFlags)
        writer.Text(entry.name).Int(inputs.*entry.member ? 1 : 0).EndStatement();
    const auto list = [&writer](const char* name, const std::vector<double>& values) {
        writer.Text(name);
        for (const double value : values) writer.Raw(NumberText(value));
        writer.EndStatement();
    };
    list(kGridFactorEdits, inputs.gridFactorEdits);
    for (const NumberEntry& entry : kLaterNumbers)
        writer.Text(entry.name).Raw(NumberText(inputs.*entry.member)).EndStatement();
    for (const IntEntry& entry : kLaterInts) writer.Text(entry.name).Int(inputs.*entry.member).EndStatement();
    for (const FlagEntry& entry : kLaterFlags)
        writer.Text(entry.name).Int(inputs.*entry.member ? 1 : 0).EndStatement();
    list(kCo2PriceEdits, inputs.co2PriceEdits);
    return writer.bytes();
}

LifetimeFileRead LoadLifetimeInputs(const LifetimeInputs& defaults) {
    // Found once: a search for a name in another letter case reads the whole folder.
    const std::optional<std::filesystem::path> found = FindFileNoCase(kLifetimeFileName);
    if (found)
        if (const std::optional<std::string> bytes = ReadFileBytes(*found, kFileLimit))
            return ParseLifetimeInputs(*bytes, defaults);
    // Too large, unreadable or a folder in the way: there, but not a file of inputs.
    std::error_code error;
    return {defaults, found.has_value() ||
                          std::filesystem::exists(std::filesystem::symlink_status(kLifetimeFileName, error))};
}

bool SaveLifetimeInputs(const LifetimeInputs& inputs) {
    return ReplaceFileBytes(kLifetimeFileName, LifetimeInputsBytes(inputs));
}

}  // namespace tervalo::lifetime
