#pragma once
// A sample target application: a reception desk that signs visitors in and
// prints their badges. Its print data lists the visitor's fields with
// sample values and a drawn placeholder photo under "Image".

#include "settings/TargetApplicationObject.h"
#include <QImage>
#include <QObject>

namespace kyt::visitordesk
{

class VisitorDesk : public TargetApplicationObject
{
public:
    void InitializePrintData(std::shared_ptr<CPrintData>& printData) override;
    // A head-and-shoulders silhouette on a pale background, passport proportions.
    static QImage samplePhoto();
};

class VisitorDeskPlugin : public QObject, public TargetApplicationPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KYT_TARGET_APPLICATION_PLUGIN_IID FILE "visitordesk.json")
    Q_INTERFACES(kyt::TargetApplicationPlugin)

public:
    std::shared_ptr<TargetApplicationObject> create(const QString& progId) override;
};

} // namespace kyt::visitordesk
