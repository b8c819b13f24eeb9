#pragma once
// A fixed text on the card, optionally drawn as a barcode.

#include "objects/CTextObjectBase.h"

namespace kyt
{

class KYTCORE_EXPORT CTextObject : public CTextObjectBase
{
    Q_OBJECT

public:
    explicit CTextObject(QObject* parent = nullptr);

    bool Render(const CardScale& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
        std::shared_ptr<FieldValues>& oPrintData, float sgXOffset, float sgYOffset) override;

protected:
    QString tokenText() const override { return m_text; }
    void setTokenText(const QString& text) override { m_text = text; }
};

} // namespace kyt
