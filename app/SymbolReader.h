#pragma once
// Reads every barcode and symbol of a picture with zxing-cpp: what
// `check --verify` and the tests compare with the values the cards should
// carry. Texts as readers report them: GS1 data without parentheses, a group
// separator (29) after each variable-length field but the last; Code 39
// without its start and stop characters; Codabar without its own.
#ifndef ZX_USE_UTF8
#define ZX_USE_UTF8 1
#endif
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QStringList>
#include <ZXing/ReadBarcode.h>

namespace kyt::cli
{

inline QStringList readSymbols(const QImage& picture)
{
    QStringList found;
    if (picture.isNull())
        return found;
    QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    // "+A" in Code 39 is two characters, as the barcode font prints them.
    hints.setTryCode39ExtendedMode(false);
    // Version 1.4 aborts on an assertion when it merges the readings of one
    // linear symbol found again in a downscaled copy of a wide picture; the
    // pictures here are at print resolution, where no copy is needed.
    hints.setTryDownscale(false);
    // It may also miss a Data Matrix beside another symbol: what was read is
    // painted over and the picture read again, until nothing new is found.
    for (int pass = 0; pass < 8; ++pass) {
        const ZXing::ImageView view(
            grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum, int(grey.bytesPerLine()));
        const ZXing::Results results = ZXing::ReadBarcodes(view, hints);
        QPainter cover;
        int added = 0;
        for (const ZXing::Result& r : results) {
            if (!r.isValid())
                continue;
            found.append(QString::fromStdString(r.text()));
            ++added;
            QPolygon area;
            for (int i = 0; i < 4; ++i)
                area << QPoint(r.position()[i].x, r.position()[i].y);
            if (!cover.isActive())
                cover.begin(&grey);
            // A few dots more, for the edge modules; the quiet zone keeps
            // neighbours further away.
            const int margin = 8;
            cover.fillRect(area.boundingRect().adjusted(-margin, -margin, margin, margin), Qt::white);
        }
        if (added == 0)
            break;
    }
    return found;
}

} // namespace kyt::cli
