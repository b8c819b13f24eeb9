#include "jobs/CardJobInputs.h"

#include "objects/PlaceholderPhoto.h"

#include "util/Ansi.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

namespace kyt::cardjob
{

QuietError::QuietError()
    : m_error(std::make_shared<CError>())
{
    m_error->setDisplayError(false);
    QObject::connect(m_error.get(), &CError::ErrorEvent, m_error.get(), [this](QString& logLine) {
        ++m_reports;
        // The description sits between "|Message: " and the closing "|".
        const qsizetype at = logLine.indexOf(QLatin1String("|Message: "));
        if (at < 0) {
            m_last = logLine;
            return;
        }
        QString rest = logLine.mid(at + 10);
        const qsizetype end = rest.lastIndexOf(QLatin1String("|"));
        m_last = end >= 0 ? rest.left(end) : rest;
        m_last.remove(QLatin1String("|CRITICAL"));
        while (m_last.endsWith(QLatin1Char('|')))
            m_last.chop(1);
    });
}

CPrintTemplatePtr loadTemplate(const QString& fileName, QuietError& reporter, QString* error)
{
    if (!QFileInfo(fileName).isFile()) {
        *error = QCoreApplication::translate("kyt::CardJob", "%1: no such file").arg(fileName);
        return nullptr;
    }
    auto t = std::make_shared<CPrintTemplate>();
    t->setError(reporter.error());
    t->setDefaultPhoto(placeholderPhoto());
    reporter.reset();
    if (!t->ReadFile(fileName)) {
        // The reader's reports name the file.
        *error = reporter.reports() > 0
            ? reporter.lastDescription()
            : QCoreApplication::translate("kyt::CardJob", "%1: not a template file").arg(fileName);
        return nullptr;
    }
    if (const QString why = cardSizeProblem(*t); !why.isEmpty()) {
        *error = QStringLiteral("%1: %2").arg(fileName, why);
        return nullptr;
    }
    return t;
}

QStringList photoFieldNames(const CPrintTemplate& t)
{
    QStringList names;
    for (const CDesignObjectPtr& o : t) {
        const auto* photo = qobject_cast<const CPhotoObject*>(o.get());
        if (photo && !photo->ImageName().isEmpty() && !names.contains(photo->ImageName(), Qt::CaseInsensitive))
            names.append(photo->ImageName());
    }
    return names;
}

QString decodeDataStream(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return fromAnsi(bytes);
}

QString resolvePath(const QString& value, const QString& baseFolder)
{
    return QDir::isAbsolutePath(value) ? value : QDir(baseFolder).filePath(value);
}

QString photoProblem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QCoreApplication::translate("kyt::CardJob", "photo %1: %2")
            .arg(path,
                info.exists() ? QCoreApplication::translate("kyt::CardJob", "not a regular file")
                              : QCoreApplication::translate("kyt::CardJob", "no such file"));
    if (info.size() > MaxPhotoFileBytes)
        return QCoreApplication::translate("kyt::CardJob", "photo %1: %2 bytes, more than the %3 a photo may have")
            .arg(path)
            .arg(info.size())
            .arg(MaxPhotoFileBytes);
    QImageReader probe(path);
    if (!probe.canRead())
        return QCoreApplication::translate("kyt::CardJob", "photo %1: not a readable picture").arg(path);
    // The header's size, read without decoding the pixels.
    const QSize size = probe.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPhotoPixels)
        return QCoreApplication::translate(
            "kyt::CardJob", "photo %1: %2 x %3 pixels, more than a photo may have (16 megapixels)")
            .arg(path)
            .arg(size.width())
            .arg(size.height());
    return QString();
}

Picture readPhoto(const QString& path, QString* error)
{
    *error = photoProblem(path);
    if (!error->isEmpty())
        return {};
    QString why;
    Picture p = Picture::fromFile(path, &why);
    if (p.isNull())
        *error = QCoreApplication::translate("kyt::CardJob", "photo %1: %2")
                     .arg(path, why.isEmpty() ? QCoreApplication::translate("kyt::CardJob", "cannot be read") : why);
    return p;
}

Picture readPhotoForDocument(const QString& path, QString* error)
{
    // Within the same bounds as a decoded photo; a JPEG that can go into the
    // document as it is needs no decoding at all.
    const QFileInfo info(path);
    if (info.isFile() && info.size() <= MaxPhotoFileBytes) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) {
            // Its own size, not the bound: QIODevice::read keeps the
            // capacity it was asked for, and the cache keeps the bytes.
            const QByteArray bytes = f.read(info.size() + 1);
            Picture p = Picture::undecodedJpeg(bytes);
            if (!p.isNull() && qint64(p.pixelSize().width()) * p.pixelSize().height() <= MaxPhotoPixels)
                return p;
        }
    }
    return readPhoto(path, error);
}

