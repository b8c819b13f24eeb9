// The selection controller: the outline and handles around the selected
// object, handle drags, and the object commands it carries out.

#include "designer/COutline.h"

#include "designer/ControlArray.h"
#include "designer/DesignControl.h"
#include "designer/SurfaceItem.h"
#include "designer/frmPreview.h"
#include "dialogs/frmBarcodeProp.h"
#include "errors/CError.h"
#include "errors/MessageBox.h"
#include "errors/ModuleSource.h"
#include "objects/CTextObject.h"
#include "platform/CommonDialog.h"
#include "platform/Picture.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/widgets/ModalRunner.h"
#include "template/CPrintData.h"
#include "util/Strings.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <optional>

namespace kyt
{

namespace
{

const QString Sep = QStringLiteral(";");
const QString KeyZorder = QStringLiteral("Zorder");
const QString KeyBarcode = QStringLiteral("BC");
const QString KeyBarcodeType = QStringLiteral("BCType");
const QString KeyPrefix = QStringLiteral("Pre");
const QString KeyPostfix = QStringLiteral("Post");
const QString KeyFontToFit = QStringLiteral("FTF");
const QString KeyField = QStringLiteral("Key");

// Object variable not set: a command that needs a control without one.
constexpr qint32 NoControlError = 91;
// The platform's "Invalid picture".
constexpr qint32 InvalidPictureError = 481;

QString boolWord(bool v)
{
    return v ? QStringLiteral("True") : QStringLiteral("False");
}

bool isTextKind(const DesignControl& c)
{
    return c.kind() == DesignControl::Kind::Text || c.kind() == DesignControl::Kind::Data;
}

void setTagItem(DesignControl& c, const QString& key, const QString& value)
{
    QString tag = c.Tag();
    SetTagValue(tag, key, Sep, value);
    c.setTag(tag);
}

// A tag item's whole-number value; nullopt when absent or not a number.
std::optional<int> tagInt(const QString& tag, const QString& key)
{
    bool notFound = false;
    const QString v = GetTagValue(tag, key, Sep, QStringLiteral("="), &notFound);
    if (notFound)
        return std::nullopt;
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::abs(d) > 1e9)
        return std::nullopt;
    return static_cast<int>(std::lround(d));
}

} // namespace

COutline::COutline()
    : m_moduleSource(kyt::moduleSource(".COutline ("))
{
}

COutline::~COutline() = default;

void COutline::report(const std::exception& e, const char* procedure) const
{
    if (m_error)
        m_error->Report(e, m_moduleSource + QLatin1String(procedure));
}

ICommonDialog& COutline::dialog() const
{
    return m_dialogBox ? *m_dialogBox : commonDialog();
}

DesignControl* COutline::lastControl() const
{
    return m_control.data();
}

DesignControl* COutline::selectedControl() const
{
    return m_selected ? m_control.data() : nullptr;
}

// --- Selection and handles ---------------------------------------------------

void COutline::setType(DesignControl* control)
{
    if (!control) {
        m_selected = false;
    } else {
        m_control = control;
        m_selected = true;
    }
    if (m_form)
        emit m_form->selectionChanged();
}

void COutline::showOutline(bool visible)
{
    // Rectangle first, then the handles, so the handles end up on top.
    QWidget* items[]
        = { m_rectangle.data(), m_handles[0].data(), m_handles[1].data(), m_handles[2].data(), m_handles[3].data() };
    for (QWidget* w : items) {
        if (!w)
            continue;
        w->setVisible(visible);
        if (visible)
            w->raise();
    }
}

InchRect COutline::outlineRect() const
{
    if (!m_rectangle)
        return {};
    return InchRect { m_rectangle->itemLeft(), m_rectangle->itemTop(), m_rectangle->itemWidth(),
        m_rectangle->itemHeight() };
}

