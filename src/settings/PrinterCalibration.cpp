#include "settings/PrinterCalibration.h"

#include "errors/CError.h"
#include "settings/AppSettings.h"
#include "settings/CTargetApplications.h"
#include "template/CPrintTemplate.h"
#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace kyt
{

using namespace reg;

namespace
{

QString section(const QString& queue)
{
    return QStringLiteral("Printers\\") + queue;
}

std::shared_ptr<RegistryStore> storeOr(RegistryStore* store)
{
    if (store)
        return std::shared_ptr<RegistryStore>(store, [](RegistryStore*) {});
    return RegistryStore::current();
}

bool validQueueName(const QString& queue)
{
    return !queue.isEmpty() && queue.size() <= 127 && !queue.contains(QLatin1Char('\\'));
}

// Why the store refused a write, in the system's words where it has them.
QString storeFailure(LONG rc, const RegistryStore& store)
{
    if (rc == ERROR_ACCESS_DENIED)
        return QCoreApplication::translate("kyt::PrinterCalibration", "the settings store is read-only");
    const QString why = store.lastFailure();
    return why.isEmpty()
        ? QCoreApplication::translate("kyt::PrinterCalibration", "the settings store refused the value (error %1)")
              .arg(rc)
        : QCoreApplication::translate("kyt::PrinterCalibration", "the settings store %1 could not be written: %2")
              .arg(store.fileName(), why);
}

QString number(double v)
{
    return QString::number(v, 'g', 10);
}

} // namespace

QString PrinterCalibration::problem() const
{
    if (!std::isfinite(xOffset) || !std::isfinite(yOffset) || std::abs(xOffset) > MaxOffset
        || std::abs(yOffset) > MaxOffset)
        return QCoreApplication::translate("kyt::PrinterCalibration", "offsets must be numbers from -%1 to %1 inches")
            .arg(MaxOffset);
    if (!std::isfinite(scale) || scale < MinScale || scale > MaxScale)
        return QCoreApplication::translate("kyt::PrinterCalibration", "the scale must be a number from %1 to %2")
            .arg(MinScale)
            .arg(MaxScale);
    return QString();
}

std::optional<PrinterCalibration> PrinterCalibration::load(const QString& queue, RegistryStore* store)
{
    if (!validQueueName(queue))
        return std::nullopt;
    const QString app = CTargetApplications::AppName;
    // One snapshot: a calibration written meanwhile is seen whole or not at
    // all. (A store that cannot begin one, read-only, is read as it is.)
    const auto s = storeOr(store);
    RegistryStore::Transaction snapshot(*s);
    const auto values = settings::GetAllSettings(app, section(queue), s.get());
    if (values.isEmpty())
        return std::nullopt;
    PrinterCalibration c;
    for (const settings::Setting& v : values) {
        bool ok = true;
        const double d = v.second.toDouble(&ok);
        if (v.first.compare(QLatin1String("XOffset"), Qt::CaseInsensitive) == 0)
            c.xOffset = d;
        else if (v.first.compare(QLatin1String("YOffset"), Qt::CaseInsensitive) == 0)
            c.yOffset = d;
        else if (v.first.compare(QLatin1String("Scale"), Qt::CaseInsensitive) == 0)
            c.scale = d;
        else
            continue;
        if (!ok)
            throw KytError(380,
                QCoreApplication::translate(
                    "kyt::PrinterCalibration", "the calibration of printer %1 is damaged: %2 is \"%3\"")
                    .arg(queue, v.first, v.second));
    }
    const QString why = c.problem();
    if (!why.isEmpty())
        throw KytError(380,
            QCoreApplication::translate("kyt::PrinterCalibration", "the calibration of printer %1 is damaged: %2")
                .arg(queue, why));
    return c;
}

void PrinterCalibration::save(const QString& queue, RegistryStore* store) const
{
    if (!validQueueName(queue))
        throw KytError(
            380, QCoreApplication::translate("kyt::PrinterCalibration", "\"%1\" is not a printer name").arg(queue));
    if (const QString why = problem(); !why.isEmpty())
        throw KytError(380, why);
    const QString app = CTargetApplications::AppName;
    const QList<QPair<QString, double>> values { { QStringLiteral("XOffset"), xOffset },
        { QStringLiteral("YOffset"), yOffset }, { QStringLiteral("Scale"), scale } };
    // All three values or none: a concurrent writer never leaves a mix.
    const auto s = storeOr(store);
    RegistryStore::Transaction transaction(*s);
    LONG rc = transaction.result();
    for (const auto& v : values)
        if (rc == ERROR_SUCCESS)
            rc = settings::SaveSetting(app, section(queue), v.first, number(v.second), s.get());
    if (rc == ERROR_SUCCESS)
        rc = transaction.commit();
    if (rc != ERROR_SUCCESS)
        throw KytError(qint32(rc), storeFailure(rc, *s));
}

void PrinterCalibration::remove(const QString& queue, RegistryStore* store)
{
    if (!validQueueName(queue))
        throw KytError(
            380, QCoreApplication::translate("kyt::PrinterCalibration", "\"%1\" is not a printer name").arg(queue));
    const auto s = storeOr(store);
    HKEY key = 0;
    const QString parent = CTargetApplications::AppName + QStringLiteral("\\Printers");
    LONG rc = s->RegOpenKeyEx(HKEY_CURRENT_USER, parent + QLatin1Char('\\') + queue, 0, KEY_ALL_ACCESS, &key);
    if (rc == ERROR_FILE_NOT_FOUND)
        return;
    if (rc == ERROR_SUCCESS) {
        for (const char* name : { "XOffset", "YOffset", "Scale" }) {
            const LONG r = s->RegDeleteValue(key, QString::fromLatin1(name));
            if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND)
                rc = r;
        }
        s->RegCloseKey(key);
    }
    HKEY parentKey = 0;
    if (rc == ERROR_SUCCESS
        && s->RegOpenKeyEx(HKEY_CURRENT_USER, parent, 0, KEY_ALL_ACCESS, &parentKey) == ERROR_SUCCESS) {
        rc = s->RegDeleteKey(parentKey, queue);
        s->RegCloseKey(parentKey);
    }
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
        throw KytError(qint32(rc),
            rc == ERROR_ACCESS_DENIED ? QCoreApplication::translate(
                "kyt::PrinterCalibration", "the settings store is read-only or the key holds more")
                                      : storeFailure(rc, *s));
}

