#pragma once
// Errors never cross a Qt event dispatch: every call from Qt into program code goes through
// Dispatch, which runs it through the exception helper and hands what escapes to the installed
// unhandled-error report. Until lifecycle/ installs the program's report at start-up, the report
// is one line on standard error, which needs neither a display nor an application object.
#include <exception>
#include <functional>
#include <string>

namespace rt {

using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* argument);

// Calls function(argument); returns a RuntimeException that escapes it, rethrows any other error.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// Runs code called from the event loop; returns false when an error escaped it (and was reported).
bool Dispatch(const std::function<void()>& code);

// An error that escaped Dispatch is offered to the handler first, and true settles it; what is
// left goes to the report. A null handler settles nothing; a null report is the standard-error
// line.
using UnhandledErrorHandler = bool (*)(const std::exception_ptr& error);
using UnhandledErrorReport = void (*)(const std::exception_ptr& error);
void InstallUnhandledErrorReport(UnhandledErrorHandler handler, UnhandledErrorReport report);

// Reports the error through the installed report; the program goes on.
void UnhandledException(const std::exception_ptr& error);
// The plain report: "Quorvane: unhandled error: ..." on standard error, the description on one
// line.
void WriteUnhandledErrorLine(const std::exception_ptr& error);
// "message (ClassName)" of any error, as the report shows it.
std::string DescribeError(const std::exception_ptr& error);

} // namespace rt
