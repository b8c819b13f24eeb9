#include "util/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace kyt
{

namespace
{

// Owned by the application object, so they go with it.
QPointer<QTranslator> g_own;
QPointer<QTranslator> g_qt;
QPointer<QCoreApplication> g_installedFor;

void drop(QPointer<QTranslator>& t)
{
    if (t) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    t = nullptr;
}

} // namespace

bool installTranslations(const QLocale& locale)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return false;
    drop(g_own);
    drop(g_qt);
    g_installedFor = app;
    auto* qt = new QTranslator(app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        g_qt = qt;
    } else {
        delete qt;
    }
    auto* own = new QTranslator(app);
    if (own->load(locale, QStringLiteral("kytpreview"), QStringLiteral("_"), QStringLiteral(":/kytpreview/i18n"))) {
        QCoreApplication::installTranslator(own);
        g_own = own;
        return true;
    }
    delete own;
    return false;
}

void ensureTranslations()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app != nullptr && g_installedFor != app)
        installTranslations(QLocale());
}

} // namespace kyt
