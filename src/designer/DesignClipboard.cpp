// Cut, copy, paste and duplicate of design objects through the clipboard.

#include "designer/DesignClipboard.h"

#include "designer/COutline.h"
#include "designer/ControlArray.h"
#include "designer/DesignControl.h"
#include "designer/DesignEditing.h"
#include "designer/DesignSelection.h"
#include "designer/frmPreview.h"
#include "platform/Picture.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDataStream>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace kyt::clipboard
{

namespace
{

constexpr quint32 Magic = 0x4B59544F; // "KYTO"
constexpr quint16 Version = 1;
// More objects than any card holds: the rest of such data is not read.
constexpr quint32 MaxObjects = 5000;
// Where a pasted object lands when it would cover an equal one.
constexpr float PasteStep = 0.125f;
// A pasted picture's longer side, in inches.
constexpr float PastedPictureSide = 1.0f;

const QString PictureKey = QStringLiteral("Picture");
const QString PictureBytesKey = QStringLiteral("PictureData");

// A picture exactly as it is: its pixel format, colours, resolution and
// rows, so the pasted object holds the same picture, not a re-encoded one.
QByteArray pictureBytes(const Picture& picture)
{
    const QImage& img = picture.image();
    if (img.isNull())
        return {};
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(picture.Type()) << qint32(img.format()) << qint32(img.width()) << qint32(img.height())
        << qint32(img.dotsPerMeterX()) << qint32(img.dotsPerMeterY()) << img.colorTable();
    QByteArray rows;
    rows.reserve(qsizetype(img.bytesPerLine()) * img.height());
    for (int y = 0; y < img.height(); ++y)
        rows.append(reinterpret_cast<const char*>(img.constScanLine(y)), img.bytesPerLine());
    out << rows;
    return bytes;
}

// An empty picture for data that does not describe one.
Picture pictureFrom(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    QDataStream in(bytes);
    qint32 type = 0, format = 0, width = 0, height = 0, dpmX = 0, dpmY = 0;
    QList<QRgb> colours;
    in >> type >> format >> width >> height >> dpmX >> dpmY;
    if (in.status() != QDataStream::Ok || format <= QImage::Format_Invalid || format >= QImage::NImageFormats
        || width <= 0 || height <= 0 || width > Picture::MaxSide || height > Picture::MaxSide
        || qint64(width) * height > Picture::MaxPixels)
        return {};
    in >> colours;
    if (in.status() != QDataStream::Ok || colours.size() > 256)
        return {};
    QImage img(width, height, QImage::Format(format));
    if (img.isNull())
        return {};
    QByteArray rows;
    in >> rows;
    if (in.status() != QDataStream::Ok || rows.size() != qsizetype(img.bytesPerLine()) * height)
        return {};
    for (int y = 0; y < height; ++y)
        std::memcpy(img.scanLine(y), rows.constData() + qsizetype(y) * img.bytesPerLine(), size_t(img.bytesPerLine()));
    if (!colours.isEmpty())
        img.setColorTable(colours);
    if (dpmX > 0 && dpmY > 0) {
        img.setDotsPerMeterX(dpmX);
        img.setDotsPerMeterY(dpmY);
    }
    return Picture(img, type == Picture::Icon ? Picture::Icon : Picture::Bitmap);
}

struct Object {
    QString name;
    QVariantMap properties;
};

float number(const QVariantMap& p, const char* key)
{
    const float v = p.value(QLatin1String(key)).toFloat();
    return std::isfinite(v) ? v : 0.0f;
}

void applyProperties(DesignControl& c, const QVariantMap& p)
{
    c.setItemGeometry(
        number(p, "left"), number(p, "top"), std::max(0.0f, number(p, "Width")), std::max(0.0f, number(p, "Height")));
    c.setTag(p.value(QStringLiteral("Tag")).toString());
    c.setCaption(p.value(QStringLiteral("Caption")).toString());
    c.setBackStyle(p.value(QStringLiteral("BackStyle")).toInt());
    c.setBorderStyle(p.value(QStringLiteral("BorderStyle")).toInt());
    c.setAlignment(p.value(QStringLiteral("Alignment")).toInt());
    c.setBackColor(p.value(QStringLiteral("BackColor")).toInt());
    c.setForeColor(p.value(QStringLiteral("ForeColor")).toInt());
    if (!c.setFontName(p.value(QStringLiteral("FontName")).toString()))
        c.setFontName(IDesignControl::FallbackFontName);
    const double size = p.value(QStringLiteral("FontSize")).toDouble();
    c.setFontSize(std::isfinite(size) && size > 0 ? size : 8);
    c.setFontBold(p.value(QStringLiteral("FontBold")).toBool());
    c.setFontItalic(p.value(QStringLiteral("FontItalic")).toBool());
    c.setFontUnderline(p.value(QStringLiteral("FontUnderline")).toBool());
    c.setFontStrikethrough(p.value(QStringLiteral("FontStrikethrough")).toBool());
    c.setPicture(pictureFrom(p.value(PictureBytesKey).toByteArray()));
    c.setStretch(p.value(QStringLiteral("Stretch")).toBool());
}

std::vector<Object> decode(const QByteArray& bytes)
{
    std::vector<Object> out;
    QDataStream in(bytes);
    quint32 magic = 0, count = 0;
    quint16 version = 0;
    in >> magic >> version >> count;
    if (in.status() != QDataStream::Ok || magic != Magic || version != Version || count > MaxObjects)
        return out;
    for (quint32 i = 0; i < count; ++i) {
        Object o;
        in >> o.name >> o.properties;
        if (in.status() != QDataStream::Ok)
            return {};
        out.push_back(std::move(o));
    }
    return out;
}

// A new object on top of the others, with the drawing order the card prints.
void putOnTop(frmPreview& window, DesignControl* c)
{
    c->setVisible(true);
    c->ZOrder(0);
    if (COutline* outline = window.outline()) {
        outline->Selected(c);
        outline->UpdateZorder(true);
    }
}

void updatePhotoTool(frmPreview& window)
{
    if (auto* photo = window.findChild<QAction*>(QStringLiteral("tlbObjectsPhoto")))
        photo->setEnabled(window.currentTemplate() && !window.Photo().Item(0)->Visible());
}

void say(frmPreview& window, const QString& text)
{
    if (QLabel* status = window.statusLabel())
        status->setText(text);
}

} // namespace

QByteArray encodeSelection(frmPreview& window)
{
    DesignSelection* selection = window.selection();
    const std::vector<DesignControl*> chosen = selection ? selection->controls() : std::vector<DesignControl*>();
    if (chosen.empty())
        return {};
    // Every property the undo history keeps, in drawing order.
    const DesignSnapshot all = DesignEditing::of(window).captureDesign();
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    QList<Object> objects;
    for (const ControlSnapshot& cs : all.controls) {
        const bool wanted = std::any_of(chosen.begin(), chosen.end(),
            [&cs](const DesignControl* c) { return c->Name() == cs.name && c->Index() == cs.index; });
        if (!wanted)
            continue;
        QVariantMap p = cs.properties;
        p.insert(PictureBytesKey, pictureBytes(p.value(PictureKey).value<Picture>()));
        p.remove(PictureKey);
        p.remove(QStringLiteral("useRank"));
        objects.append(Object { cs.name, p });
    }
    out << Magic << Version << quint32(objects.size());
    for (const Object& o : objects)
        out << o.name << o.properties;
    return bytes;
}

int placeObjects(frmPreview& window, const QByteArray& encoded, const QString& text)
{
    if (!window.currentTemplate())
        return 0;
    const std::vector<Object> objects = decode(encoded);
    if (objects.empty()) {
        say(window,
            QCoreApplication::translate(
                "kyt::DesignClipboard", "The clipboard holds no objects this designer can read."));
        return 0;
    }
    float width = 0, height = 0;
    designAreaSize(window, width, height);
    // One shift for the whole group, so it keeps its layout: as far as it
    // takes to cover no equal object.
    const std::vector<IDesignControl*> existing = window.designControls();
    const auto covers = [&](const Object& o, float shift) {
        return std::any_of(existing.begin(), existing.end(), [&](IDesignControl* c) {
            return c->Visible() && c->Name() == o.name
                && std::abs(c->left() - (number(o.properties, "left") + shift)) < 0.001f
                && std::abs(c->top() - (number(o.properties, "top") + shift)) < 0.001f;
        });
    };
    float shift = 0;
    for (int i = 0;
         i < 40 && std::any_of(objects.begin(), objects.end(), [&](const Object& o) { return covers(o, shift); }); ++i)
        shift += PasteStep;

    std::vector<DesignControl*> placed;
    int skippedPhotos = 0;
    {
        DesignEdit edit(window.undoStack(), DesignEditing::of(window), text);
        for (const Object& o : objects) {
            ControlArray* array = window.controlArray(o.name);
            if (!array)
                continue;
            // A card has one photo.
            if (array->kind() == DesignControl::Kind::Photo && array->Item(0)->Visible()) {
                ++skippedPhotos;
                continue;
            }
            auto* c = static_cast<DesignControl*>(window.LoadDesignControl(o.name));
            if (!c)
                continue;
            applyProperties(*c, o.properties);
            if (array->kind() == DesignControl::Kind::Photo && c->Picture().isNull())
                c->setPicture(window.currentTemplate()->DefaultPhoto());
            // On the card, however small it is.
            c->setItemGeometry(std::clamp(c->left() + shift, 0.0f, std::max(0.0f, width - c->Width())),
                std::clamp(c->top() + shift, 0.0f, std::max(0.0f, height - c->Height())), c->Width(), c->Height());
            putOnTop(window, c);
            placed.push_back(c);
        }
    }
    updatePhotoTool(window);
    if (DesignSelection* selection = window.selection()) {
        std::reverse(placed.begin(), placed.end());
        selection->select(placed);
    }
    if (skippedPhotos)
        say(window,
            QCoreApplication::translate(
                "kyt::DesignClipboard", "The card has a photo already; the copied photo was left out."));
    return int(placed.size());
}

bool canPaste(const frmPreview& window)
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return window.currentTemplate() && data && (data->hasFormat(MimeType) || data->hasImage());
}

