// Bracketing a value in a saturation table and interpolating between the two records; the lookup through the
// refrigerant's table file.

#include "engine/saturation_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "saturation_records.h"

namespace tervalo {
namespace {

using test::ScopedTempDir;
using test::TableLoadOf;
using test::TableText;
using test::WriteBytes;

// Three records of a refrigerant with glide: bubble pressure above dew pressure.
SaturationTable SmallTable() {
    return {{
        {250, 1.0, 1.5, 150, 380, 1300, 5},
        {260, 2.0, 2.8, 162, 385, 1280, 9},
        {270, 4.0, 5.0, 175, 390, 1250, 15},
    }};
}

double Interpolated(const SaturationTable& table, double value, LookupKey mode, SaturationColumn column) {
    const auto bracket = BracketSaturation(table, value, mode);
    EXPECT_TRUE(bracket.has_value());
    if (!bracket) return std::nan("");
    return InterpolateBracket(*bracket, value, column).value_or(std::nan(""));
}

TEST(SaturationBracket, ValueBetweenKeys) {
    const auto bracket = BracketSaturation(SmallTable(), 255, LookupKey::ByTemperature);
    ASSERT_TRUE(bracket);
    EXPECT_TRUE(bracket->found);
    EXPECT_EQ(bracket->LowerRecord.t, 250);
    EXPECT_EQ(bracket->UpperRecord.t, 260);
    EXPECT_DOUBLE_EQ(*InterpolateBracket(*bracket, 255, &SaturationRecord::hLiquid), 156);
    EXPECT_DOUBLE_EQ(*InterpolateBracket(*bracket, 257.5, &SaturationRecord::pBubble), 2.475);
}

TEST(SaturationBracket, ValueEqualToAKeyReturnsThatRecordExactly) {
    const auto table = SmallTable();
    const auto bracket = BracketSaturation(table, 260, LookupKey::ByTemperature);
    ASSERT_TRUE(bracket);
    EXPECT_EQ(bracket->UpperRecord, table.records[1]);
    EXPECT_EQ(bracket->LowerRecord, table.records[0]);
    for (SaturationColumn column :
         {&SaturationRecord::pDew, &SaturationRecord::pBubble, &SaturationRecord::hLiquid,
          &SaturationRecord::hVapour, &SaturationRecord::rhoLiquid, &SaturationRecord::rhoVapour})
        EXPECT_EQ(*InterpolateBracket(*bracket, 260, column), table.records[1].*column);
}

TEST(SaturationBracket, ValueEqualToTheFirstOrLastKeyReturnsThatRecord) {
    const auto table = SmallTable();
    EXPECT_EQ(Interpolated(table, 250, LookupKey::ByTemperature, &SaturationRecord::hVapour), 380);
    EXPECT_EQ(Interpolated(table, 250, LookupKey::ByTemperature, &SaturationRecord::rhoVapour), 5);
    EXPECT_EQ(Interpolated(table, 270, LookupKey::ByTemperature, &SaturationRecord::hVapour), 390);
}

// A Celsius temperature typed at a table's end record reaches the kelvin key through t + 273.15, which may
// round a step off the key's text (−90 + 273.15 < 183.15): that is the record, found, whether the keys are
// searched by halving or record by record; a hundredth of a kelvin beyond stays outside.
TEST(SaturationBracket, EndKeysReachedThroughCelsiusAreFound) {
    int roundedOff = 0;
    for (int first = -120; first <= 40; ++first) {
        for (const int hundredths : {0, 15, 50}) {
            const double t0 = first + hundredths / 100.0;
            const double t1 = t0 + 100;
            SaturationTable table{
                {{std::strtod(std::to_string(t0 + 273.15).c_str(), nullptr), 1, 1, 100, 300, 1000, 5},
                 {std::strtod(std::to_string(t1 + 273.15).c_str(), nullptr), 9, 9, 200, 350, 800, 40}}};
            roundedOff += table.records[0].t != t0 + 273.15 || table.records[1].t != t1 + 273.15;
            for (const bool halving : {false, true}) {
                table.keyAscending = {halving, false, false};
                for (const double t : {t0, t1}) {
                    SCOPED_TRACE(testing::Message() << t << (halving ? " by halving" : " by scan"));
                    const auto at = BracketSaturation(table, t + 273.15, LookupKey::ByTemperature);
                    ASSERT_TRUE(at);
                    EXPECT_TRUE(at->found);
                    const double beyond = t == t0 ? t - 0.01 : t + 0.01;
                    EXPECT_FALSE(BracketSaturation(table, beyond + 273.15, LookupKey::ByTemperature)->found);
                }
            }
        }
    }
    EXPECT_GT(roundedOff, 0) << "no key rounded off: the test would not see the tolerance";
}

TEST(SaturationBracket, OutsideTheRangeExtrapolatesAlongTheEdgeRecords) {
    const auto table = SmallTable();
    const auto below = BracketSaturation(table, 240, LookupKey::ByTemperature);
    ASSERT_TRUE(below);
    EXPECT_FALSE(below->found);
    EXPECT_EQ(below->LowerRecord, table.records[0]);
    EXPECT_EQ(below->UpperRecord, table.records[1]);
    EXPECT_DOUBLE_EQ(*InterpolateBracket(*below, 240, &SaturationRecord::hLiquid), 138);

    const auto above = BracketSaturation(table, 280, LookupKey::ByTemperature);
    ASSERT_TRUE(above);
    EXPECT_FALSE(above->found);
    EXPECT_EQ(above->LowerRecord, table.records[1]);
    EXPECT_EQ(above->UpperRecord, table.records[2]);
    EXPECT_DOUBLE_EQ(*InterpolateBracket(*above, 280, &SaturationRecord::hLiquid), 188);
}

TEST(SaturationBracket, ByDewPressureTheDewColumnHoldsTheTemperature) {
    const auto table = SmallTable();
    const auto bracket = BracketSaturation(table, 3.0, LookupKey::ByDewPressure);
    ASSERT_TRUE(bracket);
    EXPECT_EQ(bracket->LowerRecord.t, 2.0);  // the key slot holds the dew pressure
    EXPECT_EQ(bracket->LowerRecord.pDew, 260);
    EXPECT_DOUBLE_EQ(*InterpolateBracket(*bracket, 3.0, &SaturationRecord::pDew), 265);
    EXPECT_DOUBLE_EQ(*InterpolateBracket(*bracket, 3.0, &SaturationRecord::pBubble), 3.9);
}

TEST(SaturationBracket, ByBubblePressureTheBubbleColumnHoldsTheTemperature) {
    const auto table = SmallTable();
    EXPECT_DOUBLE_EQ(Interpolated(table, 2.8, LookupKey::ByBubblePressure, &SaturationRecord::pBubble), 260);
    EXPECT_DOUBLE_EQ(Interpolated(table, 3.9, LookupKey::ByBubblePressure, &SaturationRecord::pBubble), 265);
    EXPECT_DOUBLE_EQ(Interpolated(table, 3.9, LookupKey::ByBubblePressure, &SaturationRecord::pDew), 3.0);
}

TEST(SaturationBracket, DegenerateTables) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // A single record brackets with itself; interpolation then has no slope and fails.
    const SaturationTable single{{{250, 1, 1, 150, 380, 1300, 5}}};
    const auto one = BracketSaturation(single, 250, LookupKey::ByTemperature);
    ASSERT_TRUE(one);
    EXPECT_FALSE(InterpolateBracket(*one, 250, &SaturationRecord::hLiquid).has_value());
    EXPECT_FALSE(InterpolateBracket(*one, 260, &SaturationRecord::hLiquid).has_value());

