#pragma once
// The splash and About window: the title picture over the notice line. Its one-shot timer, a
// key press and a mouse press each put it away and bring up the calculator window. It is only
// ever hidden, never closed, so its one instance lasts the whole run.
#include "framework/controls/canvas.h"
#include "framework/controls/control_table.h"
#include "framework/controls/label.h"
#include "framework/controls/timer.h"
#include "windows/menu_window.h"

#include <memory>
#include <string>
#include <vector>

class AboutWnd : public MenuWindow {
public:
    static const rt::ClassDescription& ClassInfo();
    const rt::ClassDescription& Describe() const override { return ClassInfo(); }
    static const std::vector<rt::ControlRow<AboutWnd>>& ControlTable();
    // The notice line the label shows, also the application's long version text.
    static const char* const kNotice;

    void Layout();
    void CreateControls();
    void CreateControls0();

    std::shared_ptr<rt::Label> StaticText5() const;
    std::shared_ptr<rt::Canvas> Canvas1() const;
    std::shared_ptr<rt::Timer> Timer1() const;

    void Timer1_Action(rt::Timer& timer);
    bool Event_KeyDown(const std::string& key);
    bool Event_MouseDown(int x, int y);

private:
    void GiveWay();
};

// The splash and About window: the open one, or a new one set up and shown.
std::shared_ptr<class AboutWnd> AboutWnd();
