// kytpreview barcode TYPE TEXT: the string a text object prints in the
// barcode font for TYPE, as Windows-1252 code numbers.
// kytpreview barcode --symbol TYPE TEXT -o OUT: one symbol drawn to a PNG,
// SVG or PDF file.
#include "Command.h"
#include "barcode/Symbol.h"
#include "barcode/modBarCodeRoutines.h"
#include "errors/CError.h"
#include "platform/OutputFile.h"
#include "platform/PngFile.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/surface/PrinterSurface.h"
#include "platform/surface/TraceSurface.h"
#include "util/Ansi.h"
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace kyt::cli
{
namespace
{
const QString kCode39Chars = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-. $/+%*");
const QString Me = QStringLiteral("barcode");

int fontString(const QStringList& args)
{
    if (args.size() != 2)
        return fail(
            Me, QCoreApplication::translate("kyt::cli", "expected TYPE and TEXT (see kytpreview barcode --help)"), 2);
    const QString type = args.at(0).toLower();
    const QString text = args.at(1);
    QString encoded;
    if (type == QLatin1String("3of9") || type == QLatin1String("39")) {
        encoded = TrimBarcodeBlanks(text);
        for (QChar c : encoded)
            if (!kCode39Chars.contains(c))
                return fail(
                    Me, QCoreApplication::translate("kyt::cli", "Code 39 cannot encode the character '%1'").arg(c));
    } else if (type == QLatin1String("128b")) {
        if (!IsCode128BText(text))
            return fail(
                Me, QCoreApplication::translate("kyt::cli", "Code 128 B encodes only characters with codes 32 to 127"));
        encoded = CreateCode128B(text);
    } else if (type == QLatin1String("128c")) {
        encoded = CreateCode128C(text);
        if (encoded.isEmpty())
            return fail(Me,
                TrimBarcodeBlanks(text).isEmpty()
                    ? QCoreApplication::translate("kyt::cli", "Code 128 C needs at least one digit")
                    : QString::fromLatin1(kCode128CAlphaDescription));
    } else {
        return fail(Me,
            QCoreApplication::translate(
                "kyt::cli", "unknown barcode type '%1' (3of9, 128B or 128C; --symbol TYPE for the symbols)")
                .arg(args.at(0)),
            2);
    }
    QStringList codes;
    codes.reserve(encoded.size());
    for (QChar c : encoded)
        codes << QString::number(ansiCode(c));
    printOut(codes.join(QLatin1Char(' ')));
    return 0;
}

QString symbolWords()
{
    QStringList words;
    for (const Symbology& s : symbologies())
        words << QLatin1String(s.word);
    return words.join(QLatin1String(", "));
}

QString svgText(const QString& t)
{
    return t.toHtmlEscaped();
}

// The symbol as SVG, laid out on a 1200 dpi grid (the unit of the view box).
QString svgOf(
    const EncodedSymbol& symbol, const SymbolOptions& options, QSizeF inches, const QString& font, double fontPoints)
{
    constexpr double Dpi = 1200;
    TraceSurface grid(QStringLiteral("Printer"), inches, Dpi);
    grid.setScaleMode(Surface::vbInches);
    grid.setFontName(font);
    grid.setFontSize(fontPoints);
    const SymbolLayout l = layoutSymbol(grid, symbol, options, QRectF(QPointF(0, 0), inches));
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1in\" height=\"%2in\" "
                                 "viewBox=\"0 0 %3 %4\">\n<g fill=\"#000000\">\n")
                      .arg(inches.width())
                      .arg(inches.height())
                      .arg(std::lround(inches.width() * Dpi))
                      .arg(std::lround(inches.height() * Dpi));
    for (const QRectF& b : l.boxes)
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"/>\n")
                   .arg(std::lround(b.x() * Dpi))
                   .arg(std::lround(b.y() * Dpi))
                   .arg(std::lround(b.width() * Dpi))
                   .arg(std::lround(b.height() * Dpi));
    if (!l.texts.empty()) {
        QFont f(grid.FontName());
        f.setPointSizeF(fontPoints);
        QImage metrics(1, 1, QImage::Format_RGB32);
        metrics.setDotsPerMeterX(int(std::lround(Dpi / 0.0254)));
        metrics.setDotsPerMeterY(int(std::lround(Dpi / 0.0254)));
        const double ascent = QFontMetricsF(f, &metrics).ascent();
        for (const SymbolLayout::Text& t : l.texts) {
            const double x = t.x * Dpi, y = t.y * Dpi;
            svg += QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"%3\" font-size=\"%4\" "
                                  "transform=\"rotate(%5 %1 %6)\">%7</text>\n")
                       .arg(x, 0, 'f', 1)
                       .arg(y + ascent, 0, 'f', 1)
                       .arg(svgText(grid.FontName()))
                       .arg(fontPoints / 72.0 * Dpi, 0, 'f', 1)
                       .arg(90 * l.textQuarterTurns)
                       .arg(y, 0, 'f', 1)
                       .arg(svgText(t.text));
        }
    }
    svg += QStringLiteral("</g>\n</svg>\n");
    return svg;
}

