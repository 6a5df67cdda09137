// Results that inputs typed since the last run affect are marked, against the calculation itself: whatever an
// edit would change once its Enter runs must be marked, and taking the edit back clears the marks.

#include "project/input_edits.h"

#include <random>

#include "project/calculation.h"
#include "project/project_fields.h"
#include "project_fixture.h"

namespace tervalo {
namespace {

using test::hp;

class InputEdits : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        InstallCalculationFiles();
        TypeSampleHouse();
    }

    static std::vector<StaleReason> Reasons(const ProjectRecord& r) {
        const auto marks = ResultMarks(r);
        return {marks.begin(), marks.end()};
    }
};

// An input as the user types it, drawn from around its present value.
struct TypedInput {
    const char* name;
    std::string ProjectRecord::*field;
    double low, high;
};
const TypedInput kTyped[] = {
    {"WohnFL", &ProjectRecord::WohnFL, 60, 300},
    {"SpezHeizLeist", &ProjectRecord::SpezHeizLeist, 40, 200},
    {"WirkGKessel", &ProjectRecord::WirkGKessel, 70, 105},
    {"BereitStV", &ProjectRecord::BereitStV, 0, 30},
    {"BrennK", &ProjectRecord::BrennK, 0.2, 2},
    {"EnergKost", &ProjectRecord::EnergKost, 0.1, 0.5},
    {"t0", &ProjectRecord::t0, -15, 8},
    {"GesHBDGeB", &ProjectRecord::GesHBDGeB, 5000, 40000},
    {"GesHBDHeiz", &ProjectRecord::GesHBDHeiz, 8000, 50000},
    {"BrennStV", &ProjectRecord::BrennStV, 800, 5000},
};

// Every result whose text the field's action would change is marked before the action runs; the field
// typed into keeps its own text unmarked; typing the old text back clears every mark.
TEST_F(InputEdits, EveryResultAnEditChangesIsMarkedUntilTheEditIsTakenBack) {
    std::mt19937 random(23);
    for (int trial = 0; trial < 300; ++trial) {
        ProjectRecord& r = Project();
        const TypedInput& input = kTyped[random() % std::size(kTyped)];
        const std::string before = r.*input.field;
        char typed[32];
        std::snprintf(typed, sizeof typed, "%.0f",
                      std::uniform_real_distribution<double>(input.low, input.high)(random));
        r.*input.field = typed;
        const ProjectRecord marked = r;
        EXPECT_EQ(EditedInputs(marked).size(), before == typed ? 0u : 1u) << input.name;

        // What the edit itself changes: its Enter against the same Enter without it (a run also rewrites a
        // consumption figure an earlier back-calculation left as typed).
        ProjectRecord unedited = r;
        unedited.*input.field = before;
        OnEnter(unedited, input.field);
        ProjectRecord entered = r;
        OnEnter(entered, input.field);
        for (int i = 0; i < kResultFieldCount; ++i) {
            const auto field = static_cast<ResultField>(i);
            const std::string ProjectRecord::*text = ResultText(field);
            if (text == input.field) {
                EXPECT_NE(ResultMark(marked, field), StaleReason::InputsEdited) << "the field typed into";
                continue;
            }
            if (entered.*text != unedited.*text) {
                EXPECT_EQ(ResultMark(marked, field), StaleReason::InputsEdited)
                    << input.name << " " << before << " -> " << typed << ": result " << i << " changes from "
                    << unedited.*text << " to " << entered.*text;
            }
        }
        EXPECT_EQ(EditedInputs(entered).size(), 0u) << input.name << ": Enter recalculates";
        for (const StaleReason reason : Reasons(entered)) EXPECT_NE(reason, StaleReason::InputsEdited);

        r.*input.field = before;
        for (const StaleReason reason : Reasons(r)) EXPECT_EQ(reason, StaleReason::Current) << input.name;
        if (trial % 3 == 0) r = entered;  // walk on from the recalculated project now and then
    }
}

// The fuel price moves the fuel cost alone; t0 and Tc the cycle's side, never the boiler's.
TEST_F(InputEdits, EachInputMarksWhatItAffectsAndNothingElse) {
    using F = ResultField;
    ProjectRecord& r = Project();
    const std::string price = r.BrennK;
    r.BrennK = "9.99";
    for (int i = 0; i < kResultFieldCount; ++i)
        EXPECT_EQ(ResultMark(r, static_cast<F>(i)) == StaleReason::InputsEdited,
                  static_cast<F>(i) == F::Label27)
            << i;
    r.BrennK = price;
    ProjectRecord cycle = r;
    cycle.Tc = "31";
    EXPECT_EQ(ResultMark(cycle, F::LeistZahlH), StaleReason::InputsEdited);
    EXPECT_EQ(ResultMark(cycle, F::co2consum), StaleReason::InputsEdited);
    EXPECT_EQ(ResultMark(cycle, F::Label27), StaleReason::Current);
    EXPECT_EQ(ResultMark(cycle, F::GesHBDHeiz), StaleReason::Current);
}