void copy(frmPreview& window)
{
    const QByteArray bytes = encodeSelection(window);
    if (bytes.isEmpty())
        return;
    auto* data = new QMimeData;
    data->setData(MimeType, bytes);
    QStringList texts;
    if (DesignSelection* selection = window.selection())
        for (const DesignControl* c : selection->controls())
            if (!c->Caption().isEmpty())
                texts << c->Caption();
    if (!texts.isEmpty())
        data->setText(texts.join(QLatin1Char('\n')));
    QApplication::clipboard()->setMimeData(data);
}

void cut(frmPreview& window)
{
    DesignSelection* selection = window.selection();
    if (!selection || selection->count() == 0)
        return;
    copy(window);
    {
        DesignEdit edit(
            window.undoStack(), DesignEditing::of(window), QCoreApplication::translate("kyt::DesignClipboard", "Cut"));
        selection->deleteAll();
    }
    updatePhotoTool(window);
    DesignEditing::of(window).clearStatus();
}

void paste(frmPreview& window)
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !window.currentTemplate())
        return;
    if (data->hasFormat(MimeType)) {
        placeObjects(window, data->data(MimeType), QCoreApplication::translate("kyt::DesignClipboard", "Paste"));
        return;
    }
    if (!data->hasImage())
        return;
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull() || image.width() > Picture::MaxSide || image.height() > Picture::MaxSide)
        return;
    // A picture from another program becomes a logo an inch across, in
    // the middle of the front.
    const float width = float(window.currentTemplate()->Width());
    const float height = float(window.currentTemplate()->Height());
    const float aspect = float(image.height()) / float(std::max(1, image.width()));
    float w = aspect <= 1 ? PastedPictureSide : PastedPictureSide / aspect;
    float h = aspect <= 1 ? PastedPictureSide * aspect : PastedPictureSide;
    const float fit = std::min({ 1.0f, width / std::max(w, 0.001f), height / std::max(h, 0.001f) });
    w *= fit;
    h *= fit;
    DesignControl* c = nullptr;
    {
        DesignEdit edit(window.undoStack(), DesignEditing::of(window),
            QCoreApplication::translate("kyt::DesignClipboard", "Paste Picture"));
        c = static_cast<DesignControl*>(window.LoadDesignControl(QStringLiteral("Logo")));
        if (!c)
            return;
        c->clearProperties();
        c->setBorderStyle(0);
        c->setItemGeometry((width - w) / 2, (height - h) / 2, w, h);
        c->setPicture(Picture(image));
        putOnTop(window, c);
    }
    if (DesignSelection* selection = window.selection())
        selection->select({ c });
}

void duplicate(frmPreview& window)
{
    const QByteArray bytes = encodeSelection(window);
    if (!bytes.isEmpty())
        placeObjects(window, bytes, QCoreApplication::translate("kyt::DesignClipboard", "Duplicate"));
}

} // namespace kyt::clipboard