    EXPECT_FALSE(BracketSaturation(SaturationTable{}, 250, LookupKey::ByTemperature).has_value());
    EXPECT_FALSE(BracketSaturation(SmallTable(), nan, LookupKey::ByTemperature).has_value());

    // Two equal keys: the value at the key takes the first of them, between them there is nothing to divide.
    const SaturationTable twice{
        {{250, 1, 1, 150, 380, 1300, 5}, {250, 1, 1, 151, 380, 1300, 5}, {260, 2, 2, 160, 385, 1280, 9}}};
    EXPECT_EQ(Interpolated(twice, 250, LookupKey::ByTemperature, &SaturationRecord::hLiquid), 150);
    const auto flatAbove = BracketSaturation(SaturationTable{{twice.records[0], twice.records[1]}}, 255,
                                             LookupKey::ByTemperature);
    ASSERT_TRUE(flatAbove);
    EXPECT_FALSE(InterpolateBracket(*flatAbove, 255, &SaturationRecord::hLiquid).has_value());

    // Records whose key is not a number take no part.
    const SaturationTable gaps{{{nan, 0, 0, 0, 0, 0, 0},
                                {250, 1, 1, 150, 380, 1300, 5},
                                {nan, 0, 0, 0, 0, 0, 0},
                                {260, 2, 2, 160, 385, 1280, 9}}};
    EXPECT_DOUBLE_EQ(Interpolated(gaps, 255, LookupKey::ByTemperature, &SaturationRecord::hLiquid), 155);
    EXPECT_DOUBLE_EQ(Interpolated(gaps, 245, LookupKey::ByTemperature, &SaturationRecord::hLiquid), 145);
    EXPECT_DOUBLE_EQ(Interpolated(gaps, 265, LookupKey::ByTemperature, &SaturationRecord::hLiquid), 165);

