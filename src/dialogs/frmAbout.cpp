#include "dialogs/frmAbout.h"

#include "errors/MessageBox.h"
#include "errors/ModuleSource.h"
#include "kyt/Version.h"
#include "platform/widgets/AppIcon.h"
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace kyt
{

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    m_moduleSource = kyt::moduleSource(".frmAbout (");
    setObjectName(QStringLiteral("frmAbout"));
    const QString product = QLatin1String(ProductName);
    setWindowTitle(tr("About ") + product);

    m_imgLogo = new QLabel(this);
    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->setPixmap(appIcon().pixmap(48, 48));
    m_lblProduct = new QLabel(product + QLatin1Char(' ')
            + QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision),
        this);
    m_lblProduct->setObjectName(QStringLiteral("lblProduct"));
    QFont big = m_lblProduct->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    m_lblProduct->setFont(big);
    m_lblCompany = new QLabel(QLatin1String(CompanyName), this);
    m_lblCompany->setObjectName(QStringLiteral("lblCompany"));
    m_lblCopyright = new QLabel(QLatin1String(LegalCopyright), this);
    m_lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    for (QLabel* l : { m_lblProduct, m_lblCompany, m_lblCopyright }) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
    }
    m_cmdOk = new QPushButton(tr("&Ok"), this);
    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));
    m_cmdOk->setDefault(true);
    m_cmdMoreInfo = new QPushButton(tr("&More Info."), this);
    m_cmdMoreInfo->setObjectName(QStringLiteral("cmdMoreInfo"));
    m_cmdMoreInfo->setVisible(QString::fromUtf8(Comments).trimmed().size() > 0);
    connect(m_cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdMoreInfo, &QPushButton::clicked, this, &frmAbout::cmdMoreInfo_Click);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_imgLogo, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(m_lblProduct, 0, 1);
    layout->addWidget(m_lblCompany, 1, 1);
    layout->addWidget(m_lblCopyright, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdMoreInfo);
    buttons->addWidget(m_cmdOk);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    setMinimumSize(380, 180);
}

int frmAbout::fadeLevel(int y, int n)
{
    if (n <= 0)
        return 240;
    const int c = 240 - (y * 245) / n;
    return c < 0 ? 0 : c;
}

void frmAbout::FadeForm(QPainter& p, bool red, bool green, bool blue)
{
    const int n = height();
    const int band = std::max(1, int(std::lround(n / 64.0 + 0.5)));
    for (int y = 0; y <= n; y += band) {
        const int c = fadeLevel(y, n);
        p.fillRect(QRect(0, y - 2, width(), band + 5), QColor(red ? c : 0, green ? c : 0, blue ? c : 0));
    }
}

void frmAbout::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    FadeForm(p, false, true, true);
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void frmAbout::cmdMoreInfo_Click()
{
    QString text = QString::fromUtf8(Comments);
    text.replace(QLatin1Char(';'), QStringLiteral("\r\n"));
    MsgBox(text, vbOKOnly);
}

} // namespace kyt
