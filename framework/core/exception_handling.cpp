#include "framework/core/exception_handling.h"

#include "framework/core/runtime_exception.h"
#include "framework/lifecycle/application.h"
#include "framework/lifecycle/runtime.h"
#include "framework/platform/msg_box.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>

#include <typeinfo>

namespace rt {

namespace {

ExceptionHelper& Helper() {
    static ExceptionHelper helper = &CallFunctionWithExceptionHandling;
    return helper;
}

void CallStdFunction(void* argument) {
    (*static_cast<const std::function<void()>*>(argument))();
}

// The report names a class as the code spells it ("std::runtime_error"), not as it is mangled.
std::string ClassNameOf(const std::exception& e) {
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(typeid(e).name());
}

// An application class that binds UnhandledException sees the error first; True settles it.
bool ApplicationHandles(const std::exception_ptr& error) {
    const auto app = GetAppObject();
    const EventBinding* binding = app ? app->Describe().FindEvent("UnhandledException") : nullptr;
    if (binding == nullptr)
        return false;
    try {
        EventArgs args;
        args.key = DescribeError(error);
        return binding->invoke(*app, args);
    } catch (...) {
        return false;
    }
}

} // namespace

std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
    try {
        function(argument);
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
    Helper() = helper != nullptr ? helper : &CallFunctionWithExceptionHandling;
}

bool Dispatch(const std::function<void()>& code) {
    std::exception_ptr error;
    try {
        error = Helper()(&CallStdFunction, const_cast<std::function<void()>*>(&code));
    } catch (...) {
        error = std::current_exception();
    }
    if (!error)
        return true;
    if (!ApplicationHandles(error))
        UnhandledException(error);
    return false;
}

std::string DescribeError(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeException& e) {
        return std::string(e.what()) + "\r\r(" + e.ClassName() + ")";
    } catch (const std::exception& e) {
        return std::string(e.what()) + "\r\r(" + ClassNameOf(e) + ")";
    } catch (...) {
        return "An unknown error occurred.";
    }
}

void UnhandledException(const std::exception_ptr& error) {
    RuntimeNoteUnhandledError();
    const std::string description = DescribeError(error);
    std::string line = description;
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::fprintf(stderr, "Quorvane: unhandled error: %s\n", line.c_str());
    try {
        MsgBox("Quorvane could not finish what it was doing.\r\r" + description);
    } catch (...) {
        // A report that cannot be shown must not take the event loop down with it.
    }
}

} // namespace rt
