// The designer, a dialog and the library's messages in the user's language:
// German where the locale says German, the English of the sources otherwise.
#include <gtest/gtest.h>

#include "DesignerTestSupport.h"
#include "dialogs/frmIDProperties.h"
#include "errors/CError.h"
#include "util/Translations.h"
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace kyt;
using namespace kyt::test;

namespace
{

// The default locale and its catalogues for one case; English again after it.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope()
    {
        QLocale::setDefault(m_before);
        installTranslations(QLocale::c());
    }

private:
    QLocale m_before;
};

TEST(Translations, DesignerDialogAndMessagesFollowTheLocale)
{
    const struct {
        QLocale locale;
        bool catalogue;
        const char* firstMenu;
        const char* redo;
        const char* dialogTitle;
        const char* cancel;
        const char* oneLine;
    } cases[] = {
        { QLocale(QLocale::German, QLocale::Germany), true, "&Ausweis", "&Wiederholen", "Vorlageneigenschaften",
            "&Abbrechen", "Fehler (Fehler 5)" },
        { QLocale(QLocale::German, QLocale::Switzerland), true, "&Ausweis", "&Wiederholen", "Vorlageneigenschaften",
            "&Abbrechen", "Fehler (Fehler 5)" },
        { QLocale::c(), false, "&ID", "&Redo", "Template Properties", "&Cancel", "error (error 5)" },
        { QLocale(QLocale::English, QLocale::UnitedStates), false, "&ID", "&Redo", "Template Properties", "&Cancel",
            "error (error 5)" },
        { QLocale(QLocale::French, QLocale::France), false, "&ID", "&Redo", "Template Properties", "&Cancel",
            "error (error 5)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        LocaleScope scope(c.locale);
        EXPECT_EQ(installTranslations(), c.catalogue);

        Designer d;
        const QList<QAction*> menus = d.window.menuBar()->actions();
        ASSERT_FALSE(menus.isEmpty());
        EXPECT_EQ(menus.first()->text(), QString::fromUtf8(c.firstMenu));
        const QAction* redo = d.window.menuAction(QStringLiteral("mnuEditRedo"));
        ASSERT_NE(redo, nullptr);
        EXPECT_EQ(redo->text(), QString::fromUtf8(c.redo));

        frmIDProperties dialog;
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.dialogTitle));
        const auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"));
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), QString::fromUtf8(c.cancel));

        EXPECT_EQ(CError::oneLine(5, QString()), QString::fromUtf8(c.oneLine));
    }
}

} // namespace
