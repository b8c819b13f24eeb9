#!/usr/bin/python3
"""Builds the two barcode fonts the library prints barcodes with.

    generate_barcode_fonts.py OUTPUT_DIR

writes OUTPUT_DIR/KYT3of9.ttf (family "KYT 3of9") and
OUTPUT_DIR/KYTCode128.ttf (family "KYT Code128").

Every glyph is a set of solid bars, as tall as the line (descender to
ascender) and with no side bearing, so that consecutive glyphs abut exactly
and the printed string is the symbol. Only the start and stop glyphs of the
Code 128 font carry extra advance: the quiet zone a scanner needs before the
first and after the last bar.
"""

import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

UPM = 1024
MODULE = 64  # one narrow bar or space, in font units
ASCENT = 820
DESCENT = -204  # ASCENT - DESCENT == UPM: the bars fill the whole line
QUIET_MODULES = 10
VERSION = "8.1.3"
# Fixed timestamps keep the build reproducible (seconds since 1904-01-01).
TIMESTAMP = 3786825600

# Code 128 bar/space widths in modules, bar first, for values 0..106.
# Each has three bars and three spaces and spans 11 modules; the stop
# symbol (106) includes its final two-module termination bar (13 modules).
CODE128 = [
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232", "2331112",
]

# Code 39: nine elements (bar, space, bar, ... bar), 1 = wide. Three of nine
# elements are wide, which gives the symbology its name.
CODE39 = {
    "0": "000110100", "1": "100100001", "2": "001100001", "3": "101100000", "4": "000110001",
    "5": "100110000", "6": "001110000", "7": "000100101", "8": "100100100", "9": "001100100",
    "A": "100001001", "B": "001001001", "C": "101001000", "D": "000011001", "E": "100011000",
    "F": "001011000", "G": "000001101", "H": "100001100", "I": "001001100", "J": "000011100",
    "K": "100000011", "L": "001000011", "M": "101000010", "N": "000010011", "O": "100010010",
    "P": "001010010", "Q": "000000111", "R": "100000110", "S": "001000110", "T": "000010110",
    "U": "110000001", "V": "011000001", "W": "111000000", "X": "010010001", "Y": "110010000",
    "Z": "011010000", "-": "010000101", ".": "110000100", " ": "011000100", "$": "010101000",
    "/": "010100010", "+": "010001010", "%": "000101010", "*": "010010100",
}
CODE39_WIDE = 3  # wide:narrow ratio

# Windows-1252 codes 0x80..0x9F as Unicode (the five undefined codes keep
# their C1 control value, as the library's text conversion does).
CP1252_HIGH = [
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
]

def cp1252(code):
    return CP1252_HIGH[code - 0x80] if 0x80 <= code <= 0x9F else code


def check_tables():
    assert len(CODE128) == 107
    for value, pattern in enumerate(CODE128):
        widths = [int(c) for c in pattern]
        expected = 13 if value == 106 else 11
        assert sum(widths) == expected, (value, pattern)
        assert all(1 <= w <= 4 for w in widths), (value, pattern)
        # an even number of bar modules is what makes Code 128 self-checking
        assert sum(widths[0:6:2]) % 2 == 0, (value, pattern)
    assert len(set(CODE128)) == 107
    assert len(CODE39) == 44 and len(set(CODE39.values())) == 44
    for ch, pattern in CODE39.items():
        assert len(pattern) == 9 and pattern.count("1") == 3, ch


def bars_glyph(widths, unit_widths, left_margin=0, right_margin=0):
    """A glyph from alternating bar/space widths (bar first), in font units."""
    pen = TTGlyphPen(None)
    x = left_margin
    for i, w in enumerate(widths):
        width = unit_widths(w)
        if i % 2 == 0:
            pen.moveTo((x, DESCENT))
            pen.lineTo((x, ASCENT))
            pen.lineTo((x + width, ASCENT))
            pen.lineTo((x + width, DESCENT))
            pen.closePath()
        x += width
    return pen.glyph(), x + right_margin


def empty_glyph():
    return TTGlyphPen(None).glyph()