void COutline::coordToOutline(float left, float top, float right, float bottom)
{
    // Moved in place, not hidden first: hiding the handle being dragged
    // would end its hold on the mouse.
    if (!m_rectangle)
        throw KytError(NoControlError, QCoreApplication::translate("kyt::COutline", "The outline has no rectangle."));
    const InchRect r { left, top, right - left, bottom - top };
    m_rectangle->setItemGeometry(r.left, r.top, r.width, r.height);
    const float handleWidth = m_handles[0] ? m_handles[0]->itemWidth() : 0.0f;
    const auto at = outline::handlePositions(r, handleWidth);
    for (int i = 0; i < 4; ++i) {
        if (m_handles[i]) {
            m_handles[i]->setItemLeft(at[i].x);
            m_handles[i]->setItemTop(at[i].y);
        }
    }
    showOutline(true);
}

void COutline::Selected(DesignControl* control)
{
    try {
        setType(control);
        if (!m_selected)
            return;
        showOutline(false);
        if (!m_rectangle)
            throw KytError(
                NoControlError, QCoreApplication::translate("kyt::COutline", "The outline has no rectangle."));
        m_rectangle->setItemGeometry(control->left(), control->top(), control->Width(), control->Height());
        const InchRect r = outlineRect();
        coordToOutline(r.left, r.top, r.right(), r.bottom());
    } catch (const std::exception& e) {
        report(e, " Selected");
    }
}

void COutline::refresh()
{
    if (DesignControl* c = selectedControl())
        Selected(c);
}

void COutline::Unselect()
{
    showOutline(false);
    const bool was = m_selected;
    m_selected = false;
    if (was && m_form)
        emit m_form->selectionChanged();
}

void COutline::GetSelected(int& index, QString& name) const
{
    if (DesignControl* c = selectedControl()) {
        index = c->Index();
        name = c->Name();
    } else {
        index = 0;
        name = QStringLiteral("Pointer");
    }
}

void COutline::DragMove(const CornerHandle* handle, float& x, float& y)
{
    try {
        if (!handle)
            throw KytError(NoControlError, QCoreApplication::translate("kyt::COutline", "No handle is dragged."));
        const InchRect r = outline::dragCorner(outlineRect(), handle->Index(), x, y);
        coordToOutline(r.left, r.top, r.right(), r.bottom());
    } catch (const std::exception& e) {
        report(e, " DragMove");
    }
}

void COutline::DragDrop(const CornerHandle*, float, float)
{
    try {
        DesignControl* c = selectedControl();
        if (!c)
            return;
        const InchRect r = outlineRect();
        c->setleft(r.left);
        c->settop(r.top);
        c->setWidth(r.width);
        c->setHeight(r.height);
        refitFont(*c);
    } catch (const std::exception& e) {
        report(e, " DragDrop");
    }
}

void COutline::refitFont(DesignControl& control)
{
    if (!isTextKind(control))
        return;
    CTextObject text;
    text.GetPropertiesFromControl(control);
    // A shrink-only fit keeps the set size; the control shows the fitted one.
    if (!text.FontToFit() || text.ShrinkToFit())
        return;
    // Measured as the printer measures, not at the screen's zoom.
    PictureBoxSurface printer(QSize(1, 1), 300.0);
    printer.setScaleMode(5);
    printer.setFontName(text.FontName());
    printer.setFontBold(text.Bold());
    printer.setFontItalic(text.Italic());
    printer.setFontUnderline(text.Underline());
    const int size = CTextObjectBase::FontToFitSize(
        printer, text.FontSize(), control.Width(), control.Height(), control.Caption());
    control.setFontSize(std::max(size, 1));
}

// --- Commands -----------------------------------------------------------------

void COutline::ChangeColor(const QString& which)
{
    try {
        DesignControl* c = selectedControl();
        if (!c)
            return;
        // A line has no background: its one colour is its pen.
        const bool back = which == QLatin1String("Back") && c->kind() != DesignControl::Kind::Line;
        const std::optional<QColor> chosen
            = dialog().ShowColor(DesignControl::toColor(back ? c->BackColor() : c->ForeColor()));
        if (!chosen)
            return;
        const QRgb rgb = chosen->rgb();
        const qint32 value = qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
        if (back)
            c->setBackColor(value);
        else
            c->setForeColor(value);
    } catch (const std::exception& e) {
        report(e, " ChangeColor");
    }
}

