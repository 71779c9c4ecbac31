#include "framework/platform/file_type.h"

#include "framework/platform/platform_hooks.h"

namespace rt {

template <class T> void FileType::Set(T& field, T value) {
    Deregister();
    field = std::move(value);
}

void FileType::SetName(const std::string& v) {
    Set(name_, v);
}
void FileType::SetExtensions(const std::string& v) {
    Set(extensions_, v);
}
void FileType::SetMacType(const std::string& v) {
    Set(macType_, v);
}
void FileType::SetMacCreator(const std::string& v) {
    Set(macCreator_, v);
}
void FileType::SetMimeType(const std::string& v) {
    Set(mimeType_, v);
}
void FileType::SetImported(bool v) {
    Set(imported_, v);
}
void FileType::SetConformsTo(const std::string& v) {
    Set(conformsTo_, v);
}
void FileType::SetUTI(const std::string& v) {
    Set(uti_, v);
}

void FileType::Register() {
    Fault("FileType.Register");
    Hooks().registerFileType(*this);
    registered_ = true;
    ++registrations_;
}

void FileType::Deregister() {
    registered_ = false;
}

FileType::operator std::string() {
    if (!registered_)
        Register();
    return name_;
}

} // namespace rt
