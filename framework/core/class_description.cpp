#include "framework/core/class_description.h"

#include "framework/core/runtime_exception.h"

#include <map>
#include <memory>

namespace rt {

namespace {
struct Entry {
    std::unique_ptr<ClassDescription> description;
    int builds = 0;
};
std::map<std::string, Entry>& Registry() {
    static std::map<std::string, Entry> registry;
    return registry;
}
} // namespace

const EventBinding* ClassDescription::FindEvent(const std::string& event) const {
    for (const auto& binding : events)
        if (binding.event == event)
            return &binding;
    return nullptr;
}

const ClassDescription& ObtainClass(const std::string& fullName,
                                    const std::function<ClassDescription()>& build) {
    auto& entry = Registry()[fullName];
    if (!entry.description) {
        entry.description = std::make_unique<ClassDescription>(build());
        ++entry.builds;
    }
    return *entry.description;
}

const ClassDescription* LookupClass(const std::string& fullName) {
    const auto it = Registry().find(fullName);
    return it == Registry().end() ? nullptr : it->second.description.get();
}

int ClassBuildCount(const std::string& fullName) {
    const auto it = Registry().find(fullName);
    return it == Registry().end() ? 0 : it->second.builds;
}

bool RuntimeIsEventHandled(const Object&, const std::string& fullName, const std::string& event,
                           bool userLevel) {
    for (const auto* d = LookupClass(fullName); d != nullptr; d = userLevel ? nullptr : d->base)
        if (d->FindEvent(event) != nullptr)
            return true;
    return false;
}

std::vector<std::string> VirtualOperations(const ClassDescription& base,
                                           const std::vector<MethodInfo>& own) {
    auto operations = base.virtualOperations;
    for (const auto& method : own)
        operations.push_back(method.name);
    return operations;
}

} // namespace rt