void COutline::ChangeFont()
{
    try {
        DesignControl* c = selectedControl();
        if (!c)
            return;
        QString family = c->FontName();
        if (family.isEmpty() || !Surface::fontInstalled(family)) {
            MsgBox(QCoreApplication::translate("kyt::COutline", "The font ") + c->FontName()
                    + QCoreApplication::translate(
                        "kyt::COutline", " previously selected is not available.  A default font has been selected."),
                vbInformation, QCoreApplication::translate("kyt::COutline", "Missing Font"));
            family = m_form ? m_form->font().family() : QString();
        }
        QFont initial(family);
        if (c->FontSize() > 0)
            initial.setPointSizeF(c->FontSize());
        initial.setBold(c->FontBold());
        initial.setItalic(c->FontItalic());
        initial.setUnderline(c->FontUnderline());
        initial.setStrikeOut(c->FontStrikethrough());

        CommonDialogRequest r;
        r.kind = CommonDialogKind::Font;
        r.font = initial;
        r.color = DesignControl::toColor(c->ForeColor());
        r.flags = 0x20102; // printer fonts, effects, scalable only
        r.fontEffects = true;
        const std::optional<CommonDialogAnswer> answer = dialog().Show(r);
        if (!answer)
            return;
        const QFont* font = std::get_if<QFont>(&*answer);
        if (!font)
            return;
        c->setFontName(font->family());
        if (font->pointSizeF() > 0)
            c->setFontSize(std::clamp(std::round(font->pointSizeF()), 1.0, 32767.0));
        c->setFontBold(font->bold());
        c->setFontItalic(font->italic());
        c->setFontUnderline(font->underline());
        c->setFontStrikethrough(font->strikeOut());
    } catch (const std::exception& e) {
        report(e, " ChangeFont");
    }
}

void COutline::deleteFromArray(DesignControl& control, const char* procedure)
{
    try {
        ControlArray* array = control.array();
        if (!array)
            throw KytError(
                NoControlError, QCoreApplication::translate("kyt::COutline", "The control belongs to no array."));
        const std::vector<DesignControl*> elements = array->elements();
        auto it = std::find(elements.begin(), elements.end(), &control);
        if (it == elements.end())
            throw KytError(NoControlError, QCoreApplication::translate("kyt::COutline", "The control is not loaded."));
        // Each later element moves down one place with everything it has,
        // and takes its drawing position along, so the others stay as they
        // were.
        for (; it + 1 != elements.end(); ++it) {
            DesignControl* to = *it;
            DesignControl* from = *(it + 1);
            to->setVisible(false);
            to->copyPropertiesFrom(*from);
            to->stackUnder(from);
        }
        DesignControl* last = elements.back();
        if (last->Index() == 0)
            last->setVisible(false); // element 0 cannot be unloaded
        else
            array->Unload(last->Index());
    } catch (const std::exception& e) {
        report(e, procedure);
    }
}

void COutline::Delete()
{
    try {
        DesignControl* c = selectedControl();
        if (!c)
            return;
        static const std::pair<DesignControl::Kind, const char*> procedures[]
            = { { DesignControl::Kind::Photo, " DeletePhoto" }, { DesignControl::Kind::Logo, " DeleteLogo" },
                  { DesignControl::Kind::Data, " DeleteData" }, { DesignControl::Kind::Text, " DeleteStaticText" },
                  { DesignControl::Kind::Rectangle, " DeleteRectangle" },
                  { DesignControl::Kind::Line, " DeleteLine" } };
        const DesignControl::Kind kind = c->kind();
        for (const auto& [k, procedure] : procedures)
            if (k == kind) {
                deleteFromArray(*c, procedure); // c may be unloaded now
                break;
            }
        Unselect();
    } catch (const std::exception& e) {
        report(e, " Delete");
    }
}

