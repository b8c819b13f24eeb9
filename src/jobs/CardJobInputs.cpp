#include "jobs/CardJobInputs.h"

#include "objects/PlaceholderPhoto.h"
#include "settings/AppSettings.h"
#include "settings/CTargetApplications.h"
#include "util/Paths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kyt::cardjob
{

QuietError::QuietError()
    : m_error(std::make_shared<CError>())
{
    m_error->setDisplayError(false);
    QObject::connect(m_error.get(), &CError::ErrorEvent, m_error.get(), [this](QString& logLine) {
        ++m_reports;
        // The description sits between "|Message: " and the closing "|".
        const qsizetype at = logLine.indexOf(QLatin1String("|Message: "));
        if (at < 0) {
            m_last = logLine;
            return;
        }
        QString rest = logLine.mid(at + 10);
        const qsizetype end = rest.lastIndexOf(QLatin1String("|"));
        m_last = end >= 0 ? rest.left(end) : rest;
        m_last.remove(QLatin1String("|CRITICAL"));
        while (m_last.endsWith(QLatin1Char('|')))
            m_last.chop(1);
    });
}

CPrintTemplatePtr loadTemplate(const QString& fileName, QuietError& reporter, QString* error)
{
    if (!QFileInfo(fileName).isFile()) {
        *error = QCoreApplication::translate("kyt::CardJob", "%1: no such file").arg(fileName);
        return nullptr;
    }
    auto t = std::make_shared<CPrintTemplate>();
    t->setError(reporter.error());
    t->setDefaultPhoto(placeholderPhoto());
    reporter.reset();
    if (!t->ReadFile(fileName)) {
        // The reader's reports name the file.
        *error = reporter.reports() > 0
            ? reporter.lastDescription()
            : QCoreApplication::translate("kyt::CardJob", "%1: not a template file").arg(fileName);
        return nullptr;
    }
    if (const QString why = cardSizeProblem(*t); !why.isEmpty()) {
        *error = QStringLiteral("%1: %2").arg(fileName, why);
        return nullptr;
    }
    return t;
}

QStringList photoFieldNames(const CPrintTemplate& t)
{
    QStringList names;
    for (const CDesignObjectPtr& o : t) {
        const auto* photo = qobject_cast<const CPhotoObject*>(o.get());
        if (photo && !photo->ImageName().isEmpty() && !names.contains(photo->ImageName(), Qt::CaseInsensitive))
            names.append(photo->ImageName());
    }
    return names;
}

namespace
{
const QString PhotoColumnSection = QStringLiteral("Data Sources\\Photo Columns");
}

QString rememberedPhotoColumn(const QString& templateFile)
{
    // A command that only reads makes no settings store where none is.
    if (templateFile.isEmpty() || !QFileInfo::exists(paths::registryFile()))
        return QString();
    return settings::GetSetting(
        CTargetApplications::AppName, PhotoColumnSection, QFileInfo(templateFile).absoluteFilePath());
}

void rememberPhotoColumn(const QString& templateFile, const QString& column)
{
    if (templateFile.isEmpty())
        return;
    const QString key = QFileInfo(templateFile).absoluteFilePath();
    if (column.isEmpty())
        settings::DeleteSetting(CTargetApplications::AppName, PhotoColumnSection, key);
    else
        settings::SaveSetting(CTargetApplications::AppName, PhotoColumnSection, key, column);
}

void loadDataStreamFile(const QString& fileName, const CPrintTemplate& t, CPrintData& data, bool forDocument)
{
    data.SetCurrentDataStream(readDataStreamFile(fileName));
    const QString folder = QFileInfo(fileName).absolutePath();
    for (const QString& name : photoFieldNames(t)) {
        std::shared_ptr<CVariant> item;
        for (const CVariantPtr& v : data)
            if (v->keyText().compare(name, Qt::CaseInsensitive) == 0)
                item = v;
        if (!item)
            continue;
        const QString value = item->vValue().toString().trimmed();
        if (value.isEmpty()) {
            item->setvValue(QString());
            continue;
        }
        QString why;
        const QString path = resolveDataPath(value, folder);
        const Picture p = forDocument ? readPhotoForDocument(path, &why) : readPhotoFile(path, &why);
        if (p.isNull())
            throw KytError(ErrDataSource,
                QCoreApplication::translate("kyt::CardJob", "%1: field %2: %3").arg(fileName, name, why));
        item->setvValue(QVariant::fromValue(p));
    }
}

QSizeF cardSizeInches(const CPrintTemplate& t)
{
    return QSizeF(t.Width(), t.Height());
}

QString cardSizeProblem(const CPrintTemplate& t)
{
    auto sane = [](double v) { return std::isfinite(v) && v >= 0.1 && v <= 200.0; };
    if (sane(t.Width()) && sane(t.Height()))
        return QString();
    return QCoreApplication::translate(
        "kyt::CardJob", "the card's size %1 x %2 inches makes no sense (each side must be 0.1 to 200 inches)")
        .arg(double(t.Width()), 0, 'g', 6)
        .arg(double(t.Height()), 0, 'g', 6);
}

int largestPictureDpi(const CPrintTemplate& t)
{
    if (!cardSizeProblem(t).isEmpty())
        return 0;
    const double w = t.Width(), h = t.Height() * (t.Duplex() ? 2 : 1);
    int dpi = int(
        std::min({ std::sqrt(double(Picture::MaxPixels) / (w * h)), Picture::MaxSide / w, Picture::MaxSide / h }));
    // Rounding up partial pixels can still tip it over: step down to fit.
    while (dpi > 0) {
        const QSize px = pictureBoxPixels(t, dpi);
        if (px.width() <= Picture::MaxSide && px.height() <= Picture::MaxSide
            && qint64(px.width()) * px.height() <= Picture::MaxPixels)
            break;
        --dpi;
    }
    return dpi;
}

QSize pictureBoxPixels(const CPrintTemplate& t, double dpi)
{
    // A hair of tolerance so an exact size (2.125 x 300 = 637.5 x 2) is not
    // pushed up by rounding noise.
    auto px = [dpi](double inches) { return std::max(1, int(std::ceil(inches * dpi - 1e-6))); };
    return QSize(px(t.Width()), px(t.Height() * (t.Duplex() ? 2 : 1)));
}

} // namespace kyt::cardjob
