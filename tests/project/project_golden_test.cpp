// Whole projects against a golden record: 320 projects, each a fresh program run that opens the project
// window and then chooses list entries, types numbers (Enter), clicks the integration box and recalculates in
// a fixed random order, on the staged R22 table. Every text the window shows afterwards, and every message,
// must match the record byte for byte. To rewrite the record after an intended change of results:
//   TERVALO_GOLDEN_RECORD=1 build/tests/project/project_tests --gtest_filter='ProjectGolden.*'

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "project/project_actions.h"
#include "project/project_fields.h"
#include "project/project_lists.h"
#include "project_fixture.h"
#include "support/golden_record.h"

namespace tervalo {
namespace {

using test::WriteBytes;

// Random numbers by explicit arithmetic on the generator's output, the same on every standard library.
class Draw {
  public:
    double Unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    std::size_t Index(std::size_t count) { return static_cast<std::size_t>(engine_() % count); }
    bool Chance(double p) { return Unit() < p; }
    // A number as a user types it: whole or with up to two decimals, sometimes with a decimal comma, now and
    // then something that is no plain number.
    std::string NumberText(double low, double high) {
        static const char* const odd[] = {"", "0", "-5", "abc", "1e3", " 12", "12abc", "-0.5"};
        if (Chance(0.12)) return odd[Index(std::size(odd))];
        const int decimals = static_cast<int>(Index(3));
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals, low + (high - low) * Unit());
        std::string typed = text;
        if (decimals > 0 && Chance(0.2)) typed[typed.find('.')] = ',';
        return typed;
    }

  private:
    std::mt19937_64 engine_{20261207u};
};

// The fields this record was made with: the first of the field table. A result added since follows them and
// has a test of its own, so that it leaves the record as it is.
constexpr std::size_t kRecordedFields = 41;

struct TypedField {
    const char* name;
    std::string ProjectRecord::*field;
    double low, high;
};

const TypedField kTypedFields[] = {
    {"WohnFL", &ProjectRecord::WohnFL, 50, 400},
    {"BrennK", &ProjectRecord::BrennK, 0.1, 2},
    {"WirkGKessel", &ProjectRecord::WirkGKessel, 60, 110},
    {"BereitStV", &ProjectRecord::BereitStV, 0, 40},
    {"EnergKost", &ProjectRecord::EnergKost, 0.05, 0.5},
    {"SpezHeizLeist", &ProjectRecord::SpezHeizLeist, 20, 300},
    {"GesHBDGeB", &ProjectRecord::GesHBDGeB, 1000, 60000},
    {"GesHBDHeiz", &ProjectRecord::GesHBDHeiz, 1000, 80000},
    {"BrennStV", &ProjectRecord::BrennStV, 100, 8000},
    {"Tc", &ProjectRecord::Tc, 25, 70},
    {"t0", &ProjectRecord::t0, -30, 15},
};

const ProjectList kChosenLists[] = {
    ProjectList::AnwendBereich,    ProjectList::WartungI,   ProjectList::Klimazone,
    ProjectList::Bereitstell,      ProjectList::VFlsize,    ProjectList::Leitungsdimension,
    ProjectList::Verdichterbauart, ProjectList::HausTyp,    ProjectList::AmbientT,
    ProjectList::HeizArt,          ProjectList::KesselWirk, ProjectList::Tempbereich};

class ProjectGolden : public test::ProjectFixture {
  protected:
    // A fresh program run in the same directory, with the staged R22 table and the factor and price files.
    void FreshRun(Draw& draw) {
        ProjectFixture::SetUp();
        if (!std::filesystem::exists("R22.DAT")) {
            std::filesystem::copy_file(std::filesystem::path(TERVALO_DIST_DIR) / "R22.DAT", "R22.DAT");
        }
        WriteBytes("energk.dat", draw.Chance(0.5) ? "2000,1,0.3,1,0.6\r\n" : "1500,1,0.25,1.1,0.45\r\n");
        WriteBytes("SpezBK.dat", "\"0.6\"\r\n\"1.13\"\r\n\"0.30\"\r\n\"0.35\"\r\n");
        std::filesystem::remove("TempPart.dat");
        Project().DecimalSeparator = draw.Chance(0.3) ? ',' : '.';
    }

