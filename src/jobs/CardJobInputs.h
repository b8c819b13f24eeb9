#pragma once
// The inputs of a card job, shared by the batch and the preflight: reading a
// template for unattended use, print data from a data stream file, photo
// files within their bounds, card sizes on raster and paper surfaces, and
// the placeholder photo.

#include "data/DataSource.h"
#include "errors/CError.h"
#include "kyt/kytcore_export.h"
#include "platform/Picture.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace kyt::cardjob
{

// An error reporter that shows nothing and remembers the description of
// the last report (the description part of its log line).
class KYTCORE_PRIVATE_EXPORT QuietError
{
public:
    QuietError();
    QuietError(const QuietError&) = delete;
    QuietError& operator=(const QuietError&) = delete;
    const CErrorPtr& error() const { return m_error; }
    int reports() const { return m_reports; }
    const QString& lastDescription() const { return m_last; }
    void reset()
    {
        m_reports = 0;
        m_last.clear();
    }

private:
    CErrorPtr m_error;
    int m_reports = 0;
    QString m_last;
};

// Reads a template file with the placeholder photo set and the given
// reporter. Null, with the reason in *error, when the file cannot be read
// or is not a template.
KYTCORE_PRIVATE_EXPORT CPrintTemplatePtr loadTemplate(const QString& fileName, QuietError& reporter, QString* error);

// The ImageName of every photo object, each once (letter case ignored).
QStringList photoFieldNames(const CPrintTemplate& t);

// The column a template's photos were given in the designer, kept in the
// settings store by the template's absolute path (never in the template
// file); empty when none was chosen. Remembering an empty column forgets it.
KYTCORE_PRIVATE_EXPORT QString rememberedPhotoColumn(const QString& templateFile);
KYTCORE_PRIVATE_EXPORT void rememberPhotoColumn(const QString& templateFile, const QString& column);

// Fills data from a data stream file. Values under a photo field name are
// picture files (relative to the data file's folder) and are replaced by
// the picture; an empty value leaves the placeholder. Throws KytError with
// the reason: not a regular file (a pipe or a device), too large,
// no code-1/code-2 separators at all (a CSV or name=value file), too many
// entries, or a photo that cannot be read.
// forDocument: photos for PDF pages only (readPhotoForDocument).
KYTCORE_PRIVATE_EXPORT void loadDataStreamFile(
    const QString& fileName, const CPrintTemplate& t, CPrintData& data, bool forDocument = false);

// One side of the card in inches.
KYTCORE_PRIVATE_EXPORT QSizeF cardSizeInches(const CPrintTemplate& t);
// Empty when the card's size can be drawn (each side 0.1 to 200 inches),
// else what is wrong with it.
KYTCORE_PRIVATE_EXPORT QString cardSizeProblem(const CPrintTemplate& t);
// The largest resolution at which pictureBoxPixels stays within a
// picture's limits (Picture::MaxPixels, Picture::MaxSide); 0 when none does.
KYTCORE_PRIVATE_EXPORT int largestPictureDpi(const CPrintTemplate& t);
// A picture box that holds the whole card at dpi, both sides stacked for a
// duplex card (as a picture box shows it); partial pixels count whole.
KYTCORE_PRIVATE_EXPORT QSize pictureBoxPixels(const CPrintTemplate& t, double dpi);

} // namespace kyt::cardjob
