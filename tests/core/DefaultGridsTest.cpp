#include "core/Defaults.h"
#include "core/ImageLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <vector>

namespace torvana {
namespace {

// The factory grids row by row, 0 % throttle first, as the tuning sheets list them.
using GridRows = std::array<const char*, CurveRows>;

const GridRows IgnitionVariant0 = {
    "18 13 20 30 31 30 30 32 36 34 36 35 34 40 34",
    "28 30 32 30 31 30 30 32 36 34 36 35 34 40 34",
    "30 30 30 35 36 30 30 32 38 31 36 35 34 38 34",
    "30 33 32 35 36 30 30 32 38 31 36 35 34 38 34",
    "33 33 32 35 36 30 30 32 38 31 36 35 34 38 34",
    "35 33 32 35 36 31 29 30 38 35 36 34 34 38 34",
    "35 32 32 35 36 28 27 30 38 35 36 34 34 35 34",
    "35 35 32 34 36 30 27 30 34 34 33 33 34 35 34",
    "35 35 32 35 33 29 28 31 33 34 33 33 34 33 33",
    "35 30 30 35 33 30 29 31 33 33 33 32 33 32 32",
};

const GridRows IgnitionVariant1 = {
    "18 13 20 30 30 30 30 30 30 30 30 30 27 28 26",
    "28 30 32 30 30 30 30 30 30 30 30 30 27 28 26",
    "29 30 30 36 35 35 27 29 32 27 30 33 27 26 26",
    "29 33 34 36 35 35 29 29 32 27 35 33 27 26 26",
    "33 33 35 36 35 32 29 29 32 27 35 33 27 26 26",
    "35 33 35 36 35 30 29 29 32 27 35 33 27 26 26",
    "35 32 35 36 34 29 27 28 32 27 32 30 28 25 26",
    "35 35 35 36 34 26 22 23 32 27 28 26 25 23 26",
    "35 35 35 36 32 25 21 22 26 27 27 25 24 23 23",
    "35 35 35 36 34 26 21 23 27 28 28 26 25 22 22",
};

const GridRows IgnitionVariant2 = {
    "16 16 15 33 31 33 30 36 35 31 36 37 39 36 36",
    "28 30 18 33 31 33 30 36 37 37 36 37 39 36 35",
    "30 30 30 37 36 34 30 35 37 37 36 38 39 35 35",
    "29 29 36 37 36 34 31 35 37 36 36 38 39 35 34",
    "30 30 35 36 36 34 33 35 37 37 37 38 39 34 31",
    "30 30 35 36 36 32 34 33 37 36 37 38 38 33 31",
    "30 30 35 36 36 31 33 33 36 36 36 37 37 33 31",
    "26 30 34 36 36 32 32 32 34 36 35 37 36 33 31",
    "27 30 34 37 36 32 31 32 35 35 35 34 36 33 32",
    "29 32 33 37 37 31 32 33 35 35 34 34 35 33 32",
};

const GridRows IgnitionVariant3 = {
    "16 16 15 18 22 26 26 30 22 26 32 30 28 27 27",
    "18 11 18 30 22 26 26 33 26 32 32 30 28 27 26",
    "18 25 32 36 28 27 26 33 26 32 32 31 28 27 26",
    "25 29 32 36 26 27 27 33 26 31 32 31 28 27 26",
    "30 30 31 33 26 27 27 36 27 32 32 31 28 26 25",
    "30 30 31 33 26 25 27 28 27 29 32 31 27 24 25",
    "30 30 31 33 26 24 28 30 25 29 32 29 26 25 25",
    "26 26 30 33 27 25 23 30 25 29 30 28 25 25 25",
    "27 27 30 33 27 25 23 28 25 29 29 27 24 23 25",
    "29 29 29 34 28 26 26 28 27 30 30 27 24 24 24",
};

const GridRows InjectionAVariant0 = {
    "69 79 83 86 111 134 140 145 145 147 145 145 149 144 153",
    "83 85 93 98 123 137 141 146 147 151 146 148 151 148 153",
    "87 90 98 100 129 139 144 148 148 154 148 149 153 149 154",
    "88 101 114 115 135 141 145 150 151 157 149 150 154 150 155",
    "91 102 121 122 137 151 146 152 152 159 150 151 156 154 156",
    "92 112 122 124 143 153 153 154 154 162 151 152 159 154 157",
    "95 116 123 127 147 165 158 157 161 168 152 153 162 157 159",
    "99 118 124 132 147 161 164 158 163 166 154 157 164 160 162",
    "100 119 125 135 148 165 165 158 164 165 153 158 165 162 160",
    "108 123 127 128 146 155 158 154 156 155 151 153 155 153 152",
};

const GridRows InjectionAVariant1 = {
    "69 79 83 86 115 132 132 134 136 140 147 140 139 135 148",
    "83 85 93 98 126 132 134 136 138 144 150 148 148 145 149",
    "89 90 98 100 143 143 144 144 140 146 151 148 148 144 151",
    "90 101 114 115 149 149 149 147 144 148 153 150 149 145 153",
    "92 102 120 113 151 159 151 150 148 150 154 151 150 145 153",
    "94 103 115 124 157 160 154 148 151 152 155 152 151 147 155",
    "96 110 117 125 161 162 161 154 154 153 157 154 154 151 158",
    "98 112 119 132 161 167 167 157 156 154 162 155 155 152 157",
    "100 114 117 131 162 166 165 160 158 155 163 156 156 153 152",
    "102 114 116 129 160 163 164 157 160 156 158 157 157 153 146",
};

const GridRows InjectionAVariant2 = {
    "74 64 56 86 119 118 116 159 156 158 166 163 165 167 164",
    "83 76 81 98 126 120 137 163 166 170 169 165 171 169 165",
    "92 90 98 100 140 156 160 166 168 176 171 167 173 171 168",
    "94 90 114 115 149 171 174 168 173 180 172 169 175 175 169",
    "97 105 141 126 161 179 180 180 180 191 177 176 177 183 184",
    "99 120 144 131 168 182 195 189 195 198 193 179 175 184 191",
    "100 120 142 138 183 186 207 197 194 197 189 180 180 188 193",
    "102 123 144 140 180 192 205 191 202 195 185 186 193 204 199",
    "105 126 146 139 182 187 201 198 199 192 186 176 190 198 205",
    "107 123 124 130 163 175 178 175 179 176 174 170 172 186 201",
};

const GridRows InjectionAVariant3 = {
    "74 64 56 82 122 105 127 158 162 149 155 163 174 171 174",
    "75 76 81 84 128 106 148 165 172 155 159 167 178 176 180",
    "79 86 113 109 141 155 167 167 172 166 161 169 180 179 182",
    "80 100 141 112 152 170 176 169 177 171 164 173 187 186 189",
    "84 115 138 118 156 174 188 177 186 174 168 176 189 188 220",
    "86 125 132 124 170 178 197 190 199 179 174 178 195 191 226",
    "87 122 136 134 172 183 203 188 198 190 184 174 195 213 228",
    "88 133 137 136 182 182 201 187 200 189 187 177 193 222 232",
    "90 136 133 135 178 185 193 183 202 185 186 178 191 224 230",
    "92 133 127 130 169 176 191 181 188 182 179 175 187 216 220",
};

const GridRows InjectionBVariant0 = {
    "0 0 6 8 12 16 18 20 22 24 24 21 20 20 20",
    "1 1 6 8 12 16 18 20 22 24 24 21 20 20 20",
    "2 2 6 8 12 16 18 20 22 24 24 21 20 20 20",
    "3 3 6 8 12 16 18 20 22 24 24 21 20 20 20",
    "3 3 6 8 12 16 18 20 22 24 24 21 20 20 20",
    "3 3 6 8 12 16 18 20 22 24 24 21 20 20 20",
    "3 3 6 8 12 16 18 20 22 24 24 21 20 21 20",
    "3 3 6 8 12 16 18 20 22 24 24 21 20 20 20",
    "3 3 6 8 12 16 18 20 22 24 24 21 20 20 20",
    "4 4 6 8 12 16 18 20 22 24 24 21 20 20 20",
};

const GridRows InjectionBVariant1 = {
    "0 0 12 12 12 17 21 23 20 24 24 25 28 32 32",
    "1 1 12 12 12 17 21 23 20 24 24 25 28 32 32",
    "2 2 12 12 12 17 21 23 20 24 24 25 28 32 32",
    "3 3 12 12 12 17 21 23 20 24 24 25 28 32 32",
    "3 3 12 12 12 17 21 23 20 24 24 25 28 32 32",
    "3 3 12 12 12 17 21 23 20 24 24 25 28 32 32",
    "3 3 12 12 12 17 21 23 20 24 24 25 28 33 32",
    "3 3 12 12 12 17 21 23 20 24 24 25 28 32 32",
    "3 3 12 12 12 17 21 23 20 24 24 25 28 32 32",
    "4 4 12 12 12 17 21 23 20 24 24 25 28 32 32",
};
constexpr int TablesPerGroup = 3;
constexpr int FirstIgnition = 0;
constexpr int FirstInjectionA = 3;
constexpr int FirstInjectionB = 6;

std::vector<int> ParseRow(const char* row)
{
    std::istringstream in(row);
    std::vector<int> values;
    for (int value; in >> value;) {
        values.push_back(value);
    }
    return values;
}

ParameterImage DefaultsFor(int bike)
{
    ParameterImage image{};
    image[Offset::Bike] = static_cast<std::uint8_t>(bike);
    FillDefaultParameters(image);
    return image;
}

void ExpectTable(const ParameterImage& image, int table, const GridRows& rows)
{
    for (int row = 0; row < CurveRows; ++row) {
        SCOPED_TRACE(testing::Message() << "table " << table << ", throttle " << TpsAxis[row] << " %");
        const std::vector<int> expected = ParseRow(rows[row]);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(CurveColumns));
        for (int column = 0; column < CurveColumns; ++column) {
            EXPECT_EQ(image[CurveCellOffset(table, row, column)], expected[column]) << "column " << column;
        }
    }
}

void ExpectGroup(const ParameterImage& image, int firstTable, const GridRows& rows)
{
    for (int table = firstTable; table < firstTable + TablesPerGroup; ++table) {
        ExpectTable(image, table, rows);
    }
}

TEST(DefaultGrids, IgnitionTablesOfEveryVariant)
{
    const std::array<const GridRows*, BikeCount> grids = {
        &IgnitionVariant0, &IgnitionVariant1, &IgnitionVariant2, &IgnitionVariant3};
    for (int bike = 0; bike < BikeCount; ++bike) {
        SCOPED_TRACE(testing::Message() << "BIKE " << bike);
        ExpectGroup(DefaultsFor(bike), FirstIgnition, *grids[bike]);
    }
}

TEST(DefaultGrids, InjectionATablesOfEveryVariant)
{
    const std::array<const GridRows*, BikeCount> grids = {
        &InjectionAVariant0, &InjectionAVariant1, &InjectionAVariant2, &InjectionAVariant3};
    for (int bike = 0; bike < BikeCount; ++bike) {
        SCOPED_TRACE(testing::Message() << "BIKE " << bike);
        ExpectGroup(DefaultsFor(bike), FirstInjectionA, *grids[bike]);
    }
}

TEST(DefaultGrids, InjectionBTablesOfSixInjectorVariants)
{
    ExpectGroup(DefaultsFor(0), FirstInjectionB, InjectionBVariant0);
    ExpectGroup(DefaultsFor(1), FirstInjectionB, InjectionBVariant1);
}

TEST(DefaultGrids, ThreeInjectorVariantsClearEveryBCell)
{
    for (int bike : {2, 3}) {
        SCOPED_TRACE(testing::Message() << "BIKE " << bike);
        ParameterImage image{};
        image.fill(0xAA);
        image[Offset::Bike] = static_cast<std::uint8_t>(bike);
        FillDefaultParameters(image);
        for (std::size_t offset = CurveTableOffset(FirstInjectionB); offset < Offset::KnockBlock; ++offset) {
            ASSERT_EQ(image[offset], 0) << "offset " << offset;
        }
    }
}

}  // namespace
}  // namespace torvana
