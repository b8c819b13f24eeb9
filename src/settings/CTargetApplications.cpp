#include "settings/CTargetApplications.h"

#include "errors/ModuleSource.h"
#include "settings/AppSettings.h"

namespace kyt
{

CTargetApplications::CTargetApplications(QObject* parent)
    : QObject(parent)
    , m_source(moduleSource(".CTargetApplications ("))
{
}

CTargetApplications::~CTargetApplications()
{
    while (m_items.Count() > 0)
        m_items.Remove(1);
}

CTargetApplicationPtr CTargetApplications::Add(const QString& description, const QString& progId)
{
    auto item = std::make_shared<CTargetApplication>();
    item->setProgId(progId);
    item->setDescription(description);
    AddTarget(item);
    return item;
}

void CTargetApplications::AddTarget(const CTargetApplicationPtr& target)
{
    if (!target)
        return;
    try {
        m_items.Add(target, target->ProgId());
    } catch (const CollectionError&) {
        // The first item with a ProgId stays.
    }
}

CTargetApplicationPtr CTargetApplications::Item(const QVariant& indexOrKey) const
{
    try {
        return const_cast<Items&>(m_items).Item(indexOrKey);
    } catch (const CollectionError&) {
        // Not an error for the caller: nullptr means "no such application".
        return nullptr;
    }
}

void CTargetApplications::Remove(const QVariant& indexOrKey)
{
    try {
        m_items.Remove(indexOrKey);
    } catch (const CollectionError&) {
        // Silent by design: an unknown application is passed over.
    }
}

void CTargetApplications::GetAllTargetApps(reg::RegistryStore* store)
{
    const QList<settings::Setting> all = settings::GetAllSettings(AppName, Section, store);
    for (const settings::Setting& s : all)
        if (!s.first.isEmpty())
            Add(s.second, s.first);
}

} // namespace kyt
