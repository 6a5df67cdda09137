#include "project/input_edits.h"

#include <array>
#include <cstdint>

#include "project/project_fields.h"

namespace tervalo {

namespace {

using Results = std::uint32_t;  // one bit per ResultField

constexpr Results Bits(std::initializer_list<ResultField> fields) {
    Results bits = 0;
    for (const ResultField field : fields) bits |= Results{1} << static_cast<int>(field);
    return bits;
}

// Each input the calculation or a rule before it reads, with the results a change of it moves (directly, or
// through the rule or back-calculation its Enter or choice starts): those that follow from its groups.
struct TrackedInput {
    std::string_view name;
    Results affects;
};
constexpr TrackedInput Tracked(std::string_view name, unsigned groups) {
    return {name, ResultsFollowingFrom(groups)};
}
using namespace inputs;
constexpr std::array<TrackedInput, 20> kInputs = {{
    Tracked("WohnFL", Demand),
    Tracked("HausTyp", Demand),
    Tracked("Klimazone", Demand | Cycle),
    Tracked("AmbientT", Demand | Cycle),
    Tracked("SpezHeizLeist", Demand),
    Tracked("GesHBDGeB", Demand),
    Tracked("HeizArt", FuelSide),
    Tracked("KesselWirk", FuelSide),
    Tracked("WirkGKessel", FuelSide),
    Tracked("Bereitstell", FuelSide),
    Tracked("BereitStV", FuelSide),
    Tracked("BrennK", FuelPrice),
    Tracked("BrennStV", Demand),
    Tracked("GesHBDHeiz", Demand),
    Tracked("AnwendBereich", Cycle),
    Tracked("VFlsize", Cycle),
    Tracked("t0", Cycle),
    Tracked("Tc", Cycle),
    Tracked("EnergKost", ElectricityPrice),
    Tracked("EinbindCheck", Integration),
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
