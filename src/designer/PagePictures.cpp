#include "designer/PagePictures.h"

#include "designer/CardSnapshot.h"
#include "designer/frmPreview.h"
#include "objects/CParseString.h"
#include "template/CPrintData.h"
#include <QTemporaryDir>

namespace kyt
{

namespace
{

// Both sides of a card drawn on pictures, stacked as the designer shows them.
QImage drawnSides(CPrintTemplate& card, const std::shared_ptr<CPrintData>& data, double ppi)
{
    card.setScalor(1.0);
    PagePictures pages(QSizeF(card.Width(), card.Height()), ppi);
    card.Render(pages, data, 0, 0);
    const std::vector<QImage> sides = pages.take();
    if (sides.empty())
        return QImage();
    QImage out(sides.front().width(), int(sides.front().height() * sides.size()), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    for (size_t i = 0; i < sides.size(); ++i)
        p.drawImage(QPoint(0, int(i) * sides.front().height()), sides[i]);
    return out;
}

// The picture on white at the size, cut or padded at the right and bottom.
QImage onWhite(const QImage& picture, QSize size)
{
    if (picture.size() == size && picture.format() == QImage::Format_RGB32)
        return picture;
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    if (!picture.isNull()) {
        QPainter p(&out);
        p.drawImage(QPoint(0, 0), picture);
    }
    return out;
}

} // namespace

QImage parseStringLayer(frmPreview& window, std::shared_ptr<FieldValues> values, double ppi)
{
    bool any = false;
    for (const CarriedObject& carried : window.carriedObjects())
        any = any || dynamic_cast<const CParseString*>(carried.object.get());
    auto data = std::dynamic_pointer_cast<CPrintData>(values);
    if (!any || !data || !(ppi > 0))
        return QImage();
    QTemporaryDir dir;
    if (!dir.isValid())
        return QImage();
    try {
        const QString file = dir.filePath(QStringLiteral("card.tpl"));
        const CPrintTemplatePtr with = shownCardCopy(window, file);
        const CPrintTemplatePtr without = readCardCopy(file);
        for (int i = without->Count(); i >= 1; --i)
            if (dynamic_cast<const CParseString*>(without->Item(i).get()))
                without->Remove(i);
        // A card with nothing but parse strings draws no page without them.
        const QImage drawn = drawnSides(*with, data, ppi);
        if (drawn.isNull())
            return QImage();
        const QImage a = onWhite(drawn, drawn.size());
        const QImage b = onWhite(drawnSides(*without, data, ppi), drawn.size());
        QImage layer(a.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        for (int y = 0; y < a.height(); ++y) {
            const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            auto* out = reinterpret_cast<QRgb*>(layer.scanLine(y));
            for (int x = 0; x < a.width(); ++x)
                if (pa[x] != pb[x])
                    out[x] = pa[x] | 0xFF000000u;
        }
        return layer;
    } catch (const std::exception&) {
        return QImage(); // nothing shown; printing the card reports why
    }
}

} // namespace kyt
