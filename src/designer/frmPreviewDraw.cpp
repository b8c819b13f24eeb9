// Placing objects: the drawing tools, the rubber band and the routing of
// mouse events between the drawing tools and the pointer tool.

#include "designer/COutline.h"
#include "designer/DesignCanvas.h"
#include "designer/DesignEditing.h"
#include "designer/DesignUnits.h"
#include "designer/frmPreview.h"
#include "settings/CProperties.h"
#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>
#include <cmath>

namespace kyt
{

namespace
{
constexpr float ClickSize = 0.1f;
// A line drawn with the line tool is this thick, across its longer side.
constexpr float LineThickness = 0.02f;
const QString Pointer = QStringLiteral("Pointer");
} // namespace

void frmPreview::ObjectCopy(const QWidget& source, QWidget& destination)
{
    for (const char* name : { "left", "top", "Width", "Height" })
        destination.setProperty(name, source.property(name));
}

void frmPreview::DrawStart(float x, float y)
{
    try {
        if (WhichButtonDown() == Pointer) {
            if (m_outline)
                m_outline->Unselect();
            return;
        }
        m_shpOutline->setItemGeometry(x, y, ClickSize, ClickSize);
        m_shpOutline->show();
        m_shpOutline->raise();
        m_x0 = m_x1 = x;
        m_y0 = m_y1 = y;
    } catch (const std::exception& e) {
        report(e, "DrawStart");
    }
}

void frmPreview::DrawMove(float x, float y)
{
    try {
        // Only drawing changes the card; a pointer drag over empty card does not.
        if (WhichButtonDown() == Pointer || !m_shpOutline->isVisible())
            return;
        m_x1 = x;
        m_y1 = y;
        m_shpOutline->setItemGeometry(
            m_x1 < m_x0 ? m_x1 : m_x0, m_y1 < m_y0 ? m_y1 : m_y0, std::fabs(m_x0 - m_x1), std::fabs(m_y0 - m_y1));
        setDataChanged();
    } catch (const std::exception& e) {
        report(e, "DrawMove");
    }
}

void frmPreview::DrawDone(float, float)
{
    try {
        const QString tool = WhichButtonDown();
        if (tool == Pointer || !m_shpOutline->isVisible() || !m_template)
            return;
        m_shpOutline->hide();
        auto* c = static_cast<DesignControl*>(LoadDesignControl(tool));
        if (!c)
            return;
        c->clearProperties();
        c->markUsed();
        c->setItemGeometry(
            m_shpOutline->itemLeft(), m_shpOutline->itemTop(), m_shpOutline->itemWidth(), m_shpOutline->itemHeight());

        const CProperties* p = m_properties;
        const bool textual = tool == QLatin1String("Data") || tool == QLatin1String("Text");
        if (textual) {
            const bool fit = p && p->DefaultFontToFit();
            c->setTag(
                QStringLiteral("FTF=") + (fit ? QStringLiteral("True") : QStringLiteral("False")) + QLatin1Char(';'));
            c->setBorderStyle(0);
            c->setBackColor(p ? p->DefaultBackground() : 0xFFFFFF);
            c->setAlignment(0);
            if (p) {
                if (!c->setFontName(p->DefaultFontName()))
                    c->setFontName(IDesignControl::FallbackFontName);
                c->setFontSize(p->DefaultFontSize() > 0 ? p->DefaultFontSize() : 8);
                c->setFontUnderline(p->DefaultFontUnderline());
                c->setFontItalic(p->DefaultFontItalic());
                c->setFontBold(p->DefaultFontBold());
            }
            c->setCaption(tool == QLatin1String("Data") ? tr("<Load Data Field>") : tr("<Enter Text>"));
            c->setBackStyle(p && p->DefualtTransparent() ? 0 : 1);
            c->setForeColor(p ? p->DefaultForeGround() : 0);
        } else if (tool == QLatin1String("Rectangle")) {
            c->setBorderStyle(0);
            c->setBackColor(0xFF0000);
        } else if (tool == QLatin1String("Photo")) {
            // The placeholder the card prints until a photo is supplied.
            c->setPicture(m_template->DefaultPhoto());
        } else if (tool == QLatin1String("Logo")) {
            c->setBorderStyle(0);
        } else if (tool == QLatin1String("Line")) {
            // A line runs along the longer side of the band.
            if (c->Width() >= c->Height())
                c->setHeight(LineThickness);
            else
                c->setWidth(LineThickness);
            c->setForeColor(0);
        }
        c->ZOrder(0);
        c->setVisible(true);
        if (m_outline) {
            m_outline->Selected(c);
            // Every kind gets a drawing order, so the card prints what the
            // surface shows (a new object lies on top).
            m_outline->UpdateZorder(true);
        }
        if (tool == QLatin1String("Photo"))
            findChild<QAction*>(QStringLiteral("tlbObjectsPhoto"))->setEnabled(false);
        pressTool(Pointer);
        m_status->clear();
        setDataChanged();
        objectPlaced(c);
    } catch (const std::exception& e) {
        report(e, "DrawDone");
    }
}

bool frmPreview::placeFromKeyboard()
{
    const QString tool = WhichButtonDown();
    if (!m_template || tool.isEmpty() || tool == Pointer)
        return false;
    // Sizes a person would start from; the object lands in the middle of
    // the front side, selected, ready for the arrow keys.
    const struct {
        const char* tool;
        float width, height;
    } sizes[] = { { "Photo", 0.75f, 1.0f }, { "Logo", 0.75f, 0.75f }, { "Rectangle", 1.0f, 0.5f },
        { "Data", 1.5f, 0.25f }, { "Text", 1.5f, 0.25f }, { "Line", 1.5f, 0.25f } };
    float w = 1.0f;
    float h = 0.5f;
    for (const auto& s : sizes) {
        if (tool == QLatin1String(s.tool)) {
            w = s.width;
            h = s.height;
        }
    }
    const float cardWidth = m_template->Width();
    const float cardHeight = m_template->Height();
    w = std::min(w, cardWidth);
    h = std::min(h, cardHeight);
    const float x = (cardWidth - w) / 2;
    const float y = (cardHeight - h) / 2;
    DrawStart(x, y);
    DrawMove(x + w, y + h);
    DrawDone(x + w, y + h);
    if (m_outline)
        DesignEditing::of(*this).reveal(m_outline->selectedControl());
    return true;
}

// --- Mouse routing ----------------------------------------------------------------

void frmPreview::surfaceMouseDown(Qt::MouseButton button, float x, float y)
{
    if (button == Qt::LeftButton)
        DrawStart(x, y);
}

void frmPreview::surfaceMouseMove(Qt::MouseButtons buttons, float x, float y)
{
    m_status->setText(units::statusPoint(x, y));
    if (buttons & Qt::LeftButton)
        DrawMove(x, y);
}

void frmPreview::surfaceMouseUp(Qt::MouseButton button, float x, float y)
{
    if (button == Qt::LeftButton) {
        DrawDone(x, y);
    } else if (m_template) {
        updateMenu(Pointer, false, 0, false, false);
        m_mnuMethods->popup(objectMenuPosition());
    }
}

void frmPreview::surfaceClick()
{
    if (m_txtText->isVisible())
        TextUpdate();
}

void frmPreview::controlMouseDown(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    m_bandEndedOnControl = false;
    if (button == Qt::LeftButton && WhichButtonDown() != Pointer)
        DrawStart(c->left() + x, c->top() + y);
    else
        pointerMouseDown(c, button, x, y);
}

void frmPreview::controlMouseMove(DesignControl* c, Qt::MouseButtons buttons, float x, float y)
{
    m_status->setText(units::statusPoint(c->left() + x, c->top() + y));
    if ((buttons & Qt::LeftButton) && WhichButtonDown() != Pointer)
        DrawMove(c->left() + x, c->top() + y);
    else
        pointerMouseMove(c, buttons, x, y);
}

void frmPreview::controlMouseUp(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    if (button == Qt::LeftButton && WhichButtonDown() != Pointer) {
        m_bandEndedOnControl = true;
        DrawDone(c->left() + x, c->top() + y);
    } else
        pointerMouseUp(c, button, x, y);
}

void frmPreview::controlDoubleClick(DesignControl* c)
{
    if (WhichButtonDown() == Pointer)
        pointerDoubleClick(c);
}

} // namespace kyt
