// core/ on its own, in a process with no display and no application object: Dispatch and the
// unhandled-error report it hands escaping errors to.
#include "framework/core/exception_handling.h"
#include "framework/core/runtime_exception.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> reported;
std::vector<std::string> offered;
bool settles = false;

void RecordReport(const std::exception_ptr& error) {
    reported.push_back(rt::DescribeError(error));
}

bool RecordOffer(const std::exception_ptr& error) {
    offered.push_back(rt::DescribeError(error));
    return settles;
}

class UnhandledErrorReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        reported.clear();
        offered.clear();
        settles = false;
    }
    void TearDown() override { rt::InstallUnhandledErrorReport(nullptr, nullptr); }
};

void RaiseDiskFull() {
    throw rt::RuntimeException("The disk is full.");
}

// The plain report touches nothing of Qt: a message box here would end the process.
TEST_F(UnhandledErrorReportTest, WithNoneInstalledAnEscapingErrorIsOneLineOnStandardError) {
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(rt::Dispatch(&RaiseDiskFull));
    EXPECT_TRUE(rt::Dispatch([] {}));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Quorvane: unhandled error: The disk is full.  (RuntimeException)\n");
}

TEST_F(UnhandledErrorReportTest, DispatchHandsAnEscapingErrorToTheInstalledReport) {
    rt::InstallUnhandledErrorReport(&RecordOffer, &RecordReport);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(rt::Dispatch([] { throw rt::NilObjectException("left to the report"); }));
    settles = true;
    EXPECT_FALSE(rt::Dispatch([] { throw rt::NilObjectException("settled first"); }));
    // A report asked for directly is not offered to the handler.
    rt::UnhandledException(std::make_exception_ptr(rt::RuntimeException("asked for")));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(offered, (std::vector<std::string>{"left to the report\r\r(NilObjectException)",
                                                 "settled first\r\r(NilObjectException)"}));
    EXPECT_EQ(reported, (std::vector<std::string>{"left to the report\r\r(NilObjectException)",
                                                  "asked for\r\r(RuntimeException)"}));

    rt::InstallUnhandledErrorReport(nullptr, nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(rt::Dispatch(&RaiseDiskFull));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Quorvane: unhandled error: The disk is full.  (RuntimeException)\n");
    EXPECT_EQ(reported.size(), 2u);
    EXPECT_EQ(offered.size(), 2u);
}

} // namespace
