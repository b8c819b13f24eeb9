// What the commands share: the registry they join, their output and error
// lines, and the readers of the options several commands take.
#include "Command.h"
#include "cli/OptionTable.h"
#include "data/CsvReader.h"
#include "data/DataSource.h"
#include "errors/CError.h"
#include "errors/MessageBox.h"
#include "jobs/CardJob.h"
#include "jobs/CardJobInputs.h"
#include "jobs/Preflight.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include "util/TerminalText.h"
#include <QCoreApplication>
#include <cstdio>

namespace kyt::cli
{

namespace
{

std::vector<Command>& registry()
{
    static std::vector<Command> list;
    return list;
}
} // namespace

Command::Registration::Registration(Command c)
{
    registry().push_back(std::move(c));
}

const std::vector<Command>& commands()
{
    return registry();
}

// Names and values from input files reach the terminal with their control
// characters escaped.
void printOut(const QString& text)
{
    std::fputs(escapeControls(text).toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

void printErr(const QString& text)
{
    std::fputs(escapeControls(text).toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

QString unknownAction(const QString& command, const QString& word)
{
    const CommandTable* table = findCommandTable(command);
    if (word.isEmpty() || !table)
        return QString();
    const QStringList near = closestNames(word, table->actions);
    return QCoreApplication::translate("kyt::cli", "unknown action '%1'%2; ")
        .arg(word,
            near.isEmpty() ? QString()
                           : QCoreApplication::translate("kyt::cli", "; did you mean %1?")
                                 .arg(near.join(QCoreApplication::translate("kyt::cli", " or "))));
}

int fail(const QString& command, const QString& text, int code)
{
    printErr(QCoreApplication::translate("kyt::cli", "kytpreview %1: %2").arg(command, text));
    return code;
}

int checkArguments(const QString& command, const QStringList& args, bool countOk, const QString& expected)
{
    for (const QString& a : args)
        if (a.startsWith(QLatin1Char('-')))
            return fail(command,
                QCoreApplication::translate("kyt::cli", "unknown option %1 (see kytpreview %2 --help)").arg(a, command),
                2);
    if (!countOk)
        return fail(command,
            QCoreApplication::translate("kyt::cli", "expected %1 (see kytpreview %2 --help)").arg(expected, command),
            2);
    return 0;
}

bool readTemplate(const QString& command, CPrintTemplate& t, const QString& fileName)
{
    auto error = std::make_shared<CError>();
    int reports = 0;
    QObject::connect(error.get(), &CError::ErrorEvent, [&reports](QString&) { ++reports; });
    t.setError(error);
    if (t.ReadFile(fileName))
        return true;
    if (reports == 0)
        fail(command, QCoreApplication::translate("kyt::cli", "%1 is not a template file").arg(fileName));
    return false;
}

int readCsvOptions(const QString& command, const ParsedArgs& args, CsvOptions* options)
{
    if (args.has(QStringLiteral("encoding"))
        && !CsvOptions::encodingFromName(args.value(QStringLiteral("encoding")), &options->encoding))
        return fail(
            command, QCoreApplication::translate("kyt::cli", "--encoding must be utf-8, windows-1252 or auto"), 2);
    if (args.has(QStringLiteral("delimiter"))
        && !CsvOptions::delimiterFromName(args.value(QStringLiteral("delimiter")), &options->delimiter))
        return fail(command, QCoreApplication::translate("kyt::cli", "--delimiter must be , ; or tab"), 2);
    return 0;
}

int readSourceOptions(
    const QString& command, const ParsedArgs& args, const CsvOptions& csv, DataSourceUrl* source, bool* given)
{
    *given = args.has(QStringLiteral("source"));
    const bool hasQuery = args.has(QStringLiteral("query"));
    if (hasQuery && !*given)
        return fail(command,
            QCoreApplication::translate(
                "kyt::cli", "--query goes with --source sqlite:FILE or --source postgresql://..."),
            2);
    if (!*given)
        return 0;
    try {
        *source = DataSourceUrl::parse(args.value(QStringLiteral("source")));
    } catch (const KytError& e) {
        return fail(command, QCoreApplication::translate("kyt::cli", "--source %1").arg(e.description()), 2);
    }
    if (hasQuery) {
        if (source->kind == DataSourceUrl::Kind::None)
            source->kind = DataSourceUrl::Kind::Sqlite;
        if (!source->isDatabase())
            return fail(command,
                QCoreApplication::translate("kyt::cli", "--query needs a database source (sqlite: or postgresql:)"), 2);
        if (!source->table.isEmpty())
            return fail(command,
                QCoreApplication::translate("kyt::cli", "--query and a table in the URL exclude each other"), 2);
        source->query = args.value(QStringLiteral("query"));
    }
    // --encoding and --delimiter apply to a CSV source as to --csv.
    if (csv.encoding != CsvOptions::Encoding::Auto)
        source->csv.encoding = csv.encoding;
    if (csv.delimiter != 0)
        source->csv.delimiter = csv.delimiter;
    return 0;
}

QString OneRecord::name() const
{
    return from == From::Source ? source.displayName() : file;
}

int readOneRecord(const QString& command, const ParsedArgs& args, OneRecord* record)
{
    const bool hasData = args.has(QStringLiteral("data"));
    const bool hasCsv = args.has(QStringLiteral("csv"));
    const bool hasRow = args.has(QStringLiteral("row"));
    if (int rc = readCsvOptions(command, args, &record->csv))
        return rc;
    bool hasSource = false;
    if (int rc = readSourceOptions(command, args, record->csv, &record->source, &hasSource))
        return rc;
    if (hasData && hasCsv)
        return fail(command, QCoreApplication::translate("kyt::cli", "--data and --csv exclude each other"), 2);
    if (hasSource && (hasData || hasCsv))
        return fail(command, QCoreApplication::translate("kyt::cli", "--source excludes --data and --csv"), 2);
    if (hasCsv != hasRow && !hasSource)
        return fail(command, QCoreApplication::translate("kyt::cli", "--csv FILE and --row N go together"), 2);
    record->from = hasData ? OneRecord::From::DataFile
        : hasCsv           ? OneRecord::From::Csv
        : hasSource        ? OneRecord::From::Source
                           : OneRecord::From::Nothing;
    record->file = args.value(hasData ? QStringLiteral("data") : QStringLiteral("csv"));
    record->row = hasSource ? 1 : 0;
    if (hasRow) {
        bool ok = false;
        record->row = args.value(QStringLiteral("row")).toLongLong(&ok);
        if (!ok || record->row < 1)
            return fail(command, QCoreApplication::translate("kyt::cli", "--row must be a record number from 1 on"), 2);
    }
    return 0;
}

int loadOneRecord(const QString& command, const OneRecord& record, const CPrintTemplate& t, CPrintData& data,
    bool allowMissing, bool forDocument)
{
    try {
        switch (record.from) {
        case OneRecord::From::Nothing:
            return 0;
        case OneRecord::From::DataFile:
            cardjob::loadDataStreamFile(record.file, t, data, forDocument);
            break;
        case OneRecord::From::Csv:
            CardBatch::recordData(record.file, record.row, t, data, record.csv, forDocument);
            break;
        case OneRecord::From::Source:
            CardBatch::recordData(record.source, record.row, t, data, {}, forDocument);
            break;
        }
    } catch (const KytError& e) {
        return fail(command, e.description());
    }
    return checkFields(command, t, data, record.name(), allowMissing);
}

QString photoColumn(const QString& command, const ParsedArgs& args, const QString& templateFile, bool hasRecords)
{
    if (args.has(QStringLiteral("photo-column")))
        return args.value(QStringLiteral("photo-column")).trimmed();
    if (!hasRecords)
        return QString();
    const QString column = cardjob::rememberedPhotoColumn(templateFile);
    if (!column.isEmpty())
        printErr(QCoreApplication::translate("kyt::cli",
            "kytpreview %1: photos from the column %2, as chosen for this template in the designer "
            "(--photo-column NAME chooses another)")
                     .arg(command, column));
    return column;
}

QString allowMissingHint()
{
    return QCoreApplication::translate("kyt::cli", "; --allow-missing-fields prints anyway");
}

int checkFields(
    const QString& command, const CPrintTemplate& t, CPrintData& data, const QString& source, bool allowMissing)
{
    if (allowMissing)
        return 0;
    QStringList provided;
    for (const CVariantPtr& v : data)
        provided.append(v->keyText());
    const QStringList missing = preflight::missingFields(t, provided);
    if (missing.isEmpty())
        return 0;
    return fail(command, preflight::missingFieldsMessage(source, missing, provided) + allowMissingHint());
}

int readDataFile(const QString& command, const QString& file, const CPrintTemplate& t, CPrintData& data,
    bool allowMissing, bool forDocument)
{
    OneRecord record;
    record.from = OneRecord::From::DataFile;
    record.file = file;
    return loadOneRecord(command, record, t, data, allowMissing, forDocument);
}

struct UnattendedMessages::Box : IMessageBox {
    QString command;
    int shown = 0;
    int Show(const MessageRequest& request) override
    {
        QString text = request.summary.isEmpty() ? request.prompt : request.summary;
        text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
        printErr(QCoreApplication::translate("kyt::cli", "kytpreview %1: %2").arg(command, text.trimmed()));
        ++shown;
        return messageDefaultAnswer(request.style);
    }
};

UnattendedMessages::UnattendedMessages(const QString& command)
    : m_box(std::make_shared<Box>())
{
    m_box->command = command;
    m_previous = setMessageBox(m_box);
}

UnattendedMessages::~UnattendedMessages()
{
    setMessageBox(m_previous);
}

int UnattendedMessages::count() const
{
    return m_box->shown;
}

} // namespace kyt::cli
