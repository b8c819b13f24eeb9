#pragma once
// The per-user application settings: string values under
// HKEY_CURRENT_USER\<application name>\<section> of the settings store.

#include "kyt/kytcore_export.h"
#include "platform/RegistryStore.h"
#include <QList>
#include <QPair>
#include <QString>
#include <memory>

namespace kyt::settings
{

using Setting = QPair<QString, QString>; // name, text

// Every string setting of a section, in the store's order; empty when the
// section does not exist. Values of other types are passed over.
KYTCORE_EXPORT QList<Setting> GetAllSettings(
    const QString& appName, const QString& section, reg::RegistryStore* store = nullptr);
KYTCORE_EXPORT QString GetSetting(const QString& appName, const QString& section, const QString& key,
    const QString& defaultValue = QString(), reg::RegistryStore* store = nullptr);
// Result codes of the store (0 success).
KYTCORE_EXPORT reg::LONG SaveSetting(const QString& appName, const QString& section, const QString& key,
    const QString& value, reg::RegistryStore* store = nullptr);
KYTCORE_EXPORT reg::LONG DeleteSetting(
    const QString& appName, const QString& section, const QString& key, reg::RegistryStore* store = nullptr);

} // namespace kyt::settings
