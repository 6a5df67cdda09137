#pragma once

// JSON objects built member by member in place. The library's initializer-list form builds each member as an
// array of two and then searches the object for its name before moving it in: for the few thousand figures
// of a results document (the bins of the seasons, the years of the lifetime) that cost more than the
// figures' calculation.

#include <initializer_list>
#include <nlohmann/json.hpp>
#include <utility>

namespace tervalo {

using JsonMembers = std::initializer_list<std::pair<const char*, nlohmann::ordered_json>>;

// Appends `members` in their order to `object` (an object, or null, which becomes one); their names must
// differ from each other and from those it holds, as they are not searched for.
inline void AppendMembers(nlohmann::ordered_json& object, JsonMembers members) {
    if (object.is_null()) object = nlohmann::ordered_json::object();
    auto& fields = object.get_ref<nlohmann::ordered_json::object_t&>();
    fields.reserve(fields.size() + members.size());
    for (const auto& [name, value] : members) fields.emplace_back(name, value);
}

// The object of `members` in their order, the same as the initializer-list form gives for distinct names.
inline nlohmann::ordered_json JsonObject(JsonMembers members) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    AppendMembers(object, members);
    return object;
}

}  // namespace tervalo
