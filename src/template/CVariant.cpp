#include "template/CVariant.h"

#include "platform/Picture.h"

namespace kyt
{

namespace
{
// Shared pointers of the library's own classes that may travel in values.
bool isSharedObject(const QMetaType& type)
{
    return type == QMetaType::fromType<std::shared_ptr<CVariant>>()
        || type == QMetaType::fromType<std::shared_ptr<QObject>>();
}
} // namespace

QVariant Missing()
{
    return QVariant::fromValue(MissingArgument {});
}

bool IsMissing(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<MissingArgument>();
}

bool IsObject(const QVariant& value)
{
    const QMetaType type = value.metaType();
    if (!type.isValid())
        return false;
    if (type == QMetaType::fromType<Picture>() || type.id() == QMetaType::QImage || type.id() == QMetaType::QPixmap)
        return true;
    const auto objectFlags = QMetaType::PointerToQObject | QMetaType::SharedPointerToQObject
        | QMetaType::WeakPointerToQObject | QMetaType::TrackingPointerToQObject;
    if (type.flags() & objectFlags)
        return true;
    return isSharedObject(type) || QMetaType::canConvert(type, QMetaType::fromType<QObject*>());
}

CVariant::CVariant(QObject* parent)
    : QObject(parent)
{
}

CVariant::~CVariant() = default;

QVariant CVariant::vValue() const
{
    if (IsMissing(m_value))
        return QString();
    return m_value;
}

QString CVariant::keyText() const
{
    if (IsObject(m_key) || IsMissing(m_key))
        return QString();
    return m_key.toString();
}

} // namespace kyt