bool loadDataStreamFile(const QString& fileName, const CPrintTemplate& t, CPrintData& data, QString* error)
{
    // Opening a pipe would wait for a writer, and a device may never end.
    const QFileInfo info(fileName);
    if (!info.exists()) {
        *error = QCoreApplication::translate("kyt::CardJob", "%1: no such file").arg(fileName);
        return false;
    }
    if (!info.isFile()) {
        *error = QCoreApplication::translate("kyt::CardJob", "%1: not a regular file").arg(fileName);
        return false;
    }
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(fileName, f.errorString());
        return false;
    }
    if (f.size() > MaxDataStreamBytes) {
        *error = QCoreApplication::translate("kyt::CardJob", "%1: %2 bytes, more than a data stream file may have (%3)")
                     .arg(fileName)
                     .arg(f.size())
                     .arg(MaxDataStreamBytes);
        return false;
    }
    const QByteArray bytes = f.read(MaxDataStreamBytes + 1);
    if (bytes.size() > MaxDataStreamBytes) {
        *error = QCoreApplication::translate("kyt::CardJob", "%1: more than a data stream file may have (%2 bytes)")
                     .arg(fileName)
                     .arg(MaxDataStreamBytes);
        return false;
    }
    if (!bytes.trimmed().isEmpty() && !bytes.contains('\x01') && !bytes.contains('\x02')) {
        // A CSV or name=value file read as a data stream would be one field
        // named after the whole text, and every card would print blank.
        const bool csvLike = bytes.contains(',') || bytes.contains(';') || bytes.contains('\t');
        *error = QCoreApplication::translate("kyt::CardJob",
            "%1: not a data stream file: it holds no field separators (a data stream is, for each "
            "field, its name, the character with code 1, its value and the character with code 2)%2")
                     .arg(fileName,
                         csvLike ? QCoreApplication::translate(
                             "kyt::CardJob", "; a CSV file is read with --csv FILE --row N")
                                 : QString());
        return false;
    }
    if (bytes.count('\x02') > MaxDataStreamEntries) {
        *error = QCoreApplication::translate("kyt::CardJob", "%1: more than %2 entries; a card has far fewer fields")
                     .arg(fileName)
                     .arg(MaxDataStreamEntries);
        return false;
    }
    data.SetCurrentDataStream(decodeDataStream(bytes));
    const QString folder = QFileInfo(fileName).absolutePath();
    for (const QString& name : photoFieldNames(t)) {
        std::shared_ptr<CVariant> item;
        for (const CVariantPtr& v : data)
            if (v->keyText().compare(name, Qt::CaseInsensitive) == 0)
                item = v;
        if (!item)
            continue;
        const QString value = item->vValue().toString().trimmed();
        if (value.isEmpty()) {
            item->setvValue(QString());
            continue;
        }
        QString why;
        const Picture p = readPhoto(resolvePath(value, folder), &why);
        if (p.isNull()) {
            *error = QCoreApplication::translate("kyt::CardJob", "%1: field %2: %3").arg(fileName, name, why);
            return false;
        }
        item->setvValue(QVariant::fromValue(p));
    }
    return true;
}

QSizeF cardSizeInches(const CPrintTemplate& t)
{
    return QSizeF(t.Width(), t.Height());
}

QString cardSizeProblem(const CPrintTemplate& t)
{
    auto sane = [](double v) { return std::isfinite(v) && v >= 0.1 && v <= 200.0; };
    if (sane(t.Width()) && sane(t.Height()))
        return QString();
    return QCoreApplication::translate(
        "kyt::CardJob", "the card's size %1 x %2 inches makes no sense (each side must be 0.1 to 200 inches)")
        .arg(double(t.Width()), 0, 'g', 6)
        .arg(double(t.Height()), 0, 'g', 6);
}

int largestPictureDpi(const CPrintTemplate& t)
{
    if (!cardSizeProblem(t).isEmpty())
        return 0;
    const double w = t.Width(), h = t.Height() * (t.Duplex() ? 2 : 1);
    int dpi = int(
        std::min({ std::sqrt(double(Picture::MaxPixels) / (w * h)), Picture::MaxSide / w, Picture::MaxSide / h }));
    // Rounding up partial pixels can still tip it over: step down to fit.
    while (dpi > 0) {
        const QSize px = pictureBoxPixels(t, dpi);
        if (px.width() <= Picture::MaxSide && px.height() <= Picture::MaxSide
            && qint64(px.width()) * px.height() <= Picture::MaxPixels)
            break;
        --dpi;
    }
    return dpi;
}

QSize pictureBoxPixels(const CPrintTemplate& t, double dpi)
{
    // A hair of tolerance so an exact size (2.125 x 300 = 637.5 x 2) is not
    // pushed up by rounding noise.
    auto px = [dpi](double inches) { return std::max(1, int(std::ceil(inches * dpi - 1e-6))); };
    return QSize(px(t.Width()), px(t.Height() * (t.Duplex() ? 2 : 1)));
}

} // namespace kyt::cardjob