int symbolFile(const ParsedArgs& a, const QStringList& args)
{
    const QString out = a.value(QStringLiteral("output"));
    const QString sizeText = a.value(QStringLiteral("size"));
    const QString dpiText = a.value(QStringLiteral("dpi"));
    const QString ecText = a.value(QStringLiteral("ec"));
    const QString textPlace = a.value(QStringLiteral("text"));
    const QString rotateText = a.value(QStringLiteral("rotate"));
    const QString moduleText = a.value(QStringLiteral("module"));
    const QString font = a.has(QStringLiteral("font")) ? a.value(QStringLiteral("font")) : QStringLiteral("Arial");
    const QString fontSizeText = a.value(QStringLiteral("font-size"));
    if (int rc = checkArguments(Me, args, args.size() == 2, QCoreApplication::translate("kyt::cli", "TYPE and TEXT")))
        return rc;
    const Symbology* s = symbologyNamed(args[0]);
    if (!s)
        return fail(
            Me, QCoreApplication::translate("kyt::cli", "unknown symbol '%1' (%2)").arg(args[0], symbolWords()), 2);
    const QString ext = out.section(QLatin1Char('.'), -1).toLower();
    if (out.isEmpty() || (ext != QLatin1String("png") && ext != QLatin1String("svg") && ext != QLatin1String("pdf")))
        return fail(Me,
            QCoreApplication::translate("kyt::cli", "say where the symbol goes: -o OUT.png, OUT.svg or OUT.pdf"), 2);

    SymbolOptions options;
    bool ok = true;
    if (!ecText.isEmpty()) {
        options.ecLevel = qint16(ecText.toInt(&ok));
        if (!ok || s->ecLevels == 0 || options.ecLevel < 1 || options.ecLevel > s->ecLevels)
            return fail(Me,
                s->ecLevels == 0
                    ? QCoreApplication::translate("kyt::cli", "%1 has no error-correction levels to choose")
                          .arg(QLatin1String(s->name))
                    : QCoreApplication::translate("kyt::cli", "--ec must be 1 to %1 for %2")
                          .arg(s->ecLevels)
                          .arg(QLatin1String(s->name)),
                2);
    }
    if (!textPlace.isEmpty()) {
        if (textPlace == QLatin1String("below"))
            options.hrt = SymbolOptions::HrtBelow;
        else if (textPlace == QLatin1String("above"))
            options.hrt = SymbolOptions::HrtAbove;
        else if (textPlace != QLatin1String("none"))
            return fail(Me, QCoreApplication::translate("kyt::cli", "--text must be below, above or none"), 2);
    }
    if (!rotateText.isEmpty()) {
        options.rotation = qint16(rotateText.toInt(&ok));
        if (!ok || options.rotation < 0 || options.rotation > 270 || options.rotation % 90 != 0)
            return fail(Me, QCoreApplication::translate("kyt::cli", "--rotate must be 0, 90, 180 or 270"), 2);
    }
    if (!moduleText.isEmpty()) {
        options.moduleInches = moduleText.toFloat(&ok);
        if (!ok || options.moduleInches <= 0 || options.moduleInches > 1)
            return fail(Me,
                QCoreApplication::translate("kyt::cli", "--module is the module size in inches, above 0 and at most 1"),
                2);
    }
    double fontPoints = 8;
    if (!fontSizeText.isEmpty()) {
        fontPoints = fontSizeText.toDouble(&ok);
        if (!ok || fontPoints < 1 || fontPoints > 200)
            return fail(Me, QCoreApplication::translate("kyt::cli", "--font-size must be 1 to 200 points"), 2);
    }
    int dpi = 300;
    if (!dpiText.isEmpty()) {
        dpi = dpiText.toInt(&ok);
        if (!ok || dpi < 72 || dpi > 2400)
            return fail(Me, QCoreApplication::translate("kyt::cli", "--dpi must be a whole number from 72 to 2400"), 2);
    }
    QSizeF inches = s->kind == SymbolKind::Matrix ? QSizeF(1, 1)
        : s->kind == SymbolKind::Stacked          ? QSizeF(2, 1)
                                                  : QSizeF(2, 0.75);
    if (options.rotation % 180 != 0)
        inches.transpose();
    if (!sizeText.isEmpty()) {
        const QStringList wh = sizeText.toLower().split(QLatin1Char('x'));
        bool okW = false, okH = false;
        const double w = wh.size() == 2 ? wh[0].toDouble(&okW) : 0, h = wh.size() == 2 ? wh[1].toDouble(&okH) : 0;
        if (!okW || !okH || w <= 0 || h <= 0 || w > 20 || h > 20)
            return fail(Me,
                QCoreApplication::translate(
                    "kyt::cli", "--size is WIDTHxHEIGHT in inches, each above 0 and at most 20"),
                2);
        inches = QSizeF(w, h);
    }

    try {
        const EncodedSymbol symbol(*s, args[1], options);
        const QRectF box(QPointF(0, 0), inches);
        auto prepare = [&](Surface& surface) {
            surface.setScaleMode(Surface::vbInches);
            if (!surface.setFontName(font))
                printErr(QCoreApplication::translate(
                    "kyt::cli", "kytpreview barcode: font \"%1\" is not installed; using \"%2\"")
                             .arg(font, surface.FontName()));
            surface.setFontSize(fontPoints);
        };
        if (ext == QLatin1String("png")) {
            PictureBoxSurface pic(
                QSize(int(std::lround(inches.width() * dpi)), int(std::lround(inches.height() * dpi))), dpi);
            prepare(pic);
            drawSymbol(pic, symbol, options, box, 0);
            OutputFile file(out);
            if (!file.isOpen())
                return fail(Me, file.errorString());
            QImage image = pic.Image();
            image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
            image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
            if (QString why; !writePng(file.device(), image, &why) && !file.failed())
                return fail(Me, QStringLiteral("%1: %2").arg(out, why));
            if (!file.commit())
                return fail(Me, file.errorString());
        } else if (ext == QLatin1String("pdf")) {
            auto printer = PrinterSurface::toPdf(out, inches, dpi);
            printer->begin();
            prepare(*printer);
            drawSymbol(*printer, symbol, options, box, 0);
            printer->EndDoc();
        } else {
            OutputFile file(out);
            if (!file.isOpen())
                return fail(Me, file.errorString());
            file.device()->write(svgOf(symbol, options, inches, font, fontPoints).toUtf8());
            if (!file.commit())
                return fail(Me, file.errorString());
        }
    } catch (const KytError& e) {
        return fail(Me, e.description());
    } catch (const std::exception& e) {
        return fail(Me, QString::fromLocal8Bit(e.what()));
    }
    return 0;
}

int run(const ParsedArgs& a)
{
    if (a.has(QStringLiteral("symbol")))
        return symbolFile(a, QStringList { a.value(QStringLiteral("symbol")) } + a.positional);
    for (const QString& o : { QStringLiteral("output"), QStringLiteral("size"), QStringLiteral("dpi"),
             QStringLiteral("ec"), QStringLiteral("text"), QStringLiteral("rotate"), QStringLiteral("module"),
             QStringLiteral("font"), QStringLiteral("font-size") })
        if (a.has(o))
            return fail(Me,
                QCoreApplication::translate("kyt::cli", "--%1 goes with --symbol (see kytpreview barcode --help)")
                    .arg(o),
                2);
    return fontString(a.positional);
}

const Command::Registration reg({ QStringLiteral("barcode"), run });
} // namespace
} // namespace kyt::cli
