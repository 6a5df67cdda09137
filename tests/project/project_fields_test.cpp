#include "project/project_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "project/calculation.h"
#include "project/decision/field_values.h"
#include "project_fixture.h"

namespace tervalo {
namespace {

using ProjectFieldsRun = test::ProjectFixture;

// The units the field lists named by hand before the table held them: the reference the table must give.
std::string HandWrittenUnit(std::string_view name, std::string_view currency) {
    if (name == "WohnFL") return "m\u00B2";
    if (name == "SpezHeizLeist") return "kWh/(m\u00B2\u00B7a)";
    if (name == "GesHBDGeB" || name == "GesHBDHeiz" || name == "GesEnergWP") return "kWh/a";
    if (name == "WirkGKessel" || name == "BereitStV") return "%";
    if (name == "t0" || name == "Tc" || name == "pn32") return "\u00B0C";
    if (name == "EnergKost") return std::string(currency) + "/kWh";
    if (name == "Label27" || name == "BetrKo") return std::string(currency) + "/a";
    if (name == "Label38" || name == "co2consum") return "t/a";
    return {};
}

TEST(ProjectFields, UnitsRolesAndResultsAgreeWithTheRecordAndTheRun) {
    std::set<std::string_view> names;
    for (const ProjectFieldInfo& field : ProjectFields()) {
        SCOPED_TRACE(std::string(field.name));
        EXPECT_TRUE(names.insert(field.name).second);
        EXPECT_EQ(FindProjectField(field.name), &field);
        EXPECT_EQ(FixedUnitText(field.unit, "EUR"), HandWrittenUnit(field.name, "EUR"));
        // Typed by the user: exactly the three inputs of the JSON's "inputs" and the price boxes.
        const bool typed = field.name == "WohnFL" || field.name == "BrennK" || field.name == "EnergKost" ||
                           field.kind == FieldKind::PriceBox;
        EXPECT_EQ(field.role == FieldRole::Typed, typed);
        if (field.result) {
            EXPECT_EQ(field.text, ResultText(*field.result));
        }
    }
    EXPECT_EQ(FieldOf(ResultField::GesHBDHeiz).name, "GesHBDHeiz");
    EXPECT_EQ(FindProjectField("wohnfl"), nullptr) << "names are exact";

    // The results written only once the COP is formed: the cycle's COPs and the heat pump's column (and any
    // result added since that says so; the run below holds every result to it).
    for (const std::string_view name :
         {"LeistZahlK", "LeistZahlH", "LeistZ", "BetrKo", "GesEnergWP", "co2consum"})
        EXPECT_TRUE(FindProjectField(name)->needsCop) << name;
    for (const std::string_view name : {"pn32", "GesHBDGeB", "GesHBDHeiz", "BrennStV", "Label27", "Label38"})
        EXPECT_FALSE(FindProjectField(name)->needsCop) << name;

    // A result a user may type over is an input the rules fill.
    for (int i = 0; i < kResultFieldCount; ++i) {
        const ProjectFieldInfo& field = FieldOf(static_cast<ResultField>(i));
        EXPECT_TRUE(field.role == FieldRole::Result || field.role == FieldRole::FilledByRules) << field.name;
    }
    static_assert(Field("WohnFL").unit == FieldUnit::SquareMetre);
    static_assert(Field("BrennStV").result == ResultField::BrennStV);
}

// A result needs the COP exactly when a run that forms none leaves it: the refrigerant's table is missing,
// the fuel side is written all the same.
TEST_F(ProjectFieldsRun, AResultNeedsTheCopExactlyWhenARunWithoutOneLeavesIt) {
    ProjectRecord& r = Project();
    EnterWorkedExample();
    r.RefrigerantName = "R99";
    const CalculationResult run = CalculationRun(r);
    ASSERT_FALSE(run.designPoint.refrigerationCop);
    for (const ProjectFieldInfo& field : ProjectFields()) {
        if (field.result) {
            EXPECT_EQ(field.needsCop, !field.written(run)) << field.name;
        }
    }
}

TEST(ProjectFields, TheUnitLabelsGiveTheFuelUnitsAndTheCurrencyTheOthers) {
    ProjectRecord record;
    record.BrennStKeinh = "EUR/l";
    record.BrennstVUnit = "l/a";
    record.WohnFL = "150";
    record.GesEnergWP = "5000";
    for (const decision::FieldValue& value : decision::ProjectFieldValues(record, 1252, "CHF")) {
        SCOPED_TRACE(std::string(value.name));
        if (value.name == "BrennK")
            EXPECT_EQ(value.unit, "EUR/l");
        else if (value.name == "BrennStV")
            EXPECT_EQ(value.unit, "l/a");
        else
            EXPECT_EQ(value.unit, HandWrittenUnit(value.name, "CHF"));
        const ProjectFieldInfo& field = *FindProjectField(value.name);
        if (field.kind == FieldKind::Text) {
            EXPECT_EQ(value.section == decision::FieldSection::Input, field.role == FieldRole::Typed);
        }
    }
}

TEST(ProjectFields, TheGlossaryHasALineOfFourColumnsPerField) {
    std::istringstream lines(FieldGlossary());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "# NAME\tUNIT\tROLE\tMEANING");
    std::size_t count = 0;
    for (; std::getline(lines, line); ++count) {
        ASSERT_LT(count, ProjectFields().size());
        const ProjectFieldInfo& field = ProjectFields()[count];
        EXPECT_EQ(line.substr(0, line.find('\t')), field.name);
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3) << line;
        EXPECT_EQ(line.substr(line.rfind('\t') + 1), field.meaning);
    }
    EXPECT_EQ(count, ProjectFields().size());
    const std::string glossary = FieldGlossary();
    EXPECT_NE(glossary.find("WohnFL\tm\u00B2\ttyped\theated living area, m\u00B2\n"), std::string::npos);
    EXPECT_NE(
        glossary.find("GesEnergWP\tkWh/a\tfilled by the rules, written by the calculation, needs the COP\t"),
        std::string::npos);
    EXPECT_NE(glossary.find("BrennStKeinh\t-\tunit label\t"), std::string::npos);
}

}  // namespace
}  // namespace tervalo
