#pragma once

#include <QMetaType>
// A drawing surface: what a card is drawn on (a picture box, a printer, a
// trace). Objects and templates use only these members. The class keeps all
// state (scale mode, position, font, colours, pen) and does the unit
// conversion and the painting; an implementation supplies the device: its
// resolution, its painter and its pages.
//
// Coordinates passed to and returned by the members are in the current scale
// unit. Colours are 32-bit values with red in the low byte. An invalid value
// for a setting raises KytError 380 ("Invalid property value"), as the
// classic surfaces do; callers report it through their failure path.

#include "kyt/kytcore_export.h"
#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;
class QColor;

namespace kyt
{

class Picture;

class KYTCORE_EXPORT Surface
{
public:
    enum class LineKind { Plain, Box, FilledBox };

    // Scale modes.
    static constexpr int vbTwips = 1, vbPoints = 2, vbPixels = 3, vbCharacters = 4, vbInches = 5, vbMillimeters = 6,
                         vbCentimeters = 7;
    // Draw modes used by the card code (all sixteen are accepted).
    static constexpr int vbInvert = 6, vbCopyPen = 13;
    // Fill styles.
    static constexpr int vbFSSolid = 0, vbFSTransparent = 1;

    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // "PictureBox" or "Printer".
    virtual QString TypeName() const = 0;

    // Scale.
    virtual int ScaleMode() const;
    virtual void setScaleMode(int mode);
    virtual double ScaleWidth() const;
    virtual double ScaleHeight() const;
    virtual double TwipsPerPixelX() const;
    virtual double TwipsPerPixelY() const;

    // Current drawing position.
    virtual double CurrentX() const;
    virtual void setCurrentX(double x);
    virtual double CurrentY() const;
    virtual void setCurrentY(double y);

    // Line, box outline or filled box from (x1, y1) to (x2, y2); no colour
    // means ForeColor. A box outline is filled inside with FillColor unless
    // FillStyle is transparent. Afterwards the position is (x2, y2).
    virtual void Line(double x1, double y1, double x2, double y2, std::optional<quint32> color = std::nullopt,
        LineKind kind = LineKind::Plain);
    // Filled boxes (x, y, width, height) in one colour, each edge on the
    // nearest whole device pixel, so that boxes sharing an edge meet without
    // a gap or an overlap and equal widths stay equal: the bars and modules
    // of a symbol. At least one pixel wide and high. The position does not
    // move; ForeColor does not change.
    virtual void FillBoxes(const std::vector<QRectF>& boxes, quint32 color);
    // Text in the current font and ForeColor, turned by quarterTurns x 90
    // degrees clockwise about (x, y), the top-left corner of the text before
    // it is turned. The position does not move.
    virtual void PrintTurned(const QString& text, double x, double y, int quarterTurns);
    // One device pixel in the current scale unit.
    double PixelWidth() const;
    double PixelHeight() const;
    // Picture stretched into the box; a negative width or height mirrors it.
    // Without a width/height the picture's own size is used.
    virtual void PaintPicture(const Picture& picture, double x, double y, std::optional<double> width = std::nullopt,
        std::optional<double> height = std::nullopt);
    // Text at the current position in the current font; then the position
    // moves to the start of the next line (x 0). Line breaks in the text
    // start new lines.
    virtual void Print(const QString& text);
    // Size of the text in the current font (widest line; line height times
    // the number of lines).
    virtual double TextWidth(const QString& text);
    virtual double TextHeight(const QString& text);

    // Font. setFontName refuses (returns false, font unchanged) a family that
    // is not installed; families fontconfig maps to a metric-compatible face
    // (Arial -> Liberation Sans) count as installed.
    virtual QString FontName() const;
    virtual bool setFontName(const QString& name);
    virtual double FontSize() const;
    virtual void setFontSize(double points);
    virtual bool FontBold() const;
    virtual void setFontBold(bool on);
    virtual bool FontItalic() const;
    virtual void setFontItalic(bool on);
    virtual bool FontUnderline() const;
    virtual void setFontUnderline(bool on);
    virtual bool FontStrikethru() const;
    virtual void setFontStrikethru(bool on);
    virtual bool FontTransparent() const;
    virtual void setFontTransparent(bool on);
    // The device's background mode set to transparent (text is drawn without
    // a background box), as a device-context call would.
    virtual void SetBkModeTransparent();
    // The font as it is drawn (device independent: size in points).
    virtual QFont Font() const;

