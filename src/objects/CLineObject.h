#pragma once
// A line drawn as a thin filled rectangle; its thickness is its Width or
// Height. It has no outline and no per-type number.

#include "objects/CDesignObject.h"

namespace kyt
{

class KYTCORE_EXPORT CLineObject : public CDesignObject
{
    Q_OBJECT

public:
    static constexpr int FieldCount = 6;

    explicit CLineObject(QObject* parent = nullptr);

    // The line colour has no property of its own: it travels only in the
    // token string. This accessor is for the library's drawing code.
    qint32 lineColor() const { return m_lineColor; }
    void setLineColor(qint32 v) { m_lineColor = v; }

    // top, left, Width, Height, ZOrder, line colour.
    void CopyToControl(IDesignControl& ctl) override;
    void GetPropertiesFromControl(IDesignControl& ctl) override;
    QString TokenString() const override;
    void setTokenString(const QString& text) override;

    bool Render(CPrintTemplate& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
        std::shared_ptr<CPrintData>& oPrintData, float sgXOffset, float sgYOffset) override;

private:
    qint32 m_lineColor = 0;
};

} // namespace kyt
