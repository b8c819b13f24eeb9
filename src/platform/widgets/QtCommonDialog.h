#pragma once
// The common dialogs as Qt dialogs, for hosts with a window system: file
// open and save (with "description|pattern" filters), colour, font,
// printer set-up, and help in a help window over the HTML pages that ship
// with the library.

#include "kyt/kytwidgets_export.h"
#include "platform/CommonDialog.h"
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace kyt
{

class KYTWIDGETS_EXPORT QtCommonDialog : public ICommonDialog
{
public:
    std::optional<CommonDialogAnswer> Show(const CommonDialogRequest& request) override;

    // "Desc(*.a)|*.a|All|*.a;*.b" -> {"Desc(*.a) (*.a)", "All (*.a *.b)"}.
    static QStringList qtFilters(const QString& filter);
    // The extension of a filter entry's single pattern ("*.tpl" -> "tpl"); empty otherwise.
    static QString defaultSuffix(const QString& filter, int filterIndex);

    // Folder of the help pages: $KYT_HELP_DIR, the source tree's, the installed one.
    static QString helpFolder();
    // The help's start page.
    static QString helpFile();

    // The window a colour, font, file or printer dialog belongs to: the
    // modal dialog that asks, else the active window.
    static QWidget* dialogParent();
    // What the font dialog starts on for an object's font: the family it
    // is drawn with, its size and style.
    static QFont fontDialogStart(const QFont& requested);
};

// Installs the Qt message box and common dialogs in a program with a window
// system, unless someone (a test, the host) already installed their own.
KYTWIDGETS_EXPORT void installGuiDialogs();

// The help window: contents and keyword search over the help pages.
class KYTWIDGETS_EXPORT HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The shared window, created on first use.
    static HelpWindow* instance();

    // Opens a help file: command 3 shows the contents, 261 the search with
    // the key filled in.
    void showHelp(const QString& file, int command, const QString& key);
    // Pages whose title, keywords or text contain every word of the query
    // (case ignored), best matches first: title + keyword hits before text hits.
    QStringList search(const QString& query) const;
    // Titles of the pages in contents order.
    QStringList contents() const;
    QString currentPage() const;
    void openPage(const QString& file);

private:
    struct Page {
        QString file;
        QString title;
        QString keywords;
        QString text;
    };
    void loadPages(const QString& folder);
    void runSearch();

    QString m_folder;
    std::vector<Page> m_pages;
    QTabWidget* m_tabs;
    QTreeWidget* m_contents;
    QLineEdit* m_query;
    QListWidget* m_results;
    QLabel* m_noHits; // "nothing was found" under the search words
    QTextBrowser* m_browser;
};

} // namespace kyt