// Every tracked input against the results it marks, written out by hand from what the balance and the cycle
// read: the marks are derived from what the field table says each result follows from, and a result given a
// group too few or too many fails here.
TEST_F(InputEdits, EveryInputMarksTheResultsThatFollowFromIt) {
    const std::string cycle = "pn32 LeistZahlK LeistZahlH LeistZ BetrKo GesEnergWP co2consum";
    const std::string fuelSide = "BetrKo GesHBDHeiz BrennStV Label27 Label38 GesEnergWP co2consum";
    const std::string demand = "BetrKo GesHBDGeB GesHBDHeiz BrennStV Label27 Label38 GesEnergWP co2consum";
    const std::string both = "pn32 LeistZahlK LeistZahlH LeistZ " + demand;
    const struct {
        const char* input;
        std::string marked;  // in the order of ResultField; the input's own text is never marked
    } rows[] = {
        {"WohnFL", demand},
        {"HausTyp", demand},
        {"Klimazone", both},
        {"AmbientT", both},
        {"SpezHeizLeist", demand},
        {"GesHBDGeB", "BetrKo GesHBDHeiz BrennStV Label27 Label38 GesEnergWP co2consum"},
        {"HeizArt", fuelSide},
        {"KesselWirk", fuelSide},
        {"WirkGKessel", fuelSide},
        {"Bereitstell", fuelSide},
        {"BereitStV", fuelSide},
        {"BrennK", "Label27"},
        {"BrennStV", "BetrKo GesHBDGeB GesHBDHeiz Label27 Label38 GesEnergWP co2consum"},
        {"GesHBDHeiz", "BetrKo GesHBDGeB BrennStV Label27 Label38 GesEnergWP co2consum"},
        {"AnwendBereich", cycle},
        {"VFlsize", cycle},
        {"t0", cycle},
        {"Tc", cycle},
        {"EnergKost", "BetrKo"},
        {"EinbindCheck", "BetrKo GesEnergWP co2consum"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.input);
        ProjectRecord edited = Project();
        const ProjectFieldInfo& field = *FindProjectField(row.input);
        if (field.kind == FieldKind::CheckBox)
            edited.EinbindCheck = !edited.EinbindCheck;
        else
            EditableText(edited, field) += "1";
        std::string marked;
        for (const ResultField result : kResultFields)
            if (ResultMark(edited, result) == StaleReason::InputsEdited)
                marked += (marked.empty() ? "" : " ") + std::string(FieldOf(result).name);
        std::string expected;
        for (const ResultField result : kResultFields) {
            const std::string name(FieldOf(result).name);
            if ((" " + row.marked + " ").find(" " + name + " ") != std::string::npos)
                expected += (expected.empty() ? "" : " ") + name;
        }
        EXPECT_EQ(marked, expected);
    }
}

// Enter in a consumption field puts the typed figure back after its run: that text is what was calculated.
TEST_F(InputEdits, BackCalculationLeavesNothingMarked) {
    ProjectRecord& r = Project();
    r.BrennStV = "2345";
    OnEnter(r, &ProjectRecord::BrennStV);
    EXPECT_EQ(r.BrennStV, "2345");
    EXPECT_TRUE(EditedInputs(r).empty());
    r.GesHBDGeB = "17000";
    OnEnter(r, &ProjectRecord::GesHBDGeB);
    EXPECT_TRUE(EditedInputs(r).empty());
}

// The project whose results are shown: the inputs of the last run put back, so a run of it writes exactly
// the texts the record shows (the trace of tervalo-calc describes this run).
TEST_F(InputEdits, AsCalculatedIsTheProjectOfTheResultsShown) {
    ProjectRecord& r = Project();
    r.t0 = "-5";
    OnEnter(r, &ProjectRecord::t0);
    r.Tc = "45";  // Enter in Tc starts nothing
    OnEnter(r, &ProjectRecord::Tc);
    r.WohnFL = "222";
    ASSERT_EQ(EditedInputs(r), (std::vector<std::string_view>{"WohnFL", "Tc"}));
    ProjectRecord shown = AsCalculated(r);
    EXPECT_EQ(shown.Tc, "55");
    EXPECT_EQ(shown.WohnFL, "150");
    CalculationRun(shown);
    for (int i = 0; i < kResultFieldCount; ++i) {
        const auto field = static_cast<ResultField>(i);
        EXPECT_EQ(shown.*ResultText(field), r.*ResultText(field)) << i;
        EXPECT_EQ(ResultMark(shown, field), StaleReason::Current) << i;
    }
    EXPECT_EQ(AsCalculated(ProjectRecord{}).WohnFL, "") << "no run yet: the record itself";
}

}  // namespace
}  // namespace tervalo
