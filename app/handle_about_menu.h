#pragma once
// The application class: it adds one menu handler of its own, for the About command.
#include "framework/lifecycle/application.h"

#include <string>

class HandleAboutMenu : public rt::Application {
public:
    static const rt::ClassDescription& ClassInfo();
    const rt::ClassDescription& Describe() const override { return ClassInfo(); }

    void Constructor() {}
    bool AboutMenuItem_Action();
    bool IsEventImplemented(const std::string& event) const;
};
