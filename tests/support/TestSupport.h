#pragma once
// Helpers shared by the tests.

#include "errors/CError.h"
#include "errors/MessageBox.h"
#include "platform/CommonDialog.h"
#include "platform/Picture.h"
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace kyt::test
{

// Installs a fresh scripted message box for the life of the object.
class ScriptedBoxScope
{
public:
    ScriptedBoxScope();
    ~ScriptedBoxScope();
    ScriptedMessageBox& box() { return *m_box; }

private:
    std::shared_ptr<ScriptedMessageBox> m_box;
    std::shared_ptr<IMessageBox> m_previous;
};

// Installs a scripted common dialog for the life of the object.
class ScriptedDialogScope
{
public:
    ScriptedDialogScope()
        : m_dialog(std::make_shared<ScriptedCommonDialog>())
        , m_previous(setCommonDialog(m_dialog))
    {
    }
    ~ScriptedDialogScope() { setCommonDialog(m_previous); }
    ScriptedCommonDialog& dialog() { return *m_dialog; }

private:
    std::shared_ptr<ScriptedCommonDialog> m_dialog;
    std::shared_ptr<ICommonDialog> m_previous;
};

// Path of a file under tests/data.
QString dataFile(const QString& name);

// A reporter that logs but shows nothing; lastLogLine() tells what it got.
inline std::shared_ptr<CError> quietError()
{
    auto e = std::make_shared<CError>();
    e->setDisplayError(false);
    return e;
}

inline Picture solidPicture(int w, int h, QRgb colour)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return Picture(img);
}

// Sets an object's box, in the order left, top, width, height.
template <typename T> void place(T& o, float left, float top, float width, float height)
{
    o.setleft(left);
    o.settop(top);
    o.setWidth(width);
    o.setHeight(height);
}

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The number of the KytError f throws; 0 when it throws none.
inline qint32 errorNumberOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const KytError& e) {
        return e.number();
    }
    return 0;
}

// The description of the KytError f throws; empty when it throws none.
inline QString errorTextOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const KytError& e) {
        return e.description();
    }
    return QString();
}

// A private PostgreSQL server, started by the repository's script on a unix
// socket in a temporary folder and stopped again when this goes.
class PostgresServer
{
public:
    PostgresServer();
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;
    bool running() const { return m_failure.isEmpty(); }
    // Why it did not start, for the test's skip message.
    const QString& failure() const { return m_failure; }
    // The socket folder: the host name to connect to.
    const QString& socketDir() const { return m_socketDir; }

private:
    QTemporaryDir m_dir;
    QString m_socketDir, m_failure;
};

#ifdef KYT_TEST_WIDGETS
// What keeps a dialog from reaching every button, check box, option button
// and labelled field with an Alt+letter of its own: one line per control
// without a letter, with a letter another already has, or per field label
// that focuses no field. Empty when there is nothing.
QStringList accessKeyProblems(const QWidget& dialog);
#endif

} // namespace kyt::test