QList<QString> PrinterCalibration::queues(RegistryStore* store)
{
    const auto s = storeOr(store);
    QList<QString> out;
    HKEY key = 0;
    if (s->RegOpenKeyEx(
            HKEY_CURRENT_USER, CTargetApplications::AppName + QStringLiteral("\\Printers"), 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return out;
    for (DWORD i = 0;; ++i) {
        QString name;
        if (s->RegEnumKeyEx(key, i, &name) != ERROR_SUCCESS)
            break;
        out.append(name);
    }
    s->RegCloseKey(key);
    return out;
}

void PrinterCalibration::applyTo(CPrintTemplate& t) const
{
    // Objects land at (offset + position) x Scalor: the added offsets are
    // divided by the new Scalor so they move the card by exactly their inches.
    t.setScalor(t.Scalor() * scale);
    t.setXOffset(static_cast<float>(t.XOffset() + xOffset / t.Scalor()));
    t.setYOffset(static_cast<float>(t.YOffset() + yOffset / t.Scalor()));
}

std::optional<QPair<double, double>> PrinterCalibration::parseOffset(const QString& text, QString* error)
{
    static const QRegularExpression part(QStringLiteral(R"(^\s*([-+]?(?:\d+\.?\d*|\.\d+))\s*(mm|in)?\s*$)"));
    const QStringList parts = text.split(QLatin1Char(','));
    double v[2] = { 0, 0 };
    bool ok = parts.size() == 2;
    for (int i = 0; ok && i < 2; ++i) {
        const auto m = part.match(parts[i]);
        ok = m.hasMatch();
        if (ok)
            v[i] = m.captured(1).toDouble() / (m.captured(2) == QLatin1String("mm") ? 25.4 : 1.0);
    }
    if (!ok) {
        *error = QCoreApplication::translate("kyt::PrinterCalibration",
            "\"%1\" is not an offset: give X,Y in inches or with mm (e.g. 0.02,-0.01 or 0.5mm,-0.3mm)")
                     .arg(text);
        return std::nullopt;
    }
    PrinterCalibration c;
    c.xOffset = v[0];
    c.yOffset = v[1];
    *error = c.problem();
    if (!error->isEmpty())
        return std::nullopt;
    return QPair<double, double>(v[0], v[1]);
}

} // namespace kyt
