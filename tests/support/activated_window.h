#pragma once
// A window class of the tests' own that counts its Activate events.
#include "tests/support/framework_test.h"

class ActivatedWindow : public rt::Window {
public:
    static const rt::ClassDescription& ClassInfo() {
        return DescribeTestClass<rt::Window>(
            "ActivatedWindow", {rt::BindEvent("Activate", &ActivatedWindow::Event_Activate)});
    }
    const rt::ClassDescription& Describe() const override { return ClassInfo(); }
    void Event_Activate() { ++activations; }
    int activations = 0;
};
