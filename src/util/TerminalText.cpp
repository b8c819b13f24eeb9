#include "util/TerminalText.h"

namespace kyt
{

namespace
{
bool isBidiControl(char16_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F;
}
} // namespace

QString escapeControls(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        const bool crlf = c == '\r' && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n');
        if (c == '\n' || c == '\t' || crlf || (c >= 0x20 && c < 0x7F) || (c > 0x9F && !isBidiControl(c))) {
            out.append(QChar(c));
            continue;
        }
        if (c <= 0xFF)
            out += QStringLiteral("\\x%1")
                       .arg(uint(c), 2, 16, QLatin1Char('0'))
                       .toUpper()
                       .replace(QLatin1String("\\X"), QLatin1String("\\x"));
        else
            out += QStringLiteral("\\u{%1}")
                       .arg(uint(c), 4, 16, QLatin1Char('0'))
                       .toUpper()
                       .replace(QLatin1String("\\U{"), QLatin1String("\\u{"));
    }
    return out;
}

} // namespace kyt
