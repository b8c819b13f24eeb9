// The command line after the program has loaded this module: the
// application each command needs, its arguments and its run.
#include "Command.h"
#include "cli/OptionTable.h"
#include "cli/ProgramModules.h"
#include "errors/CError.h"
#include "errors/EventLog.h"
#include "kyt/Version.h"
#include "util/TerminalText.h"
#include "util/Translations.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <unistd.h>

namespace kyt::cli
{

namespace
{
void printUsage()
{
    std::fputs(qPrintable(programHelp()), stdout);
}

// What keeps Qt from opening a window (empty when nothing does). Without a
// platform named, Qt picks xcb, which needs DISPLAY; a Wayland session
// without X is named for Qt when its plugin is there.
QString missingDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || (!platform.isEmpty() && platform != "xcb"))
        return QString();
    if (platform == "xcb")
        return QCoreApplication::translate("kyt::cli", "QT_QPA_PLATFORM is xcb and DISPLAY is unset");
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QCoreApplication::translate("kyt::cli", "DISPLAY and WAYLAND_DISPLAY are unset");
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    if (plugins.entryList({ QStringLiteral("*qwayland*") }, QDir::Files).isEmpty())
        return QCoreApplication::translate(
            "kyt::cli", "DISPLAY is unset and Qt's Wayland platform plugin is not installed");
    qputenv("QT_QPA_PLATFORM", "wayland");
    return QString();
}

bool g_verbose = false;

// Qt's own warnings (a runtime folder it dislikes, a font it misses) go to
// the log, so an error stays one line on the terminal; --verbose shows them.
void routeQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (g_verbose || type == QtFatalMsg) {
        std::fputs(escapeControls(text).toUtf8().constData(), stderr);
        std::fputc('\n', stderr);
        return;
    }
    // A warning raised while one is being logged is dropped, not looped.
    static thread_local bool logging = false;
    if (logging)
        return;
    logging = true;
    EventLog::write(QCoreApplication::translate("kyt::cli", "Qt: %1").arg(text),
        type == QtWarningMsg || type == QtCriticalMsg ? EventLog::Warning : EventLog::Information);
    logging = false;
}
// While the window application starts, Qt's platform messages are held:
// when no platform can start (DISPLAY names a display that does not
// answer) Qt ends with a fatal message, which becomes the one-line "no
// display" error instead of an abort.
struct StartingWindow {
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    static inline QString command;
    static inline QList<Held> held;
    static inline QtMessageHandler previous = nullptr;
    static inline std::mutex lock; // Qt may speak from its own threads

    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type != QtFatalMsg) {
            const std::lock_guard<std::mutex> guard(lock);
            held.append({ type, QByteArray(context.category), text });
            return;
        }
        const QString display = qEnvironmentVariable("DISPLAY");
        const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("xcb"));
        const QString why = platform == QLatin1String("xcb") && !display.isEmpty()
            ? QCoreApplication::translate("kyt::cli", "DISPLAY %1 does not answer").arg(display)
            : QCoreApplication::translate("kyt::cli", "Qt's %1 platform could not start").arg(platform);
        printErr(QCoreApplication::translate("kyt::cli",
            "kytpreview %1: no display to open a window on (%2); QT_QPA_PLATFORM=offscreen "
            "runs it without a screen, e.g. for --screenshot")
                     .arg(command, why));
        std::fflush(stdout);
        std::_Exit(1);
    }

    explicit StartingWindow(const QString& name)
    {
        command = name;
        previous = qInstallMessageHandler(handler);
    }
    // Started: what Qt said meanwhile goes where it would have gone.
    ~StartingWindow()
    {
        qInstallMessageHandler(previous);
        const std::lock_guard<std::mutex> guard(lock);
        for (const Held& h : held) {
            if (!previous)
                break;
            const QMessageLogContext context(
                nullptr, 0, nullptr, h.category.isEmpty() ? "default" : h.category.constData());
            previous(h.type, context, h.text);
        }
        held.clear();
    }
    StartingWindow(const StartingWindow&) = delete;
    StartingWindow& operator=(const StartingWindow&) = delete;
};

