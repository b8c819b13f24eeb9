// Writes the sample visitor card into a folder: sample_card.tpl (a CR80
// card, 3.375 x 2.125 inches, front and back), sample_card.data (its print
// data as a data stream) and sample_photo.png (a photo for the Image field).
// Everything is drawn by code, so the output is the same on every run.
//   make_sample OUT_DIR
#include "objects/CLogoObject.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include "template/TemplateFile.h"
#include "util/Ansi.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

using namespace kyt;

namespace
{

// Colours are red in the low byte.
constexpr qint32 rgb(int r, int g, int b)
{
    return r | (g << 8) | (b << 16);
}
constexpr qint32 Navy = rgb(0, 48, 128);
constexpr qint32 White = rgb(255, 255, 255);
constexpr qint32 Black = 0;
constexpr qint32 Amber = rgb(255, 176, 0);
constexpr double CardHeight = 2.125; // back-side objects lie below this

QString tok(const QStringList& fields)
{
    QString s;
    for (const QString& f : fields)
        s += f + QChar(0x01);
    return s;
}

QString num(double v)
{
    return QString::number(v, 'g', 7);
}

struct Box {
    double top, left, width, height;
    int z;
};

QStringList boxFields(const Box& b)
{
    return { num(b.top), num(b.left), num(b.width), num(b.height), QString::number(b.z) };
}

struct TextStyle {
    QString font = QStringLiteral("Arial");
    int size = 8;
    bool bold = false;
    int align = 0;
    qint32 fore = Black;
    int barcodeType = 0; // 0 none, 1 Code 39, 2 Code 128 B, 3 Code 128 C
    QString prefix;
    QString postfix;
    bool fit = false;
};

// Text and data objects share their 22 fields; field 10 is the text or the
// data field name.
void addText(CPrintTemplate& t, const char* type, const Box& b, const QString& text, const TextStyle& s)
{
    QStringList f = boxFields(b);
    f << QStringLiteral("0") << QString::number(s.align) << QString::number(White) << QString::number(s.fore) << text
      << (s.bold ? "True" : "False") << QStringLiteral("False") << QStringLiteral("False") << QStringLiteral("False")
      << s.font << QString::number(s.size) << QStringLiteral("True") << (s.barcodeType ? "True" : "False")
      << QString::number(s.barcodeType) << s.prefix << s.postfix << (s.fit ? "True" : "False");
    t.AddObject(QString::fromLatin1(type))->setTokenString(tok(f));
}

QImage drawLogo()
{
    QImage img(160, 160, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 176, 0));
    p.drawEllipse(QRectF(8, 8, 144, 144));
    p.setBrush(QColor(0, 48, 128));
    QPainterPath shield;
    shield.moveTo(80, 30);
    shield.lineTo(124, 48);
    shield.cubicTo(124, 100, 104, 122, 80, 134);
    shield.cubicTo(56, 122, 36, 100, 36, 48);
    shield.closeSubpath();
    p.drawPath(shield);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(72, 50, 16, 64));
    p.drawRect(QRectF(52, 70, 56, 16));
    return img;
}

