#include "control/Preview.h"

#include "designer/frmPreview.h"
#include "dialogs/frmAbout.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/QtCommonDialog.h"
#include "util/Strings.h"
#include "util/Translations.h"

#include "errors/EventLog.h"
#include "errors/MessageBox.h"
#include "kyt/Version.h"
#include "objects/PlaceholderPhoto.h"
#include "platform/widgets/QtMessageBox.h"
#include "settings/CProperties.h"
#include "settings/PrintDataForTarget.h"
#include "util/modPreview.h"
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QResizeEvent>

namespace kyt
{

namespace
{
[[noreturn]] void objectNotSet()
{
    throw KytError(91, Preview::tr("Object variable or With block variable not set"));
}

} // namespace

Preview::Preview(QWidget* parent)
    : QWidget(parent)
{
    ensureTranslations();
    setObjectName(QStringLiteral("Preview"));
    // Each step is independent: a failing one is passed over.
    m_moduleSource = QStringLiteral("Preview %1.%2.%3)").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
    m_error = std::make_shared<CError>();
    m_error->setContact(SupportContact);
    m_error->setPhone(SupportAddress);
    m_error->setDisplayError(true);
    try {
        m_properties = std::make_unique<CProperties>(m_error);
    } catch (const std::exception&) {
    }
    try {
        QDir().mkpath(QFileInfo(EventLog::filePath()).absolutePath());
    } catch (const std::exception&) {
    }
    // A GUI host gets real message boxes and common dialogs, unless someone
    // (a test, the host) already installed their own.
    installGuiDialogs();

    m_picPreview = new PreviewPictureBox(this);
    m_picPreview->setGeometry(rect());
    m_smile = placeholderPhoto();
    m_imgSmile = new QLabel(this);
    m_imgSmile->setObjectName(QStringLiteral("imgSmile"));
    m_imgSmile->setPixmap(QPixmap::fromImage(m_smile.image()));
    m_imgSmile->setFixedSize(32, 32);
    m_imgSmile->hide(); // holds the picture; never shown
}

Preview::~Preview()
{
    // Release in order: default print data, designer, defaults, reporter.
    m_defaultPrintData.reset();
    delete m_designer;
    m_designer = nullptr;
    m_properties.reset();
    m_error.reset();
}

void Preview::report(const std::exception& e, const char* procedure)
{
    if (m_error)
        m_error->Report(e, m_moduleSource + QLatin1Char(' ') + QLatin1String(procedure));
}

void Preview::resizeEvent(QResizeEvent* event)
{
    m_picPreview->setGeometry(0, 0, event->size().width(), event->size().height());
    QWidget::resizeEvent(event);
}

void Preview::PreviewTemplate(const std::shared_ptr<CPrintTemplate>& oID, const std::shared_ptr<CPrintData>& oPrintData)
{
    try {
        if (!oID)
            objectNotSet();
        const double w = oID->Width();
        const double h = oID->Duplex() ? 2 * oID->Height() : oID->Height();
        // A card without a size cannot be fitted; keep its Scalor rather
        // than store 0 and print blank cards later.
        if (!(w > 0 && h > 0))
            throw KytError(11, tr("Division by zero"));
        const float factor = GetFitFactor(w, h, m_picPreview->ScaleWidth(), m_picPreview->ScaleHeight());
        oID->setScalor(factor);
        m_picPreview->Cls();
        oID->Render(m_picPreview->surface(), oPrintData, 0, 0);
        m_picPreview->update();
    } catch (const std::exception& e) {
        report(e, "PreviewTemplate");
    }
}

std::shared_ptr<CPrintData> Preview::CreatePrintData(const QString& sTargetApplication)
{
    try {
        return createPrintDataFor(sTargetApplication);
    } catch (const std::exception& e) {
        report(e, "CreatePrintData");
    }
    return nullptr;
}

std::shared_ptr<CPrintTemplate> Preview::CreatePrintTemplate(const QString& sFileName)
{
    std::shared_ptr<CPrintTemplate> t;
    try {
        t = std::make_shared<CPrintTemplate>();
        t->setError(m_error);
        t->ApplyDefaults(m_properties.get());
        t->setDefaultPhoto(m_smile);
        if (!sFileName.isEmpty())
            t->ReadFile(sFileName); // the template reports its own failure
    } catch (const std::exception& e) {
        report(e, "CreatePrintTemplate");
    }
    return t;
}

bool Preview::EditTemplate(std::shared_ptr<CPrintTemplate>& oTemplate)
{
    try {
        if (!oTemplate) {
            oTemplate = CreatePrintTemplate();
            if (!oTemplate)
                return false;
            // Named without marking the new card as changed.
            oTemplate->fields().TemplateName = MakeTempFileName(QString(), QString());
        }
        oTemplate->setError(m_error);
        if (!m_designer) {
            // Loaded once and kept; a hidden designer is reused.
            m_designer = new frmPreview;
            m_designer->setError(m_error);
            m_designer->setProperties(m_properties.get());
        }
        m_designer->setDefaultPrintData(m_defaultPrintData);
        m_designer->Setup();
        m_designer->ShowID(oTemplate);
        m_designer->showModal();
        return oTemplate->DataChanged();
    } catch (const std::exception& e) {
        report(e, "EditTemplate");
    }
    return oTemplate && oTemplate->DataChanged();
}

void Preview::About()
{
    try {
        frmAbout about(window());
        execModal(about);
    } catch (const std::exception&) {
    }
}

void Preview::Clear()
{
    try {
        m_picPreview->Cls();
    } catch (const std::exception&) {
    }
}

Picture Preview::PictureImage()
{
    try {
        return m_picPreview->Image();
    } catch (const std::exception&) {
    }
    return {};
}

bool Preview::PrintTemplate(
    Surface* oPrinter, const std::shared_ptr<CPrintTemplate>& oID, const std::shared_ptr<CPrintData>& oPrintData)
{
    try {
        if (!oPrinter || !oID)
            objectNotSet();
        return oID->Render(*oPrinter, oPrintData, 0, 0);
    } catch (const std::exception& e) {
        report(e, "PrintTemplate");
    }
    return false;
}

Picture Preview::GetTemplateBitmap(
    const std::shared_ptr<CPrintTemplate>& oID, const std::shared_ptr<CPrintData>& oPrintData)
{
    try {
        if (!oID)
            objectNotSet();
        oID->setScalor(1);
        m_picPreview->Cls();
        oID->Render(m_picPreview->surface(), oPrintData, 0, 0);
        m_picPreview->update();
        return m_picPreview->Image();
    } catch (const std::exception& e) {
        report(e, "GetTemplateBitmap");
    }
    return {};
}

quint32 Preview::BackColor() const
{
    return m_picPreview->BackColor();
}

void Preview::setBackColor(quint32 color)
{
    m_picPreview->setBackColor(color);
}

} // namespace kyt
