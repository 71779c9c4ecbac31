#include "app/handle_about_menu.h"

#include "windows/about_wnd.h"

const rt::ClassDescription& HandleAboutMenu::ClassInfo() {
    return rt::ObtainClass("HandleAboutMenu", [] {
        rt::ClassDescription d;
        d.fullName = "HandleAboutMenu";
        d.base = &rt::Application::ClassInfo();
        const std::vector<rt::MethodInfo> own = {{"AboutMenuItem_Action", "() as Boolean", {}},
                                                 {"Constructor", "()", {}}};
        d.virtualOperations = rt::VirtualOperations(*d.base, own);
        d.methods = d.base->methods;
        d.methods.insert(d.methods.end(), own.begin(), own.end());
        d.methods.push_back({"IsEventImplemented", "( String ) as Boolean", {}});
        return d;
    });
}

bool HandleAboutMenu::AboutMenuItem_Action() {
    rt::Deref(::AboutWnd()).Show();
    return false;
}

bool HandleAboutMenu::IsEventImplemented(const std::string& event) const {
    return rt::RuntimeIsEventHandled(*this, "HandleAboutMenu", event, true);
}
