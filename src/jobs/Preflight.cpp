#include "jobs/Preflight.h"

#include "barcode/Symbol.h"
#include "barcode/modBarCodeRoutines.h"
#include "jobs/CardJobInputs.h"
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
#include <QCoreApplication>
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
        return QCoreApplication::translate("kyt::Preflight", "field \"%1\"").arg(field->DataFieldName());
    return QCoreApplication::translate("kyt::Preflight", "text");
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
        return QCoreApplication::translate("kyt::Preflight", "barcode type %1").arg(type);
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
        wanted = QCoreApplication::translate("kyt::Preflight", "%1\" or \"%2").arg(c39, c128);
        break;
    }
    if (is(wanted))
        return QString();
    const QString what = is(c39) || is(c128) ? QCoreApplication::translate("kyt::Preflight",
                             "the font of another symbology: its value prints as "
                             "bars no scanner reads as %1")
                                                   .arg(symbology(o.BarcodeTypeNumber()))
                                             : QCoreApplication::translate("kyt::Preflight",
                                                 "not a barcode font: its value prints as letters, "
                                                 "not bars");
    return QCoreApplication::translate("kyt::Preflight", "%1 (%2, %3): font \"%4\" is %5; use \"%6\"")
        .arg(o.Name(), subject(o), symbology(o.BarcodeTypeNumber()), font, what, wanted);
}

// A font size the surfaces refuse (a damaged file's -1 or 32767): the
// object is not drawn. Empty when the size can be drawn.
QString fontSizeProblem(const CTextObjectBase& o, Surface& probe)
{
    try {
        // A size fitted to the box starts from the object's own.
        probe.setFontSize(o.FontToFit() ? double(o.FontSize()) : CTextObjectBase::ScaledFontSize(o.FontSize(), 1));
        return QString();
    } catch (const KytError& e) {
        return QCoreApplication::translate("kyt::Preflight", "%1 (%2): font size %3 pt cannot be drawn (%4)")
            .arg(o.Name(), subject(o))
            .arg(o.FontSize())
            .arg(e.description());
    }
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
                tooSmall ? QCoreApplication::translate("kyt::Preflight",
                    "its box is too small for the symbol: a module would be less than a dot "
                    "(a larger box or a shorter value fits it)")
                         : QCoreApplication::translate("kyt::Preflight",
                             "at its fixed module size the symbol is %1\" x %2\", its box %3\" x "
                             "%4\"; it prints over what lies beside it")
                               .arg(drawn.width(), 0, 'f', 2)
                               .arg(drawn.height(), 0, 'f', 2)
                               .arg(box.width(), 0, 'f', 2)
                               .arg(box.height(), 0, 'f', 2));
    }
    if (o.FontToFit() || TrimBarcodeBlanks(value).isEmpty() || !o.BarcodeProblem(value).isEmpty()
        || !probe.setFontName(o.FontName()) || !fontSizeProblem(o, probe).isEmpty())
        return QString(); // nothing drawn, or reported under barcodes or fonts
    probe.setFontBold(o.Bold());
    probe.setFontItalic(o.Italic());
    probe.setFontSize(CTextObjectBase::ScaledFontSize(o.FontSize(), 1));
    const double width = probe.TextWidth(o.Barcode() ? o.BarcodeText(value) : value);
    // Half the shown precision: "2.00 wide, its box 2.00" is never reported.
    if (width <= o.Width() + 0.005)
        return QString();
    return QCoreApplication::translate("kyt::Preflight",
        "%1 (%2, %3 at %4 pt): the %5 is %6\" wide, its box %7\"; it prints over what lies "
        "beside it (a smaller font size or a wider box fits it)")
        .arg(o.Name(), subject(o), o.Barcode() ? symbology(o.BarcodeTypeNumber()) : o.FontName())
        .arg(o.FontSize())
        .arg(o.Barcode() ? QCoreApplication::translate("kyt::Preflight", "symbol")
                         : QCoreApplication::translate("kyt::Preflight", "text"))
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
    void problem(const QString& topic, const QString& text, const QString& object = QString())
    {
        if (++m_counts[topic] <= MaxListed)
            m_report.findings.push_back({ false, topic, text, false, object, m_record });
    }
    void ok(const QString& topic, const QString& text) { m_report.findings.push_back({ true, topic, text }); }
    // Printing goes on, but the result may not be what was meant.
    void warning(const QString& topic, const QString& text)
    {
        if (++m_warnings[topic] <= MaxListed)
            m_report.findings.push_back({ true, topic, text, true, QString(), m_record });
    }
    // The record the findings from now on are about (0: none), so that
    // the designer can show it.
    void setRecord(qint64 record) { m_record = record; }
    int count(const QString& topic) const { return m_counts.value(topic); }
    // "... and N more" for a topic that went past the listing limit.
    void finish()
    {
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
            if (it.value() > MaxListed)
                m_report.findings.push_back({ false, it.key(),
                    QCoreApplication::translate("kyt::Preflight", "... and %1 more like these")
                        .arg(it.value() - MaxListed) });
        for (auto it = m_warnings.cbegin(); it != m_warnings.cend(); ++it)
            if (it.value() > MaxListed)
                m_report.findings.push_back({ true, it.key(),
                    QCoreApplication::translate("kyt::Preflight", "... and %1 more warnings like these")
                        .arg(it.value() - MaxListed),
                    true });
    }

