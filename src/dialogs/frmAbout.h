#pragma once
// The about box: product, version, company and legal notice from the
// build's version information, over a green-blue fade.

#include "kyt/kytwidgets_export.h"
#include <QDialog>

class QLabel;
class QPushButton;

namespace kyt
{

class KYTWIDGETS_PRIVATE_EXPORT frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblProduct() const { return m_lblProduct; }
    QLabel* lblCompany() const { return m_lblCompany; }
    QLabel* lblCopyright() const { return m_lblCopyright; }
    QPushButton* cmdMoreInfo() const { return m_cmdMoreInfo; }

    // The colour of band y of a window n pixels high (the fade's step).
    static int fadeLevel(int y, int n);
    // Shows the comments, one line per ";"-separated item.
    void cmdMoreInfo_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FadeForm(QPainter& p, bool red, bool green, bool blue);

    QString m_moduleSource;
    QLabel* m_imgLogo;
    QLabel* m_lblProduct;
    QLabel* m_lblCompany;
    QLabel* m_lblCopyright;
    QPushButton* m_cmdOk;
    QPushButton* m_cmdMoreInfo;
};

} // namespace kyt
