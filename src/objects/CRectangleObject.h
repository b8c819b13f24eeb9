#pragma once
// A filled rectangle with an optional black outline.

#include "objects/CDesignObject.h"

namespace kyt
{

class KYTCORE_EXPORT CRectangleObject : public CDesignObject
{
    Q_OBJECT
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ ForeColor WRITE setForeColor)

public:
    static constexpr int FieldCount = 8;

    explicit CRectangleObject(QObject* parent = nullptr);

    // Fill colour (red in the low byte).
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 v) { m_backColor = v; }
    // Kept in the token string only; the outline is always black.
    qint32 ForeColor() const { return m_foreColor; }
    void setForeColor(qint32 v) { m_foreColor = v; }

    // top, left, Width, Height, ZOrder, Border, BackColor, ForeColor.
    void CopyToControl(IDesignControl& ctl) override;
    void GetPropertiesFromControl(IDesignControl& ctl) override;
    QString TokenString() const override;
    void setTokenString(const QString& text) override;

    bool Render(CPrintTemplate& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
        std::shared_ptr<CPrintData>& oPrintData, float sgXOffset, float sgYOffset) override;

private:
    qint32 m_backColor = 0;
    qint32 m_foreColor = 0;
};

} // namespace kyt