private:
    Report& m_report;
    qint64 m_record = 0;
    QHash<QString, int> m_counts;
    QHash<QString, int> m_warnings;
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
            q.append(QCoreApplication::translate("kyt::Preflight", "... (%1 in all)").arg(names.size()));
        return q.join(QLatin1String(", "));
    };
    return (missing.size() == 1
            ? QCoreApplication::translate("kyt::Preflight", "%1 lacks the field the template uses: %2 (it has: %3)")
            : QCoreApplication::translate("kyt::Preflight", "%1 lacks the fields the template uses: %2 (it has: %3)"))
        .arg(source, quoted(missing, 50),
            provided.isEmpty() ? QCoreApplication::translate("kyt::Preflight", "none") : quoted(provided, 50));
}

QString barcodeProblem(const CPrintTemplate& t, CPrintData* data, QString* object)
{
    for (const CDesignObjectPtr& o : t) {
        const auto* text = qobject_cast<const CTextObjectBase*>(o.get());
        if (!text || !text->Barcode())
            continue;
        const std::optional<QString> value = barcodeValue(*text, data);
        if (!value || value->isEmpty())
            continue;
        const QString why = text->BarcodeProblem(*value);
        if (!why.isEmpty() && object)
            *object = o->Name();
        if (!why.isEmpty())
            return QCoreApplication::translate(
                "kyt::Preflight", "%1: the value \"%2\" cannot be drawn as a barcode: %3")
                .arg(subject(*text), value->left(200), why);
    }
    return QString();
}

