#pragma once
// The designer's defaults: size, orientation, duplex flag and target of a new
// template, the font, colours and flags of new text objects, the grid, and
// the designer window's last placement. Read from the settings store when
// created; every setter writes its value back at once.

#include "errors/CError.h"
#include "kyt/kytcore_export.h"
#include "platform/RegistryStore.h"
#include "template/TemplateDefaults.h"
#include <QObject>
#include <QString>
#include <memory>

namespace kyt
{

class CRegistry;

class KYTCORE_EXPORT CProperties : public QObject, public TemplateDefaults
{
    Q_OBJECT
    Q_PROPERTY(double DefaultWidth READ DefaultWidth WRITE setDefaultWidth)
    Q_PROPERTY(double DefaultHeight READ DefaultHeight WRITE setDefaultHeight)
    Q_PROPERTY(qint16 DefaultOrientation READ DefaultOrientation WRITE setDefaultOrientation)
    Q_PROPERTY(QString DefaultTarget READ DefaultTarget WRITE setDefaultTarget)
    Q_PROPERTY(QString DefaultFontName READ DefaultFontName WRITE setDefaultFontName)
    Q_PROPERTY(qint32 DefaultForeGround READ DefaultForeGround WRITE setDefaultForeGround)
    Q_PROPERTY(qint32 DefaultBackground READ DefaultBackground WRITE setDefaultBackground)
    Q_PROPERTY(bool DefaultFontBold READ DefaultFontBold WRITE setDefaultFontBold)
    Q_PROPERTY(double DefaultFontSize READ DefaultFontSize WRITE setDefaultFontSize)
    Q_PROPERTY(bool DefaultFontItalic READ DefaultFontItalic WRITE setDefaultFontItalic)
    Q_PROPERTY(bool DefaultShowGrid READ DefaultShowGrid WRITE setDefaultShowGrid)
    Q_PROPERTY(bool DefaultFontUnderline READ DefaultFontUnderline WRITE setDefaultFontUnderline)
    Q_PROPERTY(bool DefualtTransparent READ DefualtTransparent WRITE setDefualtTransparent)
    Q_PROPERTY(bool DefaultDuplex READ DefaultDuplex WRITE setDefaultDuplex)
    Q_PROPERTY(bool DefaultFontToFit READ DefaultFontToFit WRITE setDefaultFontToFit)
    Q_PROPERTY(float left READ left WRITE setLeft)
    Q_PROPERTY(float top READ top WRITE setTop)
    Q_PROPERTY(float Width READ Width WRITE setWidth)
    Q_PROPERTY(float Height READ Height WRITE setHeight)

public:
    static inline const QString DesignerKey = QStringLiteral("Software\\KYT\\KYT Central\\Designer");
    static inline const QString DefaultsSection = QStringLiteral("Defaults");
    static inline const QString EnvironmentSection = QStringLiteral("Environment");
    // System colours: window text and window background.
    static constexpr qint32 ColorWindowText = static_cast<qint32>(0x80000008u);
    static constexpr qint32 ColorWindowBackground = static_cast<qint32>(0x80000005u);

    // Reads every default from the process-wide store (or the given one).
    explicit CProperties(CErrorPtr error = nullptr, QObject* parent = nullptr);
    CProperties(std::shared_ptr<reg::RegistryStore> store, CErrorPtr error, QObject* parent = nullptr);
    ~CProperties() override;

    double DefaultWidth() const override { return m_defaultWidth; }
    void setDefaultWidth(double v);
    double DefaultHeight() const override { return m_defaultHeight; }
    void setDefaultHeight(double v);
    qint16 DefaultOrientation() const override { return m_defaultOrientation; }
    void setDefaultOrientation(qint16 v);
    QString DefaultTarget() const override { return m_defaultTarget; }
    void setDefaultTarget(const QString& v);
    QString DefaultFontName() const { return m_defaultFontName; }
    void setDefaultFontName(const QString& v);
    qint32 DefaultForeGround() const { return m_defaultForeGround; }
    void setDefaultForeGround(qint32 v);
    qint32 DefaultBackground() const { return m_defaultBackground; }
    void setDefaultBackground(qint32 v);
    bool DefaultFontBold() const { return m_defaultFontBold; }
    void setDefaultFontBold(bool v);
    double DefaultFontSize() const { return m_defaultFontSize; }
    void setDefaultFontSize(double v);
    bool DefaultFontItalic() const { return m_defaultFontItalic; }
    void setDefaultFontItalic(bool v);
    bool DefaultShowGrid() const { return m_defaultShowGrid; }
    void setDefaultShowGrid(bool v);
    bool DefaultFontUnderline() const { return m_defaultFontUnderline; }
    void setDefaultFontUnderline(bool v);
    bool DefualtTransparent() const { return m_defualtTransparent; }
    void setDefualtTransparent(bool v);
    bool DefaultDuplex() const override { return m_defaultDuplex; }
    void setDefaultDuplex(bool v);
    bool DefaultFontToFit() const { return m_defaultFontToFit; }
    void setDefaultFontToFit(bool v);

    // The designer window's placement in twips; -1 when none is stored.
    float left() const { return m_left; }
    void setLeft(float v);
    float top() const { return m_top; }
    void setTop(float v);
    float Width() const { return m_width; }
    void setWidth(float v);
    float Height() const { return m_height; }
    void setHeight(float v);

    // Text forms of the stored values.
    static QString numberText(double v);
    static QString numberText(float v);
    static QString booleanText(bool v);
    // Leading number rounded into 32 bits; the unsigned spelling of a system
    // colour (2147483656) is taken as the same colour.
    static qint32 colorFromText(const QString& text);

private:
    KYTCORE_NO_EXPORT void LoadDefaults();
    KYTCORE_NO_EXPORT void SaveDefault(const QString& valueName, const QString& value, const QString& section);

    std::unique_ptr<CRegistry> m_registry;
    double m_defaultWidth = 0;
    double m_defaultHeight = 0;
    qint16 m_defaultOrientation = 0;
    QString m_defaultTarget;
    QString m_defaultFontName;
    qint32 m_defaultForeGround = 0;
    qint32 m_defaultBackground = 0;
    bool m_defaultFontBold = false;
    double m_defaultFontSize = 0;
    bool m_defaultFontItalic = false;
    bool m_defaultShowGrid = false;
    bool m_defaultFontUnderline = false;
    bool m_defualtTransparent = false;
    bool m_defaultDuplex = false;
    bool m_defaultFontToFit = false;
    float m_left = -1;
    float m_top = -1;
    float m_width = -1;
    float m_height = -1;
};

} // namespace kyt
