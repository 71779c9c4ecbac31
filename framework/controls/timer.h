#pragma once
// A timer that belongs to a window: RunMode 0 off, 1 one Action, 2 an Action every Period ms.
// It refers to its window without owning it.
#include "framework/controls/control.h"

namespace rt {

class Timer : public Control {
public:
    explicit Timer(std::weak_ptr<Window> window);
    ~Timer() override;
    static constexpr const char* kClassName = "Timer";
    static const ClassDescription& ClassInfo();
    std::string ClassName() const override { return kClassName; }

    bool IsRunning() const;
    // Milliseconds until the next Action, -1 when none is to come.
    int RemainingTime() const;

protected:
    bool ApplyProperty(const std::string& name, const Value& value) override;

private:
    void Restart();
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace rt
