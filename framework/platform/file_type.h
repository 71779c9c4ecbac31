#pragma once
// A document type declared to the platform. Changing a field withdraws the registration;
// converting the type to text registers it (once) and gives its name.
#include "framework/core/object.h"

#include <string>

namespace rt {

class FileType : public Object {
public:
    void SetName(const std::string& v);
    void SetExtensions(const std::string& v);
    void SetMacType(const std::string& v);
    void SetMacCreator(const std::string& v);
    void SetMimeType(const std::string& v);
    void SetImported(bool v);
    void SetConformsTo(const std::string& v);
    void SetUTI(const std::string& v);

    std::string Name() const { return name_; }
    std::string Extensions() const { return extensions_; }
    std::string MacType() const { return macType_; }
    std::string MacCreator() const { return macCreator_; }
    std::string MimeType() const { return mimeType_; }
    bool Imported() const { return imported_; }
    std::string ConformsTo() const { return conformsTo_; }
    std::string UTI() const { return uti_; }

    void Register();
    void Deregister();
    bool IsRegistered() const { return registered_; }
    int RegistrationCount() const { return registrations_; }

    explicit operator std::string();

private:
    template <class T> void Set(T& field, T value);
    std::string name_, extensions_, macType_, macCreator_, mimeType_, conformsTo_, uti_;
    bool imported_ = false;
    bool registered_ = false;
    int registrations_ = 0;
};

} // namespace rt
