#include "log/LogCsv.h"

#include <gtest/gtest.h>

#include <random>

namespace torvana {
namespace {

constexpr int RoundTripRows = 2000;
constexpr unsigned RoundTripSeed = 20261209;

LogRow RandomRow(std::mt19937& random, std::int64_t time)
{
    std::uniform_int_distribution<std::int32_t> value(-70000, 70000);
    std::bernoulli_distribution empty(0.1);
    std::bernoulli_distribution marked(0.05);
    std::uniform_int_distribution<int> length(1, 12);
    const std::string alphabet = "ab ,\"'x1\t;\xC3\xA9\xC5\x99";
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    LogRow row;
    row.timeMs = time;
    for (int i = 0; i < LogChannelCount; ++i) {
        if (!empty(random))
            row.Set(NthChannel(i), value(random));
    }
    if (marked(random)) {
        for (int n = length(random); n > 0; --n)
            row.marker += alphabet[letter(random)];
    }
    return row;
}

// Whatever rows are written, the same rows are read back, markers included.
TEST(LogCsv, RandomRowsReadBackUnchanged)
{
    std::mt19937 random(RoundTripSeed);
    std::uniform_int_distribution<int> step(0, 400);
    std::vector<LogRow> rows;
    std::string text = LogCsvHeader();
    std::int64_t time = 0;
    for (int i = 0; i < RoundTripRows; ++i) {
        time += step(random);
        rows.push_back(RandomRow(random, time));
        text += LogCsvRow(rows.back());
    }
    const LogParse parse = ParseLogCsv(text);
    ASSERT_TRUE(parse.ok) << parse.error;
    EXPECT_EQ(parse.table.skippedRows, 0u) << (parse.table.problems.empty() ? "" : parse.table.problems[0]);
    EXPECT_EQ(parse.table.columns.count(), static_cast<std::size_t>(LogChannelCount));
    ASSERT_EQ(parse.table.rows.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        ASSERT_EQ(parse.table.rows[i], rows[i]) << "row " << i << ": " << LogCsvRow(rows[i]);
}

TEST(LogCsv, HeaderNamesEveryColumnOnce)
{
    const std::string header = LogCsvHeader();
    EXPECT_EQ(header.rfind("time_ms,rpm,", 0), 0u);
    EXPECT_TRUE(header.ends_with(",marker\n"));
    for (int i = 0; i < LogChannelCount; ++i) {
        const std::string name = "," + std::string(ChannelInfo(NthChannel(i)).column) + ",";
        EXPECT_EQ(header.find(name), header.rfind(name)) << name;
        EXPECT_NE(header.find(name), std::string::npos) << name;
    }
}

// Files as people and other programs leave them.
TEST(LogCsv, ReadsTolerantlyAndSaysWhatItLeftOut)
{
    struct Case {
        const char* text;
        bool ok;
        std::size_t rows;
        std::size_t skipped;
        const char* firstProblem;  // the start of the first reason, or of the error
    };
    const Case cases[] = {
        {"", false, 0, 0, "the file is empty"},
        {"rpm,water_c\n1,2\n", false, 0, 0, "the first line is no log header"},
        {"time_ms,rpm,rpm\n", false, 0, 0, "the column rpm is named twice"},
        {"time_ms,marker,x,marker\n", false, 0, 0, "the column marker is named twice"},
        {"time_ms,x,y,time_ms\n", false, 0, 0, "the column time_ms is named twice"},
        {"time_ms,x,y,z\n0,\"a\"b,\"c,d\"e,\n", true, 1, 0, ""},
        {"\xEF\xBB\xBFtime_ms,rpm\r\n0,1\r\n\r\n5,2\r\n", true, 2, 0, ""},
        {"rpm , other, time_ms\n 900 ,x,10\n", true, 1, 0, ""},
        {"time_ms,pressure_kpa\n0,101.35\n1,101\n2,-0.04\n", true, 3, 0, ""},
        {"time_ms,rpm\n0,1\n1,abc\n2,3,4\n3,99999999999\n4,5\n", true, 2, 3, "line 3: \"abc\" in column 2"},
        {"time_ms,rpm\n10,1\n5,2\n", true, 1, 1, "line 3: the time goes back"},
        {"time_ms,rpm,marker\n10,1,\n5,,1 late\n11,2,\n", true, 3, 0, ""},
        {"time_ms,rpm\n,1\n", true, 0, 1, "line 2: no time"},
        {"time_ms,rpm,marker\n0,1,\"open\n", true, 0, 1, "line 2: an unclosed quote"},
        {"time_ms,rpm,marker\n0,1,\n2,3", true, 1, 0, ""},
        {"time_ms,rpm,marker\n0,1,\"a \"\"b\"\", c\"\n", true, 1, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const LogParse parse = ParseLogCsv(c.text);
        EXPECT_EQ(parse.ok, c.ok);
        EXPECT_EQ(parse.table.rows.size(), c.rows);
        EXPECT_EQ(parse.table.skippedRows, c.skipped);
        const std::string said = c.ok ? (parse.table.problems.empty() ? "" : parse.table.problems[0]) : parse.error;
        EXPECT_EQ(said.rfind(c.firstProblem, 0), 0u) << said;
    }
    const LogParse decimals = ParseLogCsv("time_ms,pressure_kpa,advance1_deg\n0,101.35,7\n");
    ASSERT_EQ(decimals.table.rows.size(), 1u);
    EXPECT_EQ(decimals.table.rows[0].Value(LogChannel::Pressure), 1014);
    EXPECT_EQ(decimals.table.rows[0].Value(LogChannel::Advance1), 700);
    EXPECT_FALSE(decimals.table.rows[0].Value(LogChannel::Rpm));
    EXPECT_TRUE(ParseLogCsv("time_ms,rpm,marker\n0,1,\n2,3").table.partialLastLine);
    EXPECT_EQ(ParseLogCsv("time_ms,rpm,marker\n0,1,\"a \"\"b\"\", c\"\n").table.rows[0].marker, "a \"b\", c");
}

}  // namespace
}  // namespace torvana
