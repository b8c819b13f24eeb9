#pragma once
// Shared by the file tests: templates built in code, an error reporter that
// counts its reports, and byte-level helpers.

#include "errors/CError.h"
#include "objects/CLogoObject.h"
#include "platform/Picture.h"
#include "support/TestSupport.h"
#include "template/CPrintTemplate.h"
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtEndian>
#include <memory>

namespace kyt::test
{

// An error reporter that records every log line.
struct ReportLog {
    std::shared_ptr<CError> error = std::make_shared<CError>();
    QStringList lines;
    ReportLog()
    {
        error->setDisplayError(false);
        QObject::connect(error.get(), &CError::ErrorEvent, [this](QString& line) { lines << line; });
    }
    int count() const { return int(lines.size()); }
    QString last() const { return lines.isEmpty() ? QString() : lines.last(); }
};

inline QImage patternImage(int w, int h, int seed)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 31 + seed * 70) % 256, (y * 57 + seed * 13) % 256, (x * y + seed) % 256));
    return img;
}

inline bool samePixels(const Picture& a, const Picture& b)
{
    return a.image().convertToFormat(QImage::Format_ARGB32) == b.image().convertToFormat(QImage::Format_ARGB32);
}

// A 32-bit length field as the file holds it.
inline QByteArray le32(qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

// A template with every kind of object, a background picture and two logos
// (small pictures, so the file stays small).
inline std::shared_ptr<CPrintTemplate> richTemplate(const std::shared_ptr<CError>& error)
{
    auto t = std::make_shared<CPrintTemplate>();
    t->setError(error);
    auto& f = t->fields();
    f.Width = 3.375;
    f.Height = 2.125;
    f.Scalor = 1;
    f.Orientation = 2;
    f.BackgroundColor = 0xF0E0D0;
    f.TargetApplication = QStringLiteral("KYT.Visitors");
    f.Duplex = true;
    f.Picture = Picture(patternImage(5, 4, 1));
    const char* rows[][2] = {
        { "Rect",
            "0\x01"
            "0\x01"
            "3.375\x01"
            "0.4\x01"
            "1\x01"
            "0\x01"
            "8388608\x01"
            "0\x01" },
        { "Logo",
            "0.05\x01"
            "0.1\x01"
            "0.5\x01"
            "0.3\x01"
            "2\x01"
            "7\x01"
            "0\x01"
            "True\x01" },
        { "Text",
            "0.1\x01"
            "0.7\x01"
            "2\x01"
            "0.25\x01"
            "3\x01"
            "0\x01"
            "2\x01"
            "8388608\x01"
            "16777215\x01"
            "VISITOR PASS\x01"
            "True\x01"
            "False\x01"
            "False\x01"
            "False\x01"
            "Arial\x01"
            "14\x01"
            "True\x01"
            "False\x01"
            "0\x01\x01\x01"
            "False\x01" },
        { "Data",
            "1\x01"
            "1.2\x01"
            "2\x01"
            "0.25\x01"
            "4\x01"
            "0\x01"
            "0\x01"
            "16777215\x01"
            "0\x01"
            "LastName\x01"
            "False\x01"
            "True\x01"
            "False\x01"
            "False\x01"
            "Arial\x01"
            "10\x01"
            "True\x01"
            "False\x01"
            "0\x01\x01\x01"
            "True\x01" },
        { "Photo",
            "0.5\x01"
            "0.1\x01"
            "1\x01"
            "1.25\x01"
            "5\x01"
            "1\x01"
            "True\x01" },
        { "Line",
            "0.45\x01"
            "0\x01"
            "3.375\x01"
            "0\x01"
            "6\x01"
            "255\x01" },
        { "Rectangle",
            "2.2\x01"
            "0.1\x01"
            "1\x01"
            "0.5\x01"
            "7\x01"
            "2\x01"
            "65280\x01"
            "255\x01" },
        { "Logo",
            "2.5\x01"
            "2\x01"
            "1\x01"
            "1\x01"
            "8\x01"
            "9\x01"
            "1\x01"
            "False\x01" },
    };
    int seed = 2;
    for (const auto& row : rows) {
        const CDesignObjectPtr o = t->AddObject(QString::fromLatin1(row[0]));
        o->setTokenString(QString::fromLatin1(row[1]));
        if (auto logo = std::dynamic_pointer_cast<CLogoObject>(o)) {
            const int s = seed++;
            logo->setImage(Picture(patternImage(4 + s, 3 + s, s)));
        }
    }
    return t;
}

} // namespace kyt::test