int COutline::GetMaxZorder() const
{
    int z = 0;
    try {
        if (m_form)
            for (IDesignControl* c : m_form->designControls())
                if (c->Visible())
                    if (const std::optional<int> v = tagInt(c->Tag(), KeyZorder))
                        z = std::max(z, *v);
    } catch (const std::exception& e) {
        report(e, " GetMaxZorder");
    }
    return z;
}

int COutline::GetMinZorder() const
{
    int z = 100;
    try {
        if (m_form)
            for (IDesignControl* c : m_form->designControls())
                if (c->Visible())
                    if (const std::optional<int> v = tagInt(c->Tag(), KeyZorder))
                        z = std::min(z, *v);
    } catch (const std::exception& e) {
        report(e, " GetMinZorder");
    }
    return z;
}

void COutline::UpdateZorder(bool toFront)
{
    try {
        DesignControl* c = selectedControl();
        if (!c)
            return;
        const int z = toFront ? GetMaxZorder() + 1 : GetMinZorder() - 1;
        setTagItem(*c, KeyZorder, QString::number(std::clamp(z, -32768, 32767)));
    } catch (const std::exception& e) {
        report(e, " UpdateZorder");
    }
}

void COutline::BringtoFront()
{
    DesignControl* c = selectedControl();
    if (!c)
        return;
    c->ZOrder(0);
    UpdateZorder(true);
    showOutline(true); // the outline stays above the control
}

void COutline::SendtoBack()
{
    DesignControl* c = selectedControl();
    if (!c)
        return;
    c->ZOrder(1);
    UpdateZorder(false);
    showOutline(true);
}

void COutline::Align(int alignment)
{
    if (DesignControl* c = selectedControl())
        c->setAlignment(alignment);
}

void COutline::Stretch(bool on)
{
    if (DesignControl* c = selectedControl())
        c->setStretch(on);
}

void COutline::Border(bool on)
{
    if (DesignControl* c = selectedControl())
        c->setBorderStyle(on ? 1 : 0);
}

void COutline::SetControlTransparent(bool on)
{
    if (DesignControl* c = lastControl())
        c->setBackStyle(on ? 0 : 1);
}

void COutline::SetControlBarcode(bool on)
{
    if (DesignControl* c = lastControl())
        setTagItem(*c, KeyBarcode, boolWord(on));
}

void COutline::BarCodeProp()
{
    try {
        DesignControl* c = lastControl();
        if (!c)
            throw KytError(
                NoControlError, QCoreApplication::translate("kyt::COutline", "No control has been selected."));
        frmBarcodeProp dlg(m_form);
        dlg.setError(m_error);
        dlg.setDialogBox(&dialog());
        const QString tag = c->Tag();
        dlg.setPrefix(GetTagValue(tag, KeyPrefix, Sep));
        dlg.setPostfix(GetTagValue(tag, KeyPostfix, Sep));
        qint32 type = 0;
        try {
            type = CTextObjectBase::convertBarcodeType(GetTagValue(tag, KeyBarcodeType, Sep));
        } catch (const KytError&) {
            type = -1; // a value that names no type selects nothing
        }
        dlg.setBarcodeType(type);
        dlg.setBarCodeFontName(c->FontName());
        dlg.setBarCodeFontSize(static_cast<qint16>(std::clamp(std::lround(c->FontSize()), 0L, 32767L)));
        dlg.setBarCodeFontBold(c->FontBold());
        dlg.setBarCodeFontItalic(c->FontItalic());
        dlg.setBarCodeFontUnderline(c->FontUnderline());
        dlg.readSymbolTag(tag);
        dlg.Setup();
        execModal(dlg);
        if (dlg.UserCanceled())
            return;
        QString newTag = c->Tag();
        SetTagValue(newTag, KeyBarcodeType, Sep, QString::number(dlg.BarcodeType()));
        SetTagValue(newTag, KeyPrefix, Sep, dlg.Prefix());
        SetTagValue(newTag, KeyPostfix, Sep, dlg.Postfix());
        dlg.writeSymbolTag(newTag);
        c->setTag(newTag);
        c->setFontName(dlg.BarCodeFontName());
        if (dlg.BarCodeFontSize() > 0)
            c->setFontSize(dlg.BarCodeFontSize());
        c->setFontBold(dlg.BarCodeFontBold());
        c->setFontItalic(dlg.BarCodeFontItalic());
        c->setFontUnderline(dlg.BarCodeFontUnderline());
    } catch (const std::exception& e) {
        report(e, " BarCodeProp");
    }
}

