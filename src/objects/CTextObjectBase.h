#pragma once
// What static texts and data-field texts share: the font, colours,
// alignment, background, font-to-fit sizing and barcode settings, and their
// common 22-field token string (field 10 is the text of a static text and
// the field name of a data-field text).

#include "objects/CDesignObject.h"
#include <algorithm>

namespace kyt
{

struct Symbology;
struct SymbolOptions;

class KYTCORE_EXPORT CTextObjectBase : public CDesignObject
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(qint16 FontSize READ FontSize WRITE setFontSize)
    Q_PROPERTY(bool Bold READ Bold WRITE setBold)
    Q_PROPERTY(bool Italic READ Italic WRITE setItalic)
    Q_PROPERTY(bool Underline READ Underline WRITE setUnderline)
    Q_PROPERTY(bool Strikethrough READ Strikethrough WRITE setStrikethrough)
    Q_PROPERTY(qint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint16 Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool FontToFit READ FontToFit WRITE setFontToFit)
    Q_PROPERTY(bool Barcode READ Barcode WRITE setBarcode)
    // Decimal text; a write that is not a number is ignored here (the C++
    // setter reports it to its caller).
    Q_PROPERTY(QString BarcodeType READ BarcodeType WRITE trySetBarcodeType)
    Q_PROPERTY(QString BarcodePrefix READ BarcodePrefix WRITE setBarcodePrefix)
    Q_PROPERTY(QString BarcodePostfix READ BarcodePostfix WRITE setBarcodePostfix)
    Q_PROPERTY(qint16 ErrorCorrection READ ErrorCorrection WRITE setErrorCorrection)
    Q_PROPERTY(qint16 HumanReadable READ HumanReadable WRITE setHumanReadable)
    Q_PROPERTY(qint16 Rotation READ Rotation WRITE setRotation)
    Q_PROPERTY(float ModuleSize READ ModuleSize WRITE setModuleSize)
    Q_PROPERTY(bool ShrinkToFit READ ShrinkToFit WRITE setShrinkToFit)

public:
    static constexpr int FieldCount = 22;
    // Field 23, written only when it is not empty: the symbol options and
    // the shrink-only fit as "key=value;" items (see docs/template-file.md).
    static constexpr int OptionsField = 23;

    enum AlignmentValue : qint16 { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
    enum BarcodeTypeValue : qint32 { BarcodeNone = 0, Barcode3of9 = 1, Barcode128B = 2, Barcode128C = 3 };

