#pragma once
// The control a host places on its window: it shows a template scaled into
// its display area, prints a template on a surface the host supplies, gives
// a template as a picture, and creates templates and print data for the
// host with its own error reporter, designer defaults and placeholder photo.

#include "control/PreviewPictureBox.h"
#include "errors/CError.h"
#include "kyt/kytwidgets_export.h"
#include "platform/Picture.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include <QWidget>
#include <memory>

class QLabel;

namespace kyt
{

class CProperties;
class Surface;
class frmPreview;

class KYTWIDGETS_EXPORT Preview : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(kyt::Picture PictureImage READ PictureImage)
    Q_PROPERTY(std::shared_ptr<kyt::CPrintData> DefaultPrintData READ DefaultPrintData WRITE setDefaultPrintData)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)

public:
    // Support contact handed to the error reporter.
    static inline const QString SupportContact = QStringLiteral("KYT Customer Support ");
    static inline const QString SupportAddress = QStringLiteral("support@kyt.example, +1 555 0100");

    explicit Preview(QWidget* parent = nullptr);
    ~Preview() override;

    // Shows the template fitted into the display area; without print data
    // data fields show their field names.
    Q_INVOKABLE void PreviewTemplate(
        const std::shared_ptr<kyt::CPrintTemplate>& oID, const std::shared_ptr<kyt::CPrintData>& oPrintData = nullptr);
    // An empty print data, or the one the named target application fills.
    Q_INVOKABLE std::shared_ptr<kyt::CPrintData> CreatePrintData(const QString& sTargetApplication = QString());
    // A template with this control's reporter, defaults and placeholder
    // photo, read from sFileName when one is named (and returned even when
    // the read fails; the failure is reported).
    Q_INVOKABLE std::shared_ptr<kyt::CPrintTemplate> CreatePrintTemplate(const QString& sFileName = QString());
    // Clears the display area.
    Q_INVOKABLE void Clear();
    // The display area's drawing.
    kyt::Picture PictureImage();
    // Renders the template on the given surface (a printer or a picture
    // box); the result of the rendering.
    Q_INVOKABLE bool PrintTemplate(kyt::Surface* oPrinter, const std::shared_ptr<kyt::CPrintTemplate>& oID,
        const std::shared_ptr<kyt::CPrintData>& oPrintData = nullptr);
    // The template at true size (Scalor 1, left so) in the display area,
    // returned as a picture of the display area's size.
    Q_INVOKABLE kyt::Picture GetTemplateBitmap(
        const std::shared_ptr<kyt::CPrintTemplate>& oID, const std::shared_ptr<kyt::CPrintData>& oPrintData = nullptr);

    // Opens the designer modally on oTemplate (a new template, returned
    // through the argument, when it is null). True when the template was
    // changed during editing, also when it was saved in between.
    Q_INVOKABLE bool EditTemplate(std::shared_ptr<kyt::CPrintTemplate>& oTemplate);
    // Shows the about box.
    Q_INVOKABLE void About();
    // The designer window once EditTemplate has loaded it (kept for reuse).
    frmPreview* designer() const { return m_designer; }

    // Kept for the designer's sample values.
    std::shared_ptr<kyt::CPrintData> DefaultPrintData() const { return m_defaultPrintData; }
    void setDefaultPrintData(const std::shared_ptr<kyt::CPrintData>& data) { m_defaultPrintData = data; }

    // The display area's background colour.
    quint32 BackColor() const;
    void setBackColor(quint32 color);

    const QString& moduleSource() const { return m_moduleSource; }
    const CErrorPtr& Error() const { return m_error; }
    CProperties* Properties() const { return m_properties.get(); }
    PreviewPictureBox* picPreview() const { return m_picPreview; }
    QLabel* imgSmile() const { return m_imgSmile; }
    // The placeholder photo imgSmile holds.
    const kyt::Picture& smilePicture() const { return m_smile; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void report(const std::exception& e, const char* procedure);

    QString m_moduleSource;
    CErrorPtr m_error;
    std::unique_ptr<CProperties> m_properties;
    std::shared_ptr<CPrintData> m_defaultPrintData;
    PreviewPictureBox* m_picPreview = nullptr;
    QLabel* m_imgSmile = nullptr;
    kyt::Picture m_smile;
    frmPreview* m_designer = nullptr;
};

} // namespace kyt
