#pragma once
// The data the designer shows on the card: one open source (a CSV file, a
// data stream file, a SQLite or a PostgreSQL database), its field names and
// one current record at a time. The records are read as a stream, never all
// held. The source is remembered per template in the settings store, keyed
// by the template's path, never in the template file, and never with its
// password.
//
// The source lives on a thread of its own (a database connection belongs to
// the thread that made it): opening, counting, stepping and finding run
// there while the window waits without freezing, and can be cancelled.

#include "data/DataSource.h"
#include "kyt/kytwidgets_export.h"
#include "template/CPrintData.h"
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

class QWidget;

namespace kyt
{

class KYTWIDGETS_PRIVATE_EXPORT DesignerData : public QObject
{
    Q_OBJECT

public:
    explicit DesignerData(QObject* parent = nullptr);
    ~DesignerData() override;

    // Opens a source: a URL ("csv:PATH", "data:PATH", "sqlite:PATH?table=T",
    // "postgresql://...") or a plain path (a SQLite database by its
    // signature, a data stream by its separators, else CSV). A database that
    // wants a password asks the prompt (on the window's thread). Throws
    // KytError on failure or when the person cancels the wait
    // (ErrCancelled); the open source stays.
    void open(const QString& source);
    void open(const DataSourceUrl& address);
    // Ignored while a call waits for the source.
    void close();
    bool isOpen() const { return m_reader != nullptr; }
    // The source as a URL without its password (what is remembered), and a
    // short name for people.
    QString source() const;
    QString displayName() const;
    // The source as it was opened, the password that worked included (in
    // memory only), for a second connection on another thread.
    const DataSourceUrl& address() const { return m_address; }
    // The file of a file source or a SQLite database; empty for PostgreSQL.
    QString path() const;
    // Whether the source holds records to print (not one card's data stream).
    bool hasRecords() const { return isOpen() && m_address.kind != DataSourceUrl::Kind::DataStream; }

    // Asked when a database wants a password; none: the source fails.
    void setPasswordPrompt(PasswordPrompt prompt) { m_prompt = std::move(prompt); }
    const PasswordPrompt& passwordPrompt() const { return m_prompt; }
    // The window a long wait's progress dialog belongs to.
    void setWindow(QWidget* window) { m_window = window; }

    const QStringList& fields() const { return m_fields; }
    // Records in the source; -1 until counted.
    qint64 recordCount() const { return m_count; }
    // 1-based; 0 when there is none.
    qint64 current() const { return m_current; }
    // The current record's values as text, one per field (a binary
    // column's value is its size, "(picture, N bytes)").
    const QStringList& values() const { return m_values; }
    // Fields whose values are pictures (a photo column: named like the
    // photo, chosen as its column, binary, or holding a picture file's name).
    QStringList imageFields() const;
    // The current record as print data, pictures read (null when none).
    std::shared_ptr<CPrintData> currentData() const { return m_data; }

    // Moves to record n (1-based); throws KytError when it cannot or the
    // person cancels the wait (the record stays).
    void goTo(qint64 n);
    // Moves to the first record after the current one (wrapping to the
    // first) that holds text in any field, letter case ignored, and returns
    // its number; 0 when none does. Throws KytError when the source fails
    // or the person cancels the wait (the record stays).
    qint64 find(const QString& text);

    // Whether a call waits for the source now.
    bool isBusy() const { return m_busy; }

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
    struct Shown;
    // Marks the data busy for a call; throws KytError when it already is.
    void enter();
    // Shows record n as read on the source's thread.
    void show(qint64 n, const Shown& shown);
    void makeData(const QVariantList& shown);

    DataSourceUrl m_address;
    PasswordPrompt m_prompt;
    QString m_photoColumn;
    QStringList m_fields;
    QStringList m_values;
    QList<bool> m_binary;
    DataRecord m_record;
    qint64 m_count = -1;
    qint64 m_current = 0;
    std::shared_ptr<CPrintData> m_data;
    std::unique_ptr<Reader> m_reader;
    QPointer<QWidget> m_window;
    bool m_busy = false;
};

} // namespace kyt
