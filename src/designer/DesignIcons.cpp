// Icons from the SVG resources, recoloured for the palette.

#include "designer/DesignIcons.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

namespace kyt
{

namespace
{

QString resourceOf(const QString& key)
{
    return QStringLiteral(":/kyt/icons/%1.svg").arg(key.toLower());
}

// Renders the drawing at whatever size and pixel ratio is asked for.
class SvgIcon : public QIconEngine
{
public:
    SvgIcon(QByteArray svg, QColor ink)
        : m_svg(std::move(svg))
        , m_ink(std::move(ink))
    {
        QByteArray coloured = m_svg;
        coloured.replace("currentColor", m_ink.name().toLatin1());
        m_renderer.load(coloured);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        m_renderer.render(painter, QRectF(rect));
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // size is in device pixels already.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            paint(&p, QRect(QPoint(0, 0), size), mode, state);
        }
        pm.setDevicePixelRatio(scale > 0 ? scale : 1.0);
        return pm;
    }
    QIconEngine* clone() const override { return new SvgIcon(m_svg, m_ink); }
    QString key() const override { return QStringLiteral("kytsvg"); }
    bool isNull() override { return !m_renderer.isValid(); }

private:
    QByteArray m_svg;
    QColor m_ink;
    QSvgRenderer m_renderer;
};

} // namespace

QIcon designIcon(const QString& key, const QPalette& palette)
{
    QFile file(resourceOf(key));
    if (key.isEmpty() || !file.open(QIODevice::ReadOnly))
        return QIcon();
    auto* engine = new SvgIcon(file.readAll(), palette.color(QPalette::WindowText));
    if (engine->isNull()) {
        delete engine;
        return QIcon();
    }
    return QIcon(engine);
}

} // namespace kyt
