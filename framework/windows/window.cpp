#include "framework/windows/window.h"

#include "framework/controls/rect_control.h"
#include "framework/controls/text_area.h"
#include "framework/controls/widget_style.h"
#include "framework/core/exception_handling.h"
#include "framework/core/main_thread.h"
#include "framework/core/text_model.h"
#include "framework/menus/menu_bar_view.h"
#include "framework/menus/menu_routing.h"
#include "framework/windows/window_registry.h"
#include "framework/windows/window_widget.h"

#include <QApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <algorithm>

namespace rt {

namespace {

// Distances a locked control keeps to the content area's edges.
struct Margins {
    std::weak_ptr<RectControl> control;
    RectControl::Anchor anchor;
    int right = 0;
    int bottom = 0;
};

} // namespace

struct Window::Impl {
    QPointer<WindowWidget> widget;
    QPointer<MenuBarView> menuView;
    std::vector<Margins> anchors;
};

Window::Window() : d_(new Impl) {}

Window::~Window() {
    if (d_->widget)
        d_->widget->deleteLater();
}

const ClassDescription& Window::ClassInfo() {
    return ObtainClass("Window", [] {
        ClassDescription d;
        d.fullName = "Window";
        d.virtualOperations = {"Close",      "Constructor",    "Hide",          "Show",
                               "AddControl", "AddMenuHandler", "ControlByName", "New"};
        for (const auto& name : d.virtualOperations)
            d.methods.push_back({name, "()", {}});
        return d;
    });
}

void Window::Constructor() {
    RequireMainThread();
    const auto self = std::static_pointer_cast<Window>(shared_from_this());
    Register(self);
    d_->widget = new WindowWidget(self);
    d_->widget->setAttribute(Qt::WA_DeleteOnClose, false);
    try {
        // Layout gives the window its size before the controls are placed on it.
        RaiseEvent("Layout");
        RaiseEvent("CreateControls");
        EventArgs args;
        args.window = this;
        RaiseEvent("AddMenuHandlers", args);
        setUp_ = true;
        ApplyFrame();
        ApplySize();
        RecordAnchors();
        // An Open handler may add controls to the window; the list is copied before any runs.
        const auto opened = controls_;
        for (const auto& control : opened)
            control->WindowOpened();
        if (properties_.count("Visible") != 0 && AsBool(properties_.at("Visible")))
            Show();
    } catch (...) {
        // A window that could not be set up, whichever step failed, is not kept: the next
        // request builds a whole one.
        closed_ = true;
        Unregister(*this);
        delete d_->widget;
        throw;
    }
}

void Window::Show() {
    RequireMainThread();
    if (closed_ || !d_->widget)
        return;
    properties_["Visible"] = true;
    if (!setUp_)
        return; // shown once the set-up events have all run
    WindowWidget& top = *d_->widget;
    top.show();
    top.raise();
    // An open message box or menu of the program stays above the window, and the box keeps the
    // keyboard: covered, it would refuse every click and the program would look frozen.
    if (QWidget* box = QApplication::activeModalWidget(); box != nullptr && box != &top)
        box->raise();
    else
        top.activateWindow();
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->raise();
}

void Window::Hide() {
    RequireMainThread();
    properties_["Visible"] = false;
    if (d_->widget)
        d_->widget->hide();
}

bool Window::Visible() const {
    return !closed_ && d_->widget && d_->widget->isVisible();
}

void Window::Close() {
    RequireMainThread();
    if (closed_)
        return;
    closed_ = true;
    const auto self = shared_from_this();
    if (setUp_)
        RaiseEvent("Close");
    Unregister(*this);
    if (d_->widget) {
        d_->widget->hide();
        d_->widget->deleteLater();
    }
}

bool Window::CloseRequestedByUser() {
    // Without a close button the user has no way to ask: a window manager's request (Alt+F4) is
    // refused, and the window goes by its own rules.
    if (!ShowsCloseButton())
        return false;
    Dispatch([this] { Close(); });
    return true;
}

void Window::SetMenuBar(std::shared_ptr<rt::MenuBar> bar) {
    RequireMainThread();
    menuBar_ = std::move(bar);
    if (!d_->widget)
        return;
    if (d_->menuView)
        d_->menuView->deleteLater();
    d_->menuView =
        menuBar_ ? new MenuBarView(d_->widget, std::static_pointer_cast<Window>(shared_from_this()),
                                   *menuBar_)
                 : nullptr;
    d_->widget->setMenuBar(d_->menuView);
}

std::shared_ptr<MenuBar> Window::MenuBar() const {
    RequireMainThread();
    return menuBar_;
}

void Window::AddControl(const std::string& name, std::shared_ptr<Control> control) {
    RequireMainThread();
    Deref(control).SetProperty("Name", name);
    controls_.push_back(std::move(control));
}

std::shared_ptr<Control> Window::ControlByName(const std::string& name) const {
    RequireMainThread();
    for (const auto& control : controls_)
        if (control->Name() == name)
            return control;
    return nullptr;
}

void Window::AddMenuHandler(const std::string& itemName, MenuHandler handler) {
    RequireMainThread();
    menuHandlers_[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(const std::string& itemName) const {
    return menuHandlers_.count(itemName) != 0;
}

void Window::SetProperty(const std::string& name, const Value& value) {
    RequireMainThread();
    ApplyWindowProperty(name, value);
    properties_[name] = value;
    if (setUp_) {
        ApplyFrame();
        ApplySize();
    }
}

std::optional<Value> Window::Property(const std::string& name) const {
    const auto it = properties_.find(name);
    if (it == properties_.end())
        return std::nullopt;
    return it->second;
}

void Window::ApplyWindowProperty(const std::string& name, const Value& value) {
    static const char* const kKnown[] = {"Width",
                                         "Height",
                                         "MinimumWidth",
                                         "MinimumHeight",
                                         "MaximumWidth",
                                         "MaximumHeight",
                                         "Type",
                                         "Title",
                                         "HasCloseButton",
                                         "HasMaximizeButton",
                                         "HasMinimizeButton",
                                         "HasFullScreenButton",
                                         "Resizeable",
                                         "Composite",
                                         "MacProcID",
                                         "FullScreen",
                                         "DefaultLocation",
                                         "Visible",
                                         "HasBackgroundColor",
                                         "BackgroundColor",
                                         "MenuBarVisible",
                                         "LiveResize"};
    if (std::find(std::begin(kKnown), std::end(kKnown), name) == std::end(kKnown))
        throw RuntimeException("A window has no property named \"" + name + "\".");
    // A closed window keeps the value and has nothing left to show it on.
    if (!d_->widget)
        return;
    QWidget& top = *d_->widget;
    if (name == "Title") {
        top.setWindowTitle(ToQt(AsText(value)));
    } else if (name == "Visible") {
        AsBool(value) ? Show() : Hide();
    } else if (name == "HasBackgroundColor" || name == "BackgroundColor") {
        properties_[name] = value;
        const bool has = FlagOr(Property("HasBackgroundColor"), false);
        const auto color = Property("BackgroundColor");
        QWidget& content = *ContentWidget();
        content.setAutoFillBackground(has);
        if (has && color)
            SetPaletteColor(content, QPalette::Window, *color);
    } else if (name == "MenuBarVisible" && d_->menuView) {
        d_->menuView->setVisible(AsBool(value));
    }
}

bool Window::ShowsCloseButton() const {
    return IntOr(Property("Type"), 0) != 2 && FlagOr(Property("HasCloseButton"), true);
}

void Window::ApplyFrame() {
    if (!d_->widget)
        return;
    WindowWidget& top = *d_->widget;
    const bool wasVisible = top.isVisible();
    // Type 2 is a plain frame: no title bar, no window buttons.
    const bool titled = IntOr(Property("Type"), 0) != 2;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (titled)
        flags |= Qt::WindowTitleHint;
    if (ShowsCloseButton())
        flags |= Qt::WindowCloseButtonHint;
    if (titled && FlagOr(Property("HasMinimizeButton"), false))
        flags |= Qt::WindowMinimizeButtonHint;
    if (titled && FlagOr(Property("HasMaximizeButton"), false))
        flags |= Qt::WindowMaximizeButtonHint;
    if (titled && FlagOr(Property("HasFullScreenButton"), false))
        flags |= Qt::WindowFullscreenButtonHint;
    if (top.windowFlags() != flags) {
        top.setWindowFlags(flags);
        if (wasVisible)
            top.show();
    }
}

void Window::ApplySize() {
    if (!d_->widget)
        return;
    WindowWidget& top = *d_->widget;
    QWidget& content = *ContentWidget();
    const int width = IntOr(Property("Width"), 300);
    const int height = IntOr(Property("Height"), 300);
    if (!FlagOr(Property("Resizeable"), true)) {
        content.setFixedSize(width, height);
        top.layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        content.setMinimumSize(IntOr(Property("MinimumWidth"), 64),
                               IntOr(Property("MinimumHeight"), 64));
        content.setMaximumSize(IntOr(Property("MaximumWidth"), 32000),
                               IntOr(Property("MaximumHeight"), 32000));
        top.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        const int menuHeight = d_->menuView && !d_->menuView->isNativeMenuBar()
                                   ? d_->menuView->sizeHint().height()
                                   : 0;
        if (!top.isVisible())
            top.resize(width, height + menuHeight);
    }
    // Plain frames are dialogs of a kind: they open in the middle of the screen.
    if (!top.isVisible() && IntOr(Property("Type"), 0) == 2)
        if (const QScreen* screen = QApplication::primaryScreen()) {
            top.adjustSize();
            top.move(screen->availableGeometry().center() - top.rect().center());
        }
}

void Window::RecordAnchors() {
    d_->anchors.clear();
    // The distances are those of the layout as designed, whatever size the widget has now.
    const QSize size(IntOr(Property("Width"), 300), IntOr(Property("Height"), 300));
    for (const auto& control : controls_)
        if (auto rect = std::dynamic_pointer_cast<RectControl>(control)) {
            const auto a = rect->Placement();
            d_->anchors.push_back(
                {rect, a, size.width() - (a.left + a.width), size.height() - (a.top + a.height)});
        }
}

void Window::ContentResized() {
    if (!setUp_)
        return;
    const QSize size = ContentWidget()->size();
    for (const auto& m : d_->anchors) {
        const auto control = m.control.lock();
        QWidget* w = control ? control->Widget() : nullptr;
        if (w == nullptr)
            continue;
        QRect r = w->geometry();
        if (m.anchor.lockRight && m.anchor.lockLeft)
            r.setWidth(std::max(0, size.width() - m.anchor.left - m.right));
        else if (m.anchor.lockRight)
            r.moveLeft(size.width() - m.anchor.width - m.right);
        if (m.anchor.lockBottom && m.anchor.lockTop)
            r.setHeight(std::max(0, size.height() - m.anchor.top - m.bottom));
        else if (m.anchor.lockBottom)
            r.moveTop(size.height() - m.anchor.height - m.bottom);
        w->setGeometry(r);
    }
}

void Window::TabOrderChanged() {
    std::vector<std::shared_ptr<RectControl>> stops;
    for (const auto& control : controls_)
        if (auto rect = std::dynamic_pointer_cast<RectControl>(control);
            rect && rect->TabStop() && rect->Widget() != nullptr)
            stops.push_back(rect);
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1]->Widget(), stops[i]->Widget());
}

void Window::RunMenuEnabling() {
    RequireMainThread();
    if (!menuBar_)
        return;
    EnableMenus(*this);
    if (d_->menuView)
        d_->menuView->SyncEnabled();
}

bool Window::MenuCommand(const std::string& itemName) {
    RequireMainThread();
    const auto self = shared_from_this();
    return RouteMenuCommand(*this, itemName);
}

Window::MenuHandler Window::MenuHandlerFor(const std::string& itemName) const {
    const auto it = menuHandlers_.find(itemName);
    return it == menuHandlers_.end() ? MenuHandler{} : it->second;
}

bool Window::RaiseEvent(const std::string& event, EventArgs args) {
    const EventBinding* binding = Describe().FindEvent(event);
    if (binding == nullptr)
        return false;
    // Only the set-up events come before the window is set up, and nothing after it is closed.
    const bool setUpEvent =
        event == "Layout" || event == "CreateControls" || event == "AddMenuHandlers";
    if (setUpEvent == setUp_ || (closed_ && event != "Close"))
        return false;
    const auto self = shared_from_this();
    if (args.window == nullptr)
        args.window = this;
    // An error in a set-up event ends the set-up; the constructor passes it on.
    if (setUpEvent)
        return binding->invoke(*this, args);
    bool answer = false;
    Dispatch([&] { answer = binding->invoke(*this, args); });
    return answer;
}

QWidget* Window::TopWidget() const {
    return d_->widget;
}

QWidget* Window::ContentWidget() const {
    return d_->widget ? d_->widget->Content() : nullptr;
}

} // namespace rt
