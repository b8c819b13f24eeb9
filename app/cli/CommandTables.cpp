// The tables of kytpreview's commands: arguments, options and texts. The
// help, the manual pages and the completion scripts are made from them.
#include "OptionTable.h"
#include <QtGlobal>

namespace kyt::cli
{
namespace
{

const QString Exit012
    = QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "Exit status 0 on success, 1 on failure, 2 for wrong arguments."));

std::vector<OptionEntry> csvReadOptions()
{
    return {
        { QStringLiteral("encoding"), QStringLiteral("NAME"),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                "read the CSV file as utf-8 or windows-1252 (default: auto,\n"
                "UTF-8 when the whole file is valid UTF-8)")),
            Completion::Words, { QStringLiteral("utf-8"), QStringLiteral("windows-1252"), QStringLiteral("auto") } },
        { QStringLiteral("delimiter"), QStringLiteral("D"),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                "split the CSV fields at , ; or tab (default: the one the\n"
                "header row holds most)")),
            Completion::Words, { QStringLiteral(","), QStringLiteral(";"), QStringLiteral("tab") } },
    };
}

std::vector<OptionEntry> printJobOptions()
{
    return {
        { QStringLiteral("offset"), QStringLiteral("X,Y"),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                "move the card by X,Y inches (or 0.5mm,-0.3mm) for this job,\n"
                "instead of the queue's stored calibration offsets")) },
        { QStringLiteral("tray"), QStringLiteral("NAME"),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "the input tray (IPP media-source, e.g. tray-1)")) },
        { QStringLiteral("option"), QStringLiteral("NAME=VALUE"),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                "any further job attribute or CUPS option, as lp -o takes it\n"
                "(repeatable; it wins over the card's own settings)")) },
        { QStringLiteral("wait"), QString(),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                "wait until the job has printed; a cancelled, aborted or\n"
                "held job or a stopped printer is an error (exit 1)")) },
    };
}

// The records from a data source other than --csv, and the photo column of
// any source (render, batch, check, preview).
std::vector<OptionEntry> sourceOptions()
{
    return {
        { QStringLiteral("source"), QStringLiteral("URL"),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                "the records from another source: csv:FILE, data:FILE (a data\n"
                "stream file, one record), sqlite:FILE?table=NAME,\n"
                "postgresql://USER@HOST:PORT/DB?table=NAME (HOST may be a\n"
                "socket folder, percent-encoded); the password comes from\n"
                "PGPASSWORD or ~/.pgpass. A photo column may hold the\n"
                "picture's bytes (BLOB, BYTEA) instead of a file name")) },
        { QStringLiteral("query"), QStringLiteral("SQL"),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "with a database source: the records of this SELECT")) },
        { QStringLiteral("photo-column"), QStringLiteral("NAME"),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                "the column whose pictures the photos show; default: the\n"
                "column chosen for this template in the designer (said on\n"
                "standard error), else the one named like the photo's ImageName")) },
    };
}

std::vector<OptionEntry> join(std::vector<OptionEntry> a, const std::vector<OptionEntry>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const OptionEntry AllowMissing { QStringLiteral("allow-missing-fields"), QString(),
    QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
        "go on even when the data lacks fields the template uses\n"
        "(else they are listed and nothing is printed)")) };
const OptionEntry Screenshot { QStringLiteral("screenshot"), QStringLiteral("FILE"),
    QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "save the window as a PNG once it is drawn, then exit")),
    Completion::Png };
const OptionEntry SettingsFile { QStringLiteral("file"), QStringLiteral("DB"),
    QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
        "use this settings store instead of $KYT_REGISTRY or\n"
        "$XDG_CONFIG_HOME/kyt/registry.db")),
    Completion::File };

