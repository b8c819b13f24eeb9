#include "support/TestSupport.h"
#include <QDir>
#include <QProcess>

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

} // namespace kyt::test
