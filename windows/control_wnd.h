#pragma once
// The calculator window. Its fifteen controls come from one layout table, walked by the
// framework's build loop when CreateControls fires; each control is reached by name through
// an accessor. The framework calls the handlers below through the class description: the
// controls' events (keys, buttons, help picture), the menu commands and the window events.
#include "framework/controls/canvas.h"
#include "framework/controls/control_table.h"
#include "framework/controls/label.h"
#include "framework/controls/push_button.h"
#include "framework/controls/text_area.h"
#include "framework/controls/text_field.h"
#include "windows/menu_window.h"

#include <memory>
#include <string>
#include <vector>

class ControlWnd : public MenuWindow {
public:
    static const rt::ClassDescription& ClassInfo();
    const rt::ClassDescription& Describe() const override { return ClassInfo(); }
    static const std::vector<rt::ControlRow<ControlWnd>>& ControlTable();

    void Layout();
    void CreateControls();
    void CreateControls0();

    std::shared_ptr<rt::Canvas> Canvas1() const;
    std::shared_ptr<rt::TextField> Nvariables() const;
    std::shared_ptr<rt::TextField> Nfactors() const;
    std::shared_ptr<rt::TextArea> PmatrixFld() const;
    std::shared_ptr<rt::TextArea> FmatrixFld() const;
    std::shared_ptr<rt::TextArea> SmatrixFld() const;
    std::shared_ptr<rt::PushButton> ClearBtn() const;
    std::shared_ptr<rt::PushButton> CalculateBtn() const;
    std::shared_ptr<rt::Label> StaticText1() const;
    std::shared_ptr<rt::Label> StaticText3() const;
    std::shared_ptr<rt::Label> StructureText() const;
    std::shared_ptr<rt::Label> StaticText4() const;
    std::shared_ptr<rt::Label> StaticText6() const;
    std::shared_ptr<rt::Canvas> helpBtn() const;
    std::shared_ptr<rt::Canvas> Canvas2() const;

    bool Nvariables_KeyDown(rt::TextField& field, const std::string& key);
    bool Nfactors_KeyDown(rt::TextField& field, const std::string& key);
    void ClearBtn_Action(rt::PushButton& button);
    void CalculateBtn_Action(rt::PushButton& button);
    bool helpBtn_MouseDown(rt::Canvas& canvas, int x, int y);

    void AddMenuHandlers(rt::Window& window);
    void Event_Close();
    void Event_Activate();
    void Event_EnableMenuItems();

    bool DescriptionMenuItem_Action();
    bool FileQuit_Action();
    bool CloseMenuItem_Action();
    bool AboutMenuItem_Action();
    bool EditCopy_Action();

private:
    template <class C> std::shared_ptr<C> Find(const char* name) const {
        return rt::Cast<C>(ControlByName(name));
    }
};

// The calculator window: the open one, or a new one set up and shown.
std::shared_ptr<class ControlWnd> ControlWnd();
