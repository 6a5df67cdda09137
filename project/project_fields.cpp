#include "project/project_fields.h"

#include <array>

#include "project/project_lists.h"

namespace tervalo {

namespace {

using R = ProjectRecord;
using K = FieldKind;
using L = ProjectList;

ProjectFieldInfo Text(std::string_view name, std::string R::*text) {
    return {name, K::Text, text, {}, -1};
}
ProjectFieldInfo List(std::string_view name, std::string R::*text, L list) {
    return {name, K::List, text, list, -1};
}
ProjectFieldInfo Label(std::string_view name, K kind, std::string R::*text) {
    return {name, kind, text, {}, -1};
}
ProjectFieldInfo Price(std::string_view name, int box) {
    return {name, K::PriceBox, nullptr, std::nullopt, box};
}

const std::array<ProjectFieldInfo, 41> kFields = {
    Text("WohnFL", &R::WohnFL),
    List("HausTyp", &R::HausTyp, L::HausTyp),
    List("Klimazone", &R::Klimazone, L::Klimazone),
    List("AmbientT", &R::AmbientT, L::AmbientT),
    Text("SpezHeizLeist", &R::SpezHeizLeist),
    Text("GesHBDGeB", &R::GesHBDGeB),
    List("HeizArt", &R::HeizArt, L::HeizArt),
    List("KesselWirk", &R::KesselWirk, L::KesselWirk),
    Text("WirkGKessel", &R::WirkGKessel),
    List("Bereitstell", &R::Bereitstell, L::Bereitstell),
    Text("BereitStV", &R::BereitStV),
    Text("BrennK", &R::BrennK),
    Text("BrennStV", &R::BrennStV),
    Text("GesHBDHeiz", &R::GesHBDHeiz),
    List("AnwendBereich", &R::AnwendBereich, L::AnwendBereich),
    List("VFlsize", &R::VFlsize, L::VFlsize),
    Text("t0", &R::t0),
    Text("Tc", &R::Tc),
    Text("EnergKost", &R::EnergKost),
    ProjectFieldInfo{"EinbindCheck", K::CheckBox, nullptr, {}, -1},
    Text("GesEnergWP", &R::GesEnergWP),
    List("Leitungsdimension", &R::Leitungsdimension, L::Leitungsdimension),
    List("Verdichterbauart", &R::Verdichterbauart, L::Verdichterbauart),
    List("WartungI", &R::WartungI, L::WartungI),
    List("Tempbereich", &R::Tempbereich, L::Tempbereich),
    Label("BrennStKeinh", K::UnitLabel, &R::BrennStKeinh),
    Label("BrennstVUnit", K::UnitLabel, &R::BrennstVUnit),
    Label("Label21", K::UnitLabel, &R::Label21),
    Label("Label39", K::UnitLabel, &R::Label39),
    Label("pn32", K::ResultLabel, &R::pn32),
    Label("LeistZahlK", K::ResultLabel, &R::LeistZahlK),
    Label("LeistZahlH", K::ResultLabel, &R::LeistZahlH),
    Label("LeistZ", K::ResultLabel, &R::LeistZ),
    Label("Label27", K::ResultLabel, &R::Label27),
    Label("Label38", K::ResultLabel, &R::Label38),
    Label("BetrKo", K::ResultLabel, &R::BetrKo),
    Label("co2consum", K::ResultLabel, &R::co2consum),
    Price("BK50", 0),
    Price("BK51", 1),
    Price("BK52", 2),
    Price("BK53", 3),
};

}  // namespace

std::span<const ProjectFieldInfo> ProjectFields() {
    return kFields;
}

const ProjectFieldInfo* FindProjectField(std::string_view name) {
    for (const ProjectFieldInfo& field : ProjectFields())
        if (field.name == name) return &field;
    return nullptr;
}

std::string FieldDisplayText(const ProjectRecord& record, const ProjectFieldInfo& field) {
    if (field.kind == K::CheckBox) return record.EinbindCheck ? "1" : "0";
    if (field.kind == K::PriceBox) return record.BK[static_cast<std::size_t>(field.priceBox)];
    return record.*field.text;
}

std::string& EditableText(ProjectRecord& record, const ProjectFieldInfo& field) {
    if (field.kind == K::PriceBox) return record.BK[static_cast<std::size_t>(field.priceBox)];
    return record.*field.text;
}

}  // namespace tervalo
