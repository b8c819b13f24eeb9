#pragma once
// The designer window's editing state that lives beside frmPreview: the
// undo history's capture and restore of the design surface, a command that
// spans several mouse events (moving, resizing, in-place text editing), the
// status line, and the keys the window's focus chain would otherwise take
// (Tab). One per window, created on first use and owned by the window.

#include "designer/DesignCommands.h"
#include "designer/OutlineGeometry.h"
#include "kyt/kytwidgets_export.h"
#include <QObject>
#include <QString>
#include <memory>

namespace kyt
{

class DesignControl;
class frmPreview;

// True when a control tag's "BC" item reads True (any letter case); a
// missing key or another value is false.
KYTWIDGETS_PRIVATE_EXPORT bool IsBarcodeToken(const QString& token);

class KYTWIDGETS_PRIVATE_EXPORT DesignEditing : public QObject, public IDesignHistoryHost
{
    Q_OBJECT

public:
    explicit DesignEditing(frmPreview& window);
    ~DesignEditing() override;
    // The window's editing state, created on first use.
    static DesignEditing& of(frmPreview& window);

    DesignSnapshot captureDesign() const override;
    void restoreDesign(const DesignSnapshot& snapshot) override;

    // A command spanning several events: begun once, committed at its end.
    void beginPending(const QString& text);
    void commitPending();
    bool hasPending() const { return m_pending != nullptr; }

    // Pushes the placing of a control that is already on the surface.
    void pushPlaced(DesignControl* control);

    // Status line: the control's kind, index, position and size in inches;
    // an empty text clears it.
    void showGeometry(const QString& name, int index, const InchRect& r);
    void clearStatus();

    // Selects the next (or previous) visible object in drawing order.
    void selectNext(bool backwards);
    // Scrolls a zoomed card so the control is in view, clear of the rulers.
    void reveal(DesignControl* c) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmPreview& m_window;
    std::unique_ptr<DesignEdit> m_pending;
};

} // namespace kyt