std::vector<CommandTable> makeTables()
{
    std::vector<CommandTable> t;

    t.push_back({ QStringLiteral("render"),
        QStringLiteral("TEMPLATE [--data FILE | --csv FILE --row N | --source URL [--query SQL] [--row N]]\n"
                       "         (-o OUT.png | -o OUT.pdf | --trace)\n"
                       "         [--dpi N] [--allow-missing-fields] [--encoding NAME] [--delimiter D]"),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "draw one card to a PNG or PDF file")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Draws one card of the template file TEMPLATE at its true size: a PNG picture\n"
            "(a two-sided card shows its front above its back, as the preview does) or a\n"
            "PDF the size of the card, the back on page 2.")),
        join({ { QStringLiteral("o,output"), QStringLiteral("OUT"),
                   QStringLiteral(
                       QT_TRANSLATE_NOOP("kyt::cli", "the output file: OUT.png (a picture at --dpi) or OUT.pdf")),
                   Completion::Output },
                 { QStringLiteral("trace"), QString(),
                     QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                         "every drawing call as one JSON object per line on standard\n"
                         "output (together with -o the card is also written)")) },
                 { QStringLiteral("dpi"), QStringLiteral("N"),
                     QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                         "resolution (default 300): 72..2400 for PDF; for PNG 1..4800\n"
                         "as far as the picture fits a picture's memory (the message\n"
                         "names the largest that fits)")) },
                 { QStringLiteral("data"), QStringLiteral("FILE"),
                     QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                         "the field values as a data stream file: entries of name,\n"
                         "code 1, value, code 2; UTF-8 when the file is valid UTF-8\n"
                         "(or starts with a byte order mark), else Windows-1252")),
                     Completion::File },
                 { QStringLiteral("csv"), QStringLiteral("FILE"),
                     QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                         "the field values of record --row of a CSV file (see\n"
                         "kytpreview batch --help)")),
                     Completion::Csv },
                 { QStringLiteral("row"), QStringLiteral("N"),
                     QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                         "the record of --csv or --source (1 = the first after the\n"
                         "header row; default 1 for --source)")) },
                 AllowMissing },
            join(sourceOptions(), csvReadOptions())),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Without data, data fields show their field names. With data, every field the\n"
            "template uses (data fields, parse-string references, photo image names) must\n"
            "be given, else nothing is drawn and the missing names are listed. A field\n"
            "named like a photo object's ImageName holds a picture file, relative to the\n"
            "data file's folder. A value a barcode object cannot encode fails the card,\n"
            "naming the field, the value and the reason.\n"
            "The output is written only when the whole card was drawn; an existing file\n"
            "is replaced then.")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Exit status 0 on success, 1 when the card could not be made (the reason goes\n"
            "to standard error), 2 for wrong arguments.")),
        {}, Completion::Template });

    t.push_back({ QStringLiteral("print"),
        QStringLiteral("TEMPLATE [--data FILE] [--printer NAME] [--copies N] [--title TEXT]\n"
                       "         [--allow-missing-fields] [--offset X,Y] [--tray NAME] [--option NAME=VALUE] [--wait]"),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "print one card on a CUPS queue")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Prints one card of the template file TEMPLATE as one job on a CUPS queue:\n"
            "one page per card side (front, then back), sent as PDF with the card's\n"
            "settings as job attributes: sides (a two-sided card prints on both sides\n"
            "of one card), print-quality, orientation-requested, copies and media (the\n"
            "card's size). The queue's calibration (kytpreview printers) moves the card.\n"
            "Prints \"job QUEUE-ID: ...\" with the CUPS job id.")),
        join(
            { { QStringLiteral("data"), QStringLiteral("FILE"),
                  QStringLiteral(
                      QT_TRANSLATE_NOOP("kyt::cli", "the field values as a data stream file (see render --help)")),
                  Completion::File },
                { QStringLiteral("printer"), QStringLiteral("NAME"),
                    QStringLiteral(
                        QT_TRANSLATE_NOOP("kyt::cli", "the CUPS queue; default: CUPS's default destination")),
                    Completion::Printer },
                { QStringLiteral("copies"), QStringLiteral("N"),
                    QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "N copies of the card (the job's copies, 1..1000)")) },
                { QStringLiteral("title"), QStringLiteral("TEXT"),
                    QStringLiteral(
                        QT_TRANSLATE_NOOP("kyt::cli", "the job's title (default: the template's file name)")) },
                AllowMissing,
                { QStringLiteral("o"), QStringLiteral("NAME=VALUE"),
                    QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "the old spelling of --option NAME=VALUE")),
                    Completion::None, {}, true } },
            printJobOptions()),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "The card is drawn once off the printer first; a card that cannot be drawn\n"
            "is not printed at all.")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Exit status 0 when the job was handed to CUPS (with --wait: when it has\n"
            "printed), 1 when it was not (the reason goes to standard error), 2 for\n"
            "wrong arguments.")),
        {}, Completion::Template });

    t.push_back({ QStringLiteral("batch"),
        QStringLiteral("TEMPLATE (--csv FILE | --source URL [--query SQL]) (-o OUT.pdf | --printer NAME)\n"
                       "         [--rows A-B] [--copies N]\n"
                       "         [--title TEXT] [--quiet] [--allow-missing-fields] [--encoding NAME]\n"
                       "         [--delimiter D] [--offset X,Y] [--tray NAME] [--option NAME=VALUE] [--wait]"),
        QStringLiteral(
            QT_TRANSLATE_NOOP("kyt::cli", "print one card per CSV record into one PDF file or one print job")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Prints one card of the template file TEMPLATE per record of a CSV file into\n"
            "one PDF file or one CUPS print job: one page per card, two for a two-sided\n"
            "card (front, then back).\n\n"
            "The CSV file: quoting as in RFC 4180 (fields in double quotes may hold the\n"
            "delimiter, line breaks and doubled quotes), a header row naming the columns.\n"
            "The delimiter is the one of comma, semicolon and tab the header row holds\n"
            "most (--delimiter forces one); the text is UTF-8 when the whole file is valid\n"
            "UTF-8, else Windows-1252 (--encoding utf-8|windows-1252 forces one). Every\n"
            "field the template uses (data fields, parse-string references, photo image\n"
            "names) must be a column, else nothing is printed and the missing and the\n"
            "available names are listed (--allow-missing-fields prints anyway). Records\n"
            "whose fields are all blank are skipped and counted. Each column fills the\n"
            "print data field of its name. A column named like a photo object's\n"
            "ImageName (\"Image\" unless the template says otherwise) holds a picture file\n"
            "(JPEG, PNG, BMP, GIF), relative to the CSV file's folder; an empty value\n"
            "prints the placeholder photo. A picture used by many records is read once.")),
        join(join({ { QStringLiteral("csv"), QStringLiteral("FILE"),
                        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "the CSV file")), Completion::Csv },
                      { QStringLiteral("o,output"), QStringLiteral("OUT.pdf"),
                          QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                              "the PDF file (written under a temporary name and renamed\n"
                              "when complete)")),
                          Completion::Output },
                      { QStringLiteral("printer"), QStringLiteral("NAME"),
                          QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "the CUPS queue")), Completion::Printer },
                      { QStringLiteral("rows"), QStringLiteral("A-B"),
                          QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                              "only records A to B (1 = the first after the header; A- to\n"
                              "the end)")) },
                      { QStringLiteral("copies"), QStringLiteral("N"),
                          QStringLiteral(
                              QT_TRANSLATE_NOOP("kyt::cli", "N cards of each record, one after the other (1..1000)")) },
                      { QStringLiteral("title"), QStringLiteral("TEXT"),
                          QStringLiteral(QT_TRANSLATE_NOOP(
                              "kyt::cli", "the document's title (default: the template's file name)")) },
                      { QStringLiteral("quiet"), QString(),
                          QStringLiteral(QT_TRANSLATE_NOOP(
                              "kyt::cli", "no progress bar (it is shown only on a terminal anyway)")) },
                      AllowMissing },
                 join(sourceOptions(), csvReadOptions())),
            printJobOptions()),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "On a queue the job's id is printed (\"job QUEUE-ID: N cards\") and the\n"
            "queue's calibration (kytpreview printers) moves every card.\n\n"
            "A record that cannot be printed (bad quoting or UTF-8, a wrong number of\n"
            "fields, a photo that cannot be read, a value its barcode cannot encode) is\n"
            "reported with its number and line and skipped; the others are printed.")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Exit status 0 when every record was printed, 1 when any failed (the count\n"
            "is given) or nothing could be printed, 2 for wrong arguments.")),
        {}, Completion::Template });

    t.push_back({ QStringLiteral("check"),
        QStringLiteral("TEMPLATE [--csv FILE | --data FILE | --source URL [--query SQL]] [--verify] [--dpi N]\n"
                       "         [--encoding NAME] [--delimiter D]"),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "check a template and its data before printing")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "A preflight report, without printing anything: one line per finding, \"ok\",\n"
            "\"warn\" (it prints, but look at it) or \"FAIL\", its topic and what was found.\n"
            "A topic that fails has no \"ok\" line.\n\n"
            "  fields    the fields the template uses (data fields, parse-string\n"
            "            references, photo image names) against the CSV file's columns\n"
            "            or the data stream file's fields\n"
            "  fonts     fonts the text objects name that are not installed, and font\n"
            "            sizes no surface draws\n"
            "  barcodes  values (of every record) a barcode object cannot encode, and\n"
            "            barcode objects whose font is not their symbology's barcode\n"
            "            font (the value would print as letters)\n"
            "  pictures  logos without a picture, photo files missing or unreadable, or\n"
            "            larger than a photo may be (32 MiB, 16 megapixels: found from the\n"
            "            file's header, without decoding it)\n"
            "  layout    objects lying (partly) outside the card, and texts and barcodes\n"
            "            wider than their box at their font size (render cuts nothing:\n"
            "            they print over their neighbours)\n"
            "  records   CSV records damaged or empty; warnings for records read in a\n"
            "            doubtful way (a lone quote kept as a character, rows whose\n"
            "            encoding differs from the file's)\n"
            "  scan      with --verify: every card rendered at --dpi (default 300, as\n"
            "            printed) and every barcode and symbol read back with the zxing-cpp\n"
            "            library and compared with the value it should carry (GS1 data as a\n"
            "            reader reports it); without data the card as render draws it (data\n"
            "            fields show their field names). A run that rendered no card fails.")),
        join(
            { { QStringLiteral("csv"), QStringLiteral("FILE"),
                  QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "the CSV file the cards will be printed with")),
                  Completion::Csv },
                { QStringLiteral("data"), QStringLiteral("FILE"),
                    QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "the data stream file the card will be printed with")),
                    Completion::File },
                { QStringLiteral("verify"), QString(),
                    QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "render every card and read its barcodes back")) },
                { QStringLiteral("dpi"), QStringLiteral("N"),
                    QStringLiteral(
                        QT_TRANSLATE_NOOP("kyt::cli", "the resolution --verify renders at (default 300)")) } },
            join(sourceOptions(), csvReadOptions())),
        QString(),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Exit status 0 only when every check passes, 1 when any fails (the count goes\n"
            "to standard error), 2 for wrong arguments.")),
        {}, Completion::Template });

    t.push_back({ QStringLiteral("preview"),
        QStringLiteral("TEMPLATE [--data FILE | --csv FILE --row N | --source URL [--query SQL] [--row N]]\n"
                       "         [--target PROGID] [--screenshot OUT.png]"),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "show a card in a window hosting the Preview control")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Opens a window hosting the Preview control with the card fitted into it (front\n"
            "above back for a two-sided card); the card is fitted again when the window is\n"
            "resized. Without --data or --target, data fields show their field names.")),
        join({ { QStringLiteral("data"), QStringLiteral("FILE"),
                   QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "field values: a data stream file (as for render)")),
                   Completion::File },
                 { QStringLiteral("csv"), QStringLiteral("FILE"),
                     QStringLiteral(
                         QT_TRANSLATE_NOOP("kyt::cli", "field values: record --row of a CSV file (as for render)")),
                     Completion::Csv },
                 { QStringLiteral("row"), QStringLiteral("N"),
                     QStringLiteral(
                         QT_TRANSLATE_NOOP("kyt::cli", "the record of --csv or --source (default 1 for --source)")) },
                 { QStringLiteral("target"), QStringLiteral("PROGID"),
                     QStringLiteral(
                         QT_TRANSLATE_NOOP("kyt::cli", "field values from a registered target application")) },
                 Screenshot, AllowMissing },
            join(sourceOptions(), csvReadOptions())),
        QString(), Exit012, {}, Completion::Template, true });

    t.push_back({ QStringLiteral("design"), QStringLiteral("[TEMPLATE] [--screenshot OUT.png]"),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "open the card designer")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Opens the template designer on TEMPLATE, or on a new card with the designer\n"
            "defaults. Place objects with the tool bar on the left, style them from their\n"
            "context menu, and save with ID > Save. View > Zoom (Ctrl+1..4, Ctrl+0 to fit)\n"
            "changes the scale.")),
        { Screenshot }, QString(), Exit012, {}, Completion::Template, true });

    t.push_back({ QStringLiteral("info"), QStringLiteral("FILE [--json]"),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "show what a template holds")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Reads the template file FILE and prints its page attributes and its design\n"
            "objects in collection order with every stored member.")),
        { { QStringLiteral("json"), QString(),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                "one JSON object: Width, Height, Scalor, Orientation,\n"
                "BackgroundColor, TargetApplication, Duplex, Picture (null or\n"
                "[width, height] in pixels) and objects, an array of objects\n"
                "holding ObjectType, Name, Index, the members of their class\n"
                "(pictures as Image: null or [width, height]) and TokenString,\n"
                "the object's stored text form (fields end in code 1)")) } },
        QString(),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Exit status 0 when the file was read, 1 when it could not be (the reason\n"
            "goes to standard error), 2 for wrong arguments.")),
        {}, Completion::Template });

    t.push_back({ QStringLiteral("resave"), QStringLiteral("IN OUT"),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "read a template and write it again")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Reads the template file IN and writes it to OUT in the current layout (pictures\n"
            "as bitmaps, logos renumbered). OUT is replaced only once it is completely\n"
            "written; IN and OUT may be the same file.")),
        {}, QString(),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Exit status 0 on success, 1 when IN cannot be read or OUT cannot be written\n"
            "(the reason goes to standard error), 2 for wrong arguments.")),
        {}, Completion::Template });

    t.push_back({ QStringLiteral("barcode"),
        QStringLiteral(
            "3of9|128B|128C TEXT\n"
            "         --symbol TYPE TEXT -o OUT.png|OUT.svg|OUT.pdf [--size WxH] [--dpi N] [--ec N]\n"
            "         [--text below|above|none] [--font NAME] [--font-size PT] [--rotate DEG] [--module INCHES]"),
        QStringLiteral(
            QT_TRANSLATE_NOOP("kyt::cli", "print the barcode-font string of a text, or draw a symbol to a file")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Prints the string that draws TEXT as a barcode in the barcode font, as\n"
            "Windows-1252 code numbers separated by blanks. 3of9 prints the trimmed\n"
            "text unchanged (start/stop characters come from the object's prefix and\n"
            "postfix); 128B and 128C add the start, check and stop characters.\n\n"
            "With --symbol, draws TEXT as one symbol, filling its box with its quiet\n"
            "zones, to a PNG picture, an SVG drawing or a PDF page. TYPE is one of:\n"
            "  qr, datamatrix, pdf417, aztec, gs1qr, gs1datamatrix, code128, gs1-128,\n"
            "  ean13, ean8, upca, upce, itf14, codabar, code39, code93\n"
            "(a GS1 type takes AIs in parentheses: \"(01)09501101530003(10)AB12\").")),
        { { QStringLiteral("symbol"), QStringLiteral("TYPE"),
              QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "draw TEXT as a symbol of this type")), Completion::Words,
              { QStringLiteral("qr"), QStringLiteral("datamatrix"), QStringLiteral("pdf417"), QStringLiteral("aztec"),
                  QStringLiteral("gs1qr"), QStringLiteral("gs1datamatrix"), QStringLiteral("code128"),
                  QStringLiteral("gs1-128"), QStringLiteral("ean13"), QStringLiteral("ean8"), QStringLiteral("upca"),
                  QStringLiteral("upce"), QStringLiteral("itf14"), QStringLiteral("codabar"), QStringLiteral("code39"),
                  QStringLiteral("code93") } },
            { QStringLiteral("o,output"), QStringLiteral("OUT"),
                QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "the symbol's file: OUT.png, OUT.svg or OUT.pdf")),
                Completion::File },
            { QStringLiteral("size"), QStringLiteral("WxH"),
                QStringLiteral(
                    QT_TRANSLATE_NOOP("kyt::cli", "the box in inches (default 1x1, PDF417 2x1, linear 2x0.75)")) },
            { QStringLiteral("dpi"), QStringLiteral("N"),
                QStringLiteral(QT_TRANSLATE_NOOP(
                    "kyt::cli", "resolution of a PNG or PDF (default 300); modules cover\nwhole dots")) },
            { QStringLiteral("ec"), QStringLiteral("N"),
                QStringLiteral(QT_TRANSLATE_NOOP(
                    "kyt::cli", "error correction: QR Code and Aztec 1-4, PDF417 1-9\n(level N-1)")) },
            { QStringLiteral("text"), QStringLiteral("PLACE"),
                QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "the human-readable line of a linear symbol")),
                Completion::Words, { QStringLiteral("below"), QStringLiteral("above"), QStringLiteral("none") } },
            { QStringLiteral("font"), QStringLiteral("NAME"),
                QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "the font of that line (default Arial)")) },
            { QStringLiteral("font-size"), QStringLiteral("PT"),
                QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "its size in points (default 8)")) },
            { QStringLiteral("rotate"), QStringLiteral("DEG"),
                QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "turned clockwise by 0, 90, 180 or 270")),
                Completion::Words,
                { QStringLiteral("0"), QStringLiteral("90"), QStringLiteral("180"), QStringLiteral("270") } },
            { QStringLiteral("module"), QStringLiteral("INCHES"),
                QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "a fixed module size instead of as large as fits")) } },
        QString(),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Text that the barcode type cannot encode is an error (exit status 1), with the\n"
            "reason; wrong arguments are exit status 2.")),
        { QStringLiteral("3of9"), QStringLiteral("128B"), QStringLiteral("128C") } });

    t.push_back({ QStringLiteral("printers"),
        QStringLiteral("list | show QUEUE | calibrate QUEUE (--offset X,Y [--scale S] | --reset)"),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "list CUPS queues and keep their calibration")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "The CUPS queues and the calibration kept for each in the settings store.\n\n"
            "  list             every queue (the default one marked) with its calibration\n"
            "  show QUEUE       the calibration of one queue\n"
            "  calibrate QUEUE --offset X,Y [--scale S]\n"
            "                   stores how far to move (and how much to scale) every card\n"
            "                   printed on the queue\n"
            "  calibrate QUEUE --reset\n"
            "                   forgets the queue's calibration")),
        { { QStringLiteral("offset"), QStringLiteral("X,Y"),
              QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                  "calibrate: X to the right and Y down, in inches or with mm\n"
                  "(0.5mm,-0.3mm), each -2..2 inches")) },
            { QStringLiteral("scale"), QStringLiteral("S"),
                QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "calibrate: the scale, 0.5..2")) },
            { QStringLiteral("reset"), QString(),
                QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "calibrate: forget the queue's calibration")) } },
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "kytpreview calibration-card prints a card from which the offset is read\n"
            "(see docs/printing.md). print and batch apply the stored calibration;\n"
            "their --offset replaces the stored offsets for one job.")),
        Exit012, { QStringLiteral("list"), QStringLiteral("show"), QStringLiteral("calibrate") },
        Completion::Printer });

    t.push_back({ QStringLiteral("calibration-card"),
        QStringLiteral("(-o OUT.pdf | -o OUT.png | --printer QUEUE) [--size W,H] [--dpi N] [--offset X,Y]\n"
                       "         [--tray NAME] [--option NAME=VALUE] [--wait]"),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "draw the card printer offsets are read from")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Draws a calibration card: a ruler through the centre each way, in millimetres\n"
            "from the centre, and a cross at the centre. Printed on a card, the rulers show\n"
            "where the printer put the drawing: read the numbers where the card's edges\n"
            "cut each ruler (left and top are negative), then\n"
            "  X = (right edge + left edge) / 2\n"
            "  Y = (bottom edge + top edge) / 2\n"
            "are the offsets that bring the drawing back (an edge beyond the ruler's end:\n"
            "X = right edge - half the card's width, likewise for Y); store them with\n"
            "  kytpreview printers calibrate QUEUE --offset Xmm,Ymm\n"
            "Printed again, the cross then sits at the card's centre (docs/printing.md).")),
        join({ { QStringLiteral("o,output"), QStringLiteral("OUT"),
                   QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                       "write the card to OUT.pdf or OUT.png instead (true size; PNG\n"
                       "at --dpi)")),
                   Completion::Output },
                 { QStringLiteral("printer"), QStringLiteral("QUEUE"),
                     QStringLiteral(
                         QT_TRANSLATE_NOOP("kyt::cli", "print it on a CUPS queue, moved by the queue's calibration")),
                     Completion::Printer },
                 { QStringLiteral("size"), QStringLiteral("W,H"),
                     QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "the card's size in inches (default 3.375,2.125)")) },
                 { QStringLiteral("dpi"), QStringLiteral("N"),
                     QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "resolution (default 300)")) } },
            printJobOptions()),
        QString(), Exit012 });

    t.push_back(
        { QStringLiteral("settings"), QStringLiteral("list|get|set|delete|check KEY [NAME [VALUE]] [--file DB]"),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "read and edit the settings store")),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                "Reads and edits the settings store.\n\n"
                "  list KEY             sub-keys ([name]) and values (name, type, data)\n"
                "  get KEY NAME         prints one value\n"
                "  set KEY NAME VALUE   writes a string value, creating the key\n"
                "  delete KEY [NAME]    deletes a value, or a key without sub-keys\n"
                "  check                checks the database file\n\n"
                "KEY starts with a root (HKEY_LOCAL_MACHINE\\, HKLM\\, HKEY_CURRENT_USER\\,\n"
                "HKCU\\, HKCR\\, HKU\\); without one it is below HKEY_CURRENT_USER.")),
            { SettingsFile }, QString(), Exit012,
            { QStringLiteral("list"), QStringLiteral("get"), QStringLiteral("set"), QStringLiteral("delete"),
                QStringLiteral("check") } });

    t.push_back(
        { QStringLiteral("targets"), QStringLiteral("list|register|unregister [PROGID [DESCRIPTION]] [--file DB]"),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "register and list target applications")),
            QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
                "The target applications registered for the current user.\n\n"
                "  list                           registered targets and what serves each\n"
                "  register PROGID DESCRIPTION    registers one (what an installer does)\n"
                "  unregister PROGID              removes one")),
            { SettingsFile }, QString(), Exit012,
            { QStringLiteral("list"), QStringLiteral("register"), QStringLiteral("unregister") } });

    t.push_back({ QStringLiteral("version"), QString(),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli", "print the version and the files used")),
        QStringLiteral(QT_TRANSLATE_NOOP("kyt::cli",
            "Prints the version and the files the library uses: the settings store and the\n"
            "error log.")),
        {}, QString(), QString() });
    return t;
}

} // namespace

const std::vector<CommandTable>& commandTables()
{
    static const std::vector<CommandTable> tables = makeTables();
    return tables;
}

} // namespace kyt::cli
