#pragma once
// The framework's error model: every error the framework, the matrix component or the program
// raises derives from RuntimeException, so the one dispatch wrapper can report any of them.
#include <stdexcept>
#include <string>

namespace rt {

class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
    // The class name is shown in the unhandled-error report next to the message.
    virtual std::string ClassName() const { return "RuntimeException"; }
};

#define RT_DECLARE_EXCEPTION(Name, Base)                                                           \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        explicit Name(const std::string& message) : Base(message) {}                               \
        std::string ClassName() const override { return #Name; }                                   \
    };

RT_DECLARE_EXCEPTION(NilObjectException, RuntimeException)
RT_DECLARE_EXCEPTION(IllegalCastException, RuntimeException)
RT_DECLARE_EXCEPTION(ThreadAccessingUIException, RuntimeException)

} // namespace rt
