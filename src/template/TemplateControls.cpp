// The bridge between a template's objects and the designer's controls.

#include "template/TemplateControls.h"
#include "errors/MessageBox.h"
#include "objects/CDataObject.h"
#include "objects/CDesignObject.h"
#include "objects/IDesignControl.h"
#include "template/CPrintTemplate.h"
#include "util/Strings.h"
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <climits>
#include <cmath>

namespace kyt
{

namespace
{
bool isParseString(const CDesignObject& o)
{
    return o.ObjectType().compare(QLatin1String("ParseString"), Qt::CaseInsensitive) == 0;
}

// The control array showing an object type; empty for types the designer
// keeps aside.
QString arrayFor(const QString& objectType)
{
    const QString w = objectType.toLower();
    if (w == QLatin1String("photo"))
        return QStringLiteral("Photo");
    if (w == QLatin1String("logo"))
        return QStringLiteral("Logo");
    if (w == QLatin1String("rect") || w == QLatin1String("rectangle"))
        return QStringLiteral("Rectangle");
    if (w == QLatin1String("text"))
        return QStringLiteral("Text");
    if (w == QLatin1String("data"))
        return QStringLiteral("Data");
    if (w == QLatin1String("line"))
        return QStringLiteral("Line");
    return QString();
}

const QStringList& savedArrays()
{
    static const QStringList names { QStringLiteral("Rectangle"), QStringLiteral("Logo"), QStringLiteral("Photo"),
        QStringLiteral("Text"), QStringLiteral("Data"), QStringLiteral("Line") };
    return names;
}

bool named(const IDesignControl& c, const char* name)
{
    return c.Name().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

QString fieldKey(const IDesignControl& c)
{
    return TrimBlanks(GetTagValue(c.Tag(), QStringLiteral("Key")));
}
} // namespace

qint16 CPrintTemplate::ZOrderFromTag(const QString& tag)
{
    bool ok = false;
    const double v = GetTagValue(tag, QStringLiteral("Zorder")).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0;
    return static_cast<qint16>(std::clamp<long>(std::lrint(v), SHRT_MIN, SHRT_MAX));
}

bool CPrintTemplate::ClassToControls(IDesignForm& form)
{
    try {
        form.carriedObjects().clear();
        int previousZ = INT_MIN;
        for (int i = 1; i <= m_objects.Count(); ++i) {
            const CDesignObjectPtr& o = m_objects.Item(i);
            const QString array = arrayFor(o->ObjectType());
            if (array.isEmpty()) {
                form.carriedObjects().push_back(CarriedObject { o, m_objects.KeyAt(i), previousZ });
                continue;
            }
            previousZ = o->ZOrder();
            IDesignControl* ctl = form.LoadDesignControl(array);
            if (!ctl)
                throw KytError(340,
                    QCoreApplication::translate("kyt::CPrintTemplate", "Control array element '%1' does not exist")
                        .arg(array));
            ctl->setObjectType(o->ObjectType());
            o->CopyToControl(*ctl);
        }
        return true;
    } catch (const std::exception& e) {
        reportFailure(e, QStringLiteral(" ClassToControls"));
    }
    return false;
}

bool CPrintTemplate::ControlstoAttributes(IDesignForm& form)
{
    try {
        ClearObjects();
        for (IDesignControl* c : form.designControls()) {
            if (!c || !c->Visible() || !savedArrays().contains(c->Name(), Qt::CaseInsensitive))
                continue;
            // Saving anyway leaves out what cannot be stored.
            if (!unsaveableReason(*c).isEmpty())
                continue;
            const QString word = c->ObjectType();
            const bool sameKind = !word.isEmpty() && arrayFor(word).compare(c->Name(), Qt::CaseInsensitive) == 0;
            const CDesignObjectPtr o = AddObject(sameKind ? word : c->Name());
            o->GetPropertiesFromControl(*c);
        }
        // No re-sort by the z-order numbers: the controls come in the order
        // the surface draws them, which is what the person arranged and saw.

        // Kept-aside objects go back behind everything drawn at or below
        // the drawing order of the object they followed.
        for (const CarriedObject& carried : form.carriedObjects()) {
            int at = 0;
            for (int i = 1; i <= m_objects.Count(); ++i) {
                const CDesignObjectPtr& o = m_objects.Item(i);
                // Objects put back before this one came before it in the template.
                if (isParseString(*o) || (carried.zSlot != INT_MIN && o->ZOrder() <= carried.zSlot))
                    at = i;
            }
            Objects rebuilt;
            for (int i = 1; i <= at; ++i)
                rebuilt.Add(m_objects.Item(i), m_objects.KeyAt(i));
            QString key = carried.key;
            if (m_objects.Contains(key))
                key.clear();
            rebuilt.Add(carried.object, key);
            for (int i = at + 1; i <= m_objects.Count(); ++i)
                rebuilt.Add(m_objects.Item(i), m_objects.KeyAt(i));
            m_objects = std::move(rebuilt);
        }
        return true;
    } catch (const std::exception& e) {
        reportFailure(e, QStringLiteral(" ControlstoAttributes"));
    }
    return false;
}

QString unsaveableReason(const IDesignControl& c)
{
    if (named(c, "Text") && TrimBlanks(c.Caption()).isEmpty())
        return QCoreApplication::translate("kyt::CPrintTemplate", "A static text box can not be saved without text.");
    if (named(c, "Data") && fieldKey(c).isEmpty())
        return QCoreApplication::translate(
            "kyt::CPrintTemplate", "A data field box can not be saved without a data field name.");
    // A logo's picture is stored in the file; without one the save would fail.
    if (named(c, "Logo") && c.Picture().isNull())
        return QCoreApplication::translate("kyt::CPrintTemplate", "A logo can not be saved without a picture.");
    return QString();
}

bool CPrintTemplate::ValidateControls(IDesignForm& form)
{
    bool ok = true;
    for (IDesignControl* c : form.designControls()) {
        if (!c || !c->Visible())
            continue;
        if (const QString why = unsaveableReason(*c); !why.isEmpty()) {
            MsgBox(why, vbInformation, QCoreApplication::translate("kyt::CPrintTemplate", "Save Template"));
            ok = false;
        }
    }
    return ok;
}

} // namespace kyt
