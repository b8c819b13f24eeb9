// kytpreview-clidoc: writes the manual pages and the shell completion of
// kytpreview from its option tables (run by the build), and lists a
// command's options for the tests that compare help and manual pages with
// the tables.
#include "OptionTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

using namespace kyt::cli;

namespace
{

bool write(const QString& file, const QString& text)
{
    QSaveFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0 || !f.commit()) {
        std::fprintf(stderr, "kytpreview-clidoc: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

int usage()
{
    std::fputs("Usage: kytpreview-clidoc man DIR VERSION | completion bash|zsh|fish FILE |\n"
               "       options COMMAND | commands\n",
        stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = QCoreApplication::arguments().mid(1);
    if (a.size() == 3 && a[0] == QLatin1String("man")) {
        QDir().mkpath(a[1]);
        bool ok = write(a[1] + QStringLiteral("/kytpreview.1"), programManPage(a[2]));
        for (const CommandTable& c : commandTables())
            ok = write(a[1] + QStringLiteral("/kytpreview-%1.1").arg(c.name), commandManPage(c, a[2])) && ok;
        return ok ? 0 : 1;
    }
    if (a.size() == 3 && a[0] == QLatin1String("completion")) {
        const QString text = a[1] == QLatin1String("bash") ? bashCompletion()
            : a[1] == QLatin1String("zsh")                 ? zshCompletion()
            : a[1] == QLatin1String("fish")                ? fishCompletion()
                                                           : QString();
        if (text.isEmpty())
            return usage();
        return write(a[2], text) ? 0 : 1;
    }
    if (a.size() == 2 && a[0] == QLatin1String("options")) {
        const CommandTable* table = findCommandTable(a[1]);
        if (!table)
            return usage();
        for (const OptionEntry* o : table->shownOptions())
            for (const QString& n : o->spelled())
                std::printf("%s\n", qPrintable(n));
        return 0;
    }
    if (a.size() == 1 && a[0] == QLatin1String("commands")) {
        for (const CommandTable& c : commandTables())
            std::printf("%s\n", qPrintable(c.name));
        return 0;
    }
    return usage();
}
