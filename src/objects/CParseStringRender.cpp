#include "objects/CParseString.h"
#include <QCoreApplication>

#include "errors/CError.h"
#include "objects/RenderSupport.h"
#include "platform/surface/Surface.h"
#include "util/NumberText.h"
#include "util/Strings.h"

namespace kyt
{

namespace
{

// A value may hold references of its own, which are replaced in turn; these
// bounds stop values that refer back to themselves.
constexpr int MaxReplacements = 1000;
constexpr qsizetype MaxTextLength = 1024 * 1024;

qint16 lengthOf(const QString& field)
{
    const std::optional<double> number = parseNumber(field.trimmed());
    if (!number)
        throw KytError(13,
            QCoreApplication::translate("kyt::CParseString", "Type mismatch: field length \"%1\" is not a number")
                .arg(field));
    const double v = static_cast<double>(roundHalfEven(*number));
    if (!(v >= -32768 && v <= 32767))
        throw KytError(
            6, QCoreApplication::translate("kyt::CParseString", "Overflow: field length %1").arg(field.trimmed()));
    return static_cast<qint16>(v);
}

QString valueOf(FieldValues& oPrintData, const QString& name)
{
    const std::optional<QString> text = oPrintData.fieldText(name);
    if (!text)
        throw KytError(13,
            QCoreApplication::translate("kyt::CParseString", "Type mismatch: field \"%1\" does not hold text")
                .arg(name));
    return *text;
}

} // namespace

bool CParseString::Render(const CardScale& /*oTemplate*/, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
    std::shared_ptr<FieldValues>& oPrintData, float /*sgXOffset*/, float /*sgYOffset*/)
{
    const QString open = QStringLiteral("{{");
    const QString close = QStringLiteral("}}");
    try {
        QString s = m_text;
        int replacements = 0;
        while (s.contains(open)) {
            if (!oPrintData)
                throw KytError(91,
                    QCoreApplication::translate(
                        "kyt::CParseString", "Object variable not set: no print data for the field references"));
            if (++replacements > MaxReplacements)
                throw KytError(28,
                    QCoreApplication::translate("kyt::CParseString",
                        "Out of stack space: more than %1 field references (a field refers to itself?)")
                        .arg(MaxReplacements));
            const qsizetype p1 = s.indexOf(open);
            const qsizetype p2 = s.indexOf(close);
            if (p2 < 0)
                throw KytError(5,
                    QCoreApplication::translate(
                        "kyt::CParseString", "Invalid procedure call or argument: \"{{\" without \"}}\""));
            if (p2 < p1)
                throw KytError(5,
                    QCoreApplication::translate(
                        "kyt::CParseString", "Invalid procedure call or argument: \"}}\" before \"{{\""));
            const QString ref = s.mid(p1 + 2, p2 - p1 - 2);
            const QString name = GetToken(ref, 1, QStringLiteral(","));
            int length = -1;
            if (CountTokens(ref, QStringLiteral(",")) >= 2)
                length = lengthOf(GetToken(ref, 2, QStringLiteral(",")));
            QString value = valueOf(*oPrintData, name);
            if (length > 0)
                value = value.left(length);
            if (p1 + value.size() + (s.size() - p2 - 2) > MaxTextLength)
                throw KytError(7,
                    QCoreApplication::translate(
                        "kyt::CParseString", "Out of memory: the line grows beyond %1 characters")
                        .arg(MaxTextLength));
            s = s.left(p1) + value + s.mid(p2 + 2);
        }
        oPrinter.Print(s);
        return true;
    } catch (const std::exception& e) {
        render::reportFailure(g_oError, e, QStringLiteral("CParseString Render"));
    }
    return false;
}

} // namespace kyt
