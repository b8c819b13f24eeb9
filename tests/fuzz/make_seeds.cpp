// Writes the fuzzers' seed corpora into OUT/template_reader and
// OUT/token_strings: valid files and texts made by code.
#include "objects/CLogoObject.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include "template/TemplateFile.h"
#include "util/Ansi.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace
{

bool put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QImage tiny(int w, int h, QRgb c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    img.setPixel(0, 0, qRgb(1, 2, 3));
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: fuzz_make_seeds OUT_DIR\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("template_reader"));
    out.mkpath(QStringLiteral("token_strings"));

    const QStringList tokens = {
        QStringLiteral("0.5\x01"
                       "0.25\x01"
                       "1\x01"
                       "1.25\x01"
                       "2\x01"
                       "0\x01"
                       "True\x01"),
        QStringLiteral("0\x01"
                       "0\x01"
                       "3.375\x01"
                       "0.4\x01"
                       "1\x01"
                       "0\x01"
                       "8388608\x01"
                       "0\x01"),
        QStringLiteral("0.45\x01"
                       "0\x01"
                       "3.375\x01"
                       "0\x01"
                       "6\x01"
                       "255\x01"),
        QStringLiteral("1\x01"
                       "1.2\x01"
                       "2\x01"
                       "0.25\x01"
                       "4\x01"
                       "0\x01"
                       "0\x01"
                       "16777215\x01"
                       "0\x01"
                       "BadgeNo\x01"
                       "False\x01"
                       "True\x01"
                       "False\x01"
                       "False\x01"
                       "KYT Code128\x01"
                       "10\x01"
                       "True\x01"
                       "True\x01"
                       "128C\x01"
                       "*\x01"
                       "*\x01"
                       "True\x01"),
        QStringLiteral("Name: {{LastName}}, {{FirstName,1}}.\r\n"),
    };
    int n = 0;
    bool ok = true;
    for (const QString& t : tokens)
        ok &= put(out.filePath(QStringLiteral("token_strings/seed%1").arg(++n)), kyt::toAnsi(t));
    ok &= put(out.filePath(QStringLiteral("token_strings/stream")),
        QByteArray("FirstName\x01"
                   "Ann\x02"
                   "LastName\x01"
                   "Lee\x02"
                   "Company\x01"
                   "KYT\x02"));

    for (int variant = 0; variant < 3; ++variant) {
        kyt::CPrintTemplate t;
        auto& f = t.fields();
        f.Width = 3.375;
        f.Height = 2.125;
        f.Duplex = variant == 1;
        if (variant >= 1)
            f.Picture = kyt::Picture(tiny(3, 2, qRgb(200, 10, 10)));
        const char* types[] = { "Photo", "Rect", "Line", "Data", "Logo" };
        for (int i = 0; i < 5 && i < 2 + variant * 2; ++i) {
            auto o = t.AddObject(QString::fromLatin1(types[i]));
            o->setTokenString(tokens[i % 4]);
            if (auto logo = std::dynamic_pointer_cast<kyt::CLogoObject>(o))
                logo->setImage(kyt::Picture(tiny(2, 2, qRgb(10, 200, 10))));
        }
        if (variant == 2)
            t.CreateParseString(tokens[4]);
        ok &= put(out.filePath(QStringLiteral("template_reader/template%1.tpl").arg(variant)), kyt::tplfile::encode(t));
    }
    return ok ? 0 : 1;
}
