// Reads and writes a template of 500 design objects and 10 pictures
// (a background and 9 logos of 320 x 240 pixels) through the binary file and
// prints the median time of each over a number of rounds.
//   bench_files [ROUNDS]
#include "objects/CLogoObject.h"
#include "template/CPrintTemplate.h"
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kyt;

namespace
{

QImage picture(int seed)
{
    QImage img(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x + seed * 40) % 256, (y * 2 + seed) % 256, (x ^ y) % 256));
    return img;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 21;

    CPrintTemplate t;
    t.fields().Width = 3.375;
    t.fields().Height = 2.125;
    t.fields().Picture = Picture(picture(0));
    const char* types[] = { "Text", "Data", "Rect", "Line", "Photo" };
    int logos = 0;
    for (int i = 0; i < 500; ++i) {
        const bool logo = i % 55 == 0 && logos < 9;
        const auto o = t.AddObject(QString::fromLatin1(logo ? "Logo" : types[i % 5]));
        o->setTokenString(QStringLiteral("%1\x01%2\x01"
                                         "1.5\x01"
                                         "0.25\x01%3\x01"
                                         "0\x01"
                                         "0\x01"
                                         "0\x01"
                                         "0\x01"
                                         "Field%3\x01"
                                         "False\x01"
                                         "False\x01"
                                         "False\x01"
                                         "False\x01"
                                         "Arial\x01"
                                         "10\x01"
                                         "True\x01"
                                         "False\x01"
                                         "0\x01\x01\x01"
                                         "False\x01")
                              .arg(i % 20 * 0.1)
                              .arg(i % 7 * 0.3)
                              .arg(i));
        if (logo) {
            std::static_pointer_cast<CLogoObject>(o)->setImage(Picture(picture(++logos)));
        }
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.tpl"));
    std::vector<double> writes, reads;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer timer;
        timer.start();
        if (!t.SaveFile(path)) {
            std::fputs("bench_files: save failed\n", stderr);
            return 1;
        }
        writes.push_back(timer.nsecsElapsed() / 1e6);
        CPrintTemplate back;
        timer.restart();
        if (!back.ReadFile(path) || back.Count() != t.Count()) {
            std::fputs("bench_files: read failed\n", stderr);
            return 1;
        }
        reads.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("template: %d objects, %d pictures, %lld bytes\n", t.Count(), logos + 1,
        static_cast<long long>(QFileInfo(path).size()));
    std::printf("write (SaveFile) median: %.2f ms over %d rounds\n", median(writes), rounds);
    std::printf("read  (ReadFile) median: %.2f ms over %d rounds\n", median(reads), rounds);
    return 0;
}
