// kytpreview info: what a template file holds, as text or as JSON.
#include "Command.h"
#include "errors/CError.h"
#include "platform/Picture.h"
#include "template/CPrintTemplate.h"
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>
#include <cmath>
#include <cstdio>
#include <memory>

namespace kyt::cli
{
namespace
{

QJsonValue pictureSize(const Picture& p)
{
    if (p.isNull())
        return QJsonValue::Null;
    return QJsonArray { p.image().width(), p.image().height() };
}

QJsonValue toJson(const QVariant& v)
{
    if (v.canConvert<Picture>() && v.metaType() == QMetaType::fromType<Picture>())
        return pictureSize(v.value<Picture>());
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool();
    case QMetaType::Float: // the shortest text of the single value, not its double expansion
        return QString::number(v.toFloat(), 'g', 7).toDouble();
    case QMetaType::Double:
        return v.toDouble();
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return v.toLongLong();
    default:
        return v.toString();
    }
}

// ObjectType, Name and Index first, then every other stored member the class
// declares, and the token string the file stores (the only place a parse
// string's text shows).
QJsonObject objectJson(const CDesignObject& o)
{
    QJsonObject j;
    j.insert(QStringLiteral("ObjectType"), o.ObjectType());
    j.insert(QStringLiteral("Name"), o.Name());
    j.insert(QStringLiteral("Index"), o.Index());
    const QMetaObject* mo = o.metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        const QString name = QString::fromLatin1(p.name());
        if (name == QLatin1String("TokenString") || j.contains(name) || !p.isReadable())
            continue;
        j.insert(name, toJson(p.read(&o)));
    }
    j.insert(QStringLiteral("TokenString"), o.TokenString());
    return j;
}

QJsonObject templateJson(const CPrintTemplate& t)
{
    QJsonObject j;
    j.insert(QStringLiteral("Width"), t.Width());
    j.insert(QStringLiteral("Height"), t.Height());
    j.insert(QStringLiteral("Scalor"), t.Scalor());
    j.insert(QStringLiteral("Orientation"), t.Orientation());
    j.insert(QStringLiteral("BackgroundColor"), t.BackgroundColor());
    j.insert(QStringLiteral("TargetApplication"), t.TargetApplication());
    j.insert(QStringLiteral("Duplex"), t.Duplex());
    j.insert(QStringLiteral("Picture"), pictureSize(t.Picture()));
    QJsonArray objects;
    for (const CDesignObjectPtr& o : t)
        objects.append(objectJson(*o));
    j.insert(QStringLiteral("objects"), objects);
    return j;
}

QString valueText(const QJsonValue& v)
{
    if (v.isNull())
        return QStringLiteral("none");
    if (v.isArray())
        return QStringLiteral("%1 x %2 px").arg(v[0].toInt()).arg(v[1].toInt());
    if (v.isBool())
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (v.isDouble()) {
        const double d = v.toDouble();
        return d == std::floor(d) && std::fabs(d) < 1e15 ? QString::number(qint64(d)) : QString::number(d, 'g', 15);
    }
    return QLatin1Char('"') + v.toString() + QLatin1Char('"');
}

void printText(const QJsonObject& j)
{
    for (const char* key :
        { "Width", "Height", "Scalor", "Orientation", "BackgroundColor", "TargetApplication", "Duplex", "Picture" })
        printOut(QStringLiteral("%1 %2")
                     .arg(QLatin1String(key) + QLatin1Char(':'), -19)
                     .arg(valueText(j.value(QLatin1String(key)))));
    const QJsonArray objects = j.value(QStringLiteral("objects")).toArray();
    printOut(QStringLiteral("objects:            %1").arg(objects.size()));
    for (const QJsonValue& ov : objects) {
        const QJsonObject o = ov.toObject();
        printOut(
            QStringLiteral("  %1 (%2)")
                .arg(o.value(QStringLiteral("Name")).toString(), o.value(QStringLiteral("ObjectType")).toString()));
        for (auto it = o.begin(); it != o.end(); ++it)
            if (it.key() != QLatin1String("Name") && it.key() != QLatin1String("ObjectType")
                && it.key() != QLatin1String("TokenString"))
                printOut(QStringLiteral("    %1 %2").arg(it.key() + QLatin1Char(':'), -16).arg(valueText(it.value())));
    }
}

// JSON whose strings carry no character a terminal acts on: the ones the
// writer leaves raw (DEL, C1 controls, bidirectional overrides) become
// \uXXXX escapes, which JSON reads back as the same characters.
QString terminalSafeJson(const QString& json)
{
    QString out;
    out.reserve(json.size());
    for (const QChar ch : json) {
        const char16_t c = ch.unicode();
        const bool control = (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069)
            || c == 0x200E || c == 0x200F;
        if (control)
            out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else
            out += ch;
    }
    return out;
}

int run(const ParsedArgs& a)
{
    const QStringList& args = a.positional;
    const bool json = a.has(QStringLiteral("json"));
    if (args.size() != 1)
        return fail(QStringLiteral("info"),
            QCoreApplication::translate("kyt::cli", "expected one template file (see kytpreview info --help)"), 2);
    CPrintTemplate t;
    if (!readTemplate(QStringLiteral("info"), t, args[0]))
        return 1;
    const QJsonObject j = templateJson(t);
    if (json) {
        const QByteArray text = QJsonDocument(j).toJson(QJsonDocument::Indented).trimmed();
        std::fputs(terminalSafeJson(QString::fromUtf8(text)).toUtf8().constData(), stdout);
        std::fputc('\n', stdout);
    } else
        printText(j);
    return 0;
}

const Command::Registration reg({ QStringLiteral("info"), run });
} // namespace
} // namespace kyt::cli