void setPhotoField(CPrintTemplate& t, const QString& field)
{
    for (const CDesignObjectPtr& o : t)
        if (auto* photo = qobject_cast<CPhotoObject*>(o.get()))
            photo->setImageName(field);
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

namespace
{

// One preflight run: each kind of finding has its member.
class Checker
{
public:
    Checker(const CPrintTemplatePtr& t, const Options& options, Collector& c, cardjob::QuietError& reporter)
        : m_t(t)
        , m_options(options)
        , m_c(c)
        , m_reporter(reporter)
        , m_measure(QSize(1, 1), options.dpi)
        , m_used(fieldsUsed(*t))
        , m_photos(cardjob::photoFieldNames(*t))
    {
        m_t->setScalor(1);
        m_measure.setScaleMode(Surface::vbInches);
    }

    void run()
    {
        layoutBounds();
        registerBarcodeFonts(); // as rendering does, so the project's own fonts count
        overflows(nullptr, QString());
        barcodeFonts();
        fonts();
        logos();
        if (!m_options.dataFile.isEmpty())
            withDataStream();
        else if (!m_options.csvFile.isEmpty() || hasSource())
            withSource();
        else
            withoutData();
        summary();
    }

private:
    bool hasSource() const
    {
        return m_options.source.kind != DataSourceUrl::Kind::None || !m_options.source.path.isEmpty();
    }
    bool withData() const { return !m_options.dataFile.isEmpty() || !m_options.csvFile.isEmpty() || hasSource(); }

    // Every boxed object on the card (both sides of a two-sided one).
    void layoutBounds()
    {
        const double cardW = m_t->Width();
        const double cardH = m_t->Height() * (m_t->Duplex() ? 2 : 1);
        const double eps = 1e-4;
        for (const CDesignObjectPtr& o : *m_t) {
            if (qobject_cast<const CParseString*>(o.get()))
                continue; // drawn where the surface's position is; no box
            const double l = o->left(), tp = o->top(), w = o->Width(), h = o->Height();
            if (l < -eps || tp < -eps || l + w > cardW + eps || tp + h > cardH + eps)
                m_c.problem(QStringLiteral("layout"),
                    QCoreApplication::translate(
                        "kyt::Preflight", "%1 (%2) at %3, %4 sized %5 x %6 in lies outside the %7 x %8 in card")
                        .arg(o->Name(), o->ObjectType())
                        .arg(l)
                        .arg(tp)
                        .arg(w)
                        .arg(h)
                        .arg(cardW)
                        .arg(cardH),
                    o->Name());
        }
    }

    // Texts and barcodes fit their box: static texts without data, data
    // fields with each card's data.
    void overflows(CPrintData* data, const QString& which)
    {
        for (const CDesignObjectPtr& o : *m_t) {
            const auto* text = qobject_cast<const CTextObjectBase*>(o.get());
            const bool field = qobject_cast<const CDataObject*>(o.get()) != nullptr;
            if (!text || field != (data != nullptr))
                continue;
            const std::optional<QString> value = barcodeValue(*text, data);
            const QString why = value ? overflow(*text, *value, m_measure) : QString();
            if (!why.isEmpty())
                m_c.problem(QStringLiteral("layout"), which.isEmpty() ? why : QStringLiteral("%1: %2").arg(which, why),
                    o->Name());
        }
    }

    // Barcodes have the font that makes bars of them.
    void barcodeFonts()
    {
        for (const CDesignObjectPtr& o : *m_t) {
            const auto* text = qobject_cast<const CTextObjectBase*>(o.get());
            if (text && text->Barcode())
                if (const QString why = barcodeFontProblem(*text); !why.isEmpty())
                    m_c.problem(QStringLiteral("barcodes"), why, o->Name());
        }
    }

    // The fonts a surface refuses are drawn in another font; a size it
    // refuses is not drawn at all.
    void fonts()
    {
        PictureBoxSurface probe(QSize(1, 1), 96);
        QStringList checked;
        for (const CDesignObjectPtr& o : *m_t) {
            const auto* text = qobject_cast<const CTextObjectBase*>(o.get());
            if (!text)
                continue;
            if (const QString why = fontSizeProblem(*text, probe); !why.isEmpty())
                m_c.problem(QStringLiteral("fonts"), why, o->Name());
            if (checked.contains(text->FontName(), Qt::CaseInsensitive))
                continue;
            checked.append(text->FontName());
            if (!probe.setFontName(text->FontName()))
                m_c.problem(QStringLiteral("fonts"),
                    QCoreApplication::translate("kyt::Preflight", "font \"%1\" (used by %2) is not installed")
                        .arg(text->FontName(), o->Name()));
        }
        if (m_c.count(QStringLiteral("fonts")) == 0)
            m_c.ok(QStringLiteral("fonts"),
                checked.isEmpty() ? QCoreApplication::translate("kyt::Preflight", "no text objects")
                                  : QCoreApplication::translate("kyt::Preflight", "installed: %1")
                                        .arg(checked.join(QLatin1String(", "))));
    }

    // Pictures the template itself holds.
    void logos()
    {
        for (const CDesignObjectPtr& o : *m_t)
            if (const auto* logo = qobject_cast<const CLogoObject*>(o.get()); logo && logo->Image().isNull())
                m_c.problem(QStringLiteral("pictures"),
                    QCoreApplication::translate("kyt::Preflight", "logo %1 has no picture").arg(o->Name()), o->Name());
    }

    // Renders one card and reads its barcodes back. A card without barcodes
    // is rendered too: one that cannot be drawn fails.
    void verify(const std::shared_ptr<CPrintData>& data, const QString& which)
    {
        if (!m_options.reader)
            return;
        const std::vector<ExpectedBarcode> expected = expectedBarcodes(*m_t, data.get());
        if (!data) {
            // A field name a symbology cannot carry is drawn, but not as a value to read.
            for (const CDesignObjectPtr& o : *m_t)
                if (const auto* field = qobject_cast<const CDataObject*>(o.get());
                    field && field->Barcode() && !field->BarcodeProblem(field->DataFieldName()).isEmpty())
                    ++m_namesUnread;
        }
        try {
            PictureBoxSurface box(cardjob::pictureBoxPixels(*m_t, m_options.dpi), m_options.dpi);
            m_reporter.reset();
            if (!m_t->Render(box, data, 0, 0) || m_reporter.reports() > 0) {
                m_c.problem(QStringLiteral("scan"),
                    QCoreApplication::translate("kyt::Preflight", "%1: the card could not be drawn: %2%3")
                        .arg(which, m_reporter.lastDescription(),
                            data ? QString()
                                 : QCoreApplication::translate(
                                     "kyt::Preflight", " (--csv or --data give it its field values)")));
                return;
            }
            ++m_cardsScanned;
            const QImage card = box.Image();
            for (const ExpectedBarcode& e : expected) {
                const QStringList read = m_options.reader(greyBand(card, e.inches, m_options.dpi));
                if (read.contains(e.value)) {
                    ++m_barcodesRead;
                    continue;
                }
                m_c.problem(QStringLiteral("scan"),
                    read.isEmpty() ? QCoreApplication::translate(
                        "kyt::Preflight", "%1: barcode %2 cannot be read (it should carry \"%3\")")
                                         .arg(which, e.object, e.value)
                                   : QCoreApplication::translate(
                                       "kyt::Preflight", "%1: barcode %2 reads \"%3\" where \"%4\" is expected")
                                         .arg(which, e.object, read.join(QLatin1String("\", \"")), e.value),
                    e.object);
            }
        } catch (const std::exception& ex) {
            m_c.problem(QStringLiteral("scan"), QStringLiteral("%1: %2").arg(which, QString::fromLocal8Bit(ex.what())));
        }
    }

    // The barcodes and boxes of one card's data, then the card read back.
    void oneCard(const std::shared_ptr<CPrintData>& data, const QString& which, bool photosOk)
    {
        QString object;
        const QString bc = barcodeProblem(*m_t, data.get(), &object);
        overflows(data.get(), which);
        if (!bc.isEmpty())
            m_c.problem(
                QStringLiteral("barcodes"), which.isEmpty() ? bc : QStringLiteral("%1: %2").arg(which, bc), object);
        else if (photosOk)
            verify(data, which);
    }

    void withDataStream()
    {
        auto data = std::make_shared<CPrintData>();
        try {
            cardjob::loadDataStreamFile(m_options.dataFile, *m_t, *data);
        } catch (const KytError& e) {
            m_c.problem(QStringLiteral("data"), e.description());
            return;
        }
        QStringList provided;
        for (const CVariantPtr& v : *data)
            provided.append(v->keyText());
        const QStringList missing = missingFields(*m_t, provided);
        if (!missing.isEmpty())
            m_c.problem(QStringLiteral("fields"), missingFieldsMessage(m_options.dataFile, missing, provided));
        else
            m_c.ok(QStringLiteral("fields"),
                QCoreApplication::translate("kyt::Preflight", "%1 used, all provided")
                    .arg(Counted(m_used.size(), "field")));
        QString object;
        const QString bc = barcodeProblem(*m_t, data.get(), &object);
        overflows(data.get(), m_options.dataFile);
        if (!bc.isEmpty())
            m_c.problem(QStringLiteral("barcodes"), bc, object);
        else
            verify(data, m_options.dataFile);
    }

    // The CSV's columns against the fields used.
    void csvColumns(const QStringList& header, const QString& sourceName)
    {
        const QStringList missing = missingFields(*m_t, header);
        if (!missing.isEmpty())
            m_c.problem(QStringLiteral("fields"), missingFieldsMessage(sourceName, missing, header));
        else
            m_c.ok(QStringLiteral("fields"),
                QCoreApplication::translate("kyt::Preflight", "%1 used, all among the source's %2")
                    .arg(Counted(m_used.size(), "field"), Counted(header.size(), "column")));
        QStringList unused;
        for (const QString& column : header)
            if (!m_used.contains(column, Qt::CaseInsensitive))
                unused.append(column);
        if (!unused.isEmpty())
            m_c.ok(QStringLiteral("fields"),
                QCoreApplication::translate("kyt::Preflight", "columns the template does not use: %1%2")
                    .arg(unused.mid(0, MaxListed).join(QLatin1String(", ")),
                        unused.size() > MaxListed
                            ? QCoreApplication::translate("kyt::Preflight", ", ... (%1 in all)").arg(unused.size())
                            : QString()));
    }

    // The photo object a column feeds.
    QString photoObject(const QString& column) const
    {
        for (const CDesignObjectPtr& o : *m_t)
            if (const auto* photo = qobject_cast<const CPhotoObject*>(o.get());
                photo && photo->ImageName().compare(column, Qt::CaseInsensitive) == 0)
                return o->Name();
        return QString();
    }

    // A photo value of a record: decoded when the cards are rendered, else
    // held to the same limits from its file and header alone.
    QVariant csvPhoto(const QString& full, const QString& which, const QString& object, bool* ok)
    {
        if (m_options.reader) {
            QString why;
            const Picture p = readPhotoFile(full, &why);
            if (p.isNull()) {
                m_c.problem(QStringLiteral("pictures"), QStringLiteral("%1: %2").arg(which, why), object);
                *ok = false;
            }
            return QVariant::fromValue(p);
        }
        auto it = m_photoChecked.find(full);
        if (it == m_photoChecked.end())
            it = m_photoChecked.insert(full, photoFileProblem(full));
        if (!it.value().isEmpty()) {
            m_c.problem(QStringLiteral("pictures"), QStringLiteral("%1: %2").arg(which, it.value()), object);
            *ok = false;
        }
        return QString();
    }

    // A CSV file (--csv) or any other data source (--source).
    void withSource()
    {
        DataSourceUrl address = m_options.source;
        if (!hasSource()) {
            address.kind = DataSourceUrl::Kind::Csv;
            address.path = m_options.csvFile;
            address.csv = m_options.csv;
            if (!QFileInfo(m_options.csvFile).isFile()) {
                m_c.problem(QStringLiteral("data"),
                    QCoreApplication::translate("kyt::Preflight", "%1: not a readable file").arg(m_options.csvFile));
                return;
            }
        }
        const QString sourceName = address.displayName();
        std::unique_ptr<DataSource> source;
        try {
            source = DataSource::open(address);
        } catch (const KytError& e) {
            m_c.problem(QStringLiteral("data"), e.description());
            return;
        }
        const QStringList header = source->fieldNames();
        csvColumns(header, sourceName);
        const QString folder = source->folder();
        qint64 records = 0, empty = 0, damaged = 0;
        auto data = std::make_shared<CPrintData>();
        DataRecord r;
        // A source that fails while read is a finding, as a damaged record is.
        auto nextRecord = [&] {
            m_c.setRecord(0);
            try {
                return source->next(r);
            } catch (const KytError& e) {
                m_c.problem(QStringLiteral("data"), e.description());
                return false;
            }
        };
        while (nextRecord()) {
            ++records;
            if (r.number > m_options.maxRecords)
                continue;
            m_c.setRecord(r.number);
            const QString which = r.where();
            if (!r.warning.isEmpty())
                m_c.warning(QStringLiteral("records"), QStringLiteral("%1: %2").arg(which, r.warning));
            if (r.empty) {
                ++empty;
                continue;
            }
            if (!r.error.isEmpty()) {
                ++damaged;
                m_c.problem(QStringLiteral("records"), QStringLiteral("%1: %2").arg(which, r.error));
                continue;
            }
            bool photosOk = true;
            for (qsizetype i = 0; i < header.size(); ++i) {
                QVariant value = r.text(int(i));
                if (m_photos.contains(header[i], Qt::CaseInsensitive)) {
                    if (r.values[i].typeId() == QMetaType::QByteArray) {
                        // Image bytes are decoded: there is no file to probe.
                        value = QString();
                        QString why;
                        const Picture p = source->photo(r, int(i), &why);
                        if (!why.isEmpty()) {
                            m_c.problem(QStringLiteral("pictures"), QStringLiteral("%1: %2").arg(which, why),
                                photoObject(header[i]));
                            photosOk = false;
                        } else if (!p.isNull()) {
                            value = QVariant::fromValue(p);
                        }
                    } else {
                        const QString path = r.text(int(i)).trimmed();
                        value = path.isEmpty()
                            ? QVariant(QString())
                            : csvPhoto(resolveDataPath(path, folder), which, photoObject(header[i]), &photosOk);
                    }
                }
                data->Add(header[i], value);
                data->Item(header[i])->setvValue(value);
            }
            oneCard(data, which, photosOk);
        }
        m_c.setRecord(0);
        if (records > m_options.maxRecords)
            m_c.warning(QStringLiteral("records"),
                QCoreApplication::translate("kyt::Preflight", "only the first %1 of the %2 were checked")
                    .arg(m_options.maxRecords)
                    .arg(Counted(records, "record")));
        if (records == empty)
            m_c.problem(QStringLiteral("records"),
                QCoreApplication::translate("kyt::Preflight", "%1 holds no records to print").arg(sourceName));
        else if (damaged == 0)
            m_c.ok(QStringLiteral("records"),
                empty == 0 ? QCoreApplication::translate("kyt::Preflight", "%1, none empty or damaged")
                                 .arg(Counted(records, "record"))
                           : QCoreApplication::translate(
                               "kyt::Preflight", "%1, %2 empty (skipped when printing), none damaged")
                                 .arg(Counted(records, "record"))
                                 .arg(empty));
    }

    void withoutData()
    {
        m_c.ok(QStringLiteral("fields"),
            m_used.isEmpty()
                ? QCoreApplication::translate("kyt::Preflight", "the template uses no fields")
                : QCoreApplication::translate("kyt::Preflight", "the template uses %1 (no data given to compare)")
                      .arg(m_used.join(QLatin1String(", "))));
        QString object;
        const QString bc = barcodeProblem(*m_t, nullptr, &object);
        if (!bc.isEmpty())
            m_c.problem(QStringLiteral("barcodes"), bc, object);
        else
            verify(nullptr, QCoreApplication::translate("kyt::Preflight", "the card without data"));
    }

    // An "ok" line for each topic that found nothing wrong.
    void summary()
    {
        if (m_c.count(QStringLiteral("layout")) == 0)
            m_c.ok(QStringLiteral("layout"),
                QCoreApplication::translate("kyt::Preflight", "%1 on the card, every text and barcode within its box%2")
                    .arg(m_t->Count() == 1
                            ? QCoreApplication::translate("kyt::Preflight", "the one object lies")
                            : QCoreApplication::translate("kyt::Preflight", "all %1 objects lie").arg(m_t->Count()))
                    .arg(withData() ? QString()
                                    : QCoreApplication::translate("kyt::Preflight",
                                        " (data fields are measured with their values: --csv or --data)")));
        if (m_c.count(QStringLiteral("barcodes")) == 0)
            m_c.ok(
                QStringLiteral("barcodes"), QCoreApplication::translate("kyt::Preflight", "every value can be drawn"));
        if (m_c.count(QStringLiteral("pictures")) == 0)
            m_c.ok(QStringLiteral("pictures"), QCoreApplication::translate("kyt::Preflight", "all present"));
        if (m_options.reader && m_cardsScanned == 0 && m_c.count(QStringLiteral("scan")) == 0)
            m_c.problem(QStringLiteral("scan"),
                QCoreApplication::translate("kyt::Preflight", "no card was rendered, so no barcode was read back"));
        else if (m_options.reader && m_c.count(QStringLiteral("scan")) == 0)
            m_c.ok(QStringLiteral("scan"),
                QCoreApplication::translate("kyt::Preflight", "%1 rendered at %2 dpi, %3 read back as expected%4")
                    .arg(Counted(m_cardsScanned, "card"))
                    .arg(m_options.dpi)
                    .arg(Counted(m_barcodesRead, "barcode"))
                    .arg(withData() ? QString()
                                    : QCoreApplication::translate("kyt::Preflight",
                                        " (without data: data fields show their field names, as render "
                                        "draws them%1)")
                                          .arg(m_namesUnread > 0 ? QCoreApplication::translate("kyt::Preflight",
                                                   "; %1 of field names their symbology cannot "
                                                   "carry not read")
                                                                       .arg(Counted(m_namesUnread, "barcode"))
                                                                 : QString())));
    }

    CPrintTemplatePtr m_t;
    const Options& m_options;
    Collector& m_c;
    cardjob::QuietError& m_reporter;
    PictureBoxSurface m_measure;
    const QStringList m_used;
    const QStringList m_photos;
    QHash<QString, QString> m_photoChecked; // path -> problem
    qint64 m_cardsScanned = 0, m_barcodesRead = 0, m_namesUnread = 0;
};

} // namespace

Report check(const QString& templateFile, const Options& options)
{
    Report report;
    Collector c(report);
    {
        cardjob::QuietError reporter;
        QString error;
        const CPrintTemplatePtr t = cardjob::loadTemplate(templateFile, reporter, &error);
        if (!t) {
            c.problem(QStringLiteral("template"), error);
            return report;
        }
        if (!options.photoField.isEmpty())
            setPhotoField(*t, options.photoField);
        // Whatever a damaged template makes fail on the way is a finding.
        try {
            Checker(t, options, c, reporter).run();
        } catch (const KytError& e) {
            c.problem(QStringLiteral("template"), QStringLiteral("%1: %2").arg(templateFile, e.description()));
        } catch (const std::exception& e) {
            c.problem(QStringLiteral("template"),
                QStringLiteral("%1: %2").arg(templateFile, QString::fromLocal8Bit(e.what())));
        }
    }
    c.finish();
    return report;
}

} // namespace kyt::preflight
