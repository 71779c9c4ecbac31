#include "tests/support/gui_test.h"

#include "app/startup.h"
#include "framework/core/text_functions.h"
#include "framework/platform/picture.h"
#include "windows/about_wnd.h"
#include "windows/control_wnd.h"
#include "windows/description_wnd.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <sstream>

namespace {

constexpr const char* kHelpClass = "DescriptionWnd.DescriptionWnd";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line, '\r'))
        lines.push_back(line);
    if (!text.empty() && text.back() == '\r')
        lines.emplace_back();
    return lines;
}

int OpenHelpWindows() {
    const auto open = rt::OpenWindows();
    return static_cast<int>(std::count_if(
        open.begin(), open.end(), [](const auto& w) { return w->FullName() == kHelpClass; }));
}

// The program as the user has it: application object, the splash, then the calculator in front.
class HelpWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        NewAppInstance();
        ApplicationAddMenuHandlers();
        calculator = CalculatorInFront();
    }
    std::shared_ptr<class ControlWnd> calculator;
};

void ExpectOnlyTitleBold(class DescriptionWnd& help) {
    const auto area = help.DescribeFld2();
    const auto styled = area->StyledText();
    const std::int64_t length = rt::Len(area->Text());
    ASSERT_GT(length, 8);
    std::string wrong;
    for (std::int64_t i = 0; i < length; ++i)
        if (styled->IsBold(i) != (i < 8))
            wrong += " " + std::to_string(i);
    EXPECT_EQ(wrong, "") << "positions whose weight is wrong";
}

enum class Request { HelpPicture, DescriptionCommand };
enum class Closing { CloseCommand, CloseBox };

struct RequestCase {
    const char* name;
    Request request;
    Closing closing;
};

class HelpRequestTest : public HelpWindowTest, public ::testing::WithParamInterface<RequestCase> {
protected:
    std::shared_ptr<class DescriptionWnd> RequestHelp() {
        if (GetParam().request == Request::HelpPicture)
            Click(calculator->helpBtn()->Widget());
        else
            Choose(*calculator, "DescriptionMenuItem");
        return rt::Cast<class DescriptionWnd>(rt::GetImplicitWindow(kHelpClass));
    }
    void CloseHelp(class DescriptionWnd& help) {
        if (GetParam().closing == Closing::CloseCommand)
            Choose(help, "CloseMenuItem");
        else
            help.TopWidget()->close();
        Settle();
    }
};

TEST_P(HelpRequestTest, OneHelpWindowAtATimeAndANewOneAfterClosing) {
    const auto first = RequestHelp();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->Visible());
    ExpectOnlyTitleBold(*first);

    MakeActive(*calculator);
    EXPECT_EQ(RequestHelp(), first);
    EXPECT_EQ(OpenHelpWindows(), 1);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return QApplication::activeWindow() == first->TopWidget(); }, 1000));

    CloseHelp(*first);
    EXPECT_TRUE(first->IsClosed());
    EXPECT_EQ(rt::GetImplicitWindow(kHelpClass), nullptr);
    EXPECT_FALSE(rt::QuitRequested());
    EXPECT_FALSE(calculator->IsClosed());
    EXPECT_TRUE(calculator->Visible());

    const auto second = RequestHelp();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->Visible());
    EXPECT_EQ(second->DescribeFld2()->Text(), DescriptionWnd::HelpText());
    ExpectOnlyTitleBold(*second);
}

const RequestCase kRequests[] = {
    {"HelpPictureThenCloseCommand", Request::HelpPicture, Closing::CloseCommand},
    {"HelpPictureThenCloseBox", Request::HelpPicture, Closing::CloseBox},
    {"DescriptionCommandThenCloseCommand", Request::DescriptionCommand, Closing::CloseCommand},
    {"DescriptionCommandThenCloseBox", Request::DescriptionCommand, Closing::CloseBox},
};

