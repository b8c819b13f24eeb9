#include "objects/CPhotoObject.h"

#include "errors/CError.h"
#include "objects/RenderSupport.h"
#include "platform/surface/Surface.h"
#include "util/modPreview.h"

namespace kyt
{

namespace
{

// The picture the print data holds under `name`, if it holds a real one.
// Any lookup trouble leaves the placeholder in place.
std::optional<Picture> printDataPicture(const std::shared_ptr<FieldValues>& oPrintData, const QString& name)
{
    if (!oPrintData)
        return std::nullopt;
    try {
        const QVariant value = oPrintData->fieldValue(name);
        Picture p;
        if (value.metaType() == QMetaType::fromType<Picture>())
            p = value.value<Picture>();
        else if (value.metaType() == QMetaType::fromType<QImage>())
            p = Picture(value.value<QImage>());
        if (p.Type() > 0)
            return p;
    } catch (const std::exception&) {
        // Silent on purpose: a photo the data cannot give is drawn as the placeholder.
    }
    return std::nullopt;
}

} // namespace

bool CPhotoObject::Render(const CardScale& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
    std::shared_ptr<FieldValues>& oPrintData, float sgXOffset, float sgYOffset)
{
    try {
        ScaledBox box = scaledBox(oTemplate);
        Picture p = Image();
        if (auto supplied = printDataPicture(oPrintData, ImageName())) {
            // The cardholder's photo keeps its shape, at the box's top-left.
            p = *supplied;
            const double f = GetFitFactor(p.Width(), p.Height(), box.W, box.H);
            box.W = f * p.Width();
            box.H = f * p.Height();
        }
        render::paintFramedPicture(
            oPrinter, p, box.X + sgXOffset, box.Y + sgYOffset, box.W, box.H, Border(), BorderInset);
        return true;
    } catch (const std::exception& e) {
        render::reportFailure(g_oError, e, renderSource());
    }
    return false;
}

} // namespace kyt