QImage drawPhoto()
{
    QImage img(240, 300, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, 300);
    bg.setColorAt(0, QColor(196, 214, 232));
    bg.setColorAt(1, QColor(120, 148, 180));
    p.fillRect(img.rect(), bg);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 62, 92)); // shoulders
    p.drawEllipse(QRectF(20, 200, 200, 180));
    p.setBrush(QColor(226, 188, 160)); // neck and face
    p.drawRect(QRectF(100, 160, 40, 50));
    p.drawEllipse(QRectF(70, 60, 100, 124));
    p.setBrush(QColor(70, 48, 36)); // hair
    p.drawChord(QRectF(66, 50, 108, 90), 0, 180 * 16);
    return img;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: make_sample OUT_DIR\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fputs("make_sample: cannot create the output folder\n", stderr);
        return 1;
    }

    CPrintTemplate t;
    auto& f = t.fields();
    f.Width = 3.375;
    f.Height = CardHeight;
    f.Scalor = 1;
    f.Orientation = 2; // landscape
    f.Duplex = true;
    f.BackgroundColor = rgb(248, 246, 240);
    f.TargetApplication = QStringLiteral("KYT.VisitorDesk");

    // Front: header band with logo and title, photo, name, company, host
    // and the badge number as a Code 128 barcode.
    t.AddObject(QStringLiteral("Rect"))
        ->setTokenString(
            tok(boxFields({ 0, 0, 3.375, 0.46, 1 }) << "0" << QString::number(Navy) << QString::number(Navy)));
    auto logo = std::dynamic_pointer_cast<CLogoObject>(t.AddObject(QStringLiteral("Logo")));
    logo->setTokenString(tok(boxFields({ 0.05, 0.08, 0.36, 0.36, 2 }) << "1"
                                                                      << "0"
                                                                      << "True"));
    logo->setImage(Picture(drawLogo()));
    TextStyle title;
    title.size = 16;
    title.bold = true;
    title.fore = White;
    addText(t, "Text", { 0.09, 0.52, 2.75, 0.3, 3 }, QStringLiteral("VISITOR PASS"), title);
    t.AddObject(QStringLiteral("Line"))
        ->setTokenString(tok(boxFields({ 0.5, 0.1, 3.175, 0, 2 }) << QString::number(Amber)));
    t.AddObject(QStringLiteral("Photo"))
        ->setTokenString(tok(boxFields({ 0.6, 0.15, 0.9, 1.15, 2 }) << "1"
                                                                    << "False"));
    TextStyle name;
    name.size = 12;
    name.bold = true;
    name.fit = true;
    addText(t, "Data", { 0.6, 1.2, 2.0, 0.24, 3 }, QStringLiteral("FirstName"), name);
    addText(t, "Data", { 0.84, 1.2, 2.0, 0.24, 3 }, QStringLiteral("LastName"), name);
    TextStyle plain;
    plain.size = 9;
    addText(t, "Data", { 1.1, 1.2, 2.0, 0.2, 3 }, QStringLiteral("Company"), plain);
    TextStyle label;
    label.size = 7;
    label.fore = Navy;
    addText(t, "Text", { 1.32, 1.2, 0.45, 0.18, 3 }, QStringLiteral("Host:"), label);
    addText(t, "Data", { 1.32, 1.6, 1.7, 0.18, 3 }, QStringLiteral("Host"), label);
    TextStyle code128;
    code128.font = QStringLiteral("KYT Code128");
    code128.size = 14; // 0.875 pt modules: the symbol with its quiet zones fits beside the photo
    code128.barcodeType = 2;
    addText(t, "Data", { 1.55, 1.2, 2.0, 0.34, 4 }, QStringLiteral("BadgeNo"), code128);

    // Back (below the front's height): return address, terms, validity and
    // the badge number again in Code 39.
    const double b = CardHeight;
    t.AddObject(QStringLiteral("Rectangle"))
        ->setTokenString(
            tok(boxFields({ b + 1.85, 0, 3.375, 0.275, 1 }) << "0" << QString::number(Navy) << QString::number(Navy)));
    TextStyle heading;
    heading.size = 8;
    heading.bold = true;
    addText(t, "Text", { b + 0.15, 0.2, 3.0, 0.2, 3 }, QStringLiteral("If found, please return to:"), heading);
    TextStyle small;
    small.size = 7;
    addText(t, "Text", { b + 0.35, 0.2, 3.0, 0.18, 3 },
        QStringLiteral("KYT Security Desk, 100 Harbour Road, Springfield"), small);
    addText(t, "Text", { b + 0.6, 0.2, 3.0, 0.18, 3 }, QStringLiteral("This pass must be worn visibly at all times"),
        small);
    addText(t, "Text", { b + 0.78, 0.2, 3.0, 0.18, 3 }, QStringLiteral("and returned when leaving the site."), small);
    addText(t, "Text", { b + 1.1, 0.2, 0.8, 0.18, 3 }, QStringLiteral("Valid until:"), heading);
    addText(t, "Data", { b + 1.1, 1.0, 2.2, 0.18, 3 }, QStringLiteral("ValidUntil"), small);
    TextStyle code39;
    code39.font = QStringLiteral("KYT 3of9");
    code39.size = 20;
    code39.barcodeType = 1;
    code39.prefix = QStringLiteral("*");
    code39.postfix = QStringLiteral("*");
    addText(t, "Data", { b + 1.4, 0.2, 3.0, 0.36, 4 }, QStringLiteral("BadgeNo"), code39);
    TextStyle footer;
    footer.size = 7;
    footer.fore = White;
    footer.align = 2;
    addText(
        t, "Text", { b + 1.9, 0.1, 3.175, 0.18, 5 }, QStringLiteral("www.kyt.example  \u2022  +1 555 0100"), footer);

    CPrintData data;
    const char* items[][2] = {
        { "FirstName", "Maria" }, { "LastName", "Lindqvist" }, { "Company", "Northwind Logistics" },
        { "Host", "J. Okafor, Facilities" }, { "Purpose", "Site inspection" }, { "VisitDate", "6/2/2025" },
        { "BadgeNo", "V-004217" }, { "ValidUntil", "6/2/2025 6:00 PM" }, { "Escort", "Required" },
        { "Image", "sample_photo.png" }, // a photo field names a picture file beside the data file
    };
    for (const auto& item : items)
        data.Add(QString::fromLatin1(item[0]), QString::fromLatin1(item[1]));

    QByteArray photo;
    {
        QBuffer buffer(&photo);
        buffer.open(QIODevice::WriteOnly);
        drawPhoto().save(&buffer, "PNG");
    }
    const bool ok = write(out.filePath(QStringLiteral("sample_card.tpl")), tplfile::encode(t))
        && write(out.filePath(QStringLiteral("sample_card.data")), toAnsi(data.MakeDataStream(data)))
        && write(out.filePath(QStringLiteral("sample_photo.png")), photo);
    if (!ok) {
        std::fputs("make_sample: cannot write the sample files\n", stderr);
        return 1;
    }
    return 0;
}
