#pragma once
// Command registry of the kytpreview program. A command file defines its
// handler and registers it with a static Command::Registration.

#include "cli/OptionTable.h"
#include "data/DataSource.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace kyt
{
class IMessageBox;
class CPrintData;
class CPrintTemplate;
}

namespace kyt::cli
{

struct Command {
    QString name; // first word on the command line; its table in cli/CommandTables.cpp
    // The words after the command, parsed with its table; returns the exit
    // code. Errors are written to standard error.
    std::function<int(const ParsedArgs& args)> run;

    struct Registration {
        explicit Registration(Command c);
    };
};

const std::vector<Command>& commands();

// Small helpers shared by the commands.
void printOut(const QString& text); // standard output, with a newline
void printErr(const QString& text); // standard error, with a newline
// "unknown action 'lst'; did you mean list?; " for a command with actions
// (empty for an empty word).
QString unknownAction(const QString& command, const QString& word);
// "kytpreview COMMAND: TEXT" on standard error; returns code (2: wrong arguments).
int fail(const QString& command, const QString& text, int code = 1);
// After the known options were taken: anything left that looks like an option,
// or plain arguments that are not what `expected` names, is a usage error
// (exit code 2, returned); 0 when the arguments are fine.
int checkArguments(const QString& command, const QStringList& args, bool countOk, const QString& expected);
// Reads a template file; its problems go through a CError, and a failure
// that reported nothing is named here.
bool readTemplate(const QString& command, CPrintTemplate& t, const QString& fileName);
// --encoding NAME and --delimiter D into *options; a usage error's exit
// code (2, reported) or 0.
int readCsvOptions(const QString& command, const ParsedArgs& args, CsvOptions* options);
// --source URL (and --query SQL for a database) into *source, with the CSV
// options a CSV source reads with; *given tells whether --source was there.
// A usage error's exit code (2, reported) or 0.
int readSourceOptions(
    const QString& command, const ParsedArgs& args, const CsvOptions& csv, DataSourceUrl* source, bool* given);
// The one record a card is drawn with (render, preview): --data FILE, --csv
// FILE with --row N, or --source URL with --row N (record 1 when not
// given); a CSV is read with --encoding and --delimiter.
struct OneRecord {
    enum class From { Nothing, DataFile, Csv, Source } from = From::Nothing;
    QString file; // --data or --csv
    CsvOptions csv;
    DataSourceUrl source;
    qint64 row = 0;
    bool given() const { return from != From::Nothing; }
    QString name() const; // the file or the source, for messages
};
// Reads those options into *record; a usage error's exit code (2,
// reported) or 0.
int readOneRecord(const QString& command, const ParsedArgs& args, OneRecord* record);
// The record's values into data, then checked as checkFields does; the
// exit code (reported) or 0. forDocument: photos for PDF pages only
// (DataSource::setPhotosForDocument).
int loadOneRecord(const QString& command, const OneRecord& record, const CPrintTemplate& t, CPrintData& data,
    bool allowMissing, bool forDocument = false);
// The column the template's photos take their pictures from: --photo-column,
// else (when records are given) the one chosen for this template in the
// designer, which is said on standard error; empty for the photos' own
// ImageName. Apply it with preflight::setPhotoField.
QString photoColumn(const QString& command, const ParsedArgs& args, const QString& templateFile, bool hasRecords);
// Print data from `source` must hold every field the template uses: the
// missing and the available names are reported (exit code 1) unless
// allowMissing; 0 when it does.
int checkFields(
    const QString& command, const CPrintTemplate& t, CPrintData& data, const QString& source, bool allowMissing);
// A data stream file read into `data`, then checked as checkFields does;
// the exit code (reported) or 0. forDocument as for loadOneRecord.
int readDataFile(const QString& command, const QString& file, const CPrintTemplate& t, CPrintData& data,
    bool allowMissing, bool forDocument = false);
// The hint added to a report of missing fields.
QString allowMissingHint();

// A window run that nobody watches (--screenshot): for the life of the
// object every message box, error reports included, is written to standard
// error in one line ("kytpreview COMMAND: ...") and takes its default
// answer instead of waiting. Installed before the window's own dialogs.
class UnattendedMessages
{
public:
    explicit UnattendedMessages(const QString& command);
    ~UnattendedMessages();
    UnattendedMessages(const UnattendedMessages&) = delete;
    UnattendedMessages& operator=(const UnattendedMessages&) = delete;
    // How many messages were written: any means the run failed.
    int count() const;

private:
    struct Box;
    std::shared_ptr<Box> m_box;
    std::shared_ptr<IMessageBox> m_previous;
};

} // namespace kyt::cli
