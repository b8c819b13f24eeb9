#include "jobs/Preflight.h"

#include "barcode/Symbol.h"
#include "barcode/modBarCodeRoutines.h"
#include "jobs/CardJob.h"
#include "objects/CDataObject.h"
#include "objects/CLogoObject.h"
#include "objects/CParseString.h"
#include "objects/CPhotoObject.h"
#include "objects/CTextObjectBase.h"
#include "platform/BarcodeFonts.h"
#include "platform/surface/PictureBoxSurface.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include "util/Strings.h"
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>

namespace kyt::preflight
{

namespace
{

// Problems of one kind listed one by one up to this many, then counted.
constexpr int MaxListed = 20;

void addName(QStringList& names, const QString& name)
{
    if (!name.isEmpty() && !names.contains(name, Qt::CaseInsensitive))
        names.append(name);
}

// The value a data field shows, as its renderer takes it.
QString fieldValue(CPrintData& data, const QString& name)
{
    const auto item = data.Item(name);
    if (!item)
        return QString();
    const QVariant v = item->vValue();
    return IsObject(v) ? QString() : CPrintData::valueText(v);
}

// The text a barcode object draws with this data; nullopt when nothing
// real is drawn (a data field without print data shows its field name).
std::optional<QString> barcodeValue(const CTextObjectBase& o, CPrintData* data)
{
    if (const auto* field = qobject_cast<const CDataObject*>(&o)) {
        if (!data)
            return std::nullopt;
        return fieldValue(*data, field->DataFieldName());
    }
    return o.Text();
}

QString subject(const CTextObjectBase& o)
{
    if (const auto* field = qobject_cast<const CDataObject*>(&o))
        return QStringLiteral("field \"%1\"").arg(field->DataFieldName());
    return QStringLiteral("text");
}

QString symbology(qint32 type)
{
    if (const Symbology* s = symbologyOf(type))
        return QLatin1String(s->name);
    switch (type) {
    case CTextObjectBase::Barcode3of9:
        return QStringLiteral("Code 39");
    case CTextObjectBase::Barcode128B:
        return QStringLiteral("Code 128 B");
    case CTextObjectBase::Barcode128C:
        return QStringLiteral("Code 128 C");
    default:
        return QStringLiteral("barcode type %1").arg(type);
    }
}

// A barcode is only bars in the font made for its symbology; any other font
// prints its value as letters (or the other symbology's bars). Empty when
// the font fits.
QString barcodeFontProblem(const CTextObjectBase& o)
{
    if (o.symbology())
        return QString(); // drawn as bars and modules, in any font
    const QString c39 = QLatin1String(kBarcode39Family), c128 = QLatin1String(kBarcode128Family);
    const QString font = o.FontName();
    const auto is = [&font](const QString& family) { return font.compare(family, Qt::CaseInsensitive) == 0; };
    QString wanted;
    switch (o.BarcodeTypeNumber()) {
    case CTextObjectBase::Barcode3of9:
        wanted = c39;
        break;
    case CTextObjectBase::Barcode128B:
    case CTextObjectBase::Barcode128C:
        wanted = c128;
        break;
    default:
        // No encoding: the value goes to the font as it is, framed by prefix
        // and postfix; either barcode font may be meant.
        if (is(c39) || is(c128))
            return QString();
        wanted = QStringLiteral("%1\" or \"%2").arg(c39, c128);
        break;
    }
    if (is(wanted))
        return QString();
    const QString what = is(c39) || is(c128) ? QStringLiteral("the font of another symbology: its value prints as "
                                                              "bars no scanner reads as %1")
                                                   .arg(symbology(o.BarcodeTypeNumber()))
                                             : QStringLiteral("not a barcode font: its value prints as letters, "
                                                              "not bars");
    return QStringLiteral("%1 (%2, %3): font \"%4\" is %5; use \"%6\"")
        .arg(o.Name(), subject(o), symbology(o.BarcodeTypeNumber()), font, what, wanted);
}

// Render draws a text at its font size from the box's edge and cuts
// nothing, so a symbol or text wider than its box prints over its
// neighbours. Measured with the font metrics render uses; empty when it
// fits. A size fitted to the box cannot run past it.
QString overflow(const CTextObjectBase& o, const QString& value, Surface& probe)
{
    if (const Symbology* sym = o.symbology()) {
        if (TrimBarcodeBlanks(value).isEmpty() || !o.BarcodeProblem(value).isEmpty())
            return QString(); // nothing drawn, or reported under barcodes
        // A symbol is laid out in its box: it only fails to fit when a
        // module would be less than a dot, or a fixed module size is too big.
        const EncodedSymbol symbol(*sym, o.SymbolContent(value), o.symbolOptions());
        const QRectF box(0, 0, o.Width(), o.Height());
        const SymbolLayout l = layoutSymbol(probe, symbol, o.symbolOptions(), box);
        QRectF drawn;
        for (const QRectF& b : l.boxes)
            drawn = drawn.united(b);
        const bool tooSmall = l.modulePixels < 1;
        const bool tooBig = !box.adjusted(-0.005, -0.005, 0.005, 0.005).contains(drawn);
        if (!tooSmall && !tooBig)
            return QString();
        return QStringLiteral("%1 (%2, %3): %4")
            .arg(o.Name(), subject(o), QLatin1String(sym->name),
                tooSmall ? QStringLiteral("its box is too small for the symbol: a module would be less than a dot "
                                          "(a larger box or a shorter value fits it)")
                         : QStringLiteral("at its fixed module size the symbol is %1\" x %2\", its box %3\" x "
                                          "%4\"; it prints over what lies beside it")
                               .arg(drawn.width(), 0, 'f', 2)
                               .arg(drawn.height(), 0, 'f', 2)
                               .arg(box.width(), 0, 'f', 2)
                               .arg(box.height(), 0, 'f', 2));
    }
    if (o.FontToFit() || TrimBarcodeBlanks(value).isEmpty() || !o.BarcodeProblem(value).isEmpty()
        || !probe.setFontName(o.FontName()))
        return QString(); // nothing drawn, or reported under barcodes or fonts
    probe.setFontBold(o.Bold());
    probe.setFontItalic(o.Italic());
    probe.setFontSize(CTextObjectBase::ScaledFontSize(o.FontSize(), 1));
    const double width = probe.TextWidth(o.Barcode() ? o.BarcodeText(value) : value);
    // Half the shown precision: "2.00 wide, its box 2.00" is never reported.
    if (width <= o.Width() + 0.005)
        return QString();
    return QStringLiteral("%1 (%2, %3 at %4 pt): the %5 is %6\" wide, its box %7\"; it prints over what lies "
                          "beside it (a smaller font size or a wider box fits it)")
        .arg(o.Name(), subject(o), o.Barcode() ? symbology(o.BarcodeTypeNumber()) : o.FontName())
        .arg(o.FontSize())
        .arg(o.Barcode() ? QStringLiteral("symbol") : QStringLiteral("text"))
        .arg(width, 0, 'f', 2)
        .arg(double(o.Width()), 0, 'f', 2);
}

class Collector
{
public:
    explicit Collector(Report& report)
        : m_report(report)
    {
    }
    void problem(const QString& topic, const QString& text)
    {
        if (++m_counts[topic] <= MaxListed)
            m_report.findings.push_back({ false, topic, text });
    }
    void ok(const QString& topic, const QString& text) { m_report.findings.push_back({ true, topic, text }); }
    int count(const QString& topic) const { return m_counts.value(topic); }
    // "... and N more" for a topic that went past the listing limit.
    void finish()
    {
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
            if (it.value() > MaxListed)
                m_report.findings.push_back(
                    { false, it.key(), QStringLiteral("... and %1 more like these").arg(it.value() - MaxListed) });
    }

private:
    Report& m_report;
    QHash<QString, int> m_counts;
};

QImage greyBand(const QImage& card, const QRectF& inches, double dpi)
{
    const double margin = 0.05;
    const int top = std::max(0, int((inches.top() - margin) * dpi));
    const int bottom = std::min(card.height(), int(std::ceil((inches.bottom() + margin) * dpi)));
    if (bottom <= top)
        return QImage();
    return card.copy(0, top, card.width(), bottom - top).convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

QStringList fieldsUsed(const CPrintTemplate& t)
{
    QStringList names;
    for (const CDesignObjectPtr& o : t) {
        if (const auto* field = qobject_cast<const CDataObject*>(o.get())) {
            addName(names, field->DataFieldName());
        } else if (const auto* photo = qobject_cast<const CPhotoObject*>(o.get())) {
            addName(names, photo->ImageName());
        } else if (const auto* parse = qobject_cast<const CParseString*>(o.get())) {
            const QString text = parse->TokenString();
            qsizetype at = 0;
            for (;;) {
                const qsizetype open = text.indexOf(QLatin1String("{{"), at);
                if (open < 0)
                    break;
                const qsizetype close = text.indexOf(QLatin1String("}}"), open + 2);
                if (close < 0)
                    break;
                addName(names, GetToken(text.mid(open + 2, close - open - 2), 1, QStringLiteral(",")));
                at = close + 2;
            }
        }
    }
    return names;
}

QStringList missingFields(const CPrintTemplate& t, const QStringList& provided)
{
    QSet<QString> have;
    for (const QString& p : provided)
        have.insert(p.trimmed().toCaseFolded());
    QStringList missing;
    for (const QString& name : fieldsUsed(t))
        if (!have.contains(name.trimmed().toCaseFolded()))
            missing.append(name);
    return missing;
}

QString missingFieldsMessage(const QString& source, const QStringList& missing, const QStringList& provided)
{
    const auto quoted = [](const QStringList& names, qsizetype max) {
        QStringList q;
        for (qsizetype i = 0; i < names.size() && i < max; ++i)
            q.append(QLatin1Char('"') + names[i] + QLatin1Char('"'));
        if (names.size() > max)
            q.append(QStringLiteral("... (%1 in all)").arg(names.size()));
        return q.join(QLatin1String(", "));
    };
    return QStringLiteral("%1 lacks the field%2 the template uses: %3 (it has: %4)")
        .arg(source, missing.size() == 1 ? QString() : QStringLiteral("s"), quoted(missing, 50),
            provided.isEmpty() ? QStringLiteral("none") : quoted(provided, 50));
}

QString barcodeProblem(const CPrintTemplate& t, CPrintData* data)
{
    for (const CDesignObjectPtr& o : t) {
        const auto* text = qobject_cast<const CTextObjectBase*>(o.get());
        if (!text || !text->Barcode())
            continue;
        const std::optional<QString> value = barcodeValue(*text, data);
        if (!value || value->isEmpty())
            continue;
        const QString why = text->BarcodeProblem(*value);
        if (!why.isEmpty())
            return QStringLiteral("%1: the value \"%2\" cannot be drawn as a barcode: %3")
                .arg(subject(*text), value->left(200), why);
    }
    return QString();
}

std::vector<ExpectedBarcode> expectedBarcodes(const CPrintTemplate& t, CPrintData* data)
{
    std::vector<ExpectedBarcode> out;
    for (const CDesignObjectPtr& o : t) {
        const auto* text = qobject_cast<const CTextObjectBase*>(o.get());
        if (!text || !text->Barcode())
            continue;
        // Without print data a data field draws its field name.
        const auto* field = qobject_cast<const CDataObject*>(text);
        const std::optional<QString> value
            = field && !data ? std::optional<QString>(field->DataFieldName()) : barcodeValue(*text, data);
        if (!value || TrimBarcodeBlanks(*value).isEmpty() || !text->BarcodeProblem(*value).isEmpty())
            continue;
        const QString expected = text->BarcodeReading(*value);
        if (expected.isEmpty())
            continue;
        out.push_back({ o->Name(), expected, QRectF(o->left(), o->top(), o->Width(), o->Height()) });
    }
    return out;
}

Report check(const QString& templateFile, const Options& options)
{
    Report report;
    Collector c(report);
    cardjob::QuietError reporter;
    QString error;
    const bool hasSource = options.source.kind != DataSourceSpec::Kind::None || !options.source.path.isEmpty();
    const CPrintTemplatePtr t = cardjob::loadTemplate(templateFile, reporter, &error);
    if (!t) {
        c.problem(QStringLiteral("template"), error);
        return report;
    }
    t->setScalor(1);

    // Layout: every boxed object on the card (both sides of a two-sided one).
    const double cardW = t->Width();
    const double cardH = t->Height() * (t->Duplex() ? 2 : 1);
    const double eps = 1e-4;
    for (const CDesignObjectPtr& o : *t) {
        if (qobject_cast<const CParseString*>(o.get()))
            continue; // drawn where the surface's position is; no box
        const double l = o->left(), tp = o->top(), w = o->Width(), h = o->Height();
        if (l < -eps || tp < -eps || l + w > cardW + eps || tp + h > cardH + eps)
            c.problem(QStringLiteral("layout"),
                QStringLiteral("%1 (%2) at %3, %4 sized %5 x %6 in lies outside the %7 x %8 in card")
                    .arg(o->Name(), o->ObjectType())
                    .arg(l)
                    .arg(tp)
                    .arg(w)
                    .arg(h)
                    .arg(cardW)
                    .arg(cardH));
    }
    // Texts and barcodes fit their box (static texts here, data fields with
    // each card's data); barcodes have the font that makes bars of them.
    registerBarcodeFonts(); // as rendering does, so the project's own fonts count
    PictureBoxSurface measure(QSize(1, 1), options.dpi);
    measure.setScaleMode(Surface::vbInches);
    auto overflows = [&](CPrintData* data, const QString& which) {
        for (const CDesignObjectPtr& o : *t) {
            const auto* text = qobject_cast<const CTextObjectBase*>(o.get());
            const bool field = qobject_cast<const CDataObject*>(o.get()) != nullptr;
            if (!text || field != (data != nullptr))
                continue;
            const std::optional<QString> value = barcodeValue(*text, data);
            const QString why = value ? overflow(*text, *value, measure) : QString();
            if (!why.isEmpty())
                c.problem(QStringLiteral("layout"), which.isEmpty() ? why : QStringLiteral("%1: %2").arg(which, why));
        }
    };
    overflows(nullptr, QString());
    for (const CDesignObjectPtr& o : *t) {
        const auto* text = qobject_cast<const CTextObjectBase*>(o.get());
        if (text && text->Barcode())
            if (const QString why = barcodeFontProblem(*text); !why.isEmpty())
                c.problem(QStringLiteral("barcodes"), why);
    }

    // Fonts: the ones a surface refuses are drawn in another font.
    {
        PictureBoxSurface probe(QSize(1, 1), 96);
        QStringList checked;
        for (const CDesignObjectPtr& o : *t) {
            const auto* text = qobject_cast<const CTextObjectBase*>(o.get());
            if (!text || checked.contains(text->FontName(), Qt::CaseInsensitive))
                continue;
            checked.append(text->FontName());
            if (!probe.setFontName(text->FontName()))
                c.problem(QStringLiteral("fonts"),
                    QStringLiteral("font \"%1\" (used by %2) is not installed").arg(text->FontName(), o->Name()));
        }
        if (c.count(QStringLiteral("fonts")) == 0)
            c.ok(QStringLiteral("fonts"),
                checked.isEmpty() ? QStringLiteral("no text objects")
                                  : QStringLiteral("installed: %1").arg(checked.join(QLatin1String(", "))));
    }

    // Pictures the template itself holds.
    for (const CDesignObjectPtr& o : *t)
        if (const auto* logo = qobject_cast<const CLogoObject*>(o.get()); logo && logo->Image().isNull())
            c.problem(QStringLiteral("pictures"), QStringLiteral("logo %1 has no picture").arg(o->Name()));

    const QStringList used = fieldsUsed(*t);
    const QStringList photos = cardjob::photoFieldNames(*t);
    qint64 cardsScanned = 0, barcodesRead = 0, namesUnread = 0;
    // Renders one card and reads its barcodes back. A card without barcodes
    // is rendered too: one that cannot be drawn fails.
    auto verify = [&](const std::shared_ptr<CPrintData>& data, const QString& which) {
        if (!options.reader)
            return;
        const std::vector<ExpectedBarcode> expected = expectedBarcodes(*t, data.get());
        if (!data) {
            // A field name a symbology cannot carry is drawn, but not as a value to read.
            for (const CDesignObjectPtr& o : *t)
                if (const auto* field = qobject_cast<const CDataObject*>(o.get());
                    field && field->Barcode() && !field->BarcodeProblem(field->DataFieldName()).isEmpty())
                    ++namesUnread;
        }
        try {
            PictureBoxSurface box(cardjob::pictureBoxPixels(*t, options.dpi), options.dpi);
            reporter.reset();
            if (!t->Render(box, data, 0, 0) || reporter.reports() > 0) {
                c.problem(QStringLiteral("scan"),
                    QStringLiteral("%1: the card could not be drawn: %2%3")
                        .arg(which, reporter.lastDescription(),
                            data ? QString() : QStringLiteral(" (--csv or --data give it its field values)")));
                return;
            }
            ++cardsScanned;
            const QImage card = box.Image();
            for (const ExpectedBarcode& e : expected) {
                const QStringList read = options.reader(greyBand(card, e.inches, options.dpi));
                if (read.contains(e.value)) {
                    ++barcodesRead;
                    continue;
                }
                c.problem(QStringLiteral("scan"),
                    read.isEmpty() ? QStringLiteral("%1: barcode %2 cannot be read (it should carry \"%3\")")
                                         .arg(which, e.object, e.value)
                                   : QStringLiteral("%1: barcode %2 reads \"%3\" where \"%4\" is expected")
                                         .arg(which, e.object, read.join(QLatin1String("\", \"")), e.value));
            }
        } catch (const std::exception& ex) {
            c.problem(QStringLiteral("scan"), QStringLiteral("%1: %2").arg(which, QString::fromLocal8Bit(ex.what())));
        }
    };

    if (!options.dataFile.isEmpty()) {
        auto data = std::make_shared<CPrintData>();
        if (!cardjob::loadDataStreamFile(options.dataFile, *t, *data, &error)) {
            c.problem(QStringLiteral("data"), error);
        } else {
            QStringList provided;
            for (const CVariantPtr& v : *data)
                provided.append(v->keyText());
            const QStringList missing = missingFields(*t, provided);
            if (!missing.isEmpty())
                c.problem(QStringLiteral("fields"), missingFieldsMessage(options.dataFile, missing, provided));
            else
                c.ok(QStringLiteral("fields"), QStringLiteral("%1 used, all provided").arg(used.size()));
            const QString bc = barcodeProblem(*t, data.get());
            overflows(data.get(), options.dataFile);
            if (!bc.isEmpty())
                c.problem(QStringLiteral("barcodes"), bc);
            else
                verify(data, options.dataFile);
        }
    } else if (!options.csvFile.isEmpty() || hasSource) {
        DataSourceSpec spec = options.source;
        if (!hasSource) {
            spec.kind = DataSourceSpec::Kind::Csv;
            spec.path = options.csvFile;
            spec.csv = options.csv;
        }
        const QString sourceName = spec.displayName();
        std::unique_ptr<DataSource> source;
        if (!hasSource && !QFileInfo(options.csvFile).isFile()) {
            c.problem(QStringLiteral("data"), QStringLiteral("%1: not a readable file").arg(options.csvFile));
        } else {
            try {
                source = DataSource::open(spec);
            } catch (const KytError& e) {
                c.problem(QStringLiteral("data"), e.description());
            }
            if (source) {
                const QStringList header = source->fieldNames();
                const QStringList missing = missingFields(*t, header);
                if (!missing.isEmpty())
                    c.problem(QStringLiteral("fields"), missingFieldsMessage(sourceName, missing, header));
                else
                    c.ok(QStringLiteral("fields"),
                        QStringLiteral("%1 used, all among the %2 columns").arg(used.size()).arg(header.size()));
                QStringList unused;
                for (const QString& column : header)
                    if (!used.contains(column, Qt::CaseInsensitive))
                        unused.append(column);
                if (!unused.isEmpty())
                    c.ok(QStringLiteral("fields"),
                        QStringLiteral("columns the template does not use: %1%2")
                            .arg(unused.mid(0, MaxListed).join(QLatin1String(", ")),
                                unused.size() > MaxListed ? QStringLiteral(", ... (%1 in all)").arg(unused.size())
                                                          : QString()));
                const QString folder = source->folder();
                QHash<QString, QString> photoChecked; // path -> problem
                qint64 records = 0, empty = 0, damaged = 0;
                auto data = std::make_shared<CPrintData>();
                DataRecord r;
                // A source that fails while read is a finding, as a damaged record is.
                auto nextRecord = [&] {
                    try {
                        return source->next(r);
                    } catch (const KytError& e) {
                        c.problem(QStringLiteral("data"), e.description());
                        return false;
                    }
                };
                while (nextRecord()) {
                    ++records;
                    if (r.number > options.maxRecords)
                        continue;
                    const QString which = r.where();
                    if (r.empty) {
                        ++empty;
                        continue;
                    }
                    if (!r.error.isEmpty()) {
                        ++damaged;
                        c.problem(QStringLiteral("records"), QStringLiteral("%1: %2").arg(which, r.error));
                        continue;
                    }
                    bool photosOk = true;
                    for (qsizetype i = 0; i < header.size(); ++i) {
                        QVariant value = r.text(int(i));
                        if (photos.contains(header[i], Qt::CaseInsensitive)
                            && r.values[i].typeId() == QMetaType::QByteArray) {
                            // Image bytes are decoded: there is no file to probe.
                            value = QString();
                            QString why;
                            const Picture p = source->photo(r, int(i), &why);
                            if (!why.isEmpty()) {
                                c.problem(QStringLiteral("pictures"), QStringLiteral("%1: %2").arg(which, why));
                                photosOk = false;
                            } else if (!p.isNull()) {
                                value = QVariant::fromValue(p);
                            }
                        } else if (photos.contains(header[i], Qt::CaseInsensitive)) {
                            value = QString();
                            const QString path = r.text(int(i)).trimmed();
                            if (!path.isEmpty()) {
                                const QString full = resolveDataPath(path, folder);
                                // Decoded only when the cards are rendered; else probed.
                                if (options.reader) {
                                    QString why;
                                    const Picture p = cardjob::readPhoto(full, &why);
                                    if (p.isNull()) {
                                        c.problem(QStringLiteral("pictures"), QStringLiteral("%1: %2").arg(which, why));
                                        photosOk = false;
                                    }
                                    value = QVariant::fromValue(p);
                                } else {
                                    if (!photoChecked.contains(full)) {
                                        QImageReader probe(full);
                                        photoChecked.insert(full,
                                            !QFileInfo(full).isFile()
                                                ? QStringLiteral("photo %1: no such file").arg(full)
                                                : !probe.canRead()
                                                ? QStringLiteral("photo %1: not a readable picture").arg(full)
                                                : QString());
                                    }
                                    if (!photoChecked.value(full).isEmpty()) {
                                        c.problem(QStringLiteral("pictures"),
                                            QStringLiteral("%1: %2").arg(which, photoChecked.value(full)));
                                        photosOk = false;
                                    }
                                }
                            }
                        }
                        data->Add(header[i], value);
                        data->Item(header[i])->setvValue(value);
                    }
                    const QString bc = barcodeProblem(*t, data.get());
                    overflows(data.get(), which);
                    if (!bc.isEmpty())
                        c.problem(QStringLiteral("barcodes"), QStringLiteral("%1: %2").arg(which, bc));
                    else if (photosOk)
                        verify(data, which);
                }
                c.ok(QStringLiteral("records"),
                    QStringLiteral("%1 records: %2 empty (skipped when printing), %3 damaged%4")
                        .arg(records)
                        .arg(empty)
                        .arg(damaged)
                        .arg(records > options.maxRecords
                                ? QStringLiteral("; only the first %1 were checked").arg(options.maxRecords)
                                : QString()));
                if (records == empty)
                    c.problem(
                        QStringLiteral("records"), QStringLiteral("%1 holds no records to print").arg(sourceName));
            }
        }
    } else {
        c.ok(QStringLiteral("fields"),
            used.isEmpty() ? QStringLiteral("the template uses no fields")
                           : QStringLiteral("the template uses %1 (no data given to compare)")
                                 .arg(used.join(QLatin1String(", "))));
        const QString bc = barcodeProblem(*t, nullptr);
        if (!bc.isEmpty())
            c.problem(QStringLiteral("barcodes"), bc);
        else
            verify(nullptr, QStringLiteral("the card without data"));
    }
    if (c.count(QStringLiteral("layout")) == 0)
        c.ok(QStringLiteral("layout"),
            QStringLiteral("all %1 objects lie on the card, every text and barcode within its box%2")
                .arg(t->Count())
                .arg(options.dataFile.isEmpty() && options.csvFile.isEmpty() && !hasSource
                        ? QStringLiteral(" (data fields are measured with their values: --csv or --data)")
                        : QString()));
    if (c.count(QStringLiteral("barcodes")) == 0)
        c.ok(QStringLiteral("barcodes"), QStringLiteral("every value can be drawn"));
    if (c.count(QStringLiteral("pictures")) == 0)
        c.ok(QStringLiteral("pictures"), QStringLiteral("all present"));
    if (options.reader && cardsScanned == 0)
        c.problem(QStringLiteral("scan"), QStringLiteral("no card was rendered, so no barcode was read back"));
    else if (options.reader)
        c.ok(QStringLiteral("scan"),
            QStringLiteral("%1 rendered at %2 dpi, %3 read back as expected%4")
                .arg(Counted(cardsScanned, "card"))
                .arg(options.dpi)
                .arg(Counted(barcodesRead, "barcode"))
                .arg(options.dataFile.isEmpty() && options.csvFile.isEmpty() && !hasSource
                        ? QStringLiteral(" (without data: data fields show their field names, as render draws "
                                         "them%1)")
                              .arg(namesUnread > 0 ? QStringLiteral("; %1 barcodes of field names their symbology "
                                                                    "cannot carry were not read")
                                                         .arg(namesUnread)
                                                   : QString())
                        : QString()));
    c.finish();
    return report;
}

} // namespace kyt::preflight
