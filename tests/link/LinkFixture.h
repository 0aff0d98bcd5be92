#pragma once
// A link wired to an in-memory line and an echoing stand-in unit, with a
// consistent image on both sides.

#include "FakeSerialLine.h"
#include "link/UnitLink.h"
#include "texts/MessageTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace torvana {

class LinkFixture : public ::testing::Test {
protected:
    LinkFixture();

    void Ticks(int n);
    // Ticks until no transfer runs; returns the ticks taken (limit when it never ends).
    int RunUntilIdle(int limit = 2000);
    // Commands of the block frames sent, monitor requests left out.
    std::vector<std::uint8_t> BlockCommandsSent() const;
    int SendsOf(std::uint8_t command) const;

    ParameterImage image{};
    MessageTable messages;
    FakeSerialLine line;
    EchoingUnit unit{line};
    UnitLink link{image, messages};
};

// Commands first to last, inclusive.
std::vector<std::uint8_t> CommandRange(int first, int last);

}  // namespace torvana
