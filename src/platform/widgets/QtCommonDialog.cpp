#include "platform/widgets/QtCommonDialog.h"

#include "errors/MessageBox.h"
#include "platform/widgets/AppIcon.h"
#include "platform/widgets/QtMessageBox.h"
#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace kyt
{

QWidget* QtCommonDialog::dialogParent()
{
    // The modal dialog that asks comes first: without a window manager
    // (or before activation arrives) there is no active window, and a
    // dialog without a parent lands in the middle of the screen.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QFont QtCommonDialog::fontDialogStart(const QFont& requested)
{
    // The family the object is really drawn with: a family that is not
    // installed would leave the dialog on its own first entry and size.
    QFont start(QFontInfo(requested).family());
    if (requested.pointSizeF() > 0)
        start.setPointSizeF(requested.pointSizeF());
    start.setBold(requested.bold());
    start.setItalic(requested.italic());
    start.setUnderline(requested.underline());
    start.setStrikeOut(requested.strikeOut());
    return start;
}

QStringList QtCommonDialog::qtFilters(const QString& filter)
{
    QStringList out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString shown = QLatin1Char('(') + patterns.trimmed() + QLatin1Char(')');
        const QString description = parts[i].trimmed();
        // A description that already shows its patterns is not given them twice.
        const auto bare = [](QString t) { return t.remove(QLatin1Char(' ')); };
        if (bare(description).endsWith(bare(shown)))
            out << description;
        else
            out << description + QLatin1Char(' ') + shown;
    }
    return out;
}

QString QtCommonDialog::defaultSuffix(const QString& filter, int filterIndex)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    const int at = 2 * (filterIndex - 1) + 1;
    if (filterIndex < 1 || at >= parts.size())
        return QString();
    static const QRegularExpression single(QStringLiteral("^\\*\\.([A-Za-z0-9]+)$"));
    const auto m = single.match(parts[at].trimmed());
    return m.hasMatch() ? m.captured(1) : QString();
}

QString QtCommonDialog::helpFolder()
{
    QStringList candidates;
    const QString env = qEnvironmentVariable("KYT_HELP_DIR");
    if (!env.isEmpty())
        candidates << env;
#ifdef KYT_SOURCE_HELP_DIR
    candidates << QStringLiteral(KYT_SOURCE_HELP_DIR);
#endif
#ifdef KYT_INSTALLED_HELP_DIR
    candidates << QStringLiteral(KYT_INSTALLED_HELP_DIR);
#endif
    for (const QString& dir : candidates)
        if (QFileInfo::exists(dir + QStringLiteral("/index.html")))
            return dir;
    return candidates.isEmpty() ? QString() : candidates.last();
}

QString QtCommonDialog::helpFile()
{
    return helpFolder() + QStringLiteral("/index.html");
}

