#include "dialogs/frmMessage.h"

#include "errors/ModuleSource.h"
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kyt
{

frmMessage::frmMessage(QWidget* parent)
    : QDialog(parent)
{
    m_moduleSource = kyt::moduleSource(".frmMessage (");
    setObjectName(QStringLiteral("frmMessage"));
    setWindowTitle(tr("Message to User"));
    m_lblLabel = new QLabel(this);
    m_lblLabel->setObjectName(QStringLiteral("lblLabel"));
    m_lblLabel->setWordWrap(true);
    m_lblLabel->setMinimumWidth(260);
    m_cmdCancel = new QPushButton(tr("&Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblLabel);
    layout->addWidget(m_cmdCancel, 0, Qt::AlignHCenter);
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] {
        m_cancel = true;
        hide();
    });
}

QString frmMessage::Message() const
{
    return m_lblLabel->text();
}
void frmMessage::setMessage(const QString& text)
{
    m_lblLabel->setText(text);
}
void frmMessage::setAllowCancel(bool allow)
{
    m_cmdCancel->setVisible(allow);
}

void frmMessage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the screen, in front.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    raise();
}

} // namespace kyt
