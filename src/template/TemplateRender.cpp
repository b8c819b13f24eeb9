// Drawing a whole card: the page set-up and background, the objects in
// collection order, and the back side of a two-sided card.

#include "template/CPrintTemplate.h"

#include "objects/RenderSupport.h"
#include "platform/BarcodeFonts.h"
#include "platform/surface/Surface.h"
#include "template/CPrintData.h"
#include "util/PassOver.h"
#include "util/modPreview.h"
#include <optional>
#include <vector>

namespace kyt
{

void CPrintTemplate::RenderBackground(Surface& oPrinter, double left, double top)
{
    const double S = m_f.Scalor;
    const double W = m_f.Width * S;
    const double H = m_f.Height * S;
    if (m_f.BackgroundColor != -1) {
        oPrinter.Line(
            left, top, left + W, top + H, static_cast<quint32>(m_f.BackgroundColor), Surface::LineKind::FilledBox);
    } else if (m_f.Picture.Type() > 0) {
        const double pw = m_f.Picture.Width();
        const double ph = m_f.Picture.Height();
        m_f.PictureScale = GetFitFactor(pw, ph, W, H);
        // Aspect kept, in the front side's top-left corner.
        oPrinter.PaintPicture(m_f.Picture, left, top, m_f.PictureScale * pw, m_f.PictureScale * ph);
    }
}

bool CPrintTemplate::Render(Surface& oPrinter, std::shared_ptr<CPrintData> oPrintData, float sgXOffset, float sgYOffset)
{
    // Barcode objects name the project's own fonts; any host gets them.
    registerBarcodeFonts();

    bool bContinue = true;
    const float savedYOffset = m_f.YOffset;
    std::optional<int> savedScaleMode;
    std::vector<CDesignObjectPtr> backList;
    const bool printing = render::isPrinter(oPrinter);

    try {
        const double S = m_f.Scalor;
        const double W = m_f.Width * S;
        const double H = m_f.Height * S;
        const double totalHeight = m_f.Duplex ? 2 * H : H;
        // The card on the surface: where the objects' own offsets put it.
        const double left = static_cast<double>(m_f.XOffset) * S + sgXOffset;
        const double top = static_cast<double>(m_f.YOffset) * S + sgYOffset;
        const double right = left + W;
        const double bottom = top + totalHeight;
        const double backTop = top + H;

        savedScaleMode = oPrinter.ScaleMode();
        oPrinter.setScaleMode(Surface::vbInches);

        if (printing) {
            passOver([&] {
                if (oPrinter.PrintQuality() != 0)
                    oPrinter.setPrintQuality(-4);
            });
            passOver([&] { oPrinter.setOrientation(m_f.Orientation); });
            passOver([&] {
                if (m_f.Duplex)
                    oPrinter.setDuplex(3);
                else if (oPrinter.Duplex() != 0)
                    oPrinter.setDuplex(1);
            });
            if (m_f.Border > 0) {
                passOver([&] {
                    oPrinter.setDrawWidth(m_f.Border);
                    oPrinter.Line(left, top, right, bottom, 0xFFFFFFu, Surface::LineKind::Box);
                });
            }
        } else {
            passOver([&] { oPrinter.Line(left, top, right, bottom, 0xFFFFFFu, Surface::LineKind::FilledBox); });
        }

        RenderBackground(oPrinter, left, top);

        // A copy, so an object's drawing cannot pull the collection from
        // under the loop.
        std::vector<CDesignObjectPtr> objects;
        objects.reserve(static_cast<size_t>(m_objects.Count()));
        for (const auto& object : m_objects)
            objects.push_back(object);

        // An object may hand back other print data for the objects after it.
        std::shared_ptr<FieldValues> printData = oPrintData;

        // Draws one object; false when the card must stop.
        auto drawObject = [&](const CDesignObjectPtr& object) {
            std::shared_ptr<CError> error = m_error;
            const bool drawn = object->Render(*this, oPrinter, error, printData, sgXOffset, sgYOffset);
            m_error = error;
            bContinue = bContinue && drawn;
            if (!bContinue) {
                // A card missing an object is not printed as if complete.
                if (printing)
                    oPrinter.EndDoc();
                return false;
            }
            return true;
        };

        bool stopped = false;
        for (const auto& object : objects) {
            if (m_f.Duplex && static_cast<double>(object->top()) * S >= H) {
                backList.push_back(object);
                continue;
            }
            if (!drawObject(object)) {
                stopped = true;
                break;
            }
        }

        if (!stopped && (m_f.Duplex || !backList.empty())) {
            if (printing) {
                oPrinter.NewPage();
                // The back side starts on the new page where the front did.
                m_f.YOffset = static_cast<float>(savedYOffset - m_f.Height);
            } else {
                oPrinter.setDrawMode(Surface::vbInvert);
                oPrinter.setDrawStyle(0);
                oPrinter.setDrawWidth(2);
                oPrinter.Line(left, backTop, right, backTop);
                oPrinter.setDrawWidth(1);
                oPrinter.setDrawMode(Surface::vbCopyPen);
            }
            for (const auto& object : backList) {
                if (!drawObject(object)) {
                    stopped = true;
                    break;
                }
            }
        }

        if (!stopped && !printing)
            oPrinter.Line(left, top, right, bottom, 0u, Surface::LineKind::Box);
    } catch (const std::exception& e) {
        reportFailure(e, QStringLiteral(" Render"));
    }

    m_f.YOffset = savedYOffset;
    passOver([&] { oPrinter.setCurrentX(static_cast<double>(m_f.XOffset) * m_f.Scalor); });
    passOver([&] { oPrinter.setCurrentY((2.0 * m_f.YOffset + m_f.Height) * m_f.Scalor); });
    if (savedScaleMode)
        passOver([&] { oPrinter.setScaleMode(*savedScaleMode); });
    backList.clear();
    return bContinue;
}

} // namespace kyt
