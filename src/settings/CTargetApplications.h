#pragma once
// The target applications registered for the current user: the settings of
// section "TargetApplications" of the designer's application settings, each
// setting's name a ProgId and its text the description.

#include "kyt/kytcore_export.h"
#include "platform/RegistryStore.h"
#include "settings/CTargetApplication.h"
#include "util/KeyedCollection.h"
#include <QObject>
#include <QString>
#include <QVariant>
#include <memory>

namespace kyt
{

class KYTCORE_EXPORT CTargetApplications : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)

public:
    using Items = KeyedCollection<CTargetApplicationPtr>;
    static inline const QString AppName = QStringLiteral("Software\\KYT\\KYT Central\\Designer");
    static inline const QString Section = QStringLiteral("TargetApplications");

    explicit CTargetApplications(QObject* parent = nullptr);
    ~CTargetApplications() override;

    // Appends a new item keyed by its ProgId (unkeyed when empty). A ProgId
    // already present leaves the first item in place; the new one is still returned.
    CTargetApplicationPtr Add(const QString& description, const QString& progId);
    void AddTarget(const CTargetApplicationPtr& target);
    // By 1-based position (a number) or ProgId; nullptr when absent.
    CTargetApplicationPtr Item(const QVariant& indexOrKey) const;
    int Count() const { return m_items.Count(); }
    // Unknown positions and keys are passed over.
    void Remove(const QVariant& indexOrKey);
    Items::const_iterator begin() const { return m_items.begin(); }
    Items::const_iterator end() const { return m_items.end(); }

    // Adds every registered target (the process-wide store unless given one).
    void GetAllTargetApps(reg::RegistryStore* store = nullptr);

    QString moduleSourceText() const { return m_source; }

private:
    Items m_items;
    QString m_source;
};

} // namespace kyt
