// kytpreview render: one card to a PNG picture or a PDF file, or as a trace
// of the drawing calls.
#include "Command.h"
#include "data/CsvReader.h"
#include "data/DataSource.h"
#include "jobs/CardJob.h"
#include "platform/OutputFile.h"
#include "platform/Picture.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/surface/PrinterSurface.h"
#include "platform/surface/TraceSurface.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <cmath>
#include <cstdio>
#include <memory>

namespace kyt::cli
{
namespace
{

const QString Me = QStringLiteral("render");

// Draws the card; false (with the reason) when it did not draw completely.
bool draw(CPrintTemplate& t, Surface& surface, const std::shared_ptr<CPrintData>& data, cardjob::QuietError& reporter,
    QString* error)
{
    reporter.reset();
    const bool ok = t.Render(surface, data, 0, 0);
    if (ok && reporter.reports() == 0)
        return true;
    *error = reporter.reports() > 0 ? reporter.lastDescription()
                                    : QCoreApplication::translate("kyt::cli", "a design object failed");
    return false;
}

int run(const QStringList& argsIn)
{
    QStringList args = argsIn;
    QString out, dataFile, csvFile, rowText, dpiText;
    const bool hasOut
        = takeOption(args, QStringLiteral("-o"), &out) || takeOption(args, QStringLiteral("--output"), &out);
    const bool hasData = takeOption(args, QStringLiteral("--data"), &dataFile);
    const bool hasCsv = takeOption(args, QStringLiteral("--csv"), &csvFile);
    const bool hasRow = takeOption(args, QStringLiteral("--row"), &rowText);
    const bool hasDpi = takeOption(args, QStringLiteral("--dpi"), &dpiText);
    const bool trace = takeFlag(args, QStringLiteral("--trace"));
    const bool allowMissing = takeFlag(args, QStringLiteral("--allow-missing-fields"));
    CsvOptions csvOptions;
    if (int rc = takeCsvOptions(Me, args, &csvOptions))
        return rc;
    DataSourceSpec source;
    bool hasSource = false;
    if (int rc = takeSourceOptions(Me, args, csvOptions, &source, &hasSource))
        return rc;
    if (int rc
        = checkArguments(Me, args, args.size() == 1, QCoreApplication::translate("kyt::cli", "one template file")))
        return rc;
    if (!hasOut && !trace)
        return fail(Me,
            QCoreApplication::translate("kyt::cli", "say where the card goes: -o OUT.png, -o OUT.pdf or --trace"), 2);
    if (hasData && hasCsv)
        return fail(Me, QCoreApplication::translate("kyt::cli", "--data and --csv exclude each other"), 2);
    if (hasSource && (hasData || hasCsv))
        return fail(Me, QCoreApplication::translate("kyt::cli", "--source excludes --data and --csv"), 2);
    if (hasCsv != hasRow && !hasSource)
        return fail(Me, QCoreApplication::translate("kyt::cli", "--csv FILE and --row N go together"), 2);

    enum class Kind { Png, Pdf, None } kind = Kind::None;
    if (hasOut) {
        const QString ext = QFileInfo(out).suffix().toLower();
        if (ext == QLatin1String("png"))
            kind = Kind::Png;
        else if (ext == QLatin1String("pdf"))
            kind = Kind::Pdf;
        else
            return fail(
                Me, QCoreApplication::translate("kyt::cli", "%1: the output must end in .png or .pdf").arg(out), 2);
    }
    int dpi = 300;
    if (hasDpi) {
        bool ok = false;
        dpi = dpiText.toInt(&ok);
        // A picture's limit is its memory, checked with the card below.
        const int low = kind == Kind::Pdf ? 72 : 1;
        const int high = kind == Kind::Pdf ? 2400 : 4800;
        if (!ok || dpi < low || dpi > high)
            return fail(Me,
                QCoreApplication::translate("kyt::cli", "--dpi must be a whole number from %1 to %2")
                    .arg(low)
                    .arg(high),
                2);
    }
    qint64 row = hasSource ? 1 : 0;
    if (hasRow) {
        bool ok = false;
        row = rowText.toLongLong(&ok);
        if (!ok || row < 1)
            return fail(Me, QCoreApplication::translate("kyt::cli", "--row must be a record number from 1 on"), 2);
    }

    cardjob::QuietError reporter;
    QString error;
    const CPrintTemplatePtr t = cardjob::loadTemplate(args[0], reporter, &error);
    if (!t)
        return fail(Me, error);
    t->setScalor(1); // true size
    if (kind == Kind::Png) {
        const int most = cardjob::largestPictureDpi(*t);
        if (dpi > most) {
            const double w = std::ceil(t->Width() * dpi), h = std::ceil(t->Height() * (t->Duplex() ? 2 : 1) * dpi);
            return fail(Me,
                QCoreApplication::translate("kyt::cli",
                    "--dpi %1: a picture of this card would be %2 x %3 pixels (%4 MiB), more "
                    "than a picture may take (%5 MiB, at most %6 pixels a side); the largest "
                    "--dpi that fits is %7")
                    .arg(dpi)
                    .arg(w, 0, 'f', 0)
                    .arg(h, 0, 'f', 0)
                    .arg(w * h * 4 / 1048576.0, 0, 'f', 0)
                    .arg(Picture::MaxPixels * 4 / 1048576)
                    .arg(Picture::MaxSide)
                    .arg(most));
        }
    }

    std::shared_ptr<CPrintData> data;
    if (hasData) {
        data = std::make_shared<CPrintData>();
        if (int rc = readDataFile(Me, dataFile, *t, *data, allowMissing))
            return rc;
    } else if (hasCsv) {
        data = std::make_shared<CPrintData>();
        if (!CardBatch::recordData(csvFile, row, *t, *data, &error, csvOptions))
            return fail(Me, error);
        if (int rc = checkFields(Me, *t, *data, csvFile, allowMissing))
            return rc;
    } else if (hasSource) {
        data = std::make_shared<CPrintData>();
        if (!CardBatch::recordData(source, row, *t, *data, &error))
            return fail(Me, error);
        if (int rc = checkFields(Me, *t, *data, source.displayName(), allowMissing))
            return rc;
    }

    std::unique_ptr<QFile> traceOut;
    auto traced = [&](Surface& inner) {
        auto ts = std::make_unique<TraceSurface>(inner);
        traceOut = std::make_unique<QFile>();
        if (traceOut->open(stdout, QIODevice::WriteOnly))
            ts->setSink(traceOut.get());
        return ts;
    };

    try {
        switch (kind) {
        case Kind::None: {
            // Alone, the trace stands for a picture box of the card's size.
            TraceSurface ts(QStringLiteral("PictureBox"), QSizeF(t->Width(), t->Height() * (t->Duplex() ? 2 : 1)));
            traceOut = std::make_unique<QFile>();
            if (traceOut->open(stdout, QIODevice::WriteOnly))
                ts.setSink(traceOut.get());
            if (!draw(*t, ts, data, reporter, &error))
                return fail(Me, QCoreApplication::translate("kyt::cli", "the card could not be drawn: %1").arg(error));
            return 0;
        }
        case Kind::Png: {
            const QSize px = cardjob::pictureBoxPixels(*t, dpi);
            PictureBoxSurface box(px, dpi);
            std::unique_ptr<TraceSurface> ts = trace ? traced(box) : nullptr;
            if (!draw(*t, ts ? static_cast<Surface&>(*ts) : box, data, reporter, &error))
                return fail(Me,
                    QCoreApplication::translate("kyt::cli", "the card could not be drawn: %1 (nothing written)")
                        .arg(error));
            OutputFile file(out);
            if (!file.isOpen())
                return fail(Me, file.errorString());
            QImageWriter writer(file.device(), "png");
            QImage image = box.Image();
            image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
            image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
            if (!writer.write(image) && !file.failed())
                return fail(Me, QStringLiteral("%1: %2").arg(out, writer.errorString()));
            if (!file.commit())
                return fail(Me, file.errorString());
            return 0;
        }
        case Kind::Pdf: {
            auto printer = PrinterSurface::toPdf(out, cardjob::cardSizeInches(*t), dpi);
            printer->setDocumentName(QFileInfo(args[0]).completeBaseName());
            printer->begin(); // a blank card still makes its page
            std::unique_ptr<TraceSurface> ts = trace ? traced(*printer) : nullptr;
            if (!draw(*t, ts ? static_cast<Surface&>(*ts) : *printer, data, reporter, &error)) {
                printer->abandon();
                return fail(Me,
                    QCoreApplication::translate("kyt::cli", "the card could not be drawn: %1 (nothing written)")
                        .arg(error));
            }
            printer->EndDoc();
            return 0;
        }
        }
    } catch (const KytError& e) {
        return fail(Me, e.description());
    } catch (const std::exception& e) {
        return fail(Me, QString::fromLocal8Bit(e.what()));
    }
    return 1;
}

const Command::Registration reg({ QStringLiteral("render"),
    QStringLiteral("TEMPLATE [--data FILE | --csv FILE --row N | --source URL [--query SQL] [--row N]]\n"
                   "         (-o OUT.png | -o OUT.pdf | --trace) [--dpi N]\n"
                   "         [--allow-missing-fields] [--encoding NAME] [--delimiter D]"),
    QStringLiteral("Draws one card of the template file TEMPLATE at its true size.\n\n"
                   "  -o OUT.png     a picture of the card at --dpi (default 300); a two-sided card\n"
                   "                 shows its front above its back, as the preview does\n"
                   "  -o OUT.pdf     a PDF the size of the card, the back on page 2\n"
                   "  --trace        every drawing call as one JSON object per line on standard\n"
                   "                 output (together with -o the card is also written)\n"
                   "  --dpi N        resolution: 72..2400 for PDF; for PNG 1..4800 as far as the\n"
                   "                 picture fits a picture's memory (the message names the\n"
                   "                 largest that fits)\n"
                   "  --data FILE    the field values as a data stream file: entries of name,\n"
                   "                 code 1, value, code 2; UTF-8 when the file is valid UTF-8\n"
                   "                 (or starts with a byte order mark), else Windows-1252\n"
                   "  --csv FILE --row N\n"
                   "                 the field values of record N (1 = the first after the\n"
                   "                 header row) of a CSV file (see kytpreview batch --help)\n"
                   "  --source URL [--row N]\n"
                   "                 record N (default 1) of a data source: csv:FILE, data:FILE,\n"
                   "                 sqlite:FILE?table=NAME, postgresql://USER@HOST:PORT/DB?table=NAME\n"
                   "                 (see kytpreview batch --help); --query SQL takes a database's\n"
                   "                 records from a SELECT\n"
                   "  --encoding NAME, --delimiter D\n"
                   "                 read the CSV file as utf-8 or windows-1252, split at , ; or tab\n"
                   "                 (default: detected)\n"
                   "  --allow-missing-fields\n"
                   "                 draw even when the data lacks fields the template uses\n\n"
                   "Without data, data fields show their field names. With data, every field the\n"
                   "template uses (data fields, parse-string references, photo image names) must\n"
                   "be given, else nothing is drawn and the missing names are listed. A field\n"
                   "named like a photo object's ImageName holds a picture file, relative to the\n"
                   "data file's folder. A value a barcode object cannot encode fails the card,\n"
                   "naming the field, the value and the reason.\n"
                   "The output is written only when the whole card was drawn; an existing file\n"
                   "is replaced then.\n\n"
                   "Exit status 0 on success, 1 when the card could not be made (the reason goes\n"
                   "to standard error), 2 for wrong arguments."),
    run });
} // namespace
} // namespace kyt::cli
