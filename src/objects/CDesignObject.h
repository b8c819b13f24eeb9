#pragma once
// What every design object on a card shares: its key and type word, its box
// in inches, drawing order, per-type number, outline width and its one-line
// text form. The template creates the objects and holds them by shared
// pointer.

#include "kyt/kytcore_export.h"
#include "objects/RenderContext.h"
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

namespace kyt
{

class CError;
class Surface;
class IDesignControl;
namespace tokens
{
class TokenWriter;
class TokenReader;
}

class KYTCORE_EXPORT CDesignObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(QString ObjectType READ ObjectType WRITE setObjectType)
    Q_PROPERTY(float top READ top WRITE settop)
    Q_PROPERTY(float left READ left WRITE setleft)
    Q_PROPERTY(float Width READ Width WRITE setWidth)
    Q_PROPERTY(float Height READ Height WRITE setHeight)
    Q_PROPERTY(qint16 ZOrder READ ZOrder WRITE setZOrder)
    Q_PROPERTY(qint16 Index READ Index WRITE setIndex)
    Q_PROPERTY(qint16 Border READ Border WRITE setBorder)
    Q_PROPERTY(QString TokenString READ TokenString WRITE setTokenString)

public:
    ~CDesignObject() override;

    // The object's key in its template.
    const QString& Name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    // The type word the object was created from, as it was given.
    const QString& ObjectType() const { return m_objectType; }
    void setObjectType(const QString& type) { m_objectType = type; }

    // Top-left corner and size on the card, in inches.
    float top() const { return m_top; }
    void settop(float v) { m_top = v; }
    float left() const { return m_left; }
    void setleft(float v) { m_left = v; }
    float Width() const { return m_width; }
    void setWidth(float v) { m_width = v; }
    float Height() const { return m_height; }
    void setHeight(float v) { m_height = v; }

    // Lower values are drawn first.
    qint16 ZOrder() const { return m_zOrder; }
    void setZOrder(qint16 v) { m_zOrder = v; }
    // Number within the object's type, given by the template.
    qint16 Index() const { return m_index; }
    void setIndex(qint16 v) { m_index = v; }
    // Outline width in surface pixels; 0 none; the sign is ignored.
    qint16 Border() const { return m_border; }
    void setBorder(qint16 v) { m_border = v; }

    // The one-line text form. Reading it back never fails: fields that
    // cannot be converted leave their member as it was.
    virtual QString TokenString() const = 0;
    virtual void setTokenString(const QString& text) = 0;

    Q_INVOKABLE void DisplayControl() { }

    // Shows the object on a designer control (tag first, Visible last) and
    // reads it back. Failing steps are passed over. The base does nothing
    // (parse strings have no control).
    virtual void CopyToControl(IDesignControl& ctl);
    virtual void GetPropertiesFromControl(IDesignControl& ctl);

    // Draws the object on oPrinter (in inches) at the template's scale and
    // offsets plus sgXOffset/sgYOffset. True when drawn; false after a
    // failure reported through g_oError. The reporter and the print data are
    // passed by reference so an object may hand back replacements.
    virtual bool Render(const CardScale& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
        std::shared_ptr<FieldValues>& oPrintData, float sgXOffset, float sgYOffset)
        = 0;

    // Source text for error reports, e.g. "KYTPreview.CTextObject (8.1.3)".
    const QString& moduleSource() const { return m_moduleSource; }
    // Source text of a failed drawing: the module source and " Render".
    QString renderSource() const { return m_moduleSource + QStringLiteral(" Render"); }

    // The designer control currently showing the object (not owned).
    QObject* Control() const { return m_control.data(); }
    void setControl(QObject* control) { m_control = control; }

    // The object's box on a surface in inches, scaled by the template:
    // W = Width x S, H = Height x S, X = (XOffset + left) x S,
    // Y = (YOffset + top) x S. The caller adds its own surface offsets.
    struct ScaledBox {
        double X = 0;
        double Y = 0;
        double W = 0;
        double H = 0;
    };
    ScaledBox scaledBox(double scalor, float templateXOffset, float templateYOffset) const;
    ScaledBox scaledBox(const CardScale& oTemplate) const;

    // Inset of a picture or text from an outlined box (one pixel at 96 per inch).
    static constexpr double BorderInset = 0.01041667;

protected:
    explicit CDesignObject(QString moduleSource, QObject* parent = nullptr);

    // Fields 1-5 (top, left, Width, Height, ZOrder), the start of every
    // token string but the parse string's.
    KYTCORE_NO_EXPORT void writeBoxFields(tokens::TokenWriter& w) const;
    KYTCORE_NO_EXPORT void readBoxFields(const tokens::TokenReader& r);

    // The four box fields and the z-order, the start of most token strings.
    float m_top = 0;
    float m_left = 0;
    float m_width = 0;
    float m_height = 0;
    qint16 m_zOrder = 0;
    qint16 m_index = 0;
    qint16 m_border = 0;

private:
    QString m_moduleSource;
    QString m_name;
    QString m_objectType;
    QPointer<QObject> m_control;
};

using CDesignObjectPtr = std::shared_ptr<CDesignObject>;

} // namespace kyt
