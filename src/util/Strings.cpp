#include "util/Strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace kyt
{

// The counted nouns in both forms, for the catalogues (languages with one
// form for 1 and one for the rest, as English).
[[maybe_unused]] const char* const CountedTexts[] = {
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 field"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 fields"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 column"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 columns"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 record"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 records"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 card"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 cards"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 barcode"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 barcodes"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 object"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 objects"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 empty record"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 empty records"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 problem"),
    QT_TRANSLATE_NOOP("kyt::Counted", "%1 problems"),
};

QString Counted(qint64 n, const char* noun)
{
    const QByteArray pattern = QByteArray("%1 ") + noun + (n == 1 ? "" : "s");
    return QCoreApplication::translate("kyt::Counted", pattern.constData()).arg(n);
}

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return first == 0 && last == text.size() ? text : text.mid(first, last - first);
}

int CountTokens(const QString& text, const QString& delimiter)
{
    if (text.isEmpty())
        return 0;
    const QString d = delimiter.isEmpty() ? QString() : delimiter.left(1);
    if (d.isEmpty())
        return 1;
    return static_cast<int>(std::min<qsizetype>(text.count(d, Qt::CaseInsensitive) + 1, 32767));
}

QString GetToken(const QString& text, int index, const QString& delimiter)
{
    if (index <= 0)
        return QString();
    const QString d = delimiter.left(1);
    if (CountTokens(text, d) < index)
        return QString();
    if (d.isEmpty())
        return index == 1 ? TrimBlanks(text) : QString();
    qsizetype start = 0;
    for (int i = 1; i < index; ++i) {
        const qsizetype p = text.indexOf(d, start, Qt::CaseInsensitive);
        if (p < 0)
            return QString();
        start = p + 1;
    }
    const qsizetype end = text.indexOf(d, start, Qt::CaseInsensitive);
    return TrimBlanks(end < 0 ? text.mid(start) : text.mid(start, end - start));
}

QString GetTagValue(
    const QString& tag, const QString& key, const QString& itemSeparator, const QString& kvSeparator, bool* notFound)
{
    const qsizetype p
        = key.isEmpty() && kvSeparator.isEmpty() ? -1 : tag.indexOf(key + kvSeparator, 0, Qt::CaseInsensitive);
    if (p < 0) {
        if (notFound)
            *notFound = true;
        return QString();
    }
    if (notFound)
        *notFound = false;
    const qsizetype start = p + key.size() + kvSeparator.size();
    const qsizetype end = itemSeparator.isEmpty() ? -1 : tag.indexOf(itemSeparator, start, Qt::CaseInsensitive);
    return TrimBlanks(end < 0 ? tag.mid(start) : tag.mid(start, end - start));
}

QString SetTagValue(
    QString& tag, const QString& key, const QString& itemSeparator, const QString& value, const QString& kvSeparator)
{
    if (tag.isEmpty()) {
        tag = key + kvSeparator + value + itemSeparator;
        return tag;
    }
    const qsizetype p = key.isEmpty() ? -1 : tag.indexOf(key, 0, Qt::CaseInsensitive);
    if (p < 0) {
        tag += key + kvSeparator + value + itemSeparator;
        return tag;
    }
    const qsizetype start = p + key.size() + 1; // single-character separator
    const qsizetype end = itemSeparator.isEmpty() ? -1 : tag.indexOf(itemSeparator, start, Qt::CaseInsensitive);
    if (start > tag.size())
        tag += kvSeparator.left(1) + value;
    else
        tag = tag.left(start) + value + (end < 0 ? QString() : tag.mid(end));
    return tag;
}

QString GetFileName(const QString& path)
{
    const qsizetype p = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return TrimBlanks(p < 0 ? path : path.mid(p + 1));
}

QString GetFileExtension(const QString& name)
{
    const qsizetype p = name.lastIndexOf(QLatin1Char('.'));
    return TrimBlanks(p < 0 ? name : name.mid(p + 1));
}

QString MakeTempFileName(const QString& folder, const QString& prefix)
{
    QString dir = folder.isEmpty() ? QDir::tempPath() : folder.left(255);
    // Like the system call it stands in for: at most three characters of
    // the prefix, a unique part, ".tmp", and the file is created.
    QByteArray pattern = QFile::encodeName(QDir(dir).filePath(prefix.left(3) + QStringLiteral("XXXXXX.tmp")));
    const int fd = ::mkstemps(pattern.data(), 4);
    if (fd >= 0) {
        ::close(fd);
        return QFile::decodeName(pattern);
    }
    QString cwd = QDir::currentPath();
    if (!cwd.endsWith(QLatin1Char('/')))
        cwd += QLatin1Char('/');
    const double r = QRandomGenerator::global()->generateDouble();
    return cwd + QStringLiteral("%1").arg(static_cast<qint64>(r * 100000000.0), 8, 10, QLatin1Char('0')).left(8);
}

} // namespace kyt
