#pragma once
// A surface that passes every call on to another one, except that it keeps
// the document open: a card that fails part-way ends its document (EndDoc),
// which in a batch would lose every card after it. The request is noted
// instead, and the pages begun are counted, so the batch can keep each card
// on its own pages.

#include "platform/surface/Surface.h"

namespace kyt
{

class KYTCORE_PRIVATE_EXPORT CardJobSurface : public Surface
{
public:
    explicit CardJobSurface(Surface& inner);
    ~CardJobSurface() override;

    Surface& inner() const { return m_inner; }
    // NewPage calls passed on since the last resetCounts().
    int newPages() const { return m_newPages; }
    // Whether EndDoc was asked for since the last resetCounts().
    bool endDocRequested() const { return m_endDocRequested; }
    void resetCounts()
    {
        m_newPages = 0;
        m_endDocRequested = false;
    }

    QString TypeName() const override { return m_inner.TypeName(); }
    int ScaleMode() const override { return m_inner.ScaleMode(); }
    void setScaleMode(int mode) override { m_inner.setScaleMode(mode); }
    double ScaleWidth() const override { return m_inner.ScaleWidth(); }
    double ScaleHeight() const override { return m_inner.ScaleHeight(); }
    double TwipsPerPixelX() const override { return m_inner.TwipsPerPixelX(); }
    double TwipsPerPixelY() const override { return m_inner.TwipsPerPixelY(); }
    double CurrentX() const override { return m_inner.CurrentX(); }
    void setCurrentX(double x) override { m_inner.setCurrentX(x); }
    double CurrentY() const override { return m_inner.CurrentY(); }
    void setCurrentY(double y) override { m_inner.setCurrentY(y); }
    void Line(double x1, double y1, double x2, double y2, std::optional<quint32> color = std::nullopt,
        LineKind kind = LineKind::Plain) override
    {
        m_inner.Line(x1, y1, x2, y2, color, kind);
    }
    void PaintPicture(const Picture& picture, double x, double y, std::optional<double> width = std::nullopt,
        std::optional<double> height = std::nullopt) override
    {
        m_inner.PaintPicture(picture, x, y, width, height);
    }
    void FillBoxes(const std::vector<QRectF>& boxes, quint32 color) override { m_inner.FillBoxes(boxes, color); }
    void PrintTurned(const QString& text, double x, double y, int quarterTurns) override
    {
        m_inner.PrintTurned(text, x, y, quarterTurns);
    }
    void Print(const QString& text) override { m_inner.Print(text); }
    double TextWidth(const QString& text) override { return m_inner.TextWidth(text); }
    double TextHeight(const QString& text) override { return m_inner.TextHeight(text); }
    QString FontName() const override { return m_inner.FontName(); }
    bool setFontName(const QString& name) override { return m_inner.setFontName(name); }
    double FontSize() const override { return m_inner.FontSize(); }
    void setFontSize(double points) override { m_inner.setFontSize(points); }
    bool FontBold() const override { return m_inner.FontBold(); }
    void setFontBold(bool on) override { m_inner.setFontBold(on); }
    bool FontItalic() const override { return m_inner.FontItalic(); }
    void setFontItalic(bool on) override { m_inner.setFontItalic(on); }
    bool FontUnderline() const override { return m_inner.FontUnderline(); }
    void setFontUnderline(bool on) override { m_inner.setFontUnderline(on); }
    bool FontStrikethru() const override { return m_inner.FontStrikethru(); }
    void setFontStrikethru(bool on) override { m_inner.setFontStrikethru(on); }
    bool FontTransparent() const override { return m_inner.FontTransparent(); }
    void setFontTransparent(bool on) override { m_inner.setFontTransparent(on); }
    void SetBkModeTransparent() override { m_inner.SetBkModeTransparent(); }
    QFont Font() const override { return m_inner.Font(); }
    quint32 ForeColor() const override { return m_inner.ForeColor(); }
    void setForeColor(quint32 color) override { m_inner.setForeColor(color); }
    quint32 FillColor() const override { return m_inner.FillColor(); }
    void setFillColor(quint32 color) override { m_inner.setFillColor(color); }
    int FillStyle() const override { return m_inner.FillStyle(); }
    void setFillStyle(int style) override { m_inner.setFillStyle(style); }
    int DrawWidth() const override { return m_inner.DrawWidth(); }
    void setDrawWidth(int width) override { m_inner.setDrawWidth(width); }
    int DrawMode() const override { return m_inner.DrawMode(); }
    void setDrawMode(int mode) override { m_inner.setDrawMode(mode); }
    int DrawStyle() const override { return m_inner.DrawStyle(); }
    void setDrawStyle(int style) override { m_inner.setDrawStyle(style); }
    int PrintQuality() const override { return m_inner.PrintQuality(); }
    void setPrintQuality(int quality) override { m_inner.setPrintQuality(quality); }
    int Orientation() const override { return m_inner.Orientation(); }
    void setOrientation(int orientation) override { m_inner.setOrientation(orientation); }
    int Duplex() const override { return m_inner.Duplex(); }
    void setDuplex(int duplex) override { m_inner.setDuplex(duplex); }
    void NewPage() override
    {
        ++m_newPages;
        m_inner.NewPage();
    }
    void EndDoc() override { m_endDocRequested = true; }
    void Cls() override { m_inner.Cls(); }

protected:
    // Every public member goes to the inner surface, so these are not used
    // for drawing; they answer for a nominal device.
    double dpiX() const override { return 300; }
    double dpiY() const override { return 300; }
    QSizeF deviceSize() const override { return QSizeF(1, 1); }
    QPainter* painter() override { return nullptr; }

private:
    Surface& m_inner;
    int m_newPages = 0;
    bool m_endDocRequested = false;
};

} // namespace kyt
