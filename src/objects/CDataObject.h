#pragma once
// A text whose content is the value of a named print data field at print
// time (the field's name when there is no print data).

#include "objects/CTextObjectBase.h"

namespace kyt
{

class KYTCORE_EXPORT CDataObject : public CTextObjectBase
{
    Q_OBJECT
    Q_PROPERTY(QString DataFieldName READ DataFieldName WRITE setDataFieldName)

public:
    explicit CDataObject(QObject* parent = nullptr);

    // Key of the print data item whose value is drawn.
    const QString& DataFieldName() const { return m_dataFieldName; }
    void setDataFieldName(const QString& v) { m_dataFieldName = v; }

    bool Render(const CardScale& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
        std::shared_ptr<FieldValues>& oPrintData, float sgXOffset, float sgYOffset) override;

protected:
    QString tokenText() const override { return m_dataFieldName; }
    // The designer shows the field name as the object's text.
    void setTokenText(const QString& text) override
    {
        m_dataFieldName = text;
        m_text = text;
    }

private:
    QString m_dataFieldName;
};

} // namespace kyt
