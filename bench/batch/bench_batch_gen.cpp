// Inputs for bench/batch/run.sh.
//   bench_batch_gen card OUT.tpl       the visitor card: CR80, blue header band,
//                                      "VISITOR PASS", FirstName, LastName (bold),
//                                      Company, Code 128 of BadgeNo, a photo
//                                      (column "Image")
//   bench_batch_gen photos DIR N       N distinct 200 x 250 JPEG photos DIR/pNNNNN.jpg
#include "objects/CDataObject.h"
#include "objects/CPhotoObject.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "template/CPrintTemplate.h"
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>

using namespace kyt;

namespace
{

constexpr double pt(double points)
{
    return points / 72.0;
}
constexpr qint32 rgb(int r, int g, int b)
{
    return r | (g << 8) | (b << 16);
}

template <class T>
std::shared_ptr<T> add(CPrintTemplate& t, const char* type, double x, double y, double w, double h, int z)
{
    auto o = std::dynamic_pointer_cast<T>(t.AddObject(QString::fromLatin1(type)));
    o->setleft(float(pt(x)));
    o->settop(float(pt(y)));
    o->setWidth(float(pt(w)));
    o->setHeight(float(pt(h)));
    o->setZOrder(qint16(z));
    return o;
}

void style(CTextObjectBase& o, const char* font, int size, bool bold, qint32 color)
{
    o.setFontName(QString::fromLatin1(font));
    o.setFontSize(qint16(size));
    o.setBold(bold);
    o.setForeColor(color);
    o.setTransparent(true);
}

int makeCard(const QString& out)
{
    CPrintTemplate t;
    t.setWidth(3.375);
    t.setHeight(2.125);
    t.setOrientation(2);
    t.setTargetApplication(QStringLiteral("Bench.Visitors"));
    auto band = add<CRectangleObject>(t, "Rect", 0, 0, 243, 34, 1);
    band->setBackColor(rgb(0x1f, 0x4e, 0x9c));
    band->setForeColor(rgb(0x1f, 0x4e, 0x9c));
    auto title = add<CTextObject>(t, "Text", 8, 9, 227, 20, 2);
    title->setText(QStringLiteral("VISITOR PASS"));
    style(*title, "DejaVu Sans", 13, true, rgb(255, 255, 255));
    // The file keeps no ImageName: photos read back take theirs from the
    // print data item "Image".
    add<CPhotoObject>(t, "Photo", 10, 42, 64, 80, 2);
    struct Field {
        const char* name;
        double y, h;
        int size;
        bool bold;
        qint32 color;
    };
    for (const Field& f : { Field { "FirstName", 40, 17, 12, true, 0 }, Field { "LastName", 57, 17, 12, true, 0 },
             Field { "Company", 76, 14, 9, false, rgb(0x33, 0x33, 0x33) } }) {
        auto d = add<CDataObject>(t, "Data", 84, f.y, 152, f.h, 3);
        d->setDataFieldName(QString::fromLatin1(f.name));
        style(*d, "DejaVu Sans", f.size, f.bold, f.color);
    }
    auto code = add<CDataObject>(t, "Data", 84, 96, 150, 38, 3);
    code->setDataFieldName(QStringLiteral("BadgeNo"));
    style(*code, "KYT Code128", 26, false, 0);
    code->setBarcode(true);
    code->setBarcodeTypeNumber(CTextObjectBase::Barcode128C);
    auto digits = add<CDataObject>(t, "Data", 84, 135, 150, 12, 3);
    digits->setDataFieldName(QStringLiteral("BadgeNo"));
    style(*digits, "DejaVu Sans", 7, false, 0);
    if (!t.SaveFile(out)) {
        std::fprintf(stderr, "bench_batch_gen: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

// Distinct photos: a head on a background whose colours, and a number
// drawn on it, depend on the photo's index.
int makePhotos(const QString& dir, int n)
{
    if (!QDir().mkpath(dir))
        return 1;
    QImage img(200, 250, QImage::Format_RGB32);
    QFont font(QStringLiteral("DejaVu Sans"), 16);
    for (int i = 1; i <= n; ++i) {
        const int h = (i * 37) % 360;
        img.fill(QColor::fromHsv(h, 60, 230));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv((h + 180) % 360, 120, 110));
        p.drawEllipse(QPointF(100, 262), 95, 92);
        p.setBrush(QColor(230 - i % 40, 190 - i % 30, 160 - i % 20));
        p.drawEllipse(QPointF(100, 95), 45, 55);
        p.setPen(Qt::black);
        p.setFont(font);
        p.drawText(QRect(0, 215, 200, 30), Qt::AlignCenter, QString::number(i));
        p.end();
        const QString name = QDir(dir).filePath(QStringLiteral("p%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        QImageWriter w(name, "jpeg");
        w.setQuality(85);
        if (!w.write(img)) {
            std::fprintf(stderr, "bench_batch_gen: %s: %s\n", qPrintable(name), qPrintable(w.errorString()));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("card"))
        return makeCard(args[2]);
    if (args.size() == 4 && args[1] == QLatin1String("photos"))
        return makePhotos(args[2], args[3].toInt());
    std::fputs("usage: bench_batch_gen card OUT.tpl | photos DIR N\n", stderr);
    return 2;
}
