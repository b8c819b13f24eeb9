#include "dialogs/frmSelectDataField.h"

#include "errors/ModuleSource.h"
#include "platform/widgets/ModalRunner.h"
#include "template/CPrintData.h"
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kyt
{

frmSelectDataField::frmSelectDataField(QWidget* parent)
    : QDialog(parent)
{
    m_moduleSource = kyt::moduleSource(".frmSelectDataField (");
    setObjectName(QStringLiteral("frmSelectDataField"));
    setWindowTitle(QStringLiteral("Select Data Field"));
    setModal(true);
    m_lstDescription = new QListWidget(this);
    m_lstDescription->setObjectName(QStringLiteral("lstDescription"));
    m_txtFieldName = new QLineEdit(this);
    m_txtFieldName->setObjectName(QStringLiteral("txtFieldName"));
    m_cmdOk = new QPushButton(QStringLiteral("&Ok"), this);
    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));
    m_cmdOk->setDefault(true);
    m_cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("&Field name:"), this);
    label->setBuddy(m_txtFieldName);
    layout->addWidget(m_lstDescription);
    layout->addWidget(label);
    layout->addWidget(m_txtFieldName);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOk);
    buttons->addWidget(m_cmdCancel);
    layout->addLayout(buttons);

    connect(m_lstDescription, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { m_txtFieldName->setText(item->text()); });
    connect(m_lstDescription, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_txtFieldName->setText(item->text());
        m_userCancel = false;
        hide();
    });
    connect(m_cmdOk, &QPushButton::clicked, this, [this] {
        m_userCancel = false;
        hide();
    });
    connect(m_cmdCancel, &QPushButton::clicked, this, [this] {
        m_userCancel = true;
        hide();
    });
}

void frmSelectDataField::Setup(const QString& fieldName, const CPrintData& printData)
{
    m_txtFieldName->setText(fieldName);
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
