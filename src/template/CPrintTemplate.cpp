#include "template/CPrintTemplate.h"
#include <QCoreApplication>

#include "errors/ModuleSource.h"
#include "objects/CLineObject.h"
#include "objects/CLogoObject.h"
#include "objects/CParseString.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "template/CPrintData.h"
#include "template/CVariant.h"
#include "template/TemplateDefaults.h"
#include <algorithm>
#include <cmath>
#include <mutex>

namespace kyt
{

namespace
{
constexpr qint32 ObjectNotSet = 91;
constexpr qint32 DivisionByZero = 11;
constexpr qint32 Overflow = 6;

template <typename T> void registerToQObject()
{
    if (!QMetaType::hasRegisteredConverterFunction<std::shared_ptr<T>, QObject*>())
        QMetaType::registerConverter<std::shared_ptr<T>, QObject*>(
            [](const std::shared_ptr<T>& p) -> QObject* { return p.get(); });
}

[[noreturn]] void rethrow(const CollectionError& e)
{
    throw KytError(static_cast<qint32>(e.code()), QString::fromUtf8(e.what()));
}

// Quotient with the platform's two division failures.
double divide(double a, double b)
{
    if (b == 0.0) {
        if (a == 0.0)
            throw KytError(Overflow, QCoreApplication::translate("kyt::CPrintTemplate", "Overflow"));
        throw KytError(DivisionByZero, QCoreApplication::translate("kyt::CPrintTemplate", "Division by zero"));
    }
    return a / b;
}
} // namespace

void registerModelMetaTypes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        registerToQObject<CVariant>();
        registerToQObject<CPrintData>();
        registerToQObject<CPrintTemplate>();
        registerToQObject<CPhotoObject>();
        registerToQObject<CDataObject>();
    });
}

CPrintTemplate::CPrintTemplate(QObject* parent)
    : QObject(parent)
    , m_moduleSource(kyt::moduleSource(".CPrintTemplate ("))
{
    registerModelMetaTypes();
}

CPrintTemplate::~CPrintTemplate()
{
    ClearObjects();
}

void CPrintTemplate::setOrientation(qint16 v)
{
    if (v != m_f.Orientation) {
        m_f.dirty = true;
        m_f.everChanged = true;
    }
    m_f.Orientation = v;
}

void CPrintTemplate::setTemplateName(const QString& v)
{
    if (v.compare(m_f.TemplateName, Qt::CaseInsensitive) != 0) {
        m_f.dirty = true;
        m_f.everChanged = true;
    }
    m_f.TemplateName = v;
}

void CPrintTemplate::setPicture(const kyt::Picture& picture)
{
    m_f.Picture = picture;
    m_f.dirty = true;
}

void CPrintTemplate::setBackgroundColor(qint32 v)
{
    if (v != m_f.BackgroundColor) {
        m_f.dirty = true;
        m_f.everChanged = true;
    }
    m_f.BackgroundColor = v;
}

void CPrintTemplate::setDataChanged(bool v)
{
    if (m_f.dirty)
        m_f.everChanged = true;
    m_f.dirty = v;
    if (v)
        m_f.everChanged = true;
}

void CPrintTemplate::ApplyDefaults(const TemplateDefaults* oProperties)
{
    if (!oProperties)
        return;
    m_f.Width = oProperties->DefaultWidth();
    m_f.Height = oProperties->DefaultHeight();
    m_f.TargetApplication = oProperties->DefaultTarget();
    m_f.Orientation = oProperties->DefaultOrientation();
    m_f.Duplex = oProperties->DefaultDuplex();
}

CDesignObjectPtr CPrintTemplate::AddObject(const QString& sType)
{
    const QString word = sType.toLower();
    CDesignObjectPtr object;
    std::vector<CDesignObjectPtr>* list = nullptr;
    auto listOf = [this](ObjectKind kind) { return &m_perType[static_cast<size_t>(kind)]; };
    if (word == QLatin1String("photo")) {
        auto photo = std::make_shared<CPhotoObject>();
        photo->setImage(m_f.DefaultPhoto);
        object = photo;
        list = listOf(ObjectKind::Photo);
    } else if (word == QLatin1String("logo")) {
        object = std::make_shared<CLogoObject>();
        list = listOf(ObjectKind::Logo);
    } else if (word == QLatin1String("rect") || word == QLatin1String("rectangle")) {
        object = std::make_shared<CRectangleObject>();
        list = listOf(ObjectKind::Rectangle);
    } else if (word == QLatin1String("line")) {
        object = std::make_shared<CLineObject>();
        list = listOf(ObjectKind::Line);
    } else if (word == QLatin1String("data")) {
        object = std::make_shared<CDataObject>();
        list = listOf(ObjectKind::Data);
    } else if (word == QLatin1String("text")) {
        object = std::make_shared<CTextObject>();
        list = listOf(ObjectKind::Text);
    } else if (word == QLatin1String("parsestring")) {
        object = std::make_shared<CParseString>(); // keeps its own Index, 0
    } else {
        throw KytError(ObjectNotSet,
            QCoreApplication::translate("kyt::CPrintTemplate", "Object variable or With block variable not set"));
    }

    if (list) {
        // The per-type number is 16 bits wide.
        if (list->size() >= 32767)
            throw KytError(Overflow, QCoreApplication::translate("kyt::CPrintTemplate", "Overflow"));
        list->push_back(object);
        object->setIndex(static_cast<qint16>(list->size()));
    }
    const QString key = sType + QString::number(object->Index());
    try {
        m_objects.Add(object, key);
    } catch (const CollectionError& e) {
        rethrow(e);
    }
    object->setName(key);
    object->setObjectType(sType);
    return object;
}

