#include "support/TestSupport.h"

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

} // namespace kyt::test