    // Descending temperatures give some bracket, without running past the table.
    const SaturationTable descending{
        {SmallTable().records[2], SmallTable().records[1], SmallTable().records[0]}};
    for (double value : {240.0, 255.0, 265.0, 280.0})
        EXPECT_TRUE(BracketSaturation(descending, value, LookupKey::ByTemperature).has_value());
}

// The reading the cycle makes (the records in place, one fraction for all columns) gives the number of the
// copied bracket's interpolation bit for bit, and fails where it fails: every key, every column, values
// inside, at and outside the keys, on tables with equal keys, gaps and falling keys.
TEST(SaturationBracket, ReadingInPlaceIsTheInterpolationBitForBit) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::mt19937 random(27);
    std::uniform_real_distribution<double> spread(-1, 1);
    std::vector<SaturationTable> tables{SmallTable()};
    tables.push_back(
        {{{250, 1, 1, 150, 380, 1300, 5}, {250, 1, 1, 151, 380, 1300, 5}, {260, 2, 2.5, 160, 385, 1280, 9}}});
    tables.push_back(
        {{{nan, 0, 0, 0, 0, 0, 0}, {250, 1, 1.5, 150, 380, 1300, 5}, {260, 2, 2.2, 160, 385, 1280, 9}}});
    tables.push_back({{SmallTable().records[2], SmallTable().records[0], SmallTable().records[1]}});
    SaturationTable fine;
    for (int i = 0; i < 80; ++i) {
        const double t = 200 + 2 * i;
        fine.records.push_back({t, std::exp(10 - 2400 / t), std::exp(10.1 - 2400 / t), 100 + 1.1 * i,
                                400 + 0.2 * i, 1400 - 3.3 * i, std::exp(i * 0.05)});
    }
    tables.push_back(fine);
    for (SaturationTable& table : tables) FindAscendingKeys(table);
    tables.push_back(fine);  // searched record by record

