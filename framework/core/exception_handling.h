#pragma once
// Errors never cross a Qt event dispatch: every call from Qt into program code goes through
// Dispatch, which runs it through the exception helper and reports what escapes.
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

// The default report of an unhandled error: a message box naming the error; the program goes on.
void UnhandledException(const std::exception_ptr& error);
// "message (ClassName)" of any error, as the report shows it.
std::string DescribeError(const std::exception_ptr& error);

} // namespace rt
