#include "app/file_types.h"

#include <string>

std::vector<std::shared_ptr<rt::Object>> pAllFileTypes;

namespace FileTypes {

std::shared_ptr<rt::FileType> pText;
std::shared_ptr<rt::FileType> pUntitledType;

std::shared_ptr<rt::FileType> Text() {
    return pText;
}

std::shared_ptr<rt::FileType> UntitledType() {
    return pUntitledType;
}

namespace {
// Every field is set before the type is converted to text, so it registers once, complete.
void Fill(rt::FileType& type, const std::string& name, const std::string& macType,
          const std::string& macCreator) {
    type.SetName(name);
    type.SetExtensions("");
    type.SetMacType(macType);
    type.SetMacCreator(macCreator);
    type.SetMimeType("");
    type.SetImported(true);
    type.SetConformsTo("");
}
} // namespace

void Initialize() {
    pText = std::make_shared<rt::FileType>();
    Fill(*pText, "text", "TEXT", "R*ch");
    pAllFileTypes.push_back(pText);
    static_cast<void>(static_cast<std::string>(rt::Deref(Text())));
    pUntitledType = std::make_shared<rt::FileType>();
    Fill(*pUntitledType, "", "", "");
    pAllFileTypes.push_back(pUntitledType);
    static_cast<void>(static_cast<std::string>(rt::Deref(UntitledType())));
}

} // namespace FileTypes
