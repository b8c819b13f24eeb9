#pragma once
// Helpers shared by the tests.

#include <QString>
#include <memory>
#include "platform/MessageBox.h"

namespace kyt::test {

// Installs a fresh scripted message box for the life of the object.
class ScriptedBoxScope {
public:
    ScriptedBoxScope();
    ~ScriptedBoxScope();
    ScriptedMessageBox& box() { return *m_box; }

private:
    std::shared_ptr<ScriptedMessageBox> m_box;
    std::shared_ptr<IMessageBox> m_previous;
};

// Path of a file under tests/data.
QString dataFile(const QString& name);

} // namespace kyt::test
