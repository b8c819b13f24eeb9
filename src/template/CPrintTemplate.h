#pragma once
// One card format: page size in inches, orientation, duplex, border,
// background colour or picture, target application, and the ordered, keyed
// collection of design objects placed on it.
//
// The template's file reading and writing live in TemplateFile*.cpp and its
// drawing in TemplateRender*.cpp; they reach the stored state through
// fields() and objects(), which bypass the changed flags.

#include "errors/CError.h"
#include "objects/CDataObject.h"
#include "objects/CDesignObject.h"
#include "objects/CPhotoObject.h"
#include "platform/Picture.h"
#include "util/KeyedCollection.h"
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace kyt
{

class TemplateDefaults;
class Surface;
class CPrintData;
class IDesignForm;
class IDesignControl;

class KYTCORE_EXPORT CPrintTemplate : public QObject, public CardScale
{
    Q_OBJECT
    Q_PROPERTY(float XOffset READ XOffset WRITE setXOffset)
    Q_PROPERTY(float YOffset READ YOffset WRITE setYOffset)
    Q_PROPERTY(float PictureScale READ PictureScale WRITE setPictureScale)
    Q_PROPERTY(bool Duplex READ Duplex)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(double Scalor READ Scalor WRITE setScalor)
    Q_PROPERTY(qint16 Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(QString TemplateName READ TemplateName WRITE setTemplateName)
    Q_PROPERTY(QString TargetApplication READ TargetApplication WRITE setTargetApplication)
    Q_PROPERTY(QString TemplateType READ TemplateType WRITE setTemplateType)
    Q_PROPERTY(bool DataChanged READ DataChanged WRITE setDataChanged)
    Q_PROPERTY(kyt::Picture Picture READ Picture WRITE setPicture)
    Q_PROPERTY(qint16 Border READ Border WRITE setBorder)

public:
    using Objects = KeyedCollection<CDesignObjectPtr>;

    // The stored state. Writing it directly sets no changed flag.
    struct Fields {
        double Width = 0;
        double Height = 0;
        double Scalor = 1.0;
        qint16 Orientation = 0;
        QString TemplateType = QStringLiteral("Template");
        kyt::Picture Picture;
        qint32 BackgroundColor = -1;
        bool dirty = false;
        bool everChanged = false;
        QString TargetApplication;
        QString TemplateName;
        float XOffset = 0;
        float YOffset = 0;
        kyt::Picture DefaultPhoto;
        bool Duplex = false;
        qint16 Border = 0;
        float PictureScale = 0;
    };

    // The objects of each type added since the last clear, in order of
    // adding; they give new objects their per-type numbers.
    enum class ObjectKind { Logo, Photo, Rectangle, Line, Data, Text, Count };

    explicit CPrintTemplate(QObject* parent = nullptr);
    ~CPrintTemplate() override;

    // Source text of the template's error reports.
    const QString& moduleSource() const { return m_moduleSource; }
    // The (unused) field separator, code 1.
    static constexpr QChar Separator = QChar(0x0001);

    // --- Page ---------------------------------------------------------------
    float XOffset() const override { return m_f.XOffset; }
    void setXOffset(float v) { m_f.XOffset = v; }
    float YOffset() const override { return m_f.YOffset; }
    void setYOffset(float v) { m_f.YOffset = v; }
    float PictureScale() const { return m_f.PictureScale; }
    void setPictureScale(float v) { m_f.PictureScale = v; }
    bool Duplex() const { return m_f.Duplex; }
    void setDuplex(bool v) { m_f.Duplex = v; } // no changed flag
    double Width() const { return m_f.Width; }
    void setWidth(double v) { m_f.Width = v; }
    double Height() const { return m_f.Height; }
    void setHeight(double v) { m_f.Height = v; }
    double Scalor() const override { return m_f.Scalor; }
    void setScalor(double v) { m_f.Scalor = v; }
    // 1 portrait, 2 landscape. A new value sets both changed flags.
    qint16 Orientation() const { return m_f.Orientation; }
    void setOrientation(qint16 v);
    // A name that differs other than in letter case sets both changed flags.
    const QString& TemplateName() const { return m_f.TemplateName; }
    void setTemplateName(const QString& v);
    const QString& TargetApplication() const { return m_f.TargetApplication; }
    void setTargetApplication(const QString& v) { m_f.TargetApplication = v; }
    const QString& TemplateType() const { return m_f.TemplateType; }
    void setTemplateType(const QString& v) { m_f.TemplateType = v; }
    // Background picture (an empty picture when none); setting it marks the
    // template dirty.
    const kyt::Picture& Picture() const { return m_f.Picture; }
    void setPicture(const kyt::Picture& picture);
    // -1 means none. A new value sets both changed flags.
    qint32 BackgroundColor() const { return m_f.BackgroundColor; }
    void setBackgroundColor(qint32 v);
    // Page border line width; 0 none.
    qint16 Border() const { return m_f.Border; }
    void setBorder(qint16 v) { m_f.Border = v; }

    // --- Changed flags ------------------------------------------------------
    // Reads true once the template has ever changed. Writing v clears or sets
    // the dirty flag only; the history of changes is kept.
    bool DataChanged() const { return m_f.dirty || m_f.everChanged; }
    void setDataChanged(bool v);
    // Unsaved changes.
    bool Dirty() const { return m_f.dirty; }

    // --- Services -----------------------------------------------------------
    const std::shared_ptr<CError>& Error() const { return m_error; }
    void setError(std::shared_ptr<CError> error) { m_error = std::move(error); }
    // Placeholder picture every new photo object gets.
    const kyt::Picture& DefaultPhoto() const { return m_f.DefaultPhoto; }
    void setDefaultPhoto(const kyt::Picture& picture) { m_f.DefaultPhoto = picture; }

    // Copies the designer defaults (size, target, orientation, duplex)
    // without setting a changed flag. Null does nothing.
    void ApplyDefaults(const TemplateDefaults* oProperties);

    // --- Objects ------------------------------------------------------------
    // Creates an object from a type word ("Photo", "Logo", "Rect",
    // "Rectangle", "Line", "Data", "Text", "ParseString"; any case) and adds
    // it under the word as given followed by its per-type number. Throws
    // KytError for an unknown word (91) or a key already in use (457).
    CDesignObjectPtr AddObject(const QString& sType);
    Q_INVOKABLE std::shared_ptr<kyt::CPhotoObject> AddPhoto();
    Q_INVOKABLE std::shared_ptr<kyt::CDataObject> AddData();

    // By position (1-based) or key. Throws KytError when there is none.
    CDesignObjectPtr Item(int position) const;
    CDesignObjectPtr Item(const QString& key) const;
    CDesignObjectPtr Item(const char* key) const { return Item(QString::fromUtf8(key)); }
    CDesignObjectPtr Item(const QVariant& vntIndexKey) const;
    int Count() const { return m_objects.Count(); }
    // Removes from the objects collection only, so numbers are not reused.
    // Throws KytError for an unknown key or position.
    Q_INVOKABLE void Remove(const QVariant& vntIndexKey);
    void Remove(int position) { Remove(QVariant(position)); }
    void Remove(const QString& key) { Remove(QVariant(key)); }
    void Remove(const char* key) { Remove(QVariant(QString::fromUtf8(key))); }

    // Ordered iteration over the objects.
    Objects::const_iterator begin() const { return m_objects.begin(); }
    Objects::const_iterator end() const { return m_objects.end(); }
    Q_INVOKABLE QList<QObject*> NewEnum() const;

    // Empties the objects and the per-type lists; numbering starts again.
    void ClearObjects();
    // Stable reorder by ascending ZOrder (lower values are drawn first).
    void SortByZOrder();

    // Fits the page, with both sides stacked, into dWidth x dHeight inches:
    // Scalor 1 and false when it fits, else the reducing Scalor and true.
    Q_INVOKABLE bool ScaleID(double dWidth, double dHeight);

    // Each distinct data field name once, in order of first appearance,
    // followed by one or two empty strings (see the tests for the exact form).
    Q_INVOKABLE QStringList GetDataFieldNames();

    // --- Files (TemplateFile*.cpp, SerialTextFile.cpp) -----------------------
    // Only when TemplateType is "Template": sFileName, when given, becomes
    // TemplateName; then the binary file TemplateName is read or written.
    // SaveFile clears the dirty flag on success and sets it on failure.
    Q_INVOKABLE bool ReadFile(const QString& sFileName = QString());
    Q_INVOKABLE bool SaveFile(const QString& sFileName = QString());
    // Clears the objects and reads the file. False without a report for a
    // file that is not a template (header word, version below 3); false after
    // a report for anything else, keeping the objects read so far.
    bool ReadBinaryTemplateFile(const QString& sFileName);
    // The same for a file's bytes held in memory.
    bool readBinaryTemplate(const QByteArray& bytes);
    // Writes the whole file; an existing file is replaced only once the new
    // one is complete. False after a report.
    bool SaveTemplatetoBinaryFile(const QString& sFileName);
    // Adds a parse string (key ParseString0) whose text is the whole file,
    // read as Windows-1252; failures are reported.
    Q_INVOKABLE void ReadSerialTextFile(const QString& sFileName);
    // Adds a parse string with this text. Throws KytError (457) when the
    // template already has one.
    Q_INVOKABLE void CreateParseString(const QString& sString);

    // --- Designer controls (TemplateControls.cpp) ---------------------------
    // Shows every object as a control of the form: photos, logos,
    // rectangles, texts, data fields and lines; parse strings are kept
    // aside on the form and put back by ControlstoAttributes. False after a
    // reported failure.
    bool ClassToControls(IDesignForm& form);
    // Rebuilds the objects from the form's visible controls (a static text
    // needs text, a data field a field name) in the order the form draws
    // them, so the card prints as the designer shows it, with the kept-aside
    // objects back in their places. False after a reported failure.
    bool ControlstoAttributes(IDesignForm& form);
    // Checks the visible controls before a save; each problem is told in a
    // message box. True when every control can be saved.
    bool ValidateControls(IDesignForm& form);
    // The "Zorder" value of a control tag as a 16-bit integer (0 when absent).
    static qint16 ZOrderFromTag(const QString& tag);

    // --- Drawing (TemplateRender.cpp) --------------------------------------
    // Draws the whole card on oPrinter: background, then every object in
    // collection order, the back side of a duplex card on a new page when
    // printing or below the front otherwise. Leaves the surface's scale mode
    // and the template's offsets as they were. True when every object drew;
    // other failures are reported under " Render".
    bool Render(
        Surface& oPrinter, std::shared_ptr<CPrintData> oPrintData = nullptr, float sgXOffset = 0, float sgYOffset = 0);
    // The front side's background alone (its colour, else its picture
    // fitted), with the card's top-left corner at left, top in inches. The
    // designer shows it under the objects it draws one by one.
    void RenderBackground(Surface& oPrinter, double left, double top);

    // --- Internal access for the library's file and drawing code ------------
    Fields& fields() { return m_f; }
    const Fields& fields() const { return m_f; }
    Objects& objects() { return m_objects; }
    const Objects& objects() const { return m_objects; }
    const std::vector<CDesignObjectPtr>& perTypeList(ObjectKind kind) const
    {
        return m_perType[static_cast<size_t>(kind)];
    }
    // Reports a caught failure through the error reporter (when there is
    // one) as moduleSource() followed by procedure.
    KYTCORE_NO_EXPORT void reportFailure(const std::exception& e, const QString& procedure) const;

private:
    QString m_moduleSource;
    Fields m_f;
    Objects m_objects;
    std::vector<CDesignObjectPtr> m_perType[static_cast<size_t>(ObjectKind::Count)];
    std::shared_ptr<CError> m_error;
};

using CPrintTemplatePtr = std::shared_ptr<CPrintTemplate>;

// Registers the library's shared-pointer types with the meta-type system
// (conversions to QObject* for callers that reach the classes by name).
// Safe to call more than once; the model's constructors call it.
KYTCORE_EXPORT void registerModelMetaTypes();

} // namespace kyt

Q_DECLARE_METATYPE(std::shared_ptr<kyt::CPhotoObject>)
Q_DECLARE_METATYPE(std::shared_ptr<kyt::CDataObject>)
Q_DECLARE_METATYPE(std::shared_ptr<kyt::CPrintTemplate>)