    const SaturationColumn columns[] = {&SaturationRecord::t,        &SaturationRecord::pDew,
                                        &SaturationRecord::pBubble,  &SaturationRecord::hLiquid,
                                        &SaturationRecord::hVapour,  &SaturationRecord::rhoLiquid,
                                        &SaturationRecord::rhoVapour};
    for (const SaturationTable& table : tables)
        for (LookupKey mode :
             {LookupKey::ByTemperature, LookupKey::ByDewPressure, LookupKey::ByBubblePressure})
            for (int trial = 0; trial < 300; ++trial) {
                const SaturationRecord& near =
                    table.records[static_cast<std::size_t>(trial) % table.records.size()];
                const double key = SaturationKey(near, mode);
                const double value = trial % 5 == 0 ? key : key * (1 + 0.2 * spread(random));
                const auto copied = BracketSaturation(table, value, mode);
                const auto inPlace = FindSaturationBracket(table, value, mode);
                ASSERT_EQ(copied.has_value(), inPlace.has_value());
                if (!copied) continue;
                EXPECT_EQ(copied->found, inPlace->found);
                const auto point = PointInBracket(*inPlace, value, mode);
                for (SaturationColumn column : columns) {
                    const auto expected = InterpolateBracket(*copied, value, column);
                    const auto read = point ? ReadAtPoint(*point, column) : std::nullopt;
                    ASSERT_EQ(expected.has_value(), read.has_value()) << value;
                    if (expected) {
                        EXPECT_EQ(std::memcmp(&*expected, &*read, sizeof(double)), 0) << value;
                    }
                }
            }
}

TEST(SaturationLookup, LooksUpTheLoadedTable) {
    const SaturationLookup lookup =
        LookupSaturation(TableLoadOf(SmallTable().records), 265, LookupKey::ByTemperature);
    ASSERT_EQ(lookup.status, EngineStatus::Ok);
    EXPECT_TRUE(lookup.bracket.found);
    EXPECT_EQ(lookup.bracket.LowerRecord.t, 260);
    EXPECT_DOUBLE_EQ(*InterpolateBracket(lookup.bracket, 265, &SaturationRecord::hVapour), 387.5);
}

// The tables as the program loads them: by the refrigerant's name, from the current directory.
TEST(SaturationLookup, AliasesReadTheSameFile) {
    const ScopedTempDir dir;
    // PROPAN.DAT stores negated enthalpies and specific volumes.
    WriteBytes("PROPAN.DAT", "250,1,1,-150,-380,2,40\r\n260,2,2,-160,-385,2.5,20\r\n");
    for (const char* name : {"PROPAN", "R290"}) {
        const SaturationLookup lookup =
            LookupSaturation(LoadRefrigerantTable(name), 255, LookupKey::ByTemperature);
        ASSERT_EQ(lookup.status, EngineStatus::Ok) << name;
        EXPECT_DOUBLE_EQ(*InterpolateBracket(lookup.bracket, 255, &SaturationRecord::hLiquid), 155) << name;
        EXPECT_DOUBLE_EQ(*InterpolateBracket(lookup.bracket, 255, &SaturationRecord::rhoLiquid), 450) << name;
        EXPECT_DOUBLE_EQ(*InterpolateBracket(lookup.bracket, 255, &SaturationRecord::rhoVapour), 37.5)
            << name;
    }
}

