#pragma once
// What the model needs of the designer: one control showing one design
// object, and the window holding the controls. The widgets library
// implements both; the model (objects and template) reaches the controls
// only through these interfaces, so it needs no window system.
//
// Positions and sizes are inches on the card; colours are 32-bit values with
// red in the low byte. Names are the control array names: "Photo", "Logo",
// "Rectangle", "Text", "Data", "Line".

#include "kyt/kytcore_export.h"
#include "platform/Picture.h"
#include <QString>
#include <memory>
#include <vector>

namespace kyt
{

class CDesignObject;

class KYTCORE_PRIVATE_EXPORT IDesignControl
{
public:
    virtual ~IDesignControl();

    // Array name and position in the array.
    virtual QString Name() const = 0;
    virtual int Index() const = 0;

    virtual float left() const = 0;
    virtual void setleft(float v) = 0;
    virtual float top() const = 0;
    virtual void settop(float v) = 0;
    virtual float Width() const = 0;
    virtual void setWidth(float v) = 0;
    virtual float Height() const = 0;
    virtual void setHeight(float v) = 0;

    // The control tag: "key=value;" items (see GetTagValue).
    virtual QString Tag() const = 0;
    virtual void setTag(const QString& tag) = 0;
    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual bool Visible() const = 0;
    virtual void setVisible(bool visible) = 0;

    // 0 transparent, 1 opaque.
    virtual int BackStyle() const = 0;
    virtual void setBackStyle(int v) = 0;
    // 0 none, otherwise the outline width in pixels.
    virtual int BorderStyle() const = 0;
    virtual void setBorderStyle(int v) = 0;
    // 0 left, 1 right, 2 centre.
    virtual int Alignment() const = 0;
    virtual void setAlignment(int v) = 0;
    virtual qint32 BackColor() const = 0;
    virtual void setBackColor(qint32 v) = 0;
    virtual qint32 ForeColor() const = 0;
    virtual void setForeColor(qint32 v) = 0;

    virtual QString FontName() const = 0;
    // Refuses (false, font unchanged) a family that is not installed; the
    // fallback family FallbackFontName is always taken.
    virtual bool setFontName(const QString& name) = 0;
    virtual double FontSize() const = 0;
    virtual void setFontSize(double points) = 0;
    virtual bool FontBold() const = 0;
    virtual void setFontBold(bool v) = 0;
    virtual bool FontItalic() const = 0;
    virtual void setFontItalic(bool v) = 0;
    virtual bool FontUnderline() const = 0;
    virtual void setFontUnderline(bool v) = 0;
    virtual bool FontStrikethrough() const = 0;
    virtual void setFontStrikethrough(bool v) = 0;

    virtual kyt::Picture Picture() const = 0;
    virtual void setPicture(const kyt::Picture& picture) = 0;
    virtual bool Stretch() const = 0;
    virtual void setStretch(bool v) = 0;

    // 0 brings the control in front of its siblings, 1 sends it behind them.
    virtual void ZOrder(int position = 0) = 0;

    // The type word of the object the control was shown from ("Rect" or
    // "Rectangle", ...), so a save keeps it; empty for a drawn object.
    virtual QString ObjectType() const = 0;
    virtual void setObjectType(const QString& typeWord) = 0;

    // The family a control shows when the object's font is missing.
    static inline const QString FallbackFontName = QStringLiteral("MS San Serif");
};

// An object the designer cannot show as a control (a parse string), kept
// aside while the template is open so a save puts it back unchanged.
// zSlot is the drawing order of the object that preceded it (INT16_MIN
// when it came first): it goes back after every object drawn at or below
// that value.
struct CarriedObject {
    std::shared_ptr<CDesignObject> object;
    QString key;
    int zSlot = 0;
};

class KYTCORE_PRIVATE_EXPORT IDesignForm
{
public:
    virtual ~IDesignForm();

    // Every design control, visible or not, in window order: the order in
    // which the surface draws them, bottom to top (what the person sees);
    // controls not in use come last.
    virtual std::vector<IDesignControl*> designControls() const = 0;
    // Element 0 of the named array when it is not in use, else a newly
    // loaded element with index UBound + 1; nullptr for an unknown name.
    virtual IDesignControl* LoadDesignControl(const QString& arrayName) = 0;
    // Objects kept aside while the template is shown.
    virtual std::vector<CarriedObject>& carriedObjects() = 0;
};

} // namespace kyt