    const QString& Text() const { return m_text; }
    void setText(const QString& v) { m_text = v; }
    const QString& FontName() const { return m_fontName; }
    void setFontName(const QString& v) { m_fontName = v; }
    // Points at template scale 1.
    qint16 FontSize() const { return m_fontSize; }
    void setFontSize(qint16 v) { m_fontSize = v; }
    bool Bold() const { return m_bold; }
    void setBold(bool v) { m_bold = v; }
    bool Italic() const { return m_italic; }
    void setItalic(bool v) { m_italic = v; }
    bool Underline() const { return m_underline; }
    void setUnderline(bool v) { m_underline = v; }
    bool Strikethrough() const { return m_strikethrough; }
    void setStrikethrough(bool v) { m_strikethrough = v; }
    // Colours, red in the low byte.
    qint32 ForeColor() const { return m_foreColor; }
    void setForeColor(qint32 v) { m_foreColor = v; }
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 v) { m_backColor = v; }
    // 0 left, 1 right, 2 centre.
    qint16 Alignment() const { return m_alignment; }
    void setAlignment(qint16 v) { m_alignment = v; }
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool v) { m_transparent = v; }
    bool FontToFit() const { return m_fontToFit; }
    void setFontToFit(bool v) { m_fontToFit = v; }
    bool Barcode() const { return m_barcode; }
    void setBarcode(bool v) { m_barcode = v; }

    // Barcode type as decimal text. The setter throws KytError (13, type
    // mismatch; 6, overflow) for a text that is not a 32-bit number.
    QString BarcodeType() const { return QString::number(m_barcodeType); }
    void setBarcodeType(const QString& text);
    qint32 BarcodeTypeNumber() const { return m_barcodeType; }
    void setBarcodeTypeNumber(qint32 v) { m_barcodeType = v; }

    const QString& BarcodePrefix() const { return m_barcodePrefix; }
    void setBarcodePrefix(const QString& v) { m_barcodePrefix = v; }
    const QString& BarcodePostfix() const { return m_barcodePostfix; }
    void setBarcodePostfix(const QString& v) { m_barcodePostfix = v; }

    // Symbol options (types 10 and up, see barcode/Symbol.h): the
    // error-correction level (0: the symbology's default), the
    // human-readable line of a linear symbol (0 none, 1 below, 2 above), the
    // rotation (0, 90, 180, 270) and the module size in inches (0: as large
    // as the box allows). Values out of range are kept within it.
    qint16 ErrorCorrection() const { return m_ecLevel; }
    void setErrorCorrection(qint16 v) { m_ecLevel = std::clamp<qint16>(v, 0, 9); }
    qint16 HumanReadable() const { return m_humanReadable; }
    void setHumanReadable(qint16 v) { m_humanReadable = std::clamp<qint16>(v, 0, 2); }
    qint16 Rotation() const { return m_rotation; }
    void setRotation(qint16 v);
    float ModuleSize() const { return m_moduleSize; }
    void setModuleSize(float v) { m_moduleSize = v > 0 && v <= 1 ? v : 0; }
    SymbolOptions symbolOptions() const;
    // With FontToFit: the font keeps its size unless the text is too wide
    // or too tall for the box, then shrinks to fit; it never grows.
    bool ShrinkToFit() const { return m_shrinkToFit; }
    void setShrinkToFit(bool v) { m_shrinkToFit = v; }

    // The symbology this object draws: Barcode set and a symbol type.
    // nullptr for the barcode fonts and plain text.
    const Symbology* symbology() const;
    // What a symbol encodes for a value: prefix, the trimmed value, postfix.
    QString SymbolContent(const QString& text) const;
    // What a reader reports for the object's barcode of `text` (symbols and
    // barcode fonts); empty when it draws none or cannot encode the text.
    QString BarcodeReading(const QString& text) const;

    // Barcode type number of a value: "" 0; "3of9" and "39" 1; "128" 2 (any
    // case); any other value its integer value. Throws KytError (13) for a
    // value that is not a number and (6) for one outside 16 bits.
    Q_INVOKABLE qint16 ConvertBarcodeType(const QVariant& vBarCodeType) const
    {
        return convertBarcodeType(vBarCodeType);
    }
    static qint16 convertBarcodeType(const QVariant& vBarCodeType);

    // The text to print for this object's barcode settings: trimmed, encoded
    // for Code 128 B (type 2) or C (type 3), then framed by prefix and postfix.
    QString BarcodeText(const QString& text) const;

    // Why `text` cannot be drawn as this object's barcode: the symbology and
    // the first character it has no symbol for. Empty when it can, or when
    // the object draws no barcode.
    QString BarcodeProblem(const QString& text) const;

    // Font size at a template scale: size x scalor rounded half to even,
    // kept within 16 bits.
    static int ScaledFontSize(double size, double scalor);

    // Font size at which `text` fills a width x height inch box on the
    // surface, outline included: sets the surface's FontSize to `size`,
    // measures, and scales by the smaller of the two ratios (rounded half to
    // even, kept within 16 bits). The outline term uses the printer's pixel
    // size (see RenderSupport.h), as an outline is sized for print.
    static int FontToFitSize(Surface& surface, double size, double width, double height, const QString& text);

    void CopyToControl(IDesignControl& ctl) override;
    void GetPropertiesFromControl(IDesignControl& ctl) override;
    QString TokenString() const override;
    void setTokenString(const QString& text) override;

protected:
    explicit CTextObjectBase(QString moduleSource, QObject* parent = nullptr);

    // The drawing both text kinds share. `t` is the text to draw; a data
    // field sets its colour before the font, draws a computed size 0 at 1,
    // sets the transparent text mode just before printing and keeps the
    // outline unfilled. A data field drawn without print data shows its
    // field name (DataFieldName), which need not be a barcode value.
    enum class TextKind { Static, DataField, DataFieldName };
    bool renderText(TextKind kind, const QString& t, const CardScale& oTemplate, Surface& oPrinter,
        std::shared_ptr<CError>& g_oError, float sgXOffset, float sgYOffset);

    // Field 10 of the token string.
    virtual QString tokenText() const = 0;
    virtual void setTokenText(const QString& text) = 0;

    QString m_text;

private:
    KYTCORE_NO_EXPORT void trySetBarcodeType(const QString& text);

    QString m_fontName = QStringLiteral("Arial");
    qint16 m_fontSize = 8;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikethrough = false;
    qint32 m_foreColor = 0;
    qint32 m_backColor = 0;
    qint16 m_alignment = 0;
    bool m_transparent = true;
    bool m_fontToFit = false;
    bool m_barcode = false;
    qint32 m_barcodeType = 0;
    QString m_barcodePrefix;
    QString m_barcodePostfix;
    qint16 m_ecLevel = 0;
    qint16 m_humanReadable = 0;
    qint16 m_rotation = 0;
    float m_moduleSize = 0;
    bool m_shrinkToFit = false;

    KYTCORE_NO_EXPORT QString optionsText() const;
    KYTCORE_NO_EXPORT void setOptionsText(const QString& text);
};

} // namespace kyt
