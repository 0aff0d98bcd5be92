#pragma once
// Base of the suites that need a Qt application for a real serial line.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <memory>

namespace torvana {

class QtApplicationSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "link_tests";
            static char* argv[] = {name, nullptr};
            application = std::make_unique<QCoreApplication>(argc, argv);
        }
    }

    // Gone before main returns: at exit Qt's own globals are destroyed first.
    static void TearDownTestSuite() { application.reset(); }

private:
    static inline std::unique_ptr<QCoreApplication> application;
};

}  // namespace torvana