INSTANTIATE_TEST_SUITE_P(Requests, HelpRequestTest, ::testing::ValuesIn(kRequests),
                         [](const auto& info) { return std::string(info.param.name); });

class OpenHelpTest : public HelpWindowTest {
protected:
    void SetUp() override {
        HelpWindowTest::SetUp();
        help = ::DescriptionWnd();
    }
    std::shared_ptr<class DescriptionWnd> help;
};

TEST_F(OpenHelpTest, ShowsTheHelpTextFromTheResource) {
    std::string resource = rt::ResourceText("help.txt");
    std::replace(resource.begin(), resource.end(), '\n', '\r');
    const std::string text = help->DescribeFld2()->Text();
    EXPECT_EQ(text, resource);
    EXPECT_EQ(text.find('\n'), std::string::npos);

    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), 56u);
    EXPECT_EQ(lines[0], "Quorvane");
    EXPECT_EQ(lines[6], "Input");
    EXPECT_EQ(lines[13], "There can be from 4  to 99 variables. The number of first order factors "
                         "must range from 2 to 10.");
    EXPECT_EQ(lines[16], "Operation of Quorvane Program");
    EXPECT_EQ(lines[41], "Caution");
    EXPECT_EQ(lines[45], "References");
    EXPECT_EQ(lines[50], std::string(59, '*'));
    const std::vector<std::string> example(lines.begin() + 19, lines.begin() + 38);
    const std::vector<std::string> expected = {"The pattern matrix (P):",
                                               ".80\t.00",
                                               ".60\t.00",
                                               ".40\t.30",
                                               ".40\t.50",
                                               ".00\t.70",
                                               ".00\t.60",
                                               "",
                                               "The factor correlation matrix (F):",
                                               "1.00\t.50",
                                               ".50\t     1.00",
                                               "",
                                               "The structure matrix (S) resulting from P x F:",
                                               " 0.8     0.4",
                                               " 0.6     0.3",
                                               " 0.55   0.5",
                                               " 0.65   0.7",
                                               " 0.35   0.7",
                                               " 0.3     0.6"};
    EXPECT_EQ(example, expected);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool exampleRow = (i >= 20 && i <= 25) || i == 28 || i == 29;
        EXPECT_EQ(lines[i].find('\t') != std::string::npos, exampleRow) << "line " << i + 1;
    }
}

TEST_F(OpenHelpTest, TextCannotBeChanged) {
    QWidget* area = help->DescribeFld2()->Widget();
    const std::string before = help->DescribeFld2()->Text();
    QApplication::clipboard()->setText("pasted");
    Type(area, "typed");
    Press(area, Qt::Key_Return, "\r");
    Press(area, Qt::Key_Backspace, "\b");
    Press(area, Qt::Key_Delete, "\x7f");
    Press(area, Qt::Key_A, "a", Qt::ControlModifier);
    Press(area, Qt::Key_X, "x", Qt::ControlModifier);
    Press(area, Qt::Key_V, "v", Qt::ControlModifier);
    EXPECT_EQ(help->DescribeFld2()->Text(), before);
    EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(area)->isReadOnly());
}

// The help text is styled: a copy of it keeps the bold title for the programs that read styles.
TEST_F(OpenHelpTest, CopiedTextKeepsItsStyles) {
    auto* area = qobject_cast<QPlainTextEdit*>(help->DescribeFld2()->Widget());
    QWidget* page = area->viewport();
    MakeActive(*help);
    QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseMove(page, QPoint(page->width() / 2, page->height() / 2));
    QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier,
                        QPoint(page->width() / 2, page->height() / 2));
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    Choose(*help, "EditCopy");
    const QMimeData* copied = clipboard->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->hasHtml()) << copied->formats().join(' ').toStdString();
    EXPECT_TRUE(copied->html().contains("font-weight")) << copied->html().toStdString();
    const std::string text = copied->text().replace('\n', '\r').toStdString();
    EXPECT_GT(text.size(), 40u);
    EXPECT_EQ(help->DescribeFld2()->Text().rfind(text, 0), 0u) << text;
}

