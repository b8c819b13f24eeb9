#pragma once
// Checks before cards are printed: whether the data fits the template (every
// field the template reads is provided), whether each value can be drawn as
// the barcode its object asks for (in a barcode font), whether fonts and
// pictures are there, objects lie on the card and texts and barcodes fit
// their box, and, given a barcode reader, whether every barcode of every
// rendered card (without data: as render draws it) reads back as the value
// it should carry.
// The command line's `check` and the batch use it; hosts may too.

#include "data/CsvReader.h"
#include "data/DataSource.h"
#include "kyt/kytcore_export.h"
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kyt
{

class CPrintData;
class CPrintTemplate;

namespace preflight
{

// Every print data field the template reads: data-field names, the names a
// parse string refers to ("{{name}}", "{{name,length}}") and photo image
// names; each once (letter case ignored), in object order.
KYTCORE_PRIVATE_EXPORT QStringList fieldsUsed(const CPrintTemplate& t);

// The used fields that `provided` lacks (letter case ignored).
KYTCORE_PRIVATE_EXPORT QStringList missingFields(const CPrintTemplate& t, const QStringList& provided);
// "SOURCE lacks the fields the template uses: A, B (it has: C, D)".
KYTCORE_PRIVATE_EXPORT QString missingFieldsMessage(
    const QString& source, const QStringList& missing, const QStringList& provided);

// The first barcode that the print data's values (or a static text's own
// text) cannot be drawn as: "field "X": the value "Y" cannot be drawn as a
// barcode: REASON". Empty when every barcode can be drawn. Without print
// data only static texts are checked.
// The object's name goes to *object.
KYTCORE_PRIVATE_EXPORT QString barcodeProblem(const CPrintTemplate& t, CPrintData* data, QString* object = nullptr);

// A barcode object's expected reading for the print data: the characters a
// scanner reports (Code 39 without its * start and stop characters).
struct ExpectedBarcode {
    QString object; // the object's name
    QString value; // what a scanner should read
    QRectF inches; // the object's box on the picture box (both sides stacked)
};
// Without print data, data fields carry their field names, as render draws them.
std::vector<ExpectedBarcode> expectedBarcodes(const CPrintTemplate& t, CPrintData* data);

// Reads the barcodes of a picture (8-bit grey); the texts found.
using BarcodeReader = std::function<QStringList(const QImage& grey)>;

struct Options {
    QString csvFile; // either a CSV file ...
    QString dataFile; // ... or a data stream file ...
    DataSourceUrl source; // ... or a data source (or none of them)
    CsvOptions csv;
    // With a reader, each card is rendered at dpi and every barcode is read back.
    BarcodeReader reader;
    int dpi = 300;
    // Records (CSV, source) checked at most; the rest are counted only.
    qint64 maxRecords = 100000;
    // When set, photos take their picture from this field, not the one
    // they name (the column the designer shows them from).
    QString photoField;
};

// Makes every photo of the card take its picture from the field.
KYTCORE_PRIVATE_EXPORT void setPhotoField(CPrintTemplate& t, const QString& field);

struct Finding {
    bool ok = true;
    QString topic; // "fields", "fonts", "barcodes", "pictures", "layout", "records", "scan"
    QString text;
    bool warning = false; // ok, but worth a look (a record read in a doubtful way)
    QString object {}; // the object it is about ("Data2"), if one
    qint64 record = 0; // the record it is about, if one
};

struct Report {
    std::vector<Finding> findings;
    bool passed() const
    {
        for (const Finding& f : findings)
            if (!f.ok)
                return false;
        return true;
    }
};

// Reads the template (and the data) and checks everything above. A file
// that cannot be read is a failed finding, not an exception.
KYTCORE_PRIVATE_EXPORT Report check(const QString& templateFile, const Options& options);

} // namespace preflight
} // namespace kyt
