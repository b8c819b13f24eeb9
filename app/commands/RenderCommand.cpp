// kytpreview render: one card to a PNG picture or a PDF file, or as a trace
// of the drawing calls.
#include "Command.h"
#include "data/CsvReader.h"
#include "data/DataSource.h"
#include "jobs/CardJob.h"
#include "jobs/Preflight.h"
#include "platform/OutputFile.h"
#include "platform/Picture.h"
#include "platform/PngFile.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/surface/PrinterSurface.h"
#include "platform/surface/TraceSurface.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
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

int run(const ParsedArgs& a)
{
    const QStringList& args = a.positional;
    const QString out = a.value(QStringLiteral("output"));
    const bool hasOut = a.has(QStringLiteral("output"));
    const bool trace = a.has(QStringLiteral("trace"));
    const bool allowMissing = a.has(QStringLiteral("allow-missing-fields"));
    OneRecord record;
    if (int rc = readOneRecord(Me, a, &record))
        return rc;
    if (int rc
        = checkArguments(Me, args, args.size() == 1, QCoreApplication::translate("kyt::cli", "one template file")))
        return rc;
    if (!hasOut && !trace)
        return fail(Me,
            QCoreApplication::translate("kyt::cli", "say where the card goes: -o OUT.png, -o OUT.pdf or --trace"), 2);

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
    if (a.has(QStringLiteral("dpi"))) {
        bool ok = false;
        dpi = a.value(QStringLiteral("dpi")).toInt(&ok);
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
    cardjob::QuietError reporter;
    QString error;
    const CPrintTemplatePtr t = cardjob::loadTemplate(args[0], reporter, &error);
    if (!t)
        return fail(Me, error);
    if (const QString column = photoColumn(Me, a, args[0], record.given()); !column.isEmpty())
        preflight::setPhotoField(*t, column);
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
    if (record.given()) {
        data = std::make_shared<CPrintData>();
        // A PDF holds a JPEG photo as its file is, undecoded.
        if (int rc = loadOneRecord(Me, record, *t, *data, allowMissing, kind == Kind::Pdf))
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
            QImage image = box.Image();
            image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
            image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
            if (QString why; !writePng(file.device(), image, &why) && !file.failed())
                return fail(Me, QStringLiteral("%1: %2").arg(out, why));
            if (!file.commit())
                return fail(Me, file.errorString());
            return 0;
        }
        case Kind::Pdf: {
            auto printer = PrinterSurface::toPdf(out, cardjob::cardSizeInches(*t), dpi);
            printer->setDocumentName(QFileInfo(args[0]).completeBaseName());
            printer->setJpegPassThrough(true);
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

const Command::Registration reg({ Me, run });
} // namespace
} // namespace kyt::cli
