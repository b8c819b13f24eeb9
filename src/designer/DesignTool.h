#pragma once
// The design tools as objects: the base every tool derives from and the
// window's set of tools. A tool owns its mouse handling, its cursor and its
// drag state; the window routes the surface's events to the tool whose
// button is pressed (WhichButtonDown) and keeps nothing of a drag itself.

#include "kyt/kytwidgets_export.h"
#include <QCursor>
#include <QString>
#include <memory>
#include <vector>

namespace kyt
{

class DesignControl;
class CornerHandle;
class frmPreview;
class SelectTool;

class KYTWIDGETS_PRIVATE_EXPORT DesignTool
{
public:
    DesignTool(frmPreview& window, QString key);
    virtual ~DesignTool();
    DesignTool(const DesignTool&) = delete;
    DesignTool& operator=(const DesignTool&) = delete;

    // The tool's key: "Pointer", "Photo", "Logo", "Rectangle", "Data",
    // "Text", "Line".
    const QString& key() const { return m_key; }
    // The pointer over the card while the tool is chosen.
    virtual QCursor cursor() const = 0;
    // What the status line says while the tool is chosen.
    virtual QString hint() const { return QString(); }

    // The three phases of a drag on the card, in surface inches.
    virtual void start(float x, float y) = 0;
    virtual void drag(float x, float y) = 0;
    virtual void finish(float x, float y) = 0;

    // Mouse on the card and on objects (x, y: surface inches).
    virtual void surfacePress(Qt::MouseButton button, float x, float y);
    virtual void surfaceMove(Qt::MouseButtons buttons, float x, float y);
    virtual void surfaceRelease(Qt::MouseButton button, float x, float y);
    virtual void controlPress(DesignControl* c, Qt::MouseButton button, float x, float y);
    virtual void controlMove(DesignControl* c, Qt::MouseButtons buttons, float x, float y);
    virtual void controlRelease(DesignControl* c, Qt::MouseButton button, float x, float y);
    virtual void controlClick(DesignControl* c);
    virtual void controlDoubleClick(DesignControl* c);

    // Enter from the keyboard; true when the tool did something.
    virtual bool placeFromKeyboard() { return false; }
    // Esc: gives up a drag in progress.
    virtual void cancel() { }

protected:
    frmPreview& window() const { return m_window; }

private:
    frmPreview& m_window;
    QString m_key;
};

// The window's tools, in tool-box order, the select tool first.
class KYTWIDGETS_PRIVATE_EXPORT DesignTools
{
public:
    explicit DesignTools(frmPreview& window);
    ~DesignTools();

    // The tool by key; the select tool for an unknown key.
    DesignTool& tool(const QString& key) const;
    // The tool whose button is pressed.
    DesignTool& current() const;
    SelectTool& select() const { return *m_select; }
    const std::vector<std::unique_ptr<DesignTool>>& all() const { return m_tools; }

    // The chosen tool's cursor on the card (its objects inherit it).
    void applyCursor() const;

    // A band drawn over an object ended on it: the click that follows
    // belongs to the placing, not to selecting the object beneath.
    void swallowNextClick() { m_swallowClick = true; }
    bool takeSwallowedClick();

private:
    frmPreview& m_window;
    std::vector<std::unique_ptr<DesignTool>> m_tools;
    SelectTool* m_select = nullptr;
    bool m_swallowClick = false;
};

} // namespace kyt
