#pragma once
// A surface that records every call made on it, one JSON object per line:
//   {"op":"<member>", ...arguments}
// Setters record {"op":"<member>","value":v}; FontName adds "accepted".
// Drawing records its arguments in the current scale unit, plus the
// position where Print began and the font it used. TextWidth/TextHeight
// record the text and the answer. FillBoxes records its boxes as
// [x, y, width, height] arrays. Reading a property is not recorded.
//
// It either wraps another surface (every call is forwarded to it and its
// answers are returned, so a card can be rendered and traced at once) or
// stands alone: then it keeps the state itself and measures text at a
// nominal resolution (96 dots per inch for "PictureBox", 300 for "Printer").

#include "platform/surface/Surface.h"
#include <QIODevice>
#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>
#include <QStringList>

namespace kyt
{

class KYTCORE_EXPORT TraceSurface : public Surface
{
public:
    // Stand-alone, with the given type name ("PictureBox" or "Printer") and
    // a drawing area in inches.
    explicit TraceSurface(const QString& typeName, QSizeF sizeInches = QSizeF(3.375, 2.125), double dpi = 0);
    // Wrapping `inner`, which must outlive the trace.
    explicit TraceSurface(Surface& inner);
    ~TraceSurface() override;

    // Each line is also written to `sink` (with a line feed) as it is recorded.
    void setSink(QIODevice* sink) { m_sink = sink; }

    QStringList lines() const { return m_lines; }
    QJsonArray calls() const;
    void clear() { m_lines.clear(); }
    Surface* inner() const { return m_inner; }

    QString TypeName() const override;

    int ScaleMode() const override;
    void setScaleMode(int mode) override;
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    double CurrentX() const override;
    void setCurrentX(double x) override;
    double CurrentY() const override;
    void setCurrentY(double y) override;
    void Line(double x1, double y1, double x2, double y2, std::optional<quint32> color = std::nullopt,
        LineKind kind = LineKind::Plain) override;
    void PaintPicture(const Picture& picture, double x, double y, std::optional<double> width = std::nullopt,
        std::optional<double> height = std::nullopt) override;
    void FillBoxes(const std::vector<QRectF>& boxes, quint32 color) override;
    void PrintTurned(const QString& text, double x, double y, int quarterTurns) override;
    void Print(const QString& text) override;
    double TextWidth(const QString& text) override;
    double TextHeight(const QString& text) override;
    QString FontName() const override;
    bool setFontName(const QString& name) override;
    double FontSize() const override;
    void setFontSize(double points) override;
    bool FontBold() const override;
    void setFontBold(bool on) override;
    bool FontItalic() const override;
    void setFontItalic(bool on) override;
    bool FontUnderline() const override;
    void setFontUnderline(bool on) override;
    bool FontStrikethru() const override;
    void setFontStrikethru(bool on) override;
    bool FontTransparent() const override;
    void setFontTransparent(bool on) override;
    void SetBkModeTransparent() override;
    QFont Font() const override;
    quint32 ForeColor() const override;
    void setForeColor(quint32 color) override;
    quint32 FillColor() const override;
    void setFillColor(quint32 color) override;
    int FillStyle() const override;
    void setFillStyle(int style) override;
    int DrawWidth() const override;
    void setDrawWidth(int width) override;
    int DrawMode() const override;
    void setDrawMode(int mode) override;
    int DrawStyle() const override;
    void setDrawStyle(int style) override;
    int PrintQuality() const override;
    void setPrintQuality(int quality) override;
    int Orientation() const override;
    void setOrientation(int orientation) override;
    int Duplex() const override;
    void setDuplex(int duplex) override;
    void NewPage() override;
    void EndDoc() override;
    void Cls() override;

    static QString lineKindName(LineKind kind);

protected:
    double dpiX() const override { return m_dpi; }
    double dpiY() const override { return m_dpi; }
    QSizeF deviceSize() const override { return m_deviceSize; }
    QPainter* painter() override { return nullptr; }

private:
    KYTCORE_NO_EXPORT void record(const QString& op, QJsonObject args = {});
    KYTCORE_NO_EXPORT void recordValue(const QString& op, const QJsonValue& value);
    Surface& target() { return m_inner ? *m_inner : *this; }

    Surface* m_inner = nullptr;
    QString m_typeName;
    double m_dpi = 96;
    QSizeF m_deviceSize;
    QStringList m_lines;
    QPointer<QIODevice> m_sink;
};

} // namespace kyt
