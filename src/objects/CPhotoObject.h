#pragma once
// The place of the cardholder's photo. At print time the picture comes from
// the print data item named ImageName; without one the placeholder Image is
// drawn.

#include "objects/CDesignObject.h"
#include "platform/Picture.h"

namespace kyt
{

class KYTCORE_EXPORT CPhotoObject : public CDesignObject
{
    Q_OBJECT
    Q_PROPERTY(kyt::Picture Image READ Image WRITE setImage)
    Q_PROPERTY(QString ImageName READ ImageName WRITE setImageName)
    Q_PROPERTY(QString Text READ Text WRITE setText)
    Q_PROPERTY(bool StretchToFit READ StretchToFit WRITE setStretchToFit)

public:
    static constexpr int FieldCount = 7;

    explicit CPhotoObject(QObject* parent = nullptr);

    // Placeholder picture; a null picture means none.
    const kyt::Picture& Image() const { return m_image; }
    void setImage(const kyt::Picture& picture) { m_image = picture; }
    // Key of the print data item holding the photo.
    const QString& ImageName() const { return m_imageName; }
    void setImageName(const QString& name) { m_imageName = name; }
    // Free text, only stored.
    const QString& Text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    bool StretchToFit() const { return m_stretchToFit; }
    void setStretchToFit(bool v) { m_stretchToFit = v; }

    // top, left, Width, Height, ZOrder, Border, StretchToFit.
    void CopyToControl(IDesignControl& ctl) override;
    void GetPropertiesFromControl(IDesignControl& ctl) override;
    QString TokenString() const override;
    void setTokenString(const QString& text) override;

    bool Render(CPrintTemplate& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
        std::shared_ptr<CPrintData>& oPrintData, float sgXOffset, float sgYOffset) override;

private:
    kyt::Picture m_image;
    QString m_imageName = QStringLiteral("Image");
    QString m_text;
    bool m_stretchToFit = false;
};

} // namespace kyt
