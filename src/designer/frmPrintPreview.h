#pragma once
// "ID Print Preview": the card at its true size (both sides, one below the
// other, for a two-sided card) with buttons to print it, to choose the
// printer and to close the window. Printing sends the card as a job of its
// own each time.

#include "errors/CError.h"
#include "kyt/kytwidgets_export.h"
#include "platform/Picture.h"
#include <QDialog>
#include <QSizeF>
#include <memory>

class QLabel;
class QPushButton;
class QScrollArea;

namespace kyt
{

class CPrintData;
class CPrintTemplate;
class ICommonDialog;

class KYTWIDGETS_PRIVATE_EXPORT frmPrintPreview : public QDialog
{
    Q_OBJECT

public:
    // The window works in inches at the screen's 96 pixels per inch.
    static constexpr double PixelsPerInch = 96.0;

    explicit frmPrintPreview(QWidget* parent = nullptr);
    ~frmPrintPreview() override;

    // The common dialog for the printer dialog (the process-wide one when
    // none is set).
    void setCommonBox(ICommonDialog* box) { m_commonBox = box; }
    void setError(CErrorPtr error) { m_error = std::move(error); }
    void setID(std::shared_ptr<CPrintTemplate> id) { m_id = std::move(id); }
    const std::shared_ptr<CPrintTemplate>& ID() const { return m_id; }
    const std::shared_ptr<CPrintData>& PrintData() const { return m_printData; }
    void setPrintData(std::shared_ptr<CPrintData> data) { m_printData = std::move(data); }

    // Sizes the picture and the window for the card and draws it; the
    // template's own result (false after a report when something failed).
    bool Render();
    // The card as drawn by Render.
    Picture PreviewImage() const { return m_image; }
    // Prints the card as one job; true when it reached the printer.
    bool GoPrint();
    // The printer dialog; false when cancelled.
    bool SelectPrinter();

    const QString& moduleSource() const { return m_moduleSource; }
    // Sizes in inches, as the window's layout rules use them.
    QSizeF picIDInches() const;
    QSizeF windowInches() const;

    QLabel* picID() const { return m_picID; }
    QPushButton* cmdPrint() const { return m_cmdPrint; }
    QPushButton* cmdSetup() const { return m_cmdSetup; }
    QPushButton* cmdClose() const { return m_cmdClose; }
    // The printer the card goes to, and its calibration when it has one.
    QLabel* lblPrinter() const { return m_lblPrinter; }
    QLabel* lblCalibration() const { return m_lblCalibration; }

private:
    void report(const std::exception& e, const QString& procedure);
    void updatePrinterLabels();
    void placeButtons(int left);
    ICommonDialog& commonBox() const;

    QString m_moduleSource;
    std::shared_ptr<CPrintTemplate> m_id;
    std::shared_ptr<CPrintData> m_printData;
    CErrorPtr m_error;
    ICommonDialog* m_commonBox = nullptr;
    Picture m_image;

    QScrollArea* m_holder = nullptr;
    QLabel* m_picID = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QPushButton* m_cmdSetup = nullptr;
    QPushButton* m_cmdClose = nullptr;
    QLabel* m_lblPrinter = nullptr;
    QLabel* m_lblCalibration = nullptr;
    QSizeF m_picInches;
};

} // namespace kyt
