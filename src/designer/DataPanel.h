#pragma once
// The Data panel of the designer (fraData): opens a data source, lists its
// fields with the current record's values (drag a field onto the card to
// place or bind a data field), steps through the records and switches the
// card between the record's values and the field names. Also owns the
// &Data menu.

#include "designer/DesignerData.h"
#include "kyt/kytwidgets_export.h"
#include <QDockWidget>
#include <QPointer>

class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QToolButton;
class QTimer;
class QTreeWidget;

namespace kyt
{

class DesignControl;
class frmPreview;

class KYTWIDGETS_PRIVATE_EXPORT DataPanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit DataPanel(frmPreview& window);

    // Adds the panel and the &Data menu to the window.
    static DataPanel* install(frmPreview& window);
    static DataPanel* of(const frmPreview& window);

    DesignerData& data() { return m_data; }
    const DesignerData& data() const { return m_data; }
    QTreeWidget* fieldList() const { return m_lstFields; }

    // Asks for a file (CSV, data stream, SQLite) and opens it (a SQLite
    // database through the connection dialog, for its table); false when
    // cancelled or refused (the person was told why).
    bool openFromDialog();
    // The connection dialog (frmDataConnection), filled from `start` or
    // the open database; shown again after a source that does not open.
    bool openDatabase(const DataSourceUrl& start = {});
    // Opens a source (a URL or a path); a failure is told in a message box,
    // a cancelled wait only in the status line, and the open source stays.
    bool openSource(const QString& source);
    bool openSource(const DataSourceUrl& source);

    // Whether the card shows the record's values (else the field names).
    bool showingData() const;
    void setShowingData(bool on);

    // Record navigation; each tells the person when it cannot move.
    void first();
    void previous();
    void next();
    void last();
    void goTo(qint64 record);
    // Asks for a record number.
    void goToAsked();
    // The next record holding the find box's text.
    void findNext();

    // A field dropped on the card at (x, y) inches, on a control or on the
    // card itself: places a data field, or binds the control.
    void dropField(const QString& field, float x, float y, DesignControl* onto);

    // Print Records on the open source.
    void printRecords();

    // The print data's fields followed by the open source's (each once):
    // what Select Data Field offers. The print data itself is not changed.
    std::shared_ptr<CPrintData> withSourceFields(const std::shared_ptr<CPrintData>& printData) const;

    // The template changed (opened, new, saved under a new name): the
    // source remembered for it is opened.
    void templateShown();

    // Draws the parse strings' values over the card while data is shown.
    void showParseStrings();

private:
    void buildMenu();
    void refresh();
    void showOnCard();
    void tell(const QString& text);

    frmPreview& m_window;
    DesignerData m_data;
    QLabel* m_lblSource = nullptr;
    QTreeWidget* m_lstFields = nullptr;
    QLineEdit* m_txtRecord = nullptr;
    QLabel* m_lblRecords = nullptr;
    QLineEdit* m_txtFind = nullptr;
    QRadioButton* m_optShowData = nullptr;
    QRadioButton* m_optShowNames = nullptr;
    QString m_templatePath;
    QTimer* m_parseStringTimer = nullptr;
};

} // namespace kyt
