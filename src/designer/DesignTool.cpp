// The tool base's default mouse handling (a left drag is the tool's drag)
// and the window's set of tools.

#include "designer/DesignTool.h"

#include "designer/DesignControl.h"
#include "designer/DesignSurface.h"
#include "designer/PlaceTools.h"
#include "designer/SelectTool.h"
#include "designer/frmPreview.h"
#include <utility>

namespace kyt
{

DesignTool::DesignTool(frmPreview& window, QString key)
    : m_window(window)
    , m_key(std::move(key))
{
}

DesignTool::~DesignTool() = default;

void DesignTool::surfacePress(Qt::MouseButton button, float x, float y)
{
    if (button == Qt::LeftButton)
        window().DrawStart(x, y);
}

void DesignTool::surfaceMove(Qt::MouseButtons buttons, float x, float y)
{
    if (buttons & Qt::LeftButton)
        window().DrawMove(x, y);
}

void DesignTool::surfaceRelease(Qt::MouseButton button, float x, float y)
{
    if (button == Qt::LeftButton)
        window().DrawDone(x, y);
}

// A drawing tool starts a new object on top of an existing one too.
void DesignTool::controlPress(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    surfacePress(button, c->left() + x, c->top() + y);
}

void DesignTool::controlMove(DesignControl* c, Qt::MouseButtons buttons, float x, float y)
{
    surfaceMove(buttons, c->left() + x, c->top() + y);
}

void DesignTool::controlRelease(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    if (button == Qt::LeftButton)
        window().tools().swallowNextClick();
    surfaceRelease(button, c->left() + x, c->top() + y);
}

void DesignTool::controlClick(DesignControl*) { }

void DesignTool::controlDoubleClick(DesignControl*) { }

DesignTools::DesignTools(frmPreview& window)
    : m_window(window)
{
    auto select = std::make_unique<SelectTool>(window);
    m_select = select.get();
    m_tools.push_back(std::move(select));
    m_tools.push_back(std::make_unique<PhotoTool>(window));
    m_tools.push_back(std::make_unique<LogoTool>(window));
    m_tools.push_back(std::make_unique<RectangleTool>(window));
    m_tools.push_back(std::make_unique<DataTool>(window));
    m_tools.push_back(std::make_unique<TextTool>(window));
    m_tools.push_back(std::make_unique<LineTool>(window));
}

DesignTools::~DesignTools() = default;

DesignTool& DesignTools::tool(const QString& key) const
{
    for (const auto& t : m_tools)
        if (t->key() == key)
            return *t;
    return *m_select;
}

DesignTool& DesignTools::current() const
{
    return tool(m_window.WhichButtonDown());
}

void DesignTools::applyCursor() const
{
    if (DesignSurface* surface = m_window.picID())
        surface->setCursor(current().cursor());
}

bool DesignTools::takeSwallowedClick()
{
    return std::exchange(m_swallowClick, false);
}

} // namespace kyt
