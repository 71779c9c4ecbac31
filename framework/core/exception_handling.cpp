#include "framework/core/exception_handling.h"

#include "framework/core/runtime_exception.h"

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

struct InstalledReport {
    UnhandledErrorHandler handler = nullptr;
    UnhandledErrorReport report = &WriteUnhandledErrorLine;
};

InstalledReport& Installed() {
    static InstalledReport installed;
    return installed;
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
    const UnhandledErrorHandler handler = Installed().handler;
    if (handler == nullptr || !handler(error))
        UnhandledException(error);
    return false;
}

void InstallUnhandledErrorReport(UnhandledErrorHandler handler, UnhandledErrorReport report) {
    Installed() = {handler, report != nullptr ? report : &WriteUnhandledErrorLine};
}

void UnhandledException(const std::exception_ptr& error) {
    Installed().report(error);
}

void WriteUnhandledErrorLine(const std::exception_ptr& error) {
    std::string line = DescribeError(error);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::fprintf(stderr, "Quorvane: unhandled error: %s\n", line.c_str());
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

} // namespace rt
