// Drawing shared by static texts and data-field texts.

#include "objects/CTextObjectBase.h"

#include "barcode/Symbol.h"
#include "errors/CError.h"
#include "errors/MessageBox.h"
#include "objects/RenderSupport.h"
#include "platform/surface/Surface.h"
#include "util/NumberText.h"
#include <QCoreApplication>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <optional>

namespace kyt
{

int CTextObjectBase::FontToFitSize(Surface& surface, double size, double width, double height, const QString& text)
{
    surface.setFontSize(size);
    const int drawWidth = surface.DrawWidth();
    const double lw = render::printerTwipsPerPixelX(surface) * drawWidth / 1440.0;
    const double tw = surface.TextWidth(text) + 2 * lw;
    const double lh = render::printerTwipsPerPixelY(surface) * drawWidth / 1440.0;
    const double th = surface.TextHeight(text) + 2 * lh;
    return ScaledFontSize(size, std::min(width / tw, height / th));
}

bool CTextObjectBase::renderText(TextKind kind, const QString& text, const CardScale& oTemplate, Surface& oPrinter,
    std::shared_ptr<CError>& g_oError, float sgXOffset, float sgYOffset)
{
    const bool data = kind != TextKind::Static;
    try {
        const ScaledBox box = scaledBox(oTemplate);
        const double S = oTemplate.Scalor();
        const double x1 = box.X + sgXOffset;
        const double y1 = box.Y + sgYOffset;
        const double x2 = box.X + box.W + sgXOffset;
        const double y2 = box.Y + box.H + sgYOffset;
        const double d = BorderInset;

        if (!Transparent())
            oPrinter.Line(x1, y1, x2, y2, static_cast<quint32>(BackColor()), Surface::LineKind::FilledBox);

        QString t = text;
        // A value the symbology cannot hold would print a card without its
        // barcode (or with a wrong one): the card fails instead.
        auto cannotDraw = [&](const QString& problem) {
            return KytError(5,
                QCoreApplication::translate(
                    "kyt::CTextObjectBase", "%1: the value \"%2\" cannot be drawn as a barcode: %3")
                    .arg(data ? QCoreApplication::translate("kyt::CTextObjectBase", "field \"%1\"").arg(tokenText())
                              : QCoreApplication::translate("kyt::CTextObjectBase", "text"),
                        t.left(200), problem));
        };
        if (!t.isEmpty() && Barcode()) {
            if (const Symbology* sym = symbology()) {
                std::optional<EncodedSymbol> symbol;
                try {
                    symbol.emplace(*sym, SymbolContent(t), symbolOptions());
                } catch (const KytError& e) {
                    // A field name shown in place of its value may not fit the
                    // symbology: it is shown as text.
                    if (kind != TextKind::DataFieldName)
                        throw cannotDraw(e.description());
                }
                if (symbol) {
                    if (symbolOptions().hrt != SymbolOptions::HrtNone && sym->kind == SymbolKind::Linear) {
                        if (!oPrinter.setFontName(FontName()))
                            MsgBox(FontName()
                                    + QCoreApplication::translate(
                                        "kyt::CTextObjectBase", " Font Not Found. Render Aborted"),
                                vbExclamation, QCoreApplication::translate("kyt::CTextObjectBase", "Font Error"));
                        oPrinter.setFontItalic(Italic());
                        oPrinter.setFontUnderline(false);
                        oPrinter.setFontBold(Bold());
                        oPrinter.setFontStrikethru(false);
                        oPrinter.setFontSize(std::max(1, ScaledFontSize(FontSize(), S)));
                        oPrinter.setFontTransparent(true);
                    }
                    drawSymbol(oPrinter, *symbol, symbolOptions(), QRectF(x1, y1, box.W, box.H),
                        static_cast<quint32>(ForeColor()));
                    t.clear();
                }
            } else {
                const QString problem = kind == TextKind::DataFieldName ? QString() : BarcodeProblem(t);
                if (!problem.isEmpty())
                    throw cannotDraw(problem);
                t = BarcodeText(t);
            }
        }
        if (!t.isEmpty()) {
            if (data)
                oPrinter.setForeColor(static_cast<quint32>(ForeColor()));
            if (!oPrinter.setFontName(FontName())) {
                // The card is still drawn, in the surface's current font.
                MsgBox(
                    FontName() + QCoreApplication::translate("kyt::CTextObjectBase", " Font Not Found. Render Aborted"),
                    vbExclamation, QCoreApplication::translate("kyt::CTextObjectBase", "Font Error"));
            }
            oPrinter.setFontItalic(Italic());
            oPrinter.setFontUnderline(Underline());
            oPrinter.setFontBold(Bold());
            oPrinter.setFontStrikethru(Strikethrough());
            if (!data)
                oPrinter.setForeColor(static_cast<quint32>(ForeColor()));

            int size = ScaledFontSize(FontSize(), S);
            if (FontToFit()) {
                const int fitted = FontToFitSize(oPrinter, FontSize(), box.W, box.H, t);
                size = ShrinkToFit() ? std::min(size, fitted) : fitted;
            }
            if (data && size == 0)
                size = 1;
            oPrinter.setFontSize(size);

            if (!data) {
                oPrinter.setFontTransparent(true);
                oPrinter.SetBkModeTransparent();
            }

            double x = 0;
            switch (Alignment()) {
            case AlignRight:
                x = box.X + box.W - oPrinter.TextWidth(t) + sgXOffset - (Border() != 0 ? d : 0);
                break;
            case AlignCenter:
                x = box.X + box.W / 2 - oPrinter.TextWidth(t) / 2 + sgXOffset;
                break;
            default:
                x = box.X + sgXOffset + (Border() != 0 ? d : 0);
                break;
            }
            oPrinter.setCurrentX(x);
            oPrinter.setCurrentY(box.Y + sgYOffset - (Border() != 0 ? d : 0));

            if (data) {
                oPrinter.setFontTransparent(true);
                oPrinter.SetBkModeTransparent();
            }
            oPrinter.Print(t);
        }

        if (Border() != 0 && data)
            oPrinter.setFillStyle(Surface::vbFSTransparent);
        render::drawOutline(oPrinter, Border(), x1, y1, x2, y2);
        return true;
    } catch (const std::exception& e) {
        render::reportFailure(g_oError, e, renderSource());
    }
    return false;
}

} // namespace kyt
