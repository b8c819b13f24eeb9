#include "template/CPrintData.h"

#include "template/CPrintTemplate.h"
#include "util/NumberText.h"
#include "util/modPreview.h"
#include <QDate>
#include <QDateTime>
#include <QTime>

namespace kyt
{

namespace
{
constexpr QChar KeyDelimiter = QChar(0x0001);
constexpr QChar EntryDelimiter = QChar(0x0002);
constexpr QChar Blank = QLatin1Char(' ');

// Neither delimiter can be represented inside a key or value; dropping them
// keeps the following entries intact.
QString streamText(QString text)
{
    if (text.contains(KeyDelimiter) || text.contains(EntryDelimiter)) {
        text.remove(KeyDelimiter);
        text.remove(EntryDelimiter);
    }
    return text;
}
} // namespace

CPrintData::CPrintData(QObject* parent)
    : QObject(parent)
{
    registerModelMetaTypes();
}

CPrintData::~CPrintData() = default;

std::shared_ptr<CVariant> CPrintData::Add(
    const QVariant& sKey, const QVariant& vValue, const std::shared_ptr<CVariant>& oUserVariant)
{
    std::shared_ptr<CVariant> item = oUserVariant ? oUserVariant : std::make_shared<CVariant>();
    const QString key = IsMissing(sKey) || IsObject(sKey) ? QString() : sKey.toString();
    // Each step goes on when the one before it failed, so a duplicate key
    // still leaves the item with its key and value.
    if (!key.isEmpty()) {
        try {
            m_items.Add(item, key);
        } catch (const CollectionError&) {
            // Silent by design: a duplicate key leaves the item out, as documented.
        }
        item->setKey(key);
    } else {
        try {
            m_items.Add(item, item->keyText());
        } catch (const CollectionError&) {
            // Silent by design: a duplicate key leaves the item out, as documented.
        }
    }
    if (!IsMissing(vValue))
        item->setvValue(vValue);
    return item;
}

std::shared_ptr<CVariant> CPrintData::Item(const QVariant& vntIndexKey)
{
    try {
        return m_items.Item(vntIndexKey);
    } catch (const CollectionError&) {
        // Silent by design: a missing item gives a new one (below).
    }
    auto item = std::make_shared<CVariant>();
    if (m_createIfNotFound) {
        item->setKey(vntIndexKey);
        const QString key = IsObject(vntIndexKey) || IsMissing(vntIndexKey) ? QString() : vntIndexKey.toString();
        // An empty key could never find the item again; it is not added.
        if (!key.isEmpty()) {
            try {
                m_items.Add(item, key);
            } catch (const CollectionError&) {
                // Not reachable for a key just looked up; the new item is returned either way.
            }
        }
    }
    return item;
}

void CPrintData::Remove(const QVariant& vntIndexKey)
{
    try {
        m_items.Remove(vntIndexKey);
    } catch (const CollectionError&) {
        // Silent by design: an unknown item is passed over, as documented.
    }
}

QList<QObject*> CPrintData::NewEnum() const
{
    QList<QObject*> list;
    list.reserve(m_items.Count());
    for (const auto& item : m_items)
        list.append(item.get());
    return list;
}

QVariant CPrintData::fieldValue(const QString& name)
{
    const auto item = Item(name);
    return item ? item->vValue() : QVariant();
}

std::optional<QString> CPrintData::fieldText(const QString& name)
{
    const QVariant value = fieldValue(name);
    if (IsObject(value))
        return std::nullopt;
    return valueText(value);
}

QString CPrintData::valueText(const QVariant& value)
{
    if (!value.isValid() || value.isNull() || IsMissing(value))
        return QString();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Float:
        return singleToText(value.toFloat());
    case QMetaType::Double:
        return doubleToText(value.toDouble());
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QTime:
        return value.toTime().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    default:
        return value.toString();
    }
}

QString CPrintData::MakeDataStream(const std::shared_ptr<CPrintData>& oPrintData) const
{
    return oPrintData ? MakeDataStream(*oPrintData) : QString();
}

QString CPrintData::MakeDataStream(const CPrintData& oPrintData) const
{
    QString stream;
    for (const auto& item : oPrintData.m_items) {
        if (!item || IsObject(item->storedValue()))
            continue;
        stream += streamText(item->keyText());
        stream += KeyDelimiter;
        stream += streamText(valueText(item->vValue()));
        stream += EntryDelimiter;
    }
    return stream;
}

void CPrintData::SetCurrentDataStream(const QVariant& vPrintData)
{
    if (IsObject(vPrintData) || IsMissing(vPrintData))
        return;
    const QString text = vPrintData.toString();
    // The remaining text is text[pos, end). It is trimmed of blanks after
    // each entry; the first entry is taken from the untrimmed text.
    qsizetype pos = 0;
    qsizetype end = text.size();
    qsizetype trimmedEnd = end;
    while (trimmedEnd > 0 && text.at(trimmedEnd - 1) == Blank)
        --trimmedEnd;

    do {
        const qsizetype stop = text.indexOf(EntryDelimiter, pos);
        const qsizetype entryEnd = (stop < 0 || stop >= end) ? end : stop;
        if (entryEnd > pos) {
            const QString entry = text.mid(pos, entryEnd - pos);
            const QString key = GetField(entry, QString(KeyDelimiter), 1);
            const QString value = GetField(entry, QString(KeyDelimiter), 2);
            if (key.isEmpty() && value.isEmpty()) {
                // An entry without name or value carries nothing; each would
                // otherwise become an item of its own, hundreds of bytes for
                // the two bytes of input.
            } else if (const std::optional<CVariantPtr> found = m_items.Find(key)) {
                (*found)->setvValue(value);
            } else {
                auto item = std::make_shared<CVariant>();
                item->setKey(key);
                item->setvValue(value);
                Add(Missing(), Missing(), item);
            }
        }
        // Skip the entry and its code 2, then trim what remains.
        pos = entryEnd + 1;
        end = trimmedEnd;
        while (pos < end && text.at(pos) == Blank)
            ++pos;
    } while (pos < end);
}

std::shared_ptr<CVariant> CPrintData::CreateVariant() const
{
    return std::make_shared<CVariant>();
}

} // namespace kyt
