#pragma once
// Conversion between the program's texts (UTF-8, lines separated by one CR) and Qt's strings.
#include <QString>
#include <string>

namespace rt {

// CR, LF and CR LF each become one line break.
QString ToQt(const std::string& text);
// Line breaks (LF, Qt's paragraph and line separators) become CR.
std::string FromQt(const QString& text);

} // namespace rt
