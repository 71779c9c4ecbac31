#pragma once
// The tests of the framework on its own, on a bare window holding one control of each kind.
#include "tests/support/gui_test.h"

#include "framework/controls/push_button.h"
#include "framework/controls/text_area.h"
#include "framework/controls/text_field.h"

#include <QPlainTextEdit>
#include <string>
#include <vector>

// The description of a class a test defines for itself: its name, its base and the events it
// binds, built once per run.
template <class Base>
const rt::ClassDescription& DescribeTestClass(const std::string& name,
                                              std::vector<rt::EventBinding> events) {
    return rt::ObtainClass(name, [&] {
        rt::ClassDescription d;
        d.fullName = name;
        d.base = &Base::ClassInfo();
        d.events = std::move(events);
        return d;
    });
}

// A bare framework window holding one control of each kind the tests need.
class FrameworkTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        window = std::make_shared<rt::Window>();
        window->Constructor();
        area = window->New<rt::TextArea>();
        window->AddControl("Area", area);
        field = window->New<rt::TextField>();
        window->AddControl("Field", field);
        button = window->New<rt::PushButton>();
        window->AddControl("Button", button);
        window->Show();
    }

    QPlainTextEdit& Edit() const { return *qobject_cast<QPlainTextEdit*>(area->Widget()); }

    std::shared_ptr<rt::Window> window;
    std::shared_ptr<rt::TextArea> area;
    std::shared_ptr<rt::TextField> field;
    std::shared_ptr<rt::PushButton> button;
};
