#pragma once
// One design object on the surface: an element of a control array
// ("Photo", "Logo", "Rectangle", "Text", "Data", "Line") with the
// properties the model reads and writes by name, in inches. It paints
// itself through its object's own drawing (ControlPicture), at the
// surface's zoom and with the surface's record, so it shows as it prints.

#include "designer/SurfaceItem.h"
#include "kyt/kytwidgets_export.h"
#include "objects/IDesignControl.h"
#include <QFont>
#include <QImage>
#include <optional>

namespace kyt
{

class ControlArray;

class KYTWIDGETS_PRIVATE_EXPORT DesignControl : public SurfaceItem, public IDesignControl
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name)
    Q_PROPERTY(int Index READ Index)
    Q_PROPERTY(float left READ left WRITE setleft)
    Q_PROPERTY(float top READ top WRITE settop)
    Q_PROPERTY(float Width READ Width WRITE setWidth)
    Q_PROPERTY(float Height READ Height WRITE setHeight)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(qint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QString FontName READ FontName)
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)

public:
    enum class Kind { Photo, Logo, Rectangle, Text, Data, Line };

    DesignControl(DesignSurface* surface, ControlArray* array, Kind kind, int index);

    Kind kind() const { return m_kind; }
    ControlArray* array() const { return m_array; }
    static QString kindName(Kind kind);

    // IDesignControl
    QString Name() const override { return kindName(m_kind); }
    int Index() const override { return m_index; }
    float left() const override { return itemLeft(); }
    void setleft(float v) override { setItemLeft(v); }
    float top() const override { return itemTop(); }
    void settop(float v) override { setItemTop(v); }
    float Width() const override { return itemWidth(); }
    void setWidth(float v) override { setItemWidth(v); }
    float Height() const override { return itemHeight(); }
    void setHeight(float v) override { setItemHeight(v); }
    QString Tag() const override { return m_tag; }
    void setTag(const QString& tag) override;
    QString Caption() const override { return m_caption; }
    void setCaption(const QString& caption) override;
    bool Visible() const override { return isVisibleTo(parentWidget()); }
    void setVisible(bool visible) override { QWidget::setVisible(visible); }
    int BackStyle() const override { return m_backStyle; }
    void setBackStyle(int v) override;
    int BorderStyle() const override { return m_borderStyle; }
    void setBorderStyle(int v) override;
    int Alignment() const override { return m_alignment; }
    void setAlignment(int v) override;
    qint32 BackColor() const override { return m_backColor; }
    void setBackColor(qint32 v) override;
    qint32 ForeColor() const override { return m_foreColor; }
    void setForeColor(qint32 v) override;
    QString FontName() const override { return m_fontName; }
    bool setFontName(const QString& name) override;
    double FontSize() const override { return m_fontSize; }
    void setFontSize(double points) override;
    bool FontBold() const override { return m_bold; }
    void setFontBold(bool v) override;
    bool FontItalic() const override { return m_italic; }
    void setFontItalic(bool v) override;
    bool FontUnderline() const override { return m_underline; }
    void setFontUnderline(bool v) override;
    bool FontStrikethrough() const override { return m_strikethrough; }
    void setFontStrikethrough(bool v) override;
    kyt::Picture Picture() const override { return m_picture; }
    void setPicture(const kyt::Picture& picture) override;
    bool Stretch() const override { return m_stretch; }
    void setStretch(bool v) override;
    void ZOrder(int position = 0) override;
    QString ObjectType() const override { return m_objectType; }
    void setObjectType(const QString& typeWord) override { m_objectType = typeWord; }

    // Window order: when the control was last put to use (0 never).
    quint64 useOrder() const { return m_useOrder; }
    void markUsed();

    // Copies every property (geometry, tag, caption, colours, font,
    // picture, visibility) from another control, as deleting an array
    // element moves the later elements down.
    void copyPropertiesFrom(const DesignControl& other);
    // Back to the state of a new element: hidden, no tag, caption, picture;
    // default colours and font.
    void clearProperties();

    // The font as painted at the surface's zoom; a font-to-fit text shows
    // the size the card's render fits it to, not the stored size.
    QFont displayFont() const;
    double shownFontSize() const;
    // The object's drawing at the control's place, zoom, properties and
    // the surface's record, over lookRect() (the control's box and a
    // margin for what an object draws beyond it); drawn again only when
    // one of them changed.
    const QImage& look();
    QRect lookRect() const;
    // Whether a photo shows the shown record's picture (no empty box then).
    bool showsRecordPhoto() const;
    // The part of lookRect() on the card, which is what look() holds.
    QRect lookArea() const;
    int lookMargin() const;

    // Colour of a 32-bit value (system colours as on screen).
    static QColor toColor(qint32 value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class ControlArray;
    // A property that shows changed: the picture is drawn again.
    void lookChanged();
    bool isTextKind() const;
    QString shownText() const;
    QPointF controlInches(const QPointF& pixels) const;

    ControlArray* m_array;
    Kind m_kind;
    int m_index;
    QString m_tag;
    QString m_caption;
    int m_backStyle = 1;
    int m_borderStyle = 0;
    int m_alignment = 0;
    qint32 m_backColor = 0xFFFFFF;
    qint32 m_foreColor = 0;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 8;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikethrough = false;
    kyt::Picture m_picture;
    bool m_stretch = false;
    quint64 m_useOrder = 0;
    QString m_objectType;
    bool m_pressedLeft = false;
    struct LookKey {
        QRect geometry;
        double ppi = 0;
        quint64 version = 0;
        quint64 dataVersion = 0;
        float left = 0, top = 0, width = 0, height = 0;
        bool operator==(const LookKey&) const = default;
    };
    struct Look {
        LookKey key;
        QImage image;
    };
    quint64 m_lookVersion = 0;
    std::optional<Look> m_look;
};

} // namespace kyt