    static void Messages(std::string& out, const WindowMessages& messages) {
        for (const std::string& message : messages) out += "message: " + message + "\n";
    }

    // One project: its actions and the window's texts after them.
    std::string RunProject(int number, Draw& draw) {
        std::string out = "# project " + std::to_string(number) + "\n";
        FreshRun(draw);
        OnWindowLoad(Project());
        OnWindowActivate(Project());
        ProjectRecord& r = Project();

        // A complete project: an entry of every list that enters the calculation, area and electricity price,
        // every heating type and integrated or not in turn.
        for (ProjectList list :
             {ProjectList::HausTyp, ProjectList::Klimazone, ProjectList::AmbientT, ProjectList::AnwendBereich,
              ProjectList::VFlsize, ProjectList::Bereitstell, ProjectList::KesselWirk}) {
            const auto entries = ListEntries(list);
            OnListChosen(Project(), list, entries[draw.Index(entries.size())]);
        }
        r.WohnFL = draw.NumberText(50, 400);
        Messages(out, OnEnter(Project(), &ProjectRecord::WohnFL));
        r.EnergKost = draw.NumberText(0.05, 0.5);
        Messages(out, OnEnter(Project(), &ProjectRecord::EnergKost));
        const auto heatings = ListEntries(ProjectList::HeizArt);
        OnListChosen(Project(), ProjectList::HeizArt,
                     heatings[static_cast<std::size_t>(number) % heatings.size()]);
        const bool integrated = (number / 4) % 2 == 1;
        OnEinbindCheckClicked(Project(), integrated);
        out += "> " + r.HausTyp + ", " + r.Klimazone + ", " + r.AmbientT + ", " + r.AnwendBereich + ", " +
               r.VFlsize + ", " + r.Bereitstell + ", " + r.KesselWirk + ", WohnFL \"" + r.WohnFL +
               "\", EnergKost \"" + r.EnergKost + "\", " + r.HeizArt + ", EinbindCheck " +
               (integrated ? "1" : "0") + "\n";

        const int actions = static_cast<int>(draw.Index(10));
        for (int i = 0; i < actions; ++i) {
            const double kind = draw.Unit();
            if (kind < 0.4) {
                const ProjectList list = kChosenLists[draw.Index(std::size(kChosenLists))];
                const auto entries = ListEntries(list);
                const std::string entry =
                    entries.empty() || draw.Chance(0.08) ? "other" : entries[draw.Index(entries.size())];
                out += "> choose " + std::to_string(static_cast<int>(list)) + ": " + entry + "\n";
                OnListChosen(Project(), list, entry);
            } else if (kind < 0.85) {
                const TypedField& typed = kTypedFields[draw.Index(std::size(kTypedFields))];
                r.*typed.field = draw.NumberText(typed.low, typed.high);
                out += std::string("> ") + typed.name + " = \"" + r.*typed.field + "\" Enter\n";
                Messages(out, OnEnter(Project(), typed.field));
            } else if (kind < 0.92) {
                const bool checked = draw.Chance(0.5);
                out += std::string("> EinbindCheck ") + (checked ? "1" : "0") + "\n";
                OnEinbindCheckClicked(Project(), checked);
            } else if (kind < 0.96) {
                r.HeizArt = heatings[draw.Index(heatings.size())];  // two statements: two draws in order
                if (draw.Chance(0.5)) r.HeizArt += "x";
                out += "> HeizArt typed \"" + r.HeizArt + "\"\n";
                OnHeizArtTextChanged(Project());
            } else {
                out += "> calculate\n";
                OnCalculateCommand(Project());
            }
        }
        for (const ProjectFieldInfo& field : ProjectFields().first(kRecordedFields))
            out += std::string(field.name) + "=" + FieldDisplayText(r, field) + "\n";
        return out;
    }
};

TEST_F(ProjectGolden, EveryProjectShowsTheRecordedTexts) {
    Draw draw;
    std::string text;
    for (int number = 0; number < 320; ++number) text += RunProject(number, draw);

    test::ExpectGoldenRecord(text, std::string(TERVALO_TEST_DATA_DIR) + "/project/project_golden.txt");
}

}  // namespace
}  // namespace tervalo
