// The general error handler: what escapes a handler is reported, never
// thrown on into the window system.
#include "base/ErrorBoundary.h"
#include "base/Error.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace {

class ErrorBoundary : public testing::Test {
protected:
    std::vector<std::string> reports;
    lv::ErrorReport report = [this](const std::string& message) { reports.push_back(message); };
};

TEST_F(ErrorBoundary, PassesResultsThroughWithoutReporting)
{
    EXPECT_EQ(lv::runGuarded([] { return 42; }, report, -1), 42);
    EXPECT_TRUE(lv::runGuarded([] {}, report));
    EXPECT_TRUE(reports.empty());
}

TEST_F(ErrorBoundary, ReportsTheExactMessageAndAnswersTheFailureValue)
{
    EXPECT_EQ(lv::runGuarded([]() -> long { throw lv::Error("Unable to write to C:\\x\\lumivane3.ini"); }, report, -1L),
              -1L);
    EXPECT_FALSE(lv::runGuarded([] { throw std::runtime_error("JPEG error #42"); }, report));
    EXPECT_EQ(reports, (std::vector<std::string>{"Unable to write to C:\\x\\lumivane3.ini", "JPEG error #42"}));
}

TEST_F(ErrorBoundary, GivesPlainTextForExceptionsWithoutMessage)
{
    lv::runGuarded([] { throw 7; }, report);
    lv::runGuarded([] { throw lv::Error(""); }, report);
    lv::runGuarded([] { throw std::bad_alloc(); }, report);
    EXPECT_EQ(reports, (std::vector<std::string>{"Unknown error", "Unknown error", "Out of memory"}));
}

TEST_F(ErrorBoundary, SwallowsAFailingReport)
{
    const lv::ErrorReport failing = [](const std::string&) { throw std::runtime_error("no box"); };
    EXPECT_NO_THROW(EXPECT_EQ(lv::runGuarded([]() -> int { throw lv::Error("x"); }, failing, 0), 0));
}

} // namespace
