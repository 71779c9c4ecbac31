#include "tests/support/gui_test.h"

#include "framework/date.h"
#include "windows/control_wnd.h"

#include <QPlainTextEdit>

namespace {

class CalculationTest : public GuiTest {};

TEST_F(CalculationTest, WorkedExampleShowsStructureMatrixWithStamp) {
    auto w = ::ControlWnd();
    Type(w->Nvariables()->Widget(), "6");
    Type(w->Nfactors()->Widget(), "2");
    w->PmatrixFld()->SetText(".80 .00\r.60 .00\r.40 .30\r.40 .50\r.00 .70\r.00 .60");
    w->FmatrixFld()->SetText("1.00 .50\r.50 1.00");
    Click(w->CalculateBtn()->Widget());
    const rt::Date now;
    EXPECT_EQ(w->SmatrixFld()->Text(), "0.8\t0.4\r0.6\t0.3\r0.55\t0.5\r0.65\t0.7\r0.35\t0.7\r0.3\t0.6\r" +
                                           now.ShortDate() + "  " + now.LongTime());
    EXPECT_TRUE(w->SmatrixFld()->Visible());
    EXPECT_TRUE(w->StructureText()->Visible());
}

} // namespace