TEST(SaturationLookup, FailuresGiveAnEmptyBracket) {
    const ScopedTempDir dir;
    WriteBytes("R13.DAT", "250,1,1,150,380,1300,5\r\n260,1");
    struct Row {
        const char* name;
        EngineStatus status;
    };
    for (const Row& row :
         {Row{"R12", EngineStatus::MissingTable}, Row{"r22", EngineStatus::UnknownRefrigerant},
          Row{"", EngineStatus::UnknownRefrigerant}, Row{"R13", EngineStatus::DamagedTable}}) {
        SCOPED_TRACE(row.name);
        const SaturationLookup lookup =
            LookupSaturation(LoadRefrigerantTable(row.name), 255, LookupKey::ByTemperature);
        EXPECT_EQ(lookup.status, row.status);
        EXPECT_FALSE(lookup.bracket.found);
        EXPECT_EQ(lookup.bracket.LowerRecord, SaturationRecord{});
        EXPECT_FALSE(InterpolateBracket(lookup.bracket, 255, &SaturationRecord::hLiquid).has_value());
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const SaturationLookup nothing =
        LookupSaturation(TableLoadOf(SmallTable().records), nan, LookupKey::ByTemperature);
    EXPECT_EQ(nothing.status, EngineStatus::InvalidArithmetic);
    EXPECT_EQ(nothing.bracket.UpperRecord, SaturationRecord{});
}

// Outside its range a table brackets with its own edge records, whatever was looked up in another before.
TEST(SaturationLookup, OutOfRangeTakesTheTablesOwnEdgeRecords) {
    const SaturationTableLoad wide =
        TableLoadOf({{100, 0.1, 0.1, 50, 300, 1.0, 100}, {400, 40, 40, 300, 400, 2.0, 10}}, "R12.DAT");
    const SaturationTableLoad small = TableLoadOf(SmallTable().records);
    ASSERT_EQ(LookupSaturation(wide, 200, LookupKey::ByTemperature).status, EngineStatus::Ok);
    for (double value : {200.0, 250.0, 300.0}) {
        SCOPED_TRACE(value);
        const SaturationLookup lookup = LookupSaturation(small, value, LookupKey::ByTemperature);
        ASSERT_EQ(lookup.status, EngineStatus::Ok);
        EXPECT_GE(lookup.bracket.LowerRecord.t, 250);
        EXPECT_LE(lookup.bracket.UpperRecord.t, 270);
        EXPECT_EQ(lookup.bracket.found, value == 250.0);
    }
}

TEST(SaturationLookup, HalvingFindsTheBracketsOfTheRecordByRecordScan) {
    // Ascending keys with repeats at the ends and inside, as the pressure columns of blends have them.
    std::vector<SaturationRecord> records = test::LinearRecords(0.25);
    records.insert(records.begin(), records.front());
    records.insert(records.begin() + 10, records[10]);
    records.push_back(records.back());
    SaturationTable halving{records, {}};
    FindAscendingKeys(halving);
    const SaturationTable scanning{records, {}};
    ASSERT_TRUE(halving.keyAscending[0] && halving.keyAscending[1] && halving.keyAscending[2]);

    std::vector<double> values = {-1e308,
                                  0,
                                  1,
                                  7.77,
                                  12.3,
                                  200,
                                  268.15,
                                  300,
                                  400,
                                  401,
                                  1e308,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    // And values anywhere, which the halving without branches must place as the scan does.
    std::mt19937_64 random(27);
    std::uniform_real_distribution<double> anywhere(-5, 405);
    for (int i = 0; i < 2000; ++i) values.push_back(anywhere(random));
    for (const SaturationRecord& record : records)
        for (double key : {record.t, record.pDew, record.pBubble}) {
            values.push_back(key);
            values.push_back(std::nextafter(key, -1e308));
            values.push_back(std::nextafter(key, 1e308));
        }
    for (LookupKey mode : {LookupKey::ByTemperature, LookupKey::ByDewPressure, LookupKey::ByBubblePressure})
        for (double value : values) {
            SCOPED_TRACE(value);
            const auto fast = BracketSaturation(halving, value, mode);
            const auto slow = BracketSaturation(scanning, value, mode);
            ASSERT_EQ(fast.has_value(), slow.has_value());
            if (!fast) continue;
            EXPECT_EQ(fast->LowerRecord, slow->LowerRecord);
            EXPECT_EQ(fast->UpperRecord, slow->UpperRecord);
            EXPECT_EQ(fast->found, slow->found);
        }
}

TEST(SaturationLookup, KeysThatFallOrAreNotNumbersAreScannedRecordByRecord) {
    std::vector<SaturationRecord> records = test::LinearRecords();
    SaturationTable table{records, {}};
    FindAscendingKeys(table);
    EXPECT_TRUE(table.keyAscending[0]);
    std::swap(table.records[3].t, table.records[4].t);
    FindAscendingKeys(table);
    EXPECT_FALSE(table.keyAscending[0]);
    EXPECT_TRUE(table.keyAscending[1]);
    table.records[7].pDew = std::numeric_limits<double>::quiet_NaN();
    FindAscendingKeys(table);
    EXPECT_FALSE(table.keyAscending[1]);
}

}  // namespace
}  // namespace tervalo
