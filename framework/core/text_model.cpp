#include "framework/core/text_model.h"

namespace rt {

QString ToQt(const std::string& text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar(u'\r'), QChar(u'\n'));
    return s;
}

std::string FromQt(const QString& text) {
    QString s = text;
    s.replace(QChar(QChar::ParagraphSeparator), QChar(u'\r'));
    s.replace(QChar(QChar::LineSeparator), QChar(u'\r'));
    s.replace(QChar(u'\n'), QChar(u'\r'));
    return s.toStdString();
}

} // namespace rt
