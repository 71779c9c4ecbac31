#pragma once
// The help window: one read-only text area holding the help text, whose title line is set bold
// when the area opens. It answers Control (bring the calculator forward) and Close; closed, it
// is gone, and the next request sets up a new one.
#include "framework/controls/control_table.h"
#include "framework/controls/text_area.h"
#include "windows/menu_window.h"

#include <memory>
#include <string>
#include <vector>

class DescriptionWnd : public MenuWindow {
public:
    static const rt::ClassDescription& ClassInfo();
    const rt::ClassDescription& Describe() const override { return ClassInfo(); }
    static const std::vector<rt::ControlRow<DescriptionWnd>>& ControlTable();
    // The help text: lines separated by one CR, none after the last.
    static const std::string& HelpText();

    void Layout();
    void CreateControls();
    void CreateControls0();

    std::shared_ptr<rt::TextArea> DescribeFld2() const;
    void DescribeFld2_Open(rt::TextArea& area);

    void AddMenuHandlers(rt::Window& window);
    void Event_EnableMenuItems();
    bool ControlMenuItem_Action();
    bool CloseMenuItem_Action();
};

// The help window: the open one, or a new one set up and shown.
std::shared_ptr<class DescriptionWnd> DescriptionWnd();
