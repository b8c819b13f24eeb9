#include "template/TemplateFile.h"
#include "util/Strings.h"

#include "objects/CLogoObject.h"
#include "platform/OutputFile.h"
#include "template/CPrintTemplate.h"
#include "template/TemplateFileCodec.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <vector>

namespace kyt::tplfile
{

namespace
{

const QString LineEnd = QStringLiteral("\r\n");
const QString ParseStringWord = QStringLiteral("ParseString");

bool isParseStringWord(const QString& word)
{
    // The 10-byte field cuts the word; both forms name a parse string.
    return word.compare(ParseStringWord, Qt::CaseInsensitive) == 0
        || word.compare(ParseStringWord.left(TypeFieldSize), Qt::CaseInsensitive) == 0;
}

bool isLogo(const CDesignObject& o)
{
    return o.ObjectType().compare(QLatin1String("Logo"), Qt::CaseInsensitive) == 0;
}

// One object record into the template. Returns the object.
CDesignObjectPtr addRecord(CPrintTemplate& t, const TemplateFileReader::ObjectRecord& rec, qint64 at)
{
    QString type = rec.type;
    QString text = rec.text;
    if (isParseStringWord(type)) {
        type = ParseStringWord;
        // Its token string is its whole text: the record's line end is framing.
        if (text.endsWith(LineEnd))
            text.chop(LineEnd.size());
    }
    CDesignObjectPtr object;
    try {
        object = t.AddObject(type);
    } catch (const KytError& e) {
        throw KytError(e.number(),
            e.description()
                + QCoreApplication::translate("kyt::TemplateFile", " (object record of type \"%1\" at byte %2)")
                      .arg(type.left(40))
                      .arg(at));
    }
    object->setTokenString(text);
    return object;
}

// The page settings the template record carries, in either direction.
template <typename From, typename To> void copyPageFields(const From& from, To& to)
{
    to.Width = from.Width;
    to.Height = from.Height;
    to.Scalor = from.Scalor;
    to.Orientation = from.Orientation;
    to.BackgroundColor = from.BackgroundColor;
    to.TargetApplication = from.TargetApplication;
    to.Duplex = from.Duplex;
}

// Only a refused open says "permission denied"; later failures are access errors.
KytError fileError(const QFileDevice& file, const QString& fileName, bool opening)
{
    return KytError(opening && file.error() == QFileDevice::PermissionsError ? ErrPermissionDenied : ErrPathFileAccess,
        QCoreApplication::translate("kyt::TemplateFile", "Path/File access error: %1: %2")
            .arg(fileName, file.errorString()));
}

} // namespace

bool readInto(CPrintTemplate& t, QByteArrayView bytes)
{
    t.ClearObjects();
    TemplateFileReader reader(bytes);
    if (!reader.readHeader())
        return false;

    const TemplateRecord rec = parseTemplateRecord(reader.readTemplateRecord());
    CPrintTemplate::Fields& f = t.fields();
    copyPageFields(rec, f);
    // The file defines the page: a background left from earlier content
    // would otherwise show through a file that has none.
    f.Picture = Picture();

    // No allocation by the announced count: each record takes at least 14
    // bytes, so a count larger than the file ends at its first missing record.
    std::vector<std::shared_ptr<CLogoObject>> logos;
    for (qint32 i = 0; i < rec.objectCount; ++i) {
        const qint64 at = reader.position();
        const CDesignObjectPtr object = addRecord(t, reader.readObjectRecord(), at);
        if (auto logo = std::dynamic_pointer_cast<CLogoObject>(object))
            logos.push_back(std::move(logo));
    }

    const qint64 pictureCount = qint64(logos.size()) + (rec.backgroundNumber > 0 ? 1 : 0);
    // All pictures of one template share one pixel budget: a few bytes of
    // run-length code can claim a huge picture, and forty of them would
    // otherwise take gigabytes.
    qint64 pixelsLeft = MaxTemplatePixels;
    for (qint64 i = 0; i < pictureCount; ++i) {
        const qint64 at = reader.position();
        const TemplateFileReader::PictureRecord pr = reader.readPictureRecord();
        QString error;
        const Picture picture
            = Picture::fromData(QByteArray::fromRawData(pr.bytes.data(), pr.bytes.size()), &error, pixelsLeft);
        if (picture.isNull() && error.contains(QLatin1String("budget")))
            throw KytError(ErrOutOfMemory,
                QCoreApplication::translate("kyt::TemplateFile",
                    "Out of memory: picture %1 (record at byte %2): the "
                    "pictures of one template may have %3 pixels in all: %4")
                    .arg(pr.number)
                    .arg(at)
                    .arg(MaxTemplatePixels)
                    .arg(error));
        if (picture.isNull())
            throw KytError(ErrBadPicture,
                QCoreApplication::translate("kyt::TemplateFile", "Invalid picture: picture %1 (record at byte %2): %3")
                    .arg(pr.number)
                    .arg(at)
                    .arg(error));
        pixelsLeft -= qint64(picture.image().width()) * picture.image().height();
        if (pr.number == rec.backgroundNumber) {
            f.Picture = picture;
            continue;
        }
        for (const auto& logo : logos)
            if (logo->Index() == pr.number) {
                logo->setImage(picture);
                logo->setImageType(pr.kind);
                break;
            }
        // A picture that matches no logo is dropped.
    }

    // Parse strings follow the pictures. Any other trailing bytes are
    // ignored, as they always were.
    while (reader.remaining() >= TypeFieldSize
        && isParseStringWord(TrimBlanks(QString::fromLatin1(bytes.sliced(reader.position(), TypeFieldSize))))) {
        const qint64 at = reader.position();
        addRecord(t, reader.readObjectRecord(), at);
    }
    return true;
}

QByteArray encode(CPrintTemplate& t)
{
    std::vector<Picture> pictures;
    TemplateRecord rec;
    const CPrintTemplate::Fields& f = t.fields();
    copyPageFields(f, rec);
    if (!f.Picture.isNull()) {
        pictures.push_back(f.Picture);
        rec.backgroundNumber = 1;
    }
    std::vector<CDesignObjectPtr> parseStrings;
    for (const CDesignObjectPtr& o : t)
        if (isParseStringWord(o->ObjectType()))
            parseStrings.push_back(o);
    rec.objectCount = t.Count() - qint32(parseStrings.size());

    TemplateFileWriter writer;
    writer.writeHeader(makeTemplateRecord(rec));
    for (const CDesignObjectPtr& o : t) {
        if (isParseStringWord(o->ObjectType()))
            continue;
        if (isLogo(*o)) {
            const auto* logo = dynamic_cast<const CLogoObject*>(o.get());
            const Picture image = logo ? logo->Image() : Picture();
            if (image.isNull())
                throw KytError(ErrBadPicture,
                    QCoreApplication::translate(
                        "kyt::TemplateFile", "Invalid picture: the logo %1 has no picture to save")
                        .arg(o->Name()));
            pictures.push_back(image);
            o->setIndex(qint16(pictures.size()));
        }
        writer.writeObject(o->ObjectType(), o->TokenString() + LineEnd);
    }
    // Never write a file the reader refuses: the size is checked as the
    // pictures are added, before anything reaches the disk.
    qint64 pixels = 0;
    for (const Picture& p : pictures)
        pixels += qint64(p.image().width()) * p.image().height();
    if (pixels > MaxTemplatePixels)
        throw KytError(ErrOutOfMemory,
            QCoreApplication::translate("kyt::TemplateFile",
                "Out of memory: the pictures hold %1 pixels, more than the %2 a "
                "template may have in all; nothing was written")
                .arg(pixels)
                .arg(MaxTemplatePixels));
    for (size_t i = 0; i < pictures.size(); ++i) {
        const QByteArray bmp = pictures[i].toBmp();
        if (bmp.isEmpty())
            throw KytError(ErrBadPicture,
                QCoreApplication::translate(
                    "kyt::TemplateFile", "Invalid picture: picture %1 cannot be saved as a bitmap")
                    .arg(i + 1));
        if (qint64(writer.bytes().size()) + bmp.size() > MaxFileSize)
            throw KytError(ErrOutOfMemory,
                QCoreApplication::translate("kyt::TemplateFile",
                    "Out of memory: with picture %1 the file would exceed the %2 "
                    "bytes a template file may have; nothing was written")
                    .arg(i + 1)
                    .arg(MaxFileSize));
        writer.writePicture(int(i + 1), QStringLiteral("BMP"), bmp);
    }
    for (const CDesignObjectPtr& o : parseStrings)
        writer.writeObject(ParseStringWord, o->TokenString() + LineEnd);
    return writer.bytes();
}

QByteArray readWholeFile(const QString& fileName, qint64 maxSize)
{
    QFile file(fileName);
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        throw KytError(
            ErrFileNotFound, QCoreApplication::translate("kyt::TemplateFile", "File not found: %1").arg(fileName));
    if (QFileInfo(fileName).isDir())
        throw KytError(ErrPathFileAccess,
            QCoreApplication::translate("kyt::TemplateFile", "Path/File access error: %1 is a folder").arg(fileName));
    // Opening a pipe would block until someone writes to it, a device may never end.
    if (!QFileInfo(fileName).isFile())
        throw KytError(ErrPathFileAccess,
            QCoreApplication::translate("kyt::TemplateFile", "Path/File access error: %1 is not a regular file")
                .arg(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw fileError(file, fileName, true);
    const qint64 size = file.size();
    if (size > maxSize)
        throw KytError(ErrOutOfMemory,
            QCoreApplication::translate("kyt::TemplateFile", "Out of memory: %1 is %2 bytes; at most %3 bytes are read")
                .arg(fileName)
                .arg(size)
                .arg(maxSize));
    // Read with a bound even when the reported size is wrong (pipes, /proc).
    QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw fileError(file, fileName, false);
    if (bytes.size() > maxSize)
        throw KytError(ErrOutOfMemory,
            QCoreApplication::translate("kyt::TemplateFile", "Out of memory: %1 is larger than %2 bytes")
                .arg(fileName)
                .arg(maxSize));
    return bytes;
}

void writeFileAtomically(const QString& fileName, const QByteArray& bytes)
{
    if (fileName.isEmpty())
        throw KytError(ErrPathFileAccess,
            QCoreApplication::translate("kyt::TemplateFile", "Path/File access error: no file name"));
    // Written under a hidden name and renamed when complete; the reason of a
    // failure is the system's ("No space left on device").
    OutputFile file(fileName);
    if (!file.isOpen())
        throw KytError(file.systemError() == EACCES ? ErrPermissionDenied : ErrPathFileAccess,
            QCoreApplication::translate("kyt::TemplateFile", "Path/File access error: %1").arg(file.errorString()));
    file.device()->write(bytes);
    if (!file.commit())
        throw KytError(ErrPathFileAccess,
            QCoreApplication::translate("kyt::TemplateFile", "Path/File access error: %1").arg(file.errorString()));
}

} // namespace kyt::tplfile
