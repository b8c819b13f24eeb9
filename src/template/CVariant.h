#pragma once
// One print data item: a key (the field name) and a value, which may be any
// scalar, a text or an object (a picture or a QObject).

#include "kyt/kytcore_export.h"
#include <QMetaType>
#include <QObject>
#include <QVariant>
#include <memory>

namespace kyt
{

// The value an omitted optional argument carries. It is distinct from every
// real value, the empty text included; a stored one reads back as "".
struct MissingArgument {
    bool operator==(const MissingArgument&) const { return true; }
};

KYTCORE_EXPORT QVariant Missing();
KYTCORE_EXPORT bool IsMissing(const QVariant& value);

// Whether a value is an object rather than a scalar or text: a picture
// (kyt::Picture, QImage, QPixmap) or a QObject (pointer or shared pointer).
KYTCORE_EXPORT bool IsObject(const QVariant& value);

class KYTCORE_EXPORT CVariant : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariant vValue READ vValue WRITE setvValue)
    Q_PROPERTY(QVariant Key READ Key WRITE setKey)
    Q_CLASSINFO("DefaultProperty", "vValue")

public:
    explicit CVariant(QObject* parent = nullptr);
    ~CVariant() override;

    // The stored value; a stored missing-argument marker reads as "".
    QVariant vValue() const;
    void setvValue(const QVariant& value) { m_value = value; }
    // The value exactly as stored (the marker included).
    const QVariant& storedValue() const { return m_value; }

    const QVariant& Key() const { return m_key; }
    void setKey(const QVariant& key) { m_key = key; }
    // The key as text (empty for an object key).
    QString keyText() const;

private:
    QVariant m_value;
    QVariant m_key;
};

using CVariantPtr = std::shared_ptr<CVariant>;

} // namespace kyt

Q_DECLARE_METATYPE(kyt::MissingArgument)
Q_DECLARE_METATYPE(std::shared_ptr<kyt::CVariant>)
