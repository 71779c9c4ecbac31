// The runtime finalised and started again in one process: the second run has its own
// application object, and what the framework sets up with the first must not outlive it.
#include "tests/support/refused_activation_test.h"

#include <QTest>

namespace {

class RuntimeStartedAgainTest : public RefusedActivationTest {};

TEST_F(RuntimeStartedAgainTest, AWindowTheUserClicksRaisesActivateAsInTheFirstRun) {
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        rt::RuntimeInit();
        ASSERT_NE(QCoreApplication::instance(), nullptr);
        OpenWindowsAndRefuseOne();
        const int before = second->activations;
        QTest::mouseClick(second->ContentWidget(), Qt::LeftButton);
        MakeActive(*second);
        EXPECT_EQ(second->activations, before + 1);
        rt::RuntimePerformFinalizers();
    }
}

} // namespace
