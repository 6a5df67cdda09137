#include "project/input_edits.h"

#include <array>
#include <cstdint>

#include "project/project_fields.h"

namespace tervalo {

namespace {

using F = ResultField;
using Results = std::uint32_t;  // one bit per ResultField

constexpr Results Bits(std::initializer_list<F> fields) {
    Results bits = 0;
    for (const F field : fields) bits |= Results{1} << static_cast<int>(field);
    return bits;
}

// What the cycle gives: the suction gas, the COPs and everything of the heat pump's column.
constexpr Results kCycle =
    Bits({F::pn32, F::LeistZahlK, F::LeistZahlH, F::LeistZ, F::BetrKo, F::GesEnergWP, F::co2consum});
// What follows from the boiler's efficiency and stand-by losses: the fuel side and the heat pump's energy.
constexpr Results kFuelSide =
    Bits({F::GesHBDHeiz, F::BrennStV, F::Label27, F::Label38, F::BetrKo, F::GesEnergWP, F::co2consum});
// What follows from the building's heat demand.
constexpr Results kDemand = kFuelSide | Bits({F::GesHBDGeB});

// Each input the calculation or a rule before it reads, with the results a change of it moves (directly, or
// through the rule or back-calculation its Enter or choice starts).
struct TrackedInput {
    std::string_view name;
    Results affects;
};
constexpr std::array<TrackedInput, 20> kInputs = {{
    {"WohnFL", kDemand},
    {"HausTyp", kDemand},
    {"Klimazone", kDemand | kCycle},
    {"AmbientT", kDemand | kCycle},
    {"SpezHeizLeist", kDemand},
    {"GesHBDGeB", kDemand},
    {"HeizArt", kFuelSide},
    {"KesselWirk", kFuelSide},
    {"WirkGKessel", kFuelSide},
    {"Bereitstell", kFuelSide},
    {"BereitStV", kFuelSide},
    {"BrennK", Bits({F::Label27})},
    {"BrennStV", kDemand},
    {"GesHBDHeiz", kDemand},
    {"AnwendBereich", kCycle},
    {"VFlsize", kCycle},
    {"t0", kCycle},
    {"Tc", kCycle},
    {"EnergKost", Bits({F::BetrKo})},
    {"EinbindCheck", Bits({F::BetrKo, F::GesEnergWP, F::co2consum})},
}};
// GesEnergWP is a result a user may type over; Enter in it starts nothing, so only its own text is
// concerned, and that shows what was typed.

std::string TextOf(const ProjectRecord& record, std::string_view name) {
    return FieldDisplayText(record, *FindProjectField(name));
}

// The result field whose text is this input's, if the input is one of the results.
const ResultField* ResultOf(std::string_view name) {
    const ProjectFieldInfo& field = *FindProjectField(name);
    return field.result && field.role != FieldRole::Result ? &*field.result : nullptr;
}

}  // namespace

void NoteCalculatedInputs(ProjectRecord& record) {
    ResultCurrency& results = record.Results;
    results.calculatedFrom.clear();
    for (const TrackedInput& input : kInputs) results.calculatedFrom.push_back(TextOf(record, input.name));
    results.calculatedFrom.push_back(record.GesEnergWP);
    ++results.runs;
}

std::vector<std::string_view> EditedInputs(const ProjectRecord& record) {
    std::vector<std::string_view> edited;
    const std::vector<std::string>& from = record.Results.calculatedFrom;
    if (from.size() != kInputs.size() + 1) return edited;
    for (std::size_t i = 0; i < kInputs.size(); ++i)
        if (TextOf(record, kInputs[i].name) != from[i]) edited.push_back(kInputs[i].name);
    if (record.GesEnergWP != from.back()) edited.push_back("GesEnergWP");
    return edited;
}

std::array<StaleReason, kResultFieldCount> ResultMarks(const ProjectRecord& record) {
    std::array<StaleReason, kResultFieldCount> marks = record.Results.byRun;
    Results marked = 0, typed = 0;
    for (const std::string_view name : EditedInputs(record)) {
        for (const TrackedInput& input : kInputs)
            if (input.name == name) marked |= input.affects;
        if (const ResultField* field = ResultOf(name)) typed |= Bits({*field});
    }
    for (int i = 0; i < kResultFieldCount; ++i)
        if ((marked & ~typed) >> i & 1) marks[static_cast<std::size_t>(i)] = StaleReason::InputsEdited;
    return marks;
}

StaleReason ResultMark(const ProjectRecord& record, ResultField field) {
    return ResultMarks(record)[static_cast<std::size_t>(field)];
}

ProjectRecord AsCalculated(const ProjectRecord& record) {
    ProjectRecord copy = record;
    const std::vector<std::string>& from = record.Results.calculatedFrom;
    if (from.size() != kInputs.size() + 1) return copy;
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        const ProjectFieldInfo& field = *FindProjectField(kInputs[i].name);
        if (field.kind == FieldKind::CheckBox)
            copy.EinbindCheck = from[i] == "1";
        else
            EditableText(copy, field) = from[i];
    }
    copy.GesEnergWP = from.back();
    return copy;
}

}  // namespace tervalo
