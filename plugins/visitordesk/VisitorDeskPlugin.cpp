#include "VisitorDeskPlugin.h"

#include "platform/Picture.h"
#include "template/CPrintData.h"
#include <QDate>
#include <QPainter>
#include <QPainterPath>

namespace kyt::visitordesk
{

QImage VisitorDesk::samplePhoto()
{
    // 35 x 45 mm at 96 dots per inch.
    QImage image(132, 170, QImage::Format_RGB32);
    image.fill(QColor(0xE8, 0xEE, 0xF4));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4A, 0x5A, 0x6E));
    QPainterPath shoulders;
    shoulders.moveTo(10, 170);
    shoulders.cubicTo(12, 128, 40, 112, 66, 112);
    shoulders.cubicTo(92, 112, 120, 128, 122, 170);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.drawRect(54, 92, 24, 24); // neck
    p.drawEllipse(QPointF(66, 66), 30, 36); // head
    p.end();
    return image;
}

void VisitorDesk::InitializePrintData(std::shared_ptr<CPrintData>& printData)
{
    if (!printData)
        printData = std::make_shared<CPrintData>();
    const QDate today = QDate::currentDate();
    CPrintData& d = *printData;
    d.Add(QStringLiteral("FirstName"), QStringLiteral("Maria"));
    d.Add(QStringLiteral("LastName"), QStringLiteral("Lindqvist"));
    d.Add(QStringLiteral("Company"), QStringLiteral("Northwind Logistics"));
    d.Add(QStringLiteral("Host"), QStringLiteral("J. Okafor, Facilities"));
    d.Add(QStringLiteral("Purpose"), QStringLiteral("Site inspection"));
    d.Add(QStringLiteral("VisitDate"), today.toString(QStringLiteral("M/d/yyyy")));
    d.Add(QStringLiteral("BadgeNo"), QStringLiteral("V-004217"));
    d.Add(QStringLiteral("ValidUntil"), today.toString(QStringLiteral("M/d/yyyy")) + QStringLiteral(" 6:00 PM"));
    d.Add(QStringLiteral("Escort"), QStringLiteral("Required"));
    d.Add(QStringLiteral("Image"), QVariant::fromValue(Picture(samplePhoto())));
}

std::shared_ptr<TargetApplicationObject> VisitorDeskPlugin::create(const QString& progId)
{
    if (progId.compare(QLatin1String("KYT.VisitorDesk"), Qt::CaseInsensitive) != 0)
        return nullptr;
    return std::make_shared<VisitorDesk>();
}

} // namespace kyt::visitordesk
