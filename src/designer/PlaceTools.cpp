// Placing new objects: the rubber band, the new control and its defaults,
// one class per kind.

#include "designer/PlaceTools.h"

#include "designer/COutline.h"
#include "designer/DesignControl.h"
#include "designer/DesignEditing.h"
#include "designer/frmPreview.h"
#include "settings/CProperties.h"
#include <QAction>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace kyt
{

namespace
{
// A click without a drag places an object this large.
constexpr float ClickSize = 0.1f;
// A line drawn with the line tool is this thick, across its longer side.
constexpr float LineThickness = 0.02f;
} // namespace

PlaceTool::PlaceTool(frmPreview& window, QString key, float startWidth, float startHeight)
    : DesignTool(window, std::move(key))
    , m_startWidth(startWidth)
    , m_startHeight(startHeight)
{
}

QString PlaceTool::hint() const
{
    return frmPreview::tr(
        "Drag on the card to place the object, or press Enter to place it in the middle; Esc cancels.");
}

void PlaceTool::start(float x, float y)
{
    OutlineShape* band = window().shpOutline();
    band->setItemGeometry(x, y, ClickSize, ClickSize);
    band->show();
    band->raise();
    m_x0 = m_x1 = x;
    m_y0 = m_y1 = y;
}

void PlaceTool::drag(float x, float y)
{
    OutlineShape* band = window().shpOutline();
    if (!band->isVisible())
        return;
    m_x1 = x;
    m_y1 = y;
    band->setItemGeometry(std::min(m_x0, m_x1), std::min(m_y0, m_y1), std::fabs(m_x0 - m_x1), std::fabs(m_y0 - m_y1));
    window().setDataChanged();
}

void PlaceTool::finish(float, float)
{
    frmPreview& w = window();
    OutlineShape* band = w.shpOutline();
    // The box is the one the drag left in the band.
    if (!band->isVisible() || !w.currentTemplate())
        return;
    band->hide();
    auto* c = static_cast<DesignControl*>(w.LoadDesignControl(key()));
    if (!c)
        return;
    c->clearProperties();
    c->markUsed();
    c->setItemGeometry(band->itemLeft(), band->itemTop(), band->itemWidth(), band->itemHeight());
    dress(*c, w.Properties());
    c->ZOrder(0);
    c->setVisible(true);
    if (COutline* outline = w.outline()) {
        outline->Selected(c);
        // Every kind gets a drawing order, so the card prints what the
        // surface shows (a new object lies on top).
        outline->UpdateZorder(true);
    }
    placed(*c);
    w.pressTool(QStringLiteral("Pointer"));
    w.statusLabel()->clear();
    w.setDataChanged();
    w.objectPlaced(c);
}

bool PlaceTool::placeFromKeyboard()
{
    frmPreview& w = window();
    const auto t = w.currentTemplate();
    if (!t)
        return false;
    // The object lands in the middle of the front side, selected, ready for
    // the arrow keys.
    const float cardWidth = float(t->Width());
    const float cardHeight = float(t->Height());
    const float width = std::min(m_startWidth, cardWidth);
    const float height = std::min(m_startHeight, cardHeight);
    const float x = (cardWidth - width) / 2;
    const float y = (cardHeight - height) / 2;
    w.DrawStart(x, y);
    w.DrawMove(x + width, y + height);
    w.DrawDone(x + width, y + height);
    if (COutline* outline = w.outline())
        DesignEditing::of(w).reveal(outline->selectedControl());
    return true;
}

void PlaceTool::cancel()
{
    window().shpOutline()->hide();
}

PhotoTool::PhotoTool(frmPreview& window)
    : PlaceTool(window, QStringLiteral("Photo"), 0.75f, 1.0f)
{
}

void PhotoTool::dress(DesignControl& c, const CProperties*) const
{
    // The placeholder the card prints until a photo is supplied.
    if (const auto t = window().currentTemplate())
        c.setPicture(t->DefaultPhoto());
}

void PhotoTool::placed(DesignControl&) const
{
    if (auto* button = window().findChild<QAction*>(QStringLiteral("tlbObjectsPhoto")))
        button->setEnabled(false);
}

LogoTool::LogoTool(frmPreview& window)
    : PlaceTool(window, QStringLiteral("Logo"), 0.75f, 0.75f)
{
}

void LogoTool::dress(DesignControl& c, const CProperties*) const
{
    c.setBorderStyle(0);
}

RectangleTool::RectangleTool(frmPreview& window)
    : PlaceTool(window, QStringLiteral("Rectangle"), 1.0f, 0.5f)
{
}

void RectangleTool::dress(DesignControl& c, const CProperties*) const
{
    c.setBorderStyle(0);
    c.setBackColor(0xFF0000); // blue
}

TextualTool::TextualTool(frmPreview& window, QString key, const char* caption)
    : PlaceTool(window, std::move(key), 1.5f, 0.25f)
    , m_caption(caption)
{
}

void TextualTool::dress(DesignControl& c, const CProperties* p) const
{
    const bool fit = p && p->DefaultFontToFit();
    c.setTag(QStringLiteral("FTF=") + (fit ? QStringLiteral("True") : QStringLiteral("False")) + QLatin1Char(';'));
    c.setBorderStyle(0);
    c.setBackColor(p ? p->DefaultBackground() : 0xFFFFFF);
    c.setAlignment(0);
    if (p) {
        if (!c.setFontName(p->DefaultFontName()))
            c.setFontName(IDesignControl::FallbackFontName);
        c.setFontSize(p->DefaultFontSize() > 0 ? p->DefaultFontSize() : 8);
        c.setFontUnderline(p->DefaultFontUnderline());
        c.setFontItalic(p->DefaultFontItalic());
        c.setFontBold(p->DefaultFontBold());
    }
    c.setCaption(frmPreview::tr(m_caption));
    c.setBackStyle(p && p->DefualtTransparent() ? 0 : 1);
    c.setForeColor(p ? p->DefaultForeGround() : 0);
}

DataTool::DataTool(frmPreview& window)
    : TextualTool(window, QStringLiteral("Data"), QT_TRANSLATE_NOOP("kyt::frmPreview", "<Load Data Field>"))
{
}

TextTool::TextTool(frmPreview& window)
    : TextualTool(window, QStringLiteral("Text"), QT_TRANSLATE_NOOP("kyt::frmPreview", "<Enter Text>"))
{
}

LineTool::LineTool(frmPreview& window)
    : PlaceTool(window, QStringLiteral("Line"), 1.5f, 0.25f)
{
}

void LineTool::dress(DesignControl& c, const CProperties*) const
{
    if (c.Width() >= c.Height())
        c.setHeight(LineThickness);
    else
        c.setWidth(LineThickness);
    c.setForeColor(0);
}

} // namespace kyt