def build(path, family, ps_name, glyphs, cmap):
    """glyphs: ordered list of (name, glyph, advance); cmap: code point -> name."""
    order = [name for name, _, _ in glyphs]
    fb = FontBuilder(UPM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf({name: g for name, g, _ in glyphs})
    metrics = {}
    for name, g, advance in glyphs:
        g.recalcBounds(fb.font["glyf"])
        lsb = getattr(g, "xMin", 0) if g.numberOfContours else 0
        metrics[name] = (advance, lsb)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=DESCENT, lineGap=0)
    fb.setupNameTable({
        "familyName": family,
        "styleName": "Regular",
        "uniqueFontIdentifier": "KYTPreview:%s:%s" % (ps_name, VERSION),
        "fullName": family,
        "psName": ps_name,
        "version": "Version %s" % VERSION,
        "copyright": "Copyright (c) 2026 The KYTPreview developers",
        # The fonts ship under the project's licence (LICENSE).
        "licenseDescription": "MIT License: free to use, copy, modify and distribute with the copyright "
        "notice and this permission notice; provided as is, without warranty of any kind.",
    })
    fb.setupOS2(
        version=4,
        sTypoAscender=ASCENT, sTypoDescender=DESCENT, sTypoLineGap=0,
        usWinAscent=ASCENT, usWinDescent=-DESCENT,
        fsSelection=0x40 | 0x80,  # REGULAR, USE_TYPO_METRICS
        achVendID="KYT ", usWeightClass=400,
        sxHeight=ASCENT, sCapHeight=ASCENT,
        fsType=0,  # installable: PDF output may embed the font
    )
    fb.setupPost(isFixedPitch=0)
    head = fb.font["head"]
    head.created = head.modified = TIMESTAMP
    fb.font.save(path)


def code39_font(path):
    def unit(w):
        return MODULE * (CODE39_WIDE if w == "1" else 1)

    glyphs = [(".notdef", empty_glyph(), MODULE * 8)]
    cmap = {}
    for ch, pattern in CODE39.items():
        name = "c39_%04X" % ord(ch)
        # the narrow inter-character gap ends each glyph
        glyph, advance = bars_glyph(list(pattern), unit, right_margin=MODULE)
        glyphs.append((name, glyph, advance))
        cmap[ord(ch)] = name
        if "A" <= ch <= "Z":
            cmap[ord(ch.lower())] = name  # lower case prints the capital's symbol
    build(path, "KYT 3of9", "KYT3of9", glyphs, cmap)


def code128_font(path):
    def unit(w):
        return MODULE * int(w)

    glyphs = [(".notdef", empty_glyph(), MODULE * 11)]
    for value, pattern in enumerate(CODE128):
        left = QUIET_MODULES * MODULE if 103 <= value <= 105 else 0
        right = QUIET_MODULES * MODULE if value == 106 else 0
        glyph, advance = bars_glyph(list(pattern), unit, left, right)
        glyphs.append(("v%03d" % value, glyph, advance))

    cmap = {}

    def put(code_point, value):
        name = "v%03d" % value
        assert cmap.get(code_point, name) == name, hex(code_point)
        cmap[code_point] = name

    # Code set B data and check characters: value + 32, values 95.. at 127..134.
    for value in range(0, 103):
        put(cp1252(value + 32), value)
    # The symbol table used by code set C: 0 at 192, 95..101 at 195..201, 102 at 134.
    put(cp1252(192), 0)
    for value in range(95, 102):
        put(cp1252(value + 100), value)
    put(cp1252(134), 102)
    # Start A, B, C and stop.
    for code, value in ((135, 103), (136, 104), (137, 105), (138, 106)):
        put(cp1252(code), value)
    build(path, "KYT Code128", "KYTCode128", glyphs, cmap)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: generate_barcode_fonts.py OUTPUT_DIR\n")
        return 2
    check_tables()
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    code39_font(os.path.join(out, "KYT3of9.ttf"))
    code128_font(os.path.join(out, "KYTCode128.ttf"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