std::optional<CommonDialogAnswer> QtCommonDialog::Show(const CommonDialogRequest& r)
{
    switch (r.kind) {
    case CommonDialogKind::Open:
    case CommonDialogKind::Save: {
        QFileDialog dialog(dialogParent(), r.title);
        const bool save = r.kind == CommonDialogKind::Save;
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        const QStringList filters = qtFilters(r.filter);
        dialog.setNameFilters(filters);
        if (r.filterIndex >= 1 && r.filterIndex <= filters.size())
            dialog.selectNameFilter(filters[r.filterIndex - 1]);
        if (save)
            dialog.setDefaultSuffix(defaultSuffix(r.filter, r.filterIndex));
        if (!r.fileName.isEmpty())
            dialog.selectFile(r.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return CommonDialogAnswer(dialog.selectedFiles().first());
    }
    case CommonDialogKind::Color: {
        const QColor c = QColorDialog::getColor(r.color.isValid() ? r.color : QColor(Qt::white), dialogParent(),
            r.title.isEmpty() ? QCoreApplication::translate("kyt::QtCommonDialog", "Color") : r.title);
        if (!c.isValid())
            return std::nullopt;
        return CommonDialogAnswer(c);
    }
    case CommonDialogKind::Font: {
        QFontDialog dialog(dialogParent());
        dialog.setWindowTitle(r.title.isEmpty() ? QCoreApplication::translate("kyt::QtCommonDialog", "Font") : r.title);
        const QFont start = fontDialogStart(r.font);
        dialog.setCurrentFont(start);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        QFont chosen = dialog.selectedFont();
        // The family left as it started keeps the object's own name
        // ("Arial", drawn with its metric twin), so OK alone renames nothing.
        if (chosen.family() == start.family() && !r.font.family().isEmpty())
            chosen.setFamily(r.font.family());
        return CommonDialogAnswer(chosen);
    }
    case CommonDialogKind::PrinterSetup: {
        QPrinter printer;
        if (!r.printerName.isEmpty())
            printer.setPrinterName(r.printerName);
        printer.setPageOrientation(r.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
        QPrintDialog dialog(&printer, dialogParent());
        dialog.setWindowTitle(
            r.title.isEmpty() ? QCoreApplication::translate("kyt::QtCommonDialog", "Print Setup") : r.title);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        // Set-up only chooses the printer; nothing prints on OK.
        for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>())
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
                ok->setText(QCoreApplication::translate("kyt::QtCommonDialog", "&OK"));
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        PrinterChoice choice;
        choice.printerName = printer.printerName();
        choice.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
        choice.copies = printer.copyCount();
        return CommonDialogAnswer(choice);
    }
    case CommonDialogKind::Help: {
        HelpWindow* help = HelpWindow::instance();
        help->showHelp(r.helpFile.isEmpty() ? helpFile() : r.helpFile, r.helpCommand, r.helpKey);
        return CommonDialogAnswer(true);
    }
    }
    return std::nullopt;
}

void installGuiDialogs()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())
        || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    if (messageBoxIsConsoleDefault())
        setMessageBox(std::make_shared<QtMessageBox>());
    if (commonDialogIsNullDefault())
        setCommonDialog(std::make_shared<QtCommonDialog>());
}

// --- Help window ---------------------------------------------------------------

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QCoreApplication::translate("kyt::QtCommonDialog", "KYTPreview Help"));
    setWindowIcon(appIcon());
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tbsHelp"));
    m_contents = new QTreeWidget(m_tabs);
    m_contents->setObjectName(QStringLiteral("tvwContents"));
    m_contents->setHeaderHidden(true);
    auto* searchPage = new QWidget(m_tabs);
    auto* searchLayout = new QVBoxLayout(searchPage);
    auto* label
        = new QLabel(QCoreApplication::translate("kyt::QtCommonDialog", "&Type the word(s) to find:"), searchPage);
    m_query = new QLineEdit(searchPage);
    m_query->setObjectName(QStringLiteral("txtSearch"));
    label->setBuddy(m_query);
    m_results = new QListWidget(searchPage);
    m_results->setObjectName(QStringLiteral("lstResults"));
    m_noHits = new QLabel(searchPage);
    m_noHits->setObjectName(QStringLiteral("lblNoHits"));
    m_noHits->setWordWrap(true);
    m_noHits->hide();
    searchLayout->addWidget(label);
    searchLayout->addWidget(m_query);
    searchLayout->addWidget(m_noHits);
    searchLayout->addWidget(m_results);
    m_tabs->addTab(m_contents, QCoreApplication::translate("kyt::QtCommonDialog", "&Contents"));
    m_tabs->addTab(searchPage, QCoreApplication::translate("kyt::QtCommonDialog", "&Search"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtPage"));
    m_browser->setOpenLinks(true);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(820, 560);

    connect(m_contents, &QTreeWidget::itemActivated, this,
        [this](QTreeWidgetItem* item) { openPage(item->data(0, Qt::UserRole).toString()); });
    connect(m_contents, &QTreeWidget::itemClicked, this,
        [this](QTreeWidgetItem* item) { openPage(item->data(0, Qt::UserRole).toString()); });
    connect(m_query, &QLineEdit::textChanged, this, &HelpWindow::runSearch);
    // Alt+S, a click on the tab: the next keys typed are the search words.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (m_tabs->widget(index) == m_query->parentWidget())
            m_query->setFocus();
    });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    connect(m_results, &QListWidget::itemActivated, this,
        [this](QListWidgetItem* item) { openPage(item->data(Qt::UserRole).toString()); });
    connect(m_results, &QListWidget::itemClicked, this,
        [this](QListWidgetItem* item) { openPage(item->data(Qt::UserRole).toString()); });
}

