#pragma once
// One target application: its ProgId, description, the application's object
// (created on first use) and the print data listing its fields (obtained on
// first use).

#include "kyt/kytcore_export.h"
#include "settings/TargetApplicationObject.h"
#include "template/CPrintData.h"
#include <QObject>
#include <QString>
#include <memory>

namespace kyt
{

class KYTCORE_EXPORT CTargetApplication : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString ProgId READ ProgId WRITE setProgId)
    Q_PROPERTY(QString Description READ Description WRITE setDescription)

public:
    explicit CTargetApplication(QObject* parent = nullptr);
    ~CTargetApplication() override;

    QString ProgId() const { return m_progId; }
    void setProgId(const QString& v) { m_progId = v; }
    QString Description() const { return m_description; }
    void setDescription(const QString& v) { m_description = v; }

    // The application's object, created from ProgId when none is held;
    // nullptr when it cannot be created.
    std::shared_ptr<TargetApplicationObject> Target();
    void setTarget(std::shared_ptr<TargetApplicationObject> target) { m_target = std::move(target); }

    // The application's fields: asked of the object once, then kept. Empty
    // when there is no object or it fails.
    std::shared_ptr<CPrintData> PrintData();
    void setPrintData(std::shared_ptr<CPrintData> printData) { m_printData = std::move(printData); }

private:
    QString m_progId;
    QString m_description;
    std::shared_ptr<TargetApplicationObject> m_target;
    std::shared_ptr<CPrintData> m_printData;
};

using CTargetApplicationPtr = std::shared_ptr<CTargetApplication>;

} // namespace kyt
