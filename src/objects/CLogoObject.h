#pragma once
// A fixed picture stored with the template, always drawn stretched to its box.

#include "objects/CDesignObject.h"
#include "platform/Picture.h"

namespace kyt
{

class KYTCORE_EXPORT CLogoObject : public CDesignObject
{
    Q_OBJECT
    Q_PROPERTY(kyt::Picture Image READ Image WRITE setImage)
    Q_PROPERTY(bool StretchToFit READ StretchToFit WRITE setStretchToFit)
    Q_PROPERTY(qint16 ImageSize READ ImageSize WRITE setImageSize)
    Q_PROPERTY(QString ImageType READ ImageType WRITE setImageType)

public:
    static constexpr int FieldCount = 8;

    explicit CLogoObject(QObject* parent = nullptr);

    const kyt::Picture& Image() const { return m_image; }
    void setImage(const kyt::Picture& picture) { m_image = picture; }
    bool StretchToFit() const { return m_stretchToFit; }
    void setStretchToFit(bool v) { m_stretchToFit = v; }
    // Size and kind of the stored picture data, kept for the template file.
    qint16 ImageSize() const { return m_imageSize; }
    void setImageSize(qint16 v) { m_imageSize = v; }
    const QString& ImageType() const { return m_imageType; }
    void setImageType(const QString& v) { m_imageType = v; }

    // top, left, Width, Height, ZOrder, Index, Border, StretchToFit.
    void CopyToControl(IDesignControl& ctl) override;
    void GetPropertiesFromControl(IDesignControl& ctl) override;
    QString TokenString() const override;
    void setTokenString(const QString& text) override;

    bool Render(CPrintTemplate& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
        std::shared_ptr<CPrintData>& oPrintData, float sgXOffset, float sgYOffset) override;

private:
    kyt::Picture m_image;
    bool m_stretchToFit = false;
    qint16 m_imageSize = 0;
    QString m_imageType;
};

} // namespace kyt
