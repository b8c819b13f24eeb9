#include "template/TemplateFileCodec.h"

#include "errors/CError.h"
#include "kyt/Version.h"
#include "util/Ansi.h"
#include "util/NumberText.h"
#include "util/Strings.h"
#include <QCoreApplication>
#include <QtEndian>
#include <cmath>
#include <limits>

namespace kyt::tplfile
{

namespace
{

const QString Sep = QString(QChar(0x01));
const QString LineEnd = QStringLiteral("\r\n");

[[noreturn]] void damaged(const QString& what)
{
    throw KytError(ErrBadFormat, QCoreApplication::translate("kyt::TemplateFile", "Invalid file format: ") + what);
}

double requiredNumber(const QString& text, int field, const char* name)
{
    const std::optional<double> v = parseNumber(text);
    if (!v || !std::isfinite(*v))
        damaged(QCoreApplication::translate(
            "kyt::TemplateFile", "field %1 (%2) of the template record is not a number: \"%3\"")
                    .arg(field)
                    .arg(QLatin1String(name), text.left(40)));
    return *v;
}

qint64 requiredInteger(const QString& text, int field, const char* name, qint64 min, qint64 max)
{
    const double v = requiredNumber(text, field, name);
    if (v < double(min) - 0.5 || v > double(max) + 0.5)
        damaged(
            QCoreApplication::translate("kyt::TemplateFile", "field %1 (%2) of the template record is out of range: %3")
                .arg(field)
                .arg(QLatin1String(name), text.left(40)));
    return std::clamp<qint64>(roundHalfEven(v), min, max);
}

} // namespace

QByteArray headerWord()
{
    QString word = QStringLiteral("KyTID") + QStringLiteral("%1").arg(VersionMajor, 4, 10, QLatin1Char('0'))
        + QString::number(VersionMinor).left(1);
    return typeField(word);
}

QByteArray typeField(const QString& word)
{
    QByteArray b = toAnsi(word).left(TypeFieldSize);
    if (b.size() < TypeFieldSize)
        b.append(QByteArray(TypeFieldSize - b.size(), ' '));
    return b;
}

QString recordText(const QStringList& fields)
{
    QString s;
    for (const QString& f : fields)
        s += f + Sep;
    return s + LineEnd;
}

QString makeTemplateRecord(const TemplateRecord& r)
{
    // A separator inside the target name would shift the fields after it.
    QString target = r.TargetApplication;
    target.remove(QChar(0x01));
    return recordText({ formatFixed(r.Width, 1, 3), formatFixed(r.Height, 1, 3), formatFixed(r.Scalor, 3, 3),
        QString::number(r.Orientation), QString::number(r.objectCount),
        r.backgroundNumber > 0 ? QString::number(r.backgroundNumber) : QString(), QString::number(r.BackgroundColor),
        target, r.Duplex ? QStringLiteral("-1") : QStringLiteral("0") });
}

TemplateRecord parseTemplateRecord(const QString& text)
{
    auto field = [&](int i) { return GetToken(text, i, Sep); };
    TemplateRecord r;
    r.Width = requiredNumber(field(1), 1, "Width");
    r.Height = requiredNumber(field(2), 2, "Height");
    r.Scalor = requiredNumber(field(3), 3, "Scalor");
    if (r.Scalor == 0)
        r.Scalor = 1;
    r.Orientation = qint16(requiredInteger(field(4), 4, "Orientation", -32768, 32767));
    r.objectCount = qint32(requiredInteger(field(5), 5, "object count", 0, std::numeric_limits<qint32>::max()));

    const QString bg = field(6);
    if (!bg.isEmpty())
        r.backgroundNumber = qint32(requiredInteger(
            bg, 6, "background picture", std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));

    // Colours written unsigned by other tools keep their bits.
    const std::optional<double> color = parseNumber(field(7));
    if (color && std::isfinite(*color) && *color >= -2147483648.0 && *color <= 4294967295.0)
        r.BackgroundColor = qint32(quint32(qint64(roundHalfEven(*color)) & 0xFFFFFFFF));
    else
        r.BackgroundColor = -1;

    r.TargetApplication = field(8);

    const QString duplex = field(9);
    if (const std::optional<double> d = parseNumber(duplex))
        r.Duplex = *d != 0;
    else
        r.Duplex = duplex.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    return r;
}

void TemplateFileWriter::writeLength(qint64 length)
{
    if (length > std::numeric_limits<qint32>::max())
        throw KytError(ErrBadFormat,
            QCoreApplication::translate(
                "kyt::TemplateFile", "Invalid file format: a record of %1 bytes does not fit a length field")
                .arg(length));
    char b[LengthSize];
    qToLittleEndian<qint32>(qint32(length), b);
    m_out.append(b, LengthSize);
}

void TemplateFileWriter::writeHeader(const QString& templateRecord)
{
    const QByteArray text = toAnsi(templateRecord);
    m_out += headerWord();
    writeLength(text.size());
    m_out += text;
}

void TemplateFileWriter::writeObject(const QString& objectType, const QString& tokenText)
{
    const QByteArray text = toAnsi(tokenText);
    m_out += typeField(objectType);
    writeLength(text.size());
    m_out += text;
}

void TemplateFileWriter::writePicture(int number, const QString& kind, const QByteArray& imageBytes)
{
    const QByteArray text = toAnsi(recordText({ QString::number(number), kind }));
    m_out += typeField(QStringLiteral("Logo"));
    writeLength(text.size());
    m_out += text;
    writeLength(imageBytes.size());
    m_out += imageBytes;
}

QByteArrayView TemplateFileReader::take(qint64 count, const char* what)
{
    if (count > remaining())
        throw KytError(ErrPastEnd,
            QCoreApplication::translate("kyt::TemplateFile",
                "Input past end of file: the file ends inside the %1 at byte %2 (%3 bytes needed, %4 left)")
                .arg(QCoreApplication::translate("kyt::TemplateFile", what))
                .arg(m_pos)
                .arg(count)
                .arg(remaining()));
    const QByteArrayView v = m_data.sliced(m_pos, count);
    m_pos += count;
    return v;
}

qint32 TemplateFileReader::takeLength(const char* what)
{
    const qint64 at = m_pos;
    const qint32 n = qFromLittleEndian<qint32>(take(LengthSize, what).data());
    if (n < 0)
        damaged(QCoreApplication::translate("kyt::TemplateFile", "negative length %1 for the %2 at byte %3")
                    .arg(n)
                    .arg(QCoreApplication::translate("kyt::TemplateFile", what))
                    .arg(at));
    if (n > remaining())
        throw KytError(ErrPastEnd,
            QCoreApplication::translate(
                "kyt::TemplateFile", "Input past end of file: the %1 at byte %2 claims %3 bytes, only %4 left")
                .arg(QCoreApplication::translate("kyt::TemplateFile", what))
                .arg(at)
                .arg(n)
                .arg(remaining()));
    return n;
}

bool TemplateFileReader::readHeader()
{
    const qint64 have = std::min<qint64>(remaining(), TypeFieldSize);
    const QByteArrayView word = m_data.sliced(m_pos, have);
    if (have < 5 || word.first(5).toByteArray().compare("KyTID", Qt::CaseInsensitive) != 0)
        return false;
    if (have < TypeFieldSize)
        take(TypeFieldSize, QT_TRANSLATE_NOOP("kyt::TemplateFile", "header word")); // throws: a template file cut short
    m_pos += TypeFieldSize;
    const std::optional<double> version = parseNumber(fromAnsi(word.sliced(5).toByteArray()));
    return version && *version >= 3;
}

QString TemplateFileReader::readTemplateRecord()
{
    const qint32 n = takeLength(QT_TRANSLATE_NOOP("kyt::TemplateFile", "template record length"));
    return fromAnsi(take(n, QT_TRANSLATE_NOOP("kyt::TemplateFile", "template record")).toByteArray());
}

TemplateFileReader::ObjectRecord TemplateFileReader::readObjectRecord()
{
    ObjectRecord r;
    r.type = TrimBlanks(
        fromAnsi(take(TypeFieldSize, QT_TRANSLATE_NOOP("kyt::TemplateFile", "object type field")).toByteArray()));
    const qint32 n = takeLength(QT_TRANSLATE_NOOP("kyt::TemplateFile", "object record"));
    r.text = fromAnsi(take(n, QT_TRANSLATE_NOOP("kyt::TemplateFile", "object record")).toByteArray());
    return r;
}

TemplateFileReader::PictureRecord TemplateFileReader::readPictureRecord()
{
    take(TypeFieldSize, QT_TRANSLATE_NOOP("kyt::TemplateFile", "picture type field")); // always "Logo"; not used
    const qint64 at = m_pos;
    const qint32 n = takeLength(QT_TRANSLATE_NOOP("kyt::TemplateFile", "picture record"));
    const QString text = fromAnsi(take(n, QT_TRANSLATE_NOOP("kyt::TemplateFile", "picture record")).toByteArray());
    PictureRecord r;
    const QString number = GetToken(text, 1, Sep);
    const std::optional<double> v = parseNumber(number);
    if (!v || !std::isfinite(*v) || *v < -2147483648.0 || *v > 2147483647.0)
        damaged(QCoreApplication::translate(
            "kyt::TemplateFile", "the picture record at byte %1 has no picture number (\"%2\")")
                    .arg(at)
                    .arg(number.left(40)));
    r.number = int(roundHalfEven(*v));
    r.kind = GetToken(text, 2, Sep).left(3);
    const qint32 size = takeLength(QT_TRANSLATE_NOOP("kyt::TemplateFile", "picture data"));
    r.bytes = take(size, QT_TRANSLATE_NOOP("kyt::TemplateFile", "picture data"));
    return r;
}

} // namespace kyt::tplfile