    // Colours and pen.
    virtual quint32 ForeColor() const;
    virtual void setForeColor(quint32 color);
    virtual quint32 FillColor() const;
    virtual void setFillColor(quint32 color);
    virtual int FillStyle() const;
    virtual void setFillStyle(int style);
    // Pen width in pixels of the device.
    virtual int DrawWidth() const;
    virtual void setDrawWidth(int width);
    virtual int DrawMode() const;
    virtual void setDrawMode(int mode);
    virtual int DrawStyle() const;
    virtual void setDrawStyle(int style);

    // Printer settings (kept by every surface; a printer applies them).
    virtual int PrintQuality() const;
    virtual void setPrintQuality(int quality);
    virtual int Orientation() const;
    virtual void setOrientation(int orientation);
    virtual int Duplex() const;
    virtual void setDuplex(int duplex);

    // Pages.
    virtual void NewPage();
    virtual void EndDoc();
    virtual void Cls();

    // Helpers for implementations and callers.
    static QColor toQColor(quint32 color);
    // Scale units per inch for a mode (horizontal and vertical differ only
    // for characters); 0 for a mode that is not supported.
    static double unitsPerInch(int mode, double dpi, bool vertical);
    // Whether a family is installed, as setFontName decides.
    static bool fontInstalled(const QString& family, QString* resolved = nullptr);

protected:
    Surface();

    // The device: resolution in dots per inch, size in device pixels, the
    // painter to draw with (nullptr: nothing is drawn, state still changes),
    // the device whose metrics measure text (nullptr: a nominal device at dpiY).
    virtual double dpiX() const = 0;
    virtual double dpiY() const = 0;
    virtual QSizeF deviceSize() const = 0;
    virtual QPainter* painter() = 0;
    virtual QPaintDevice* metricsDevice() { return nullptr; }
    // Colour behind opaque text.
    virtual quint32 backgroundColor() const { return 0xFFFFFF; }
    // The image PaintPicture draws for a picture: its own pixels, unless
    // the device stores the picture another way.
    virtual QImage drawnImage(const Picture& picture);
    // Whether text in our barcode fonts is drawn as the shapes of its bars
    // instead of as text in an embedded font.
    virtual bool barcodeFontsAsShapes() const { return false; }
    // Hooks run after the state changed.
    virtual void onNewPage() { }
    virtual void onEndDoc() { }
    virtual void onCls() { }
    virtual void onPrinterSettingChanged() { }

    double toDeviceX(double x) const;
    double toDeviceY(double y) const;
    double fromDeviceX(double px) const;
    double fromDeviceY(double py) const;
    // Throws KytError 380.
    [[noreturn]] static void invalidValue(const char* member);

private:
    KYTCORE_NO_EXPORT void preparePainter(QPainter& p) const;
    KYTCORE_NO_EXPORT QFont deviceFont() const;
    KYTCORE_NO_EXPORT const QString& fontFamily() const;
    KYTCORE_NO_EXPORT double lineHeightPx(const QFont& font);

    int m_scaleMode = vbTwips;
    double m_x = 0; // position in device pixels, so a scale change keeps it
    double m_y = 0;
    mutable QString m_fontName; // null until set or first needed
    double m_fontSize = 8;
    bool m_bold = false, m_italic = false, m_underline = false, m_strike = false;
    bool m_fontTransparent = true;
    quint32 m_foreColor = 0;
    quint32 m_fillColor = 0;
    int m_fillStyle = vbFSTransparent;
    int m_drawWidth = 1;
    int m_drawMode = vbCopyPen;
    int m_drawStyle = 0;
    int m_printQuality = -4;
    int m_orientation = 1;
    int m_duplex = 1;
};

} // namespace kyt

// Hosts that call members by name pass surfaces as pointers.
Q_DECLARE_METATYPE(kyt::Surface*)
