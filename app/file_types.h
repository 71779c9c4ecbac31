#pragma once
// The program's two declared document types. They are declared at start-up and used for
// nothing else: the program opens and saves no documents.
#include "framework/platform/file_type.h"

#include <memory>
#include <vector>

extern std::vector<std::shared_ptr<rt::Object>> pAllFileTypes;

namespace FileTypes {

extern std::shared_ptr<rt::FileType> pText;
extern std::shared_ptr<rt::FileType> pUntitledType;

std::shared_ptr<rt::FileType> Text();
std::shared_ptr<rt::FileType> UntitledType();
void Initialize();

} // namespace FileTypes
