#include "designer/ControlPicture.h"

#include "designer/DesignControl.h"
#include "errors/CError.h"
#include "objects/CDataObject.h"
#include "objects/CLineObject.h"
#include "objects/CLogoObject.h"
#include "objects/CPhotoObject.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "platform/surface/Surface.h"
#include "util/Strings.h"
#include <QPainter>
#include <cmath>

namespace kyt
{

namespace
{

// The designer shows the card unscaled at its own origin.
class UnscaledCard final : public CardScale
{
public:
    double Scalor() const override { return 1.0; }
    float XOffset() const override { return 0; }
    float YOffset() const override { return 0; }
};

// A picture box the size of one control that stands at its place on the
// card: the painter is moved by the control's pixel position, so every
// coordinate the object computes is the one it computes on the whole card
// and rounds the same way.
class ControlSurface final : public Surface
{
public:
    ControlSurface(const QRect& box, double dpi)
        : m_image(box.size(), QImage::Format_ARGB32_Premultiplied)
        , m_origin(box.topLeft())
        , m_dpi(dpi)
    {
        const int dpm = int(std::lround(dpi / 0.0254));
        m_image.setDotsPerMeterX(dpm);
        m_image.setDotsPerMeterY(dpm);
        m_image.fill(Qt::transparent);
    }
    ~ControlSurface() override { finish(); }

    QString TypeName() const override { return QStringLiteral("PictureBox"); }
    QImage take()
    {
        finish();
        return std::move(m_image);
    }

protected:
    double dpiX() const override { return m_dpi; }
    double dpiY() const override { return m_dpi; }
    QSizeF deviceSize() const override { return QSizeF(m_image.size()) + QSizeF(m_origin.x(), m_origin.y()); }
    QPainter* painter() override
    {
        if (!m_painter.isActive()) {
            if (!m_painter.begin(&m_image))
                return nullptr;
            m_painter.translate(-m_origin);
        }
        return &m_painter;
    }
    QPaintDevice* metricsDevice() override { return &m_image; }
    void onCls() override
    {
        finish();
        m_image.fill(Qt::transparent);
    }

private:
    void finish()
    {
        if (m_painter.isActive())
            m_painter.end();
    }

    QImage m_image;
    QPoint m_origin;
    double m_dpi;
    QPainter m_painter;
};

bool hasFieldName(const DesignControl& c)
{
    return !TrimBlanks(GetTagValue(c.Tag(), QStringLiteral("Key"))).isEmpty();
}

} // namespace

std::shared_ptr<CDesignObject> objectForControl(DesignControl& control)
{
    std::shared_ptr<CDesignObject> object;
    switch (control.kind()) {
    case DesignControl::Kind::Photo:
        object = std::make_shared<CPhotoObject>();
        break;
    case DesignControl::Kind::Logo:
        object = std::make_shared<CLogoObject>();
        break;
    case DesignControl::Kind::Rectangle:
        object = std::make_shared<CRectangleObject>();
        break;
    case DesignControl::Kind::Line:
        object = std::make_shared<CLineObject>();
        break;
    case DesignControl::Kind::Text:
        object = std::make_shared<CTextObject>();
        break;
    case DesignControl::Kind::Data:
        if (hasFieldName(control))
            object = std::make_shared<CDataObject>();
        else
            object = std::make_shared<CTextObject>();
        break;
    }
    if (object)
        object->GetPropertiesFromControl(control);
    return object;
}

QImage renderControlPicture(
    DesignControl& control, const QRect& box, double pixelsPerInch, std::shared_ptr<FieldValues> data)
{
    if (box.isEmpty() || !(pixelsPerInch > 0))
        return QImage();
    try {
        const std::shared_ptr<CDesignObject> object = objectForControl(control);
        if (!object)
            return QImage();
        ControlSurface surface(box, pixelsPerInch);
        surface.setScaleMode(Surface::vbInches);
        const UnscaledCard card;
        // A drawing failure shows as what was drawn so far; it is reported
        // when the card is printed, not on every repaint.
        std::shared_ptr<CError> quiet;
        object->Render(card, surface, quiet, data, 0, 0);
        return surface.take();
    } catch (const std::exception&) {
        return QImage(); // no memory for the picture: nothing is shown
    }
}

} // namespace kyt
