#pragma once
// A line of text with embedded field references ("{{name}}" or
// "{{name,length}}"), printed at the surface's current position. Its token
// string is the whole text, kept unchanged; it has no box or font of its own.

#include "objects/CDesignObject.h"

namespace kyt
{

class KYTCORE_EXPORT CParseString : public CDesignObject
{
    Q_OBJECT

public:
    explicit CParseString(QObject* parent = nullptr);

    QString TokenString() const override { return m_text; }
    void setTokenString(const QString& text) override { m_text = text; }

    bool Render(const CardScale& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
        std::shared_ptr<FieldValues>& oPrintData, float sgXOffset, float sgYOffset) override;

private:
    QString m_text;
};

} // namespace kyt