void COutline::setFontToFit(bool on)
{
    try {
        DesignControl* c = lastControl();
        if (!c)
            return;
        setTagItem(*c, KeyFontToFit, boolWord(on));
        refitFont(*c);
    } catch (const std::exception& e) {
        report(e, " FontToFit");
    }
}

bool COutline::FontToFit() const
{
    const DesignControl* c = lastControl();
    if (!c)
        return false;
    return GetTagValue(c->Tag(), KeyFontToFit, Sep).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

void COutline::LoadLogo()
{
    try {
        DesignControl* c = selectedControl();
        if (!c || c->kind() != DesignControl::Kind::Logo)
            return;
        // Only what the platform can read is offered.
        const std::optional<QString> file = dialog().ShowOpen(QCoreApplication::translate("kyt::COutline", "Load Logo"),
            pictureOpenFilter(), QString(), 0x1804, PictureOpenFilterIndex);
        if (!file || file->isEmpty())
            return;
        const qint64 size = QFileInfo(*file).size();
        if (size > LargeLogoBytes) {
            QLocale standard = QLocale::c();
            standard.setNumberOptions(QLocale::DefaultNumberOptions); // with thousands separators
            const QString prompt = QCoreApplication::translate("kyt::COutline", "The File you are about to load is ")
                + standard.toString(size / 1000.0, 'f', 2) + QCoreApplication::translate("kyt::COutline", " Kb.\r\n")
                + QCoreApplication::translate("kyt::COutline",
                    "Files over 100 Kb are considered large and will greatly increase the print and "
                    "display time of your formats.\r\n")
                + QCoreApplication::translate("kyt::COutline", "Are you sure you want to continue loading the file?");
            if (MsgBox(prompt, vbYesNo | vbQuestion,
                    QCoreApplication::translate("kyt::COutline", "Confirm Large File Load"))
                != vbYes)
                return;
        }
        QString why;
        const Picture picture = Picture::fromFile(*file, &why);
        if (picture.isNull())
            throw KytError(InvalidPictureError,
                QCoreApplication::translate("kyt::COutline",
                    "The picture \"%1\" cannot be loaded: %2. Pictures can be BMP, ICO, JPEG, GIF or PNG "
                    "files; metafiles (WMF, EMF) are not supported.")
                    .arg(QFileInfo(*file).fileName(),
                        why.isEmpty() ? QCoreApplication::translate("kyt::COutline", "unknown format") : why));
        c->setPicture(picture);
    } catch (const std::exception& e) {
        report(e, " LoadLogo");
    }
}

bool COutline::LoadDataFields(std::shared_ptr<CPrintData>& printData)
{
    try {
        DesignControl* c = selectedControl();
        if (!c || c->kind() != DesignControl::Kind::Data || !printData)
            return false;
        QString field = GetTagValue(c->Tag(), KeyField, Sep);
        if (printData->SelectDataField(field)) {
            setTagItem(*c, KeyField, field);
            c->setCaption(field);
        }
    } catch (const std::exception& e) {
        report(e, " LoadDataFields");
    }
    return false;
}

void COutline::Edit()
{
    DesignControl* c = selectedControl();
    if (c && c->kind() == DesignControl::Kind::Text && m_form)
        m_form->EditText(c->Index());
}

QString COutline::ClipText(Surface& surface, const QString& text, float maxWidth, bool withBorder)
{
    return outline::clipText(text, maxWidth, withBorder, [&surface](const QString& s) { return surface.TextWidth(s); });
}

} // namespace kyt