TEST_F(OpenHelpTest, WindowFrame) {
    QWidget* top = help->TopWidget();
    EXPECT_EQ(top->windowTitle(), "Description");
    EXPECT_EQ(help->ContentWidget()->size(), QSize(450, 500));
    EXPECT_EQ(help->DescribeFld2()->Widget()->geometry(), QRect(-1, -1, 452, 485));
    const Qt::WindowFlags flags = top->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowFullscreenButtonHint));
    EXPECT_EQ(help->ContentWidget()->minimumSize(), QSize(64, 64));
    EXPECT_EQ(help->ContentWidget()->maximumSize(), QSize(32000, 32000));
}

struct SizeCase {
    const char* name;
    QSize content;
};

class HelpResizeTest : public OpenHelpTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(HelpResizeTest, TextAreaKeepsItsDistancesToTheEdges) {
    QWidget* top = help->TopWidget();
    QWidget* content = help->ContentWidget();
    const QSize frame = top->size() - content->size();
    top->resize(GetParam().content + frame);
    Settle();
    ASSERT_EQ(content->size(), GetParam().content);
    const QSize size = content->size();
    EXPECT_EQ(help->DescribeFld2()->Widget()->geometry(),
              QRect(-1, -1, size.width() + 2, size.height() - 15));
}

const SizeCase kSizes[] = {
    {"Larger", QSize(700, 640)},
    {"Smaller", QSize(300, 200)},
    {"Minimum", QSize(64, 64)},
};

INSTANTIATE_TEST_SUITE_P(Sizes, HelpResizeTest, ::testing::ValuesIn(kSizes),
                         [](const auto& info) { return std::string(info.param.name); });

struct EnablingCase {
    const char* item;
    bool enabled;
};

class HelpEnablingTest : public OpenHelpTest, public ::testing::WithParamInterface<EnablingCase> {};

// The menu model is shared: the calculator's enabling runs first, so the help window's must
// not inherit it.
TEST_P(HelpEnablingTest, HelpWindowEnablesOnlyItsOwnCommands) {
    ASSERT_NE(OpenMenuAction(*calculator, GetParam().item), nullptr);
    QAction* action = OpenMenuAction(*help, GetParam().item);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->isEnabled(), GetParam().enabled);
}

const EnablingCase kHelpEnabling[] = {
    {"ControlMenuItem", true}, {"CloseMenuItem", true},  {"EditCopy", true},
    {"FileQuit", true},        {"AboutMenuItem", false}, {"DescriptionMenuItem", false},
    {"EditUndo", false},       {"EditCut", false},       {"EditPaste", false},
};

INSTANTIATE_TEST_SUITE_P(Items, HelpEnablingTest, ::testing::ValuesIn(kHelpEnabling),
                         [](const auto& info) { return std::string(info.param.item); });

TEST_F(OpenHelpTest, ControlBringsTheCalculatorForwardAndLeavesHelpOpen) {
    calculator->Hide();
    MakeActive(*help);
    Choose(*help, "ControlMenuItem");
    EXPECT_TRUE(calculator->Visible());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return QApplication::activeWindow() == calculator->TopWidget(); }, 1000));
    EXPECT_FALSE(help->IsClosed());
    EXPECT_TRUE(help->Visible());
    EXPECT_EQ(::DescriptionWnd(), help);
}

TEST_F(OpenHelpTest, MenuHandlersAnswerFalse) {
    EXPECT_FALSE(help->ControlMenuItem_Action());
    EXPECT_FALSE(help->CloseMenuItem_Action());
    EXPECT_TRUE(help->IsClosed());
    EXPECT_FALSE(rt::QuitRequested());
}

} // namespace