std::shared_ptr<CPhotoObject> CPrintTemplate::AddPhoto()
{
    return std::static_pointer_cast<CPhotoObject>(AddObject(QStringLiteral("Photo")));
}

std::shared_ptr<CDataObject> CPrintTemplate::AddData()
{
    return std::static_pointer_cast<CDataObject>(AddObject(QStringLiteral("Data")));
}

CDesignObjectPtr CPrintTemplate::Item(int position) const
{
    try {
        return m_objects.Item(position);
    } catch (const CollectionError& e) {
        rethrow(e);
    }
}

CDesignObjectPtr CPrintTemplate::Item(const QString& key) const
{
    try {
        return m_objects.Item(key);
    } catch (const CollectionError& e) {
        rethrow(e);
    }
}

CDesignObjectPtr CPrintTemplate::Item(const QVariant& vntIndexKey) const
{
    if (Objects::isNumber(vntIndexKey))
        return Item(vntIndexKey.toInt());
    return Item(vntIndexKey.toString());
}

void CPrintTemplate::Remove(const QVariant& vntIndexKey)
{
    try {
        m_objects.Remove(vntIndexKey);
    } catch (const CollectionError& e) {
        rethrow(e);
    }
}

QList<QObject*> CPrintTemplate::NewEnum() const
{
    QList<QObject*> list;
    list.reserve(m_objects.Count());
    for (const auto& object : m_objects)
        list.append(object.get());
    return list;
}

void CPrintTemplate::ClearObjects()
{
    for (auto& list : m_perType)
        list.clear();
    m_objects.Clear();
}

void CPrintTemplate::SortByZOrder()
{
    std::vector<std::pair<CDesignObjectPtr, QString>> work;
    work.reserve(static_cast<size_t>(m_objects.Count()));
    for (int i = 1; i <= m_objects.Count(); ++i)
        work.emplace_back(m_objects.Item(i), m_objects.KeyAt(i));
    // Equal values keep their relative order.
    std::stable_sort(
        work.begin(), work.end(), [](const auto& a, const auto& b) { return a.first->ZOrder() < b.first->ZOrder(); });

    // Each object goes back under its Name. A Name that is empty or already
    // taken (a host may rename objects) falls back to the object's old key,
    // so no object is ever lost by sorting.
    Objects sorted;
    for (auto& [object, oldKey] : work) {
        QString key = object->Name();
        if (key.isEmpty() || sorted.Contains(key))
            key = sorted.Contains(oldKey) ? QString() : oldKey;
        sorted.Add(object, key);
    }
    m_objects = std::move(sorted);
}

bool CPrintTemplate::ScaleID(double dWidth, double dHeight)
{
    try {
        const double w = m_f.Width;
        const double h2 = 2 * m_f.Height;
        if (w - dWidth <= 0 && h2 - dHeight <= 0) {
            m_f.Scalor = 1.0;
            return false;
        }
        if (divide(h2 * dWidth, w) < dHeight)
            m_f.Scalor = divide(dWidth, w);
        else
            m_f.Scalor = divide(dHeight, h2);
        return true;
    } catch (const std::exception& e) {
        reportFailure(e, QStringLiteral(" ScaleID"));
    }
    return false;
}

QStringList CPrintTemplate::GetDataFieldNames()
{
    QStringList names(1);
    try {
        qsizetype n = 0;
        for (const auto& object : m_perType[static_cast<size_t>(ObjectKind::Data)]) {
            const auto* data = static_cast<const CDataObject*>(object.get());
            names.resize(n + 2);
            bool found = false;
            for (qsizetype i = n; i >= 0 && !found; --i)
                found = names.at(i).compare(data->DataFieldName(), Qt::CaseInsensitive) == 0;
            if (!found)
                names[n++] = data->DataFieldName();
        }
    } catch (const std::exception& e) {
        reportFailure(e, QStringLiteral(" GetDataFieldNames"));
    }
    return names;
}

void CPrintTemplate::reportFailure(const std::exception& e, const QString& procedure) const
{
    if (m_error)
        m_error->Report(e, m_moduleSource + procedure);
}

} // namespace kyt