HelpWindow* HelpWindow::instance()
{
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow;
    return window;
}

void HelpWindow::loadPages(const QString& folder)
{
    if (folder == m_folder && !m_pages.empty())
        return;
    m_folder = folder;
    m_pages.clear();
    m_contents->clear();
    // The start page lists the other pages in contents order.
    QStringList files { QStringLiteral("index.html") };
    QFile index(folder + QStringLiteral("/index.html"));
    if (index.open(QIODevice::ReadOnly)) {
        static const QRegularExpression link(QStringLiteral("href=\"([A-Za-z0-9_-]+\\.html)\""));
        const QString html = QString::fromUtf8(index.readAll());
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString f = it.next().captured(1);
            if (!files.contains(f))
                files << f;
        }
    }
    static const QRegularExpression titleRe(QStringLiteral("<title>(.*?)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression keywordsRe(
        QStringLiteral("<meta name=\"keywords\" content=\"([^\"]*)\""), QRegularExpression::CaseInsensitiveOption);
    for (const QString& f : files) {
        QFile file(folder + QLatin1Char('/') + f);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString html = QString::fromUtf8(file.read(1 << 20));
        QTextDocument doc;
        doc.setHtml(html);
        Page page { f, titleRe.match(html).captured(1).trimmed(), keywordsRe.match(html).captured(1),
            doc.toPlainText() };
        if (page.title.isEmpty())
            page.title = f;
        auto* item = new QTreeWidgetItem(m_contents, QStringList { page.title });
        item->setData(0, Qt::UserRole, f);
        m_pages.push_back(std::move(page));
    }
    m_browser->setSearchPaths({ folder });
}

QStringList HelpWindow::contents() const
{
    QStringList out;
    for (const Page& p : m_pages)
        out << p.title;
    return out;
}

QStringList HelpWindow::search(const QString& query) const
{
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    QStringList strong, weak;
    for (const Page& p : m_pages) {
        bool all = true, inHead = true;
        for (const QString& w : words) {
            const bool head = p.title.contains(w, Qt::CaseInsensitive) || p.keywords.contains(w, Qt::CaseInsensitive);
            inHead = inHead && head;
            if (!head && !p.text.contains(w, Qt::CaseInsensitive)) {
                all = false;
                break;
            }
        }
        if (all)
            (inHead ? strong : weak) << p.title;
    }
    return strong + weak;
}

void HelpWindow::runSearch()
{
    m_results->clear();
    const QString words = m_query->text().simplified();
    const QStringList found = search(words);
    m_noHits->setVisible(!words.isEmpty() && found.isEmpty());
    m_noHits->setText(QCoreApplication::translate("kyt::QtCommonDialog", "Nothing was found for \"%1\".").arg(words));
    for (const QString& title : found) {
        auto* item = new QListWidgetItem(title, m_results);
        for (const Page& p : m_pages)
            if (p.title == title)
                item->setData(Qt::UserRole, p.file);
    }
}

void HelpWindow::openPage(const QString& file)
{
    if (!file.isEmpty())
        m_browser->setSource(QUrl::fromLocalFile(m_folder + QLatin1Char('/') + file));
}

QString HelpWindow::currentPage() const
{
    return QFileInfo(m_browser->source().toLocalFile()).fileName();
}

void HelpWindow::showHelp(const QString& file, int command, const QString& key)
{
    const QFileInfo info(file);
    loadPages(info.absolutePath());
    if (command == HelpPartialKey) {
        m_tabs->setCurrentIndex(1);
        m_query->setText(key);
        m_query->setFocus();
    } else {
        m_tabs->setCurrentIndex(0);
    }
    openPage(info.fileName().isEmpty() ? QStringLiteral("index.html") : info.fileName());
    show();
    raise();
    activateWindow();
}

} // namespace kyt
