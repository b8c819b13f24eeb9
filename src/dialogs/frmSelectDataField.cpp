#include "dialogs/frmSelectDataField.h"

#include "errors/MessageBox.h"
#include "errors/ModuleSource.h"
#include "platform/widgets/ModalRunner.h"
#include "template/CPrintData.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kyt
{

frmSelectDataField::frmSelectDataField(QWidget* parent)
    : QDialog(parent)
{
    m_moduleSource = kyt::moduleSource(".frmSelectDataField (");
    setObjectName(QStringLiteral("frmSelectDataField"));
    setWindowTitle(tr("Select Data Field"));
    setModal(true);
    m_lstDescription = new QListWidget(this);
    m_lstDescription->setObjectName(QStringLiteral("lstDescription"));
    m_txtFieldName = new QLineEdit(this);
    m_txtFieldName->setObjectName(QStringLiteral("txtFieldName"));
    m_cmdOk = new QPushButton(tr("&Ok"), this);
    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));
    m_cmdOk->setDefault(true);
    m_cmdCancel = new QPushButton(tr("&Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Field name:"), this);
    label->setBuddy(m_txtFieldName);
    layout->addWidget(m_lstDescription);
    layout->addWidget(label);
    layout->addWidget(m_txtFieldName);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOk);
    buttons->addWidget(m_cmdCancel);
    layout->addLayout(buttons);

    // The name box comes first: a name typed at once lands there.
    setTabOrder(m_txtFieldName, m_lstDescription);
    setTabOrder(m_lstDescription, m_cmdOk);
    setTabOrder(m_cmdOk, m_cmdCancel);
    m_txtFieldName->installEventFilter(this);

    connect(m_lstDescription, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { m_txtFieldName->setText(item->text()); });
    connect(m_lstDescription, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_txtFieldName->setText(item->text());
        m_userCancel = false;
        hide();
    });
    connect(m_txtFieldName, &QLineEdit::textEdited, this, [this](const QString& text) { showMatch(text); });
    connect(m_cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] {
        m_userCancel = true;
        hide();
    });
}

void frmSelectDataField::Setup(const QString& fieldName, const CPrintData& printData)
{
    m_txtFieldName->setText(fieldName);
    m_txtFieldName->selectAll(); // typing replaces the name
    m_txtFieldName->setFocus(Qt::OtherFocusReason);
    m_lstDescription->clear();
    for (const auto& item : printData) {
        if (!item)
            continue;
        auto* row = new QListWidgetItem(item->Key().toString(), m_lstDescription);
        if (item->Key().toString() == fieldName) {
            row->setSelected(true);
            m_lstDescription->setCurrentItem(row);
        }
    }
}

QString frmSelectDataField::Description() const
{
    return m_txtFieldName->text();
}

void frmSelectDataField::cmdOk_Click()
{
    // An empty name would blank the field on the card.
    if (m_txtFieldName->text().trimmed().isEmpty()) {
        MsgBox(tr("Type a data field name or choose one from the list."), vbExclamation, tr("Select Data Field"));
        m_txtFieldName->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_userCancel = false;
    hide();
}

void frmSelectDataField::showMatch(const QString& typed)
{
    // The first name that starts with what was typed is shown selected;
    // the typed text stays as it is.
    m_lstDescription->clearSelection();
    if (typed.isEmpty())
        return;
    for (int i = 0; i < m_lstDescription->count(); ++i) {
        QListWidgetItem* row = m_lstDescription->item(i);
        if (row->text().startsWith(typed, Qt::CaseInsensitive)) {
            m_lstDescription->setCurrentItem(row);
            row->setSelected(true);
            m_lstDescription->scrollToItem(row);
            return;
        }
    }
}

bool frmSelectDataField::eventFilter(QObject* watched, QEvent* event)
{
    // Up and Down in the name box walk the list and take its names.
    if (watched == m_txtFieldName && event->type() == QEvent::KeyPress && m_lstDescription->count() > 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            // Without a selected name the walk starts at the first.
            const QListWidgetItem* selected = m_lstDescription->currentItem();
            const int current = selected && selected->isSelected() ? m_lstDescription->currentRow() : -1;
            const int step = key == Qt::Key_Down ? 1 : -1;
            const int next = current < 0 ? 0 : std::clamp(current + step, 0, m_lstDescription->count() - 1);
            QListWidgetItem* row = m_lstDescription->item(next);
            m_lstDescription->setCurrentItem(row);
            row->setSelected(true);
            m_txtFieldName->setText(row->text());
            m_txtFieldName->selectAll();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmSelectDataField::installChooser()
{
    CPrintData::setFieldChooser([](const QString& fieldName, CPrintData& data) -> std::optional<QString> {
        // Without a widget application there is no one to ask.
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return std::nullopt;
        frmSelectDataField dialog(QApplication::activeWindow());
        dialog.Setup(fieldName, data);
        execModal(dialog);
        if (dialog.UserCancel())
            return std::nullopt;
        return dialog.Description();
    });
}

namespace
{
// The widgets library answers SelectDataField from the moment it is loaded.
const bool g_chooserInstalled = [] {
    frmSelectDataField::installChooser();
    return true;
}();
} // namespace

} // namespace kyt
