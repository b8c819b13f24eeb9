#pragma once
// Small pieces the design objects and the template share when they draw.

#include "kyt/kytcore_export.h"
#include <QString>
#include <memory>

namespace kyt
{

class CError;
class Picture;
class Surface;

namespace render
{

// The printer's resolution outlines are sized for when the surface is not a
// printer itself (a picture box previewing the card): card printers print at
// 300 dots per inch, 4.8 twips per dot.
inline constexpr double DefaultPrinterDpi = 300.0;

// Whether the surface is a printer (its type name, letter case ignored).
bool isPrinter(const Surface& surface);

// Twips per pixel of the printer the card is sized for: the surface's own
// when it is a printer, else those of a DefaultPrinterDpi printer.
double printerTwipsPerPixelX(const Surface& surface);
double printerTwipsPerPixelY(const Surface& surface);

// |v| as a pen width, without overflowing for the most negative 16-bit value.
inline int outlineWidth(qint16 border)
{
    return border < 0 ? -static_cast<int>(border) : static_cast<int>(border);
}

// The black outline of a non-zero border around (x1, y1)-(x2, y2).
void drawOutline(Surface& surface, qint16 border, double x1, double y1, double x2, double y2);

// A picture filling its box; with a border it moves `inset` in from the
// top-left so the outline drawn around the box stays visible.
void paintFramedPicture(
    Surface& surface, const Picture& picture, double x, double y, double w, double h, qint16 border, double inset);

// Reports a caught failure (when there is a reporter).
void reportFailure(const std::shared_ptr<CError>& g_oError, const std::exception& e, const QString& source);

} // namespace render
} // namespace kyt