// Commands that only read and write text (no drawing, no fonts, no
// pictures) start a core application: no platform plugin is loaded and no
// font configuration read, which is most of a start.
bool textOnly(const QString& word, bool wantsHelp)
{
    static const QStringList words = { QStringLiteral("version"), QStringLiteral("settings"), QStringLiteral("targets"),
        QStringLiteral("printers"), QStringLiteral("--version"), QStringLiteral("--help"), QStringLiteral("-h"),
        QStringLiteral("help"), QString() };
    return wantsHelp || words.contains(word);
}
} // namespace

} // namespace kyt::cli

int kyt_run_program(int argc, char** argv)
{
    using namespace kyt::cli;
    // --verbose anywhere: Qt's messages on standard error. Taken out before
    // the command sees its arguments.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--verbose") != 0)
            continue;
        g_verbose = true;
        for (int j = i; j + 1 < argc; ++j)
            argv[j] = argv[j + 1];
        --argc;
        --i;
    }
    qInstallMessageHandler(routeQtMessage);
    const QString word = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    // Every command has its table (help, manual page, completion); the
    // window commands run in the window module, the others are linked in.
    const CommandTable* table = findCommandTable(word);
    const Command* cmd = nullptr;
    for (const Command& c : commands())
        if (c.name == word)
            cmd = &c;
    Q_ASSERT(!table || table->needsWindow || cmd);

    bool wantsHelp = false;
    for (int i = 2; i < argc; ++i)
        wantsHelp = wantsHelp || std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
    // Headless unless a command opens a window: no display is required to
    // render, print or show a command's help.
    const bool window = table && table->needsWindow && !wantsHelp;
    if (!window && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt aborts when its platform finds no display; say what is missing instead.
    if (const QString missing = window ? missingDisplay() : QString(); !missing.isEmpty()) {
        printErr(QCoreApplication::translate("kyt::cli",
            "kytpreview %1: no display to open a window on (%2); QT_QPA_PLATFORM=offscreen "
            "runs it without a screen, e.g. for --screenshot")
                     .arg(table->name, missing));
        return 1;
    }
    // Batch jobs often run without a login session; give Qt the private
    // runtime folder it would pick itself, without its warning on every run.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(::getuid());
        if (QDir().mkpath(runtime)
            && QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    std::unique_ptr<QCoreApplication> app;
    WindowModule windows {};
    if (window) {
        try {
            windows = loadWindowModule();
        } catch (const kyt::KytError& e) {
            printErr(QStringLiteral("kytpreview %1: %2").arg(table->name, e.description()));
            return 1;
        }
        StartingWindow starting(table->name);
        app.reset(windows.createApplication(&argc, argv));
    } else if (textOnly(word, wantsHelp)) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("kytpreview"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kyt::VersionMajor).arg(kyt::VersionMinor).arg(kyt::VersionRevision));
    // Messages and help in the user's language (LANG, LC_ALL, LC_MESSAGES).
    kyt::installTranslations();

    if (word.isEmpty() || word == QLatin1String("--help") || word == QLatin1String("-h")
        || word == QLatin1String("help")) {
        printUsage();
        return word.isEmpty() ? 2 : 0;
    }
    if (word == QLatin1String("--version")) {
        printOut(QStringLiteral("%1 %2").arg(QLatin1String(kyt::ProductName), QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!table) {
        QStringList names;
        for (const CommandTable& t : commandTables())
            names << t.name;
        const QStringList near = closestNames(word, names);
        printErr(QCoreApplication::translate("kyt::cli", "kytpreview: unknown command '%1'%2 (see kytpreview --help)")
                     .arg(word,
                         near.isEmpty() ? QString()
                                        : QCoreApplication::translate("kyt::cli", "; did you mean %1?")
                                              .arg(near.join(QCoreApplication::translate("kyt::cli", " or ")))));
        return 2;
    }
    QStringList args = QCoreApplication::arguments().mid(2);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        printOut(helpText(*table).trimmed());
        return 0;
    }
    ParsedArgs parsed;
    if (int rc = parseArguments(*table, args, &parsed))
        return rc;
    return window ? windows.run(&table->name, &parsed) : cmd->run(parsed);
}
