// Inches or millimetres for the designer's lengths, read from and written
// to the settings store.

#include "dialogs/LengthUnits.h"

#include "dialogs/frmOptions.h"
#include "settings/AppSettings.h"
#include "settings/CTargetApplications.h"
#include "util/NumberText.h"

namespace kyt::units
{

namespace
{
constexpr double MillimetresPerInch = 25.4;
} // namespace

Unit current()
{
    const QString v
        = settings::GetSetting(CTargetApplications::AppName, frmOptions::UnitsSection, frmOptions::UnitsKey);
    return v.compare(QLatin1String("mm"), Qt::CaseInsensitive) == 0 ? Unit::Millimetres : Unit::Inches;
}

void setCurrent(Unit unit)
{
    settings::SaveSetting(CTargetApplications::AppName, frmOptions::UnitsSection, frmOptions::UnitsKey, suffix(unit));
}

double fromInches(double inches, Unit unit)
{
    return unit == Unit::Millimetres ? inches * MillimetresPerInch : inches;
}

double toInches(double value, Unit unit)
{
    return unit == Unit::Millimetres ? value / MillimetresPerInch : value;
}

QString suffix(Unit unit)
{
    return unit == Unit::Millimetres ? QStringLiteral("mm") : QStringLiteral("in");
}

int decimals(Unit unit)
{
    return unit == Unit::Millimetres ? 2 : 3;
}

QString format(double inches, Unit unit)
{
    return QString::number(fromInches(inches, unit), 'f', decimals(unit)) + QLatin1Char(' ') + suffix(unit);
}

QString statusLength(double inches, Unit unit)
{
    if (unit == Unit::Inches)
        return QString::number(inches, 'f', 3) + QLatin1Char('"');
    return format(inches, unit);
}

QString statusPoint(double x, double y, Unit unit)
{
    const int d = decimals(unit);
    return QStringLiteral("%1, %2 %3")
        .arg(fromInches(x, unit), 0, 'f', d)
        .arg(fromInches(y, unit), 0, 'f', d)
        .arg(suffix(unit));
}

QString boxText(double inches, Unit unit, int mmDecimals)
{
    if (unit == Unit::Inches)
        return formatInchText(inches) + QLatin1Char('"');
    QString s = QString::number(fromInches(inches, unit), 'f', mmDecimals);
    while (s.contains(QLatin1Char('.')) && (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.'))))
        s.chop(1);
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s + QLatin1Char(' ') + suffix(unit);
}

double boxInches(const QString& text, Unit unit)
{
    return toInches(leadingNumber(text), unit);
}

} // namespace kyt::units
