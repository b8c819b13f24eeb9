#include "support/TestSupport.h"
#include <QDir>
#include <QProcess>
#ifdef KYT_TEST_WIDGETS
#include <QCheckBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#endif

namespace kyt::test
{

ScriptedBoxScope::ScriptedBoxScope()
    : m_box(std::make_shared<ScriptedMessageBox>())
{
    m_previous = setMessageBox(m_box);
}

ScriptedBoxScope::~ScriptedBoxScope()
{
    setMessageBox(m_previous);
}

QString dataFile(const QString& name)
{
    return QStringLiteral(KYT_TEST_DATA_DIR "/") + name;
}

PostgresServer::PostgresServer()
{
    // The server may run as another user (nobody, when the tests run as root).
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
    m_socketDir = m_dir.filePath(QStringLiteral("pg"));
    QDir().mkpath(m_socketDir);
    QProcess setup;
    setup.start(QStringLiteral("bash"),
        { QStringLiteral(KYT_SOURCE_DIR "/scripts/pg-setup.sh"), QStringLiteral("start"), m_socketDir });
    setup.waitForFinished(120000);
    if (setup.exitStatus() != QProcess::NormalExit || setup.exitCode() != 0)
        m_failure = QString::fromLocal8Bit(setup.readAllStandardError());
    if (!running() && m_failure.isEmpty())
        m_failure = QStringLiteral("pg-setup.sh failed");
}

PostgresServer::~PostgresServer()
{
    if (running())
        QProcess::execute(QStringLiteral("bash"),
            { QStringLiteral(KYT_SOURCE_DIR "/scripts/pg-setup.sh"), QStringLiteral("stop"), m_socketDir });
}

#ifdef KYT_TEST_WIDGETS
QStringList accessKeyProblems(const QWidget& dialog)
{
    auto describe = [](const QWidget* w, const QString& text) {
        return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName())
            + QStringLiteral(" \"") + text + QLatin1Char('"');
    };
    QStringList problems;
    QHash<QKeySequence, QString> taken;
    auto claim = [&](const QKeySequence& key, const QString& who) {
        if (key.isEmpty())
            problems << who + QStringLiteral(" has no access key");
        else if (taken.contains(key))
            problems << who + QStringLiteral(" repeats the key of ") + taken.value(key);
        else
            taken.insert(key, who);
    };
    for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QPushButton*>(b) && !qobject_cast<QCheckBox*>(b) && !qobject_cast<QRadioButton*>(b))
            continue;
        const QKeySequence letter = QKeySequence::mnemonic(b->text());
        claim(letter.isEmpty() ? b->shortcut() : letter, describe(b, b->text()));
    }
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        const QString text = label->text();
        if (!label->buddy() && !text.trimmed().endsWith(QLatin1Char(':')))
            continue;
        if (!label->buddy())
            problems << describe(label, text) + QStringLiteral(" focuses no field");
        claim(QKeySequence::mnemonic(text), describe(label, text));
    }
    return problems;
}
#endif

} // namespace kyt::test
