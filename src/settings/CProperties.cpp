#include "settings/CProperties.h"

#include "settings/CRegistry.h"
#include "util/NumberText.h"
#include <cmath>

namespace kyt
{

CProperties::CProperties(CErrorPtr error, QObject* parent)
    : CProperties(reg::RegistryStore::current(), std::move(error), parent)
{
}

CProperties::CProperties(std::shared_ptr<reg::RegistryStore> store, CErrorPtr error, QObject* parent)
    : QObject(parent)
    , m_registry(std::make_unique<CRegistry>(std::move(store)))
{
    m_registry->setAutoCreate(true);
    m_registry->setRoot(static_cast<qint32>(reg::HKEY_LOCAL_MACHINE));
    m_registry->setErrorObject(std::move(error));
    LoadDefaults();
}

CProperties::~CProperties() = default;

namespace
{
QString plainNumber(QString s, double v)
{
    if (s.contains(QLatin1Char('E'))) {
        // Readers take the leading number, so no exponent form is written.
        s = QString::number(v, 'f', 6);
        while (s.contains(QLatin1Char('.')) && (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.'))))
            s.chop(1);
    }
    return s;
}
} // namespace

QString CProperties::numberText(double v)
{
    return plainNumber(doubleToText(v), v);
}
QString CProperties::numberText(float v)
{
    return plainNumber(singleToText(v), v);
}

QString CProperties::booleanText(bool v)
{
    return v ? QStringLiteral("True") : QStringLiteral("False");
}

qint32 CProperties::colorFromText(const QString& text)
{
    const double r = std::nearbyint(leadingNumber(text));
    if (r >= -2147483648.0 && r <= 2147483647.0)
        return static_cast<qint32>(r);
    if (r > 0 && r <= 4294967295.0)
        return static_cast<qint32>(static_cast<quint32>(r));
    return 0;
}

void CProperties::LoadDefaults()
{
    CRegistry& r = *m_registry;
    r.GetAllStringData(DesignerKey + QLatin1Char('\\') + DefaultsSection);
    m_defaultWidth = leadingNumber(r.GetValue(QStringLiteral("Width"), QStringLiteral("3.375")));
    m_defaultHeight = leadingNumber(r.GetValue(QStringLiteral("Height"), QStringLiteral("2.125")));
    m_defaultOrientation = r.GetIntegerValue(QStringLiteral("Orientation"), 1);
    m_defaultTarget = r.GetValue(QStringLiteral("TargetApp"));
    m_defaultFontName = r.GetValue(QStringLiteral("FontName"), QStringLiteral("Arial"));
    m_defaultForeGround = colorFromText(r.GetValue(QStringLiteral("Foreground"), ColorWindowText));
    m_defaultBackground = colorFromText(r.GetValue(QStringLiteral("Background"), ColorWindowBackground));
    m_defaultFontBold = r.GetBooleanValue(QStringLiteral("FontBold"), false);
    m_defaultFontSize = leadingNumber(r.GetValue(QStringLiteral("FontSize"), 8));
    m_defaultFontItalic = r.GetBooleanValue(QStringLiteral("FontItalic"), false);
    m_defaultShowGrid = r.GetBooleanValue(QStringLiteral("ShowGrid"), true);
    m_defaultFontUnderline = r.GetBooleanValue(QStringLiteral("FontUnderline"), false);
    m_defualtTransparent = r.GetBooleanValue(QStringLiteral("Transparent"), true);
    m_defaultDuplex = r.GetBooleanValue(QStringLiteral("Duplex"), false);
    m_defaultFontToFit = r.GetBooleanValue(QStringLiteral("FontToFit"), false);

    r.GetAllStringData(DesignerKey + QLatin1Char('\\') + EnvironmentSection);
    m_left = static_cast<float>(leadingNumber(r.GetValue(QStringLiteral("Left"), -1)));
    m_top = static_cast<float>(leadingNumber(r.GetValue(QStringLiteral("Top"), -1)));
    m_width = static_cast<float>(leadingNumber(r.GetValue(QStringLiteral("Width"), -1)));
    m_height = static_cast<float>(leadingNumber(r.GetValue(QStringLiteral("Height"), -1)));
}

void CProperties::SaveDefault(const QString& valueName, const QString& value, const QString& section)
{
    const QString path = DesignerKey + QLatin1Char('\\') + section;
    if (m_registry->Key().compare(path, Qt::CaseInsensitive) != 0)
        m_registry->ReadKeyInfo(path);
    m_registry->SetValue(valueName, value);
}

#define KYT_DEFAULT_SETTER(Setter, field, Type, name, section, text)                                                   \
    void CProperties::Setter(Type v)                                                                                   \
    {                                                                                                                  \
        field = v;                                                                                                     \
        SaveDefault(QStringLiteral(name), text, section);                                                              \
    }

KYT_DEFAULT_SETTER(setDefaultWidth, m_defaultWidth, double, "Width", DefaultsSection, numberText(v))
KYT_DEFAULT_SETTER(setDefaultHeight, m_defaultHeight, double, "Height", DefaultsSection, numberText(v))
KYT_DEFAULT_SETTER(
    setDefaultOrientation, m_defaultOrientation, qint16, "Orientation", DefaultsSection, QString::number(v))
KYT_DEFAULT_SETTER(setDefaultTarget, m_defaultTarget, const QString&, "TargetApp", DefaultsSection, v)
KYT_DEFAULT_SETTER(setDefaultFontName, m_defaultFontName, const QString&, "FontName", DefaultsSection, v)
KYT_DEFAULT_SETTER(setDefaultForeGround, m_defaultForeGround, qint32, "Foreground", DefaultsSection, QString::number(v))
KYT_DEFAULT_SETTER(setDefaultBackground, m_defaultBackground, qint32, "Background", DefaultsSection, QString::number(v))
KYT_DEFAULT_SETTER(setDefaultFontBold, m_defaultFontBold, bool, "FontBold", DefaultsSection, booleanText(v))
KYT_DEFAULT_SETTER(setDefaultFontSize, m_defaultFontSize, double, "FontSize", DefaultsSection, numberText(v))
KYT_DEFAULT_SETTER(setDefaultFontItalic, m_defaultFontItalic, bool, "FontItalic", DefaultsSection, booleanText(v))
KYT_DEFAULT_SETTER(setDefaultShowGrid, m_defaultShowGrid, bool, "ShowGrid", DefaultsSection, booleanText(v))
KYT_DEFAULT_SETTER(
    setDefaultFontUnderline, m_defaultFontUnderline, bool, "FontUnderline", DefaultsSection, booleanText(v))
KYT_DEFAULT_SETTER(setDefualtTransparent, m_defualtTransparent, bool, "Transparent", DefaultsSection, booleanText(v))
KYT_DEFAULT_SETTER(setDefaultDuplex, m_defaultDuplex, bool, "Duplex", DefaultsSection, booleanText(v))
KYT_DEFAULT_SETTER(setDefaultFontToFit, m_defaultFontToFit, bool, "FontToFit", DefaultsSection, booleanText(v))
KYT_DEFAULT_SETTER(setLeft, m_left, float, "Left", EnvironmentSection, numberText(v))
KYT_DEFAULT_SETTER(setTop, m_top, float, "Top", EnvironmentSection, numberText(v))
KYT_DEFAULT_SETTER(setWidth, m_width, float, "Width", EnvironmentSection, numberText(v))
KYT_DEFAULT_SETTER(setHeight, m_height, float, "Height", EnvironmentSection, numberText(v))

#undef KYT_DEFAULT_SETTER

} // namespace kyt
