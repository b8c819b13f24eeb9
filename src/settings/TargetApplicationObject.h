#pragma once
// What a target application offers the card library: it fills a print data
// with its fields. Hosts register factories for their own objects
// (TargetApplicationFactory); other programs ship a plugin
// (TargetApplicationPlugin).

#include "kyt/kytcore_export.h"
#include <QString>
#include <QtPlugin>
#include <memory>

namespace kyt
{

class CPrintData;

class KYTCORE_EXPORT TargetApplicationObject
{
public:
    virtual ~TargetApplicationObject();
    // Fills printData with the application's fields; may replace it with
    // another print data.
    virtual void InitializePrintData(std::shared_ptr<CPrintData>& printData) = 0;
};

// The interface a target-application plugin implements. Its metadata names
// the ProgId(s) it serves: {"ProgId": "Vendor.App"} or {"ProgId": ["A", "B"]}.
class TargetApplicationPlugin
{
public:
    virtual ~TargetApplicationPlugin() = default;
    // A new object for progId (one of the plugin's), or nullptr.
    virtual std::shared_ptr<TargetApplicationObject> create(const QString& progId) = 0;
};

} // namespace kyt

#define KYT_TARGET_APPLICATION_PLUGIN_IID "org.kyt.KYTPreview.TargetApplicationPlugin/1.0"
Q_DECLARE_INTERFACE(kyt::TargetApplicationPlugin, KYT_TARGET_APPLICATION_PLUGIN_IID)
