#include "project/decision/what_if.h"

#include "project/project_actions.h"
#include "project/project_lists.h"
#include "project_fixture.h"

namespace tervalo::decision {
namespace {

class WhatIf : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        InstallCalculationFiles();
        TypeSampleHouse();
        r.EnergKost = "0.25";
        OnEnter(r, &ProjectRecord::EnergKost);
    }
    ProjectRecord& r = Project();
};

TEST_F(WhatIf, EveryCellShowsWhatTheWindowShowsAfterTheSameTwoChoices) {
    r.DecimalSeparator = ',';
    const ProjectRecord before = r;
    const std::vector<WhatIfCell> cells = EvaluateWhatIf(r, LoadCalculationData(r));
    ASSERT_EQ(cells.size(), 35u);

    const auto sources = ListEntries(ProjectList::AnwendBereich);
    const auto distributions = ListEntries(ProjectList::VFlsize);
    int differentCops = 0;
    for (const WhatIfCell& cell : cells) {
        SCOPED_TRACE(testing::Message() << "cell " << cell.heatSource << " × " << cell.distribution);
        ProjectRecord single = before;
        OnListChosen(single, ProjectList::AnwendBereich, sources[cell.heatSource - 1]);
        OnListChosen(single, ProjectList::VFlsize, distributions[cell.distribution - 1]);
        EXPECT_EQ(cell.heatSourceText, single.AnwendBereich);
        EXPECT_EQ(cell.distributionText, single.VFlsize);
        EXPECT_EQ(cell.t0, single.t0);
        EXPECT_EQ(cell.Tc, single.Tc);
        EXPECT_EQ(cell.LeistZahlH, single.LeistZahlH);
        EXPECT_EQ(cell.GesEnergWP, single.GesEnergWP);
        EXPECT_EQ(cell.BetrKo, single.BetrKo);
        EXPECT_EQ(cell.co2consum, single.co2consum);
        ASSERT_TRUE(cell.heatingCop && cell.saving.money);
        EXPECT_EQ(single.LeistZahlH, "hp50 = " + PointFormat(cell.heatingCop->value));
        EXPECT_EQ(cell.saving.money->value, LeadingNumber(single.Label27) - LeadingNumber(single.BetrKo));
        if (cell.LeistZahlH != cells.front().LeistZahlH) ++differentCops;
    }
    EXPECT_GT(differentCops, 10) << "heat source and distribution move the design point";
    EXPECT_EQ(cells[7].heatSource, 2);
    EXPECT_EQ(cells[7].distribution, 3);

    EXPECT_EQ(r.AnwendBereich, before.AnwendBereich) << "the project itself is not changed";
    EXPECT_EQ(r.LeistZahlH, before.LeistZahlH);
    EXPECT_EQ(r.lists, before.lists);
}

}  // namespace
}  // namespace tervalo::decision
