// The open filter for pictures lists what the image readers take, all of
// it in the entry the dialog opens on, and a PNG background loads.
#include <gtest/gtest.h>

#include "dialogs/frmIDProperties.h"
#include "platform/Picture.h"
#include "support/TestSupport.h"
#include <QImageReader>
#include <QTemporaryDir>

using namespace kyt;
using namespace kyt::test;

namespace
{

TEST(PictureFilter, ListsReadableFormatsOnlyWithAllFirst)
{
    const QStringList parts = pictureOpenFilter().split(QLatin1Char('|'));
    ASSERT_EQ(parts.size() % 2, 0);
    ASSERT_GE(parts.size(), 4);
    EXPECT_EQ(parts[2 * (PictureOpenFilterIndex - 1)], QStringLiteral("All Supported Formats"));
    const QStringList all = parts[2 * PictureOpenFilterIndex - 1].split(QLatin1Char(';'));
    QStringList readable;
    for (const QByteArray& f : QImageReader::supportedImageFormats())
        readable << QStringLiteral("*.") + QString::fromLatin1(f).toLower();
    const struct {
        const char* pattern;
        bool listed;
    } rows[] = { { "*.bmp", true }, { "*.png", true }, { "*.jpg", true }, { "*.gif", true }, { "*.ico", true },
        { "*.wmf", false }, { "*.emf", false } };
    for (const auto& row : rows)
        EXPECT_EQ(all.contains(QLatin1String(row.pattern)), row.listed) << row.pattern;
    QStringList perFormat;
    for (int i = 2; i + 1 < parts.size(); i += 2) {
        SCOPED_TRACE(parts[i].toStdString());
        const QStringList patterns = parts[i + 1].split(QLatin1Char(';'));
        EXPECT_TRUE(parts[i].endsWith(QLatin1Char('(') + parts[i + 1] + QLatin1Char(')')));
        for (const QString& p : patterns) {
            EXPECT_TRUE(readable.contains(p)) << p.toStdString();
            perFormat << p;
        }
    }
    EXPECT_EQ(perFormat, all); // every format once in its own entry, all of them in the first
    for (const QString& p : std::as_const(readable))
        EXPECT_TRUE(all.contains(p)) << p.toStdString(); // nothing the readers take is left out
}

TEST(PictureFilter, TemplatePropertiesLoadAPngBackground)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("back.png"));
    QImage img(30, 20, QImage::Format_RGB32);
    img.fill(qRgb(10, 120, 40));
    ASSERT_TRUE(img.save(file, "PNG"));
    ScriptedDialogScope dialogs;
    frmIDProperties p;
    dialogs.dialog().queueAnswer(CommonDialogAnswer(file));
    p.LoadIDPictureBackground();
    ASSERT_EQ(dialogs.dialog().asked().size(), 1u);
    EXPECT_EQ(dialogs.dialog().asked()[0].filter, pictureOpenFilter());
    EXPECT_EQ(dialogs.dialog().asked()[0].filterIndex, PictureOpenFilterIndex);
    EXPECT_EQ(p.BackgroundPicture().image().size(), QSize(30, 20));
}

} // namespace
