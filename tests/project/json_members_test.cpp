// The objects built in place are those of the JSON library's own forms: the same members, in the same order,
// of the same types.

#include "project/json_members.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tervalo {
namespace {

using Json = nlohmann::ordered_json;

// Equal values of equal types at every level (a signed and an unsigned 3 compare equal, but write alike only
// by chance of their sign).
void ExpectSame(const Json& built, const Json& expected) {
    EXPECT_EQ(built.dump(), expected.dump());
    ASSERT_EQ(built.type(), expected.type()) << expected.dump();
    if (!expected.is_structured()) return;
    ASSERT_EQ(built.size(), expected.size());
    auto e = expected.begin();
    for (auto b = built.begin(); b != built.end(); ++b, ++e) {
        if (expected.is_object()) {
            EXPECT_EQ(b.key(), e.key());
        }
        ExpectSame(*b, *e);
    }
}

TEST(JsonMembers, AnObjectAsTheInitializerListFormGivesIt) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Json nested = {{"low", -2.5}, {"high", nullptr}};
    // Names out of alphabetical order, a long one past the short-string buffer, every kind of value.
    ExpectSame(JsonObject({{"z", 1},
                           {"a", -7},
                           {"unsigned", 3u},
                           {"a_name_much_longer_than_fifteen_characters", 0.1},
                           {"nan", nan},
                           {"text", "n\u00e4me"},
                           {"flag", false},
                           {"none", nullptr},
                           {"nested", nested},
                           {"list", Json::array({1, 2})}}),
               {{"z", 1},
                {"a", -7},
                {"unsigned", 3u},
                {"a_name_much_longer_than_fifteen_characters", 0.1},
                {"nan", nan},
                {"text", "n\u00e4me"},
                {"flag", false},
                {"none", nullptr},
                {"nested", nested},
                {"list", Json::array({1, 2})}});
    ExpectSame(JsonObject({}), Json::object());
}

TEST(JsonMembers, AppendedMembersFollowThoseHeld) {
    Json held = {{"t", -7}, {"cop", 2.25}};
    AppendMembers(held, {{"t0", -12.0}, {"tc", 40}});
    Json expected = {{"t", -7}, {"cop", 2.25}};
    expected["t0"] = -12.0;
    expected["tc"] = 40;
    ExpectSame(held, expected);

    Json none;
    AppendMembers(none, {{"only", "one"}});
    ExpectSame(none, {{"only", "one"}});
}

}  // namespace
}  // namespace tervalo
