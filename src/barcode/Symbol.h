#pragma once
// Symbols drawn as bars and modules: QR Code, Data Matrix, PDF417, Aztec and
// the linear symbologies, encoded by libzint and laid out here so that each
// module covers whole device pixels. (The barcode fonts of types 1 to 3 are
// modBarCodeRoutines'.)

#include "kyt/kytcore_export.h"
#include <QRectF>
#include <QString>
#include <cstdint>
#include <vector>

namespace kyt
{

class Surface;

enum class SymbolKind { Linear, Stacked, Matrix };

struct Symbology {
    qint32 type; // BarcodeType number
    const char* name; // shown in the designer
    const char* word; // command-line word
    int zintId;
    bool gs1; // content is a GS1 element string, AIs in parentheses
    SymbolKind kind;
    int ecLevels; // error-correction levels offered (0: none)
    int quietLeft, quietRight, quietVertical; // in modules
};

// Every symbology, in the order the designer lists them.
KYTCORE_PRIVATE_EXPORT const std::vector<Symbology>& symbologies();
// The symbology of a BarcodeType number; nullptr for the barcode-font types
// (0 to 3) and numbers no symbology has.
KYTCORE_PRIVATE_EXPORT const Symbology* symbologyOf(qint32 type);
// By its command-line word or its name (letter case, blanks and '-' ignored).
KYTCORE_PRIVATE_EXPORT const Symbology* symbologyNamed(const QString& word);
// The names of an error-correction level (1-based) of a symbology.
KYTCORE_PRIVATE_EXPORT QString ecLevelName(const Symbology& s, int level);

struct SymbolOptions {
    enum Hrt : qint16 { HrtNone = 0, HrtBelow = 1, HrtAbove = 2 };
    qint16 ecLevel = 0; // 0: the symbology's default
    qint16 hrt = HrtNone; // human-readable line of a linear symbol
    qint16 rotation = 0; // 0, 90, 180 or 270 degrees, clockwise
    float moduleInches = 0; // 0: as large as the box allows
    bool operator==(const SymbolOptions&) const = default;
};

// An encoded symbol: its module grid and its texts.
class KYTCORE_PRIVATE_EXPORT EncodedSymbol
{
public:
    // Throws KytError (5) with the symbology's name and libzint's reason
    // when the content cannot be encoded.
    EncodedSymbol(const Symbology& s, const QString& content, const SymbolOptions& options = {});

    const Symbology& symbology() const { return *m_symbology; }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    bool module(int row, int column) const { return m_bits[size_t(row) * size_t(m_columns) + size_t(column)] != 0; }
    // The line printed under (or over) a linear symbol: the digits with
    // their check digit, a GS1 string with its AIs in parentheses.
    const QString& humanReadable() const { return m_humanReadable; }
    // What a reader reports for the symbol: GS1 data without parentheses,
    // a group separator (29) after each variable-length field but the last;
    // Code 39 in capitals; Codabar without its start and stop characters.
    const QString& reading() const { return m_reading; }

private:
    const Symbology* m_symbology;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<std::uint8_t> m_bits;
    QString m_humanReadable;
    QString m_reading;
};

// A symbol placed in a box: filled boxes and the human-readable line, in
// the surface's units.
struct SymbolLayout {
    struct Text {
        QString text;
        double x = 0, y = 0; // top-left of the text in its own (turned) frame
    };
    std::vector<QRectF> boxes;
    // The human-readable line: one piece, or for EAN and UPC the digit
    // groups between and beside the guard bars. Empty: no line.
    std::vector<Text> texts;
    int textQuarterTurns = 0;
    double modulePixels = 0; // the module's size in device pixels
};

// Lays the symbol out in the box (x, y, width, height in the surface's
// units): the quiet zones kept, modules of whole device pixels as large as
// fit (or options.moduleInches), bars as tall as the box less the text line
// (EAN and UPC guard bars reach half-way into it), the whole centred and
// turned by options.rotation. The text line is
// measured in the surface's current font.
KYTCORE_PRIVATE_EXPORT SymbolLayout layoutSymbol(
    Surface& surface, const EncodedSymbol& symbol, const SymbolOptions& options, const QRectF& box);

// Lays out and draws in `color` (text in the surface's current font).
KYTCORE_PRIVATE_EXPORT void drawSymbol(
    Surface& surface, const EncodedSymbol& symbol, const SymbolOptions& options, const QRectF& box, quint32 color);

// The GS1 element string "(01)...(10)..." as a reader reports it.
KYTCORE_PRIVATE_EXPORT QString gs1Reading(const QString& elementString);

} // namespace kyt
