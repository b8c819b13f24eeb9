#pragma once
// The data the designer shows on the card: one open source (a CSV file or a
// data stream file), its field names and one current record at a time. The
// records are read as a stream, never all held; stepping back reads from the
// start again. The source is remembered per template in the settings store,
// keyed by the template's path, never in the template file.

#include "kyt/kytwidgets_export.h"
#include "template/CPrintData.h"
#include <QObject>
#include <QStringList>
#include <memory>

namespace kyt
{

class KYTWIDGETS_PRIVATE_EXPORT DesignerData : public QObject
{
    Q_OBJECT

public:
    explicit DesignerData(QObject* parent = nullptr);
    ~DesignerData() override;

    // Opens a source: "csv:PATH", "data:PATH" or a plain path (a data
    // stream by its separators, else CSV). On failure the open source stays
    // and *error says why.
    bool open(const QString& source, QString* error);
    void close();
    bool isOpen() const { return !m_source.isEmpty(); }
    // The source as it was opened, and a short name for people.
    const QString& source() const { return m_source; }
    QString displayName() const;
    // The file opened, and whether it holds records as CSV (the batch
    // engine prints those) rather than one card's data stream.
    const QString& path() const { return m_path; }
    bool isCsv() const { return isOpen() && !m_dataStream; }

    const QStringList& fields() const { return m_fields; }
    // Records in the source; -1 until counted.
    qint64 recordCount() const { return m_count; }
    // 1-based; 0 when there is none.
    qint64 current() const { return m_current; }
    // The current record's values as text, one per field.
    const QStringList& values() const { return m_values; }
    // Fields whose values are pictures (a photo column).
    QStringList imageFields() const;
    // The current record as print data, pictures read (null when none).
    std::shared_ptr<CPrintData> currentData() const { return m_data; }

    // Moves to record n (1-based); false with *error (the record stays).
    bool goTo(qint64 n, QString* error);
    // The first record after the current one (wrapping to the first) that
    // holds text in any field, letter case ignored; 0 when none does.
    qint64 find(const QString& text, QString* error);

    // The source remembered for a template (empty: none).
    static QString rememberedSource(const QString& templatePath);
    static void rememberSource(const QString& templatePath, const QString& source);

    // The column whose pictures the card's photo shows (empty: the one
    // named like the photo's image name, "Image").
    const QString& photoColumn() const { return m_photoColumn; }
    void setPhotoColumn(const QString& column);
    static QString rememberedPhotoColumn(const QString& templatePath);
    static void rememberPhotoColumn(const QString& templatePath, const QString& column);

    // Whether a value names a picture file by its extension.
    static bool looksLikePicturePath(const QString& value);

signals:
    // The source, the record or the values changed.
    void changed();

private:
    struct Reader;
    bool readRecord(qint64 n, QStringList* values, QString* error);
    void makeData();

    QString m_source;
    QString m_photoColumn;
    QString m_path;
    bool m_dataStream = false;
    QStringList m_fields;
    QStringList m_values;
    qint64 m_count = -1;
    qint64 m_current = 0;
    std::shared_ptr<CPrintData> m_data;
    std::unique_ptr<Reader> m_reader;
};

} // namespace kyt
