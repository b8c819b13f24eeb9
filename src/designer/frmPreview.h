#pragma once
// The template designer: one template at a time is opened, edited on the
// design surface picID and saved as a template file. The host loads it
// once, hands it the error reporter and the designer defaults, calls Setup
// and ShowID, and shows it modally (Preview::EditTemplate).
//
// The window is a front that keeps the described members and forwards:
// the tools (DesignTool, SelectTool, PlaceTools) own the mouse, the action
// table (DesignActions) builds the menus and tool bars, DesignEditing owns
// the undo capture and the editing keys. Source files of the window itself:
// frmPreview.cpp (document commands, menu states), frmPreviewDraw.cpp
// (drawing members, mouse routing), frmPreviewKeys.cpp (keys, in-place text
// editor), frmPreviewObjectMenu.cpp (the &Object menu), frmPreviewPrinting.cpp
// (printer set-up, print preview, options), frmPreviewPanels.cpp (Edit, Arrange
// and View conveniences), WindowState.cpp (placement between sessions,
// recent templates, title mark).

#include "designer/ControlArray.h"
#include "designer/DesignEvents.h"
#include "designer/DesignSurface.h"
#include "dialogs/LengthUnits.h"
#include "errors/CError.h"
#include "kyt/kytwidgets_export.h"
#include "objects/IDesignControl.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QToolBar;
class QUndoStack;

namespace kyt
{

class COutline;
class CProperties;
class DesignSelection;
class PropertiesPanel;
class CTargetApplications;
class DesignCanvas;
class DesignEditing;
class DesignTools;
class frmIDProperties;

class KYTWIDGETS_PRIVATE_EXPORT frmPreview : public QMainWindow, public IDesignForm, public DesignEvents
{
    Q_OBJECT

public:
    explicit frmPreview(QWidget* parent = nullptr);
    ~frmPreview() override;

    // --- Shared objects (set by the host before Setup) ----------------------
    CErrorPtr Error() const { return m_error; }
    void setError(CErrorPtr error) { m_error = std::move(error); }
    // Designer defaults; not owned, must outlive the window.
    CProperties* Properties() const { return m_properties; }
    void setProperties(CProperties* properties) { m_properties = properties; }
    std::shared_ptr<CPrintData> DefaultPrintData() const { return m_defaultPrintData; }
    void setDefaultPrintData(std::shared_ptr<CPrintData> data) { m_defaultPrintData = std::move(data); }

    // --- Public operations ----------------------------------------------------
    void Setup();
    void ShowID(const std::shared_ptr<CPrintTemplate>& t);
    void NewID();
    // An empty name asks with the Open dialog.
    void OpenID(const QString& fileName = QString());
    // True when the file was written; false when the dialog was cancelled,
    // the save was refused or failed (the card stays as it was).
    bool SaveID(bool useCurrentName);
    void CloseId();
    void CleanUp();
    bool ShowProperties(bool isNew);
    void updateMenu(const QString& type, bool border, int alignment, bool transparent, bool barcode);
    void EnableIDMenus(bool enabled);
    void SetAlignmentChecks(int alignment);
    // Key of the pressed tool button ("Pointer", "Photo", ...); empty when none.
    QString WhichButtonDown() const;
    // Presses a tool button by key ("Pointer", "Photo", "Logo", "Rectangle",
    // "Data", "Text", "Line").
    void pressTool(const QString& key);
    void PaintIDBackground(bool showGrid);
    void EditText(int index);
    void TextUpdate();

    // Shows the window and runs until it is hidden or closed.
    void showModal();

    // --- Drawing tools (frmPreviewDraw.cpp) ----------------------------------
    void DrawStart(float x, float y);
    void DrawMove(float x, float y);
    void DrawDone(float x, float y);
    // Copies left, top, Width, Height by name.
    static void ObjectCopy(const QWidget& source, QWidget& destination);

    // --- Document --------------------------------------------------------------
    std::shared_ptr<CPrintTemplate> currentTemplate() const { return m_template; }
    void setDataChanged();

    // --- Window parts -------------------------------------------------------
    DesignSurface* picID() const { return m_picID; }
    OutlineShape* shpOutline() const { return m_shpOutline; }
    CornerHandle* imgCorner(int index) const { return m_imgCorner.at(size_t(index)); }
    QLineEdit* txtText() const { return m_txtText; }
    QToolBar* tlbObjects() const { return m_tlbObjects; }
    QUndoStack* undoStack() const { return m_undoStack; }
    COutline* outline() const { return m_outline.get(); }
    CTargetApplications* targetApplications() const { return m_targets.get(); }
    QScrollArea* scrollArea() const { return m_scroll; }
    DesignCanvas* canvas() const { return m_canvas; }
    QLabel* statusLabel() const { return m_status; }
    // The control array by name ("Photo", "Logo", "Rectangle", "Text",
    // "Data", "Line"); nullptr for other names.
    ControlArray* controlArray(const QString& name) const;
    ControlArray& Photo() const { return *m_arrays[0]; }
    ControlArray& Logo() const { return *m_arrays[1]; }
    ControlArray& Rectangle() const { return *m_arrays[2]; }
    ControlArray& Text() const { return *m_arrays[3]; }
    ControlArray& Data() const { return *m_arrays[4]; }
    ControlArray& Line() const { return *m_arrays[5]; }
    // Every menu action by its object name (mnuIDSave, mnuOptionsFont, ...).
    QAction* menuAction(const QString& name) const;
    QMenu* mnuMethods() const { return m_mnuMethods; }
    // Several selected objects, the Properties panel and the main tool bar
    // (frmPreviewPanels.cpp builds them and their commands).
    DesignSelection* selection() const { return m_selection; }
    PropertiesPanel* propertiesPanel() const { return m_propertiesPanel; }
    QToolBar* tlbMain() const { return m_tlbMain; }

    // --- Zoom -------------------------------------------------------------
    void setZoom(double zoom);
    // The unit of the rulers, status line, panel and dialogs.
    void setUnits(units::Unit unit);
    double zoom() const;
    void zoomToFit();

    // --- Drag and drop of files; the drop action taken ----------------------
    Qt::DropAction Form_OLEDragOver(const QStringList& files) const;
    Qt::DropAction Form_OLEDragDrop(const QStringList& files);

    // Source text of the window's error reports.
    const QString& moduleSource() const { return m_moduleSource; }

    // IDesignForm
    std::vector<IDesignControl*> designControls() const override;
    IDesignControl* LoadDesignControl(const QString& arrayName) override;
    std::vector<CarriedObject>& carriedObjects() override { return m_carried; }

    // DesignEvents (mouse routing; drawing tools here, pointer tool in
    // frmPreviewPointer.cpp)
    void surfaceMouseDown(Qt::MouseButton button, float x, float y) override;
    void surfaceMouseMove(Qt::MouseButtons buttons, float x, float y) override;
    void surfaceMouseUp(Qt::MouseButton button, float x, float y) override;
    void surfaceClick() override;
    void controlMouseDown(DesignControl* control, Qt::MouseButton button, float x, float y) override;
    void controlMouseMove(DesignControl* control, Qt::MouseButtons buttons, float x, float y) override;
    void controlMouseUp(DesignControl* control, Qt::MouseButton button, float x, float y) override;
    void controlClick(DesignControl* control) override;
    void controlDoubleClick(DesignControl* control) override;
    void handleMouseDown(CornerHandle* handle, Qt::MouseButton button, float x, float y) override;
    void handleMouseMove(CornerHandle* handle, Qt::MouseButtons buttons, float x, float y) override;
    void handleMouseUp(CornerHandle* handle, Qt::MouseButton button, float x, float y) override;

    // The tools; the chosen one gets the left button's events.
    DesignTools& tools() const { return *m_tools; }
    // Pops up the &Object menu for a control, or the card's for nullptr.
    void showObjectMenu(DesignControl* control);
    // Moves a dragged control by (x1 - x0, y1 - y0), kept on the surface.
    void DropControl(DesignControl* control, float x0, float y0, float x1, float y1);
    // Enter with a drawing tool: places the tool's object, at a size to
    // start from, in the middle of the front side; true when placed.
    bool placeFromKeyboard();
    // Keys of the window (F2, Enter, Delete, Esc); true when handled.
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The menu key and Shift+F10 open the object menu of the selection (or
    // of the card) beside it, as a right click does at the mouse.
    bool showObjectMenuFromKeyboard();
    QPoint objectMenuPosition() const;
    // Called after DrawDone placed a new object (selected already).
    void objectPlaced(DesignControl* control);
    // Unloads the print preview window when one is open (frmPreviewPrinting.cpp).
    void closePrintPreview();

public slots:
    // &ID
    void mnuIDNew_Click();
    void mnuIDOpen_Click();
    void mnuIDClose_Click();
    void mnuIDSave_Click();
    void mnuIDSaveAs_Click();
    void mnuIDPrintSetup_Click(); // frmPreviewPrinting.cpp
    void mnuIDPrint_Click(); // frmPreviewPrinting.cpp
    void mnuIDShowGrid_Click();
    void mnuIDProperties_Click();
    void mnuIDCloseWin_Click();
    // &Tools
    void mnuToolsOptions_Click(); // frmPreviewPrinting.cpp
    // &Help
    void mnuHelpConstant_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();
    // &Object (frmPreviewObjectMenu.cpp)
    void mnuOptionsDelete_Click();
    void mnuOptionsLogo_Click();
    void mnuOptionsUserField_Click();
    void mnuOptionsEditText_Click();
    void mnuOptionsFront_Click();
    void mnuOptionsBack_Click();
    void mnuOptionsFont_Click();
    void mnuOptionsFontToFit_Click();
    void mnuOptionsAlignmentLeft_Click();
    void mnuOptionsAlignmentCenter_Click();
    void mnuOptionsAlignmentRight_Click();
    void mnuOptionsStretch_Click();
    void mnuOptionsBorderStyle_Click();
    void mnuOptionsTransparent_Click();
    void mnuOptionsBackColor_Click();
    void mnuOptionsForeColor_Click();
    void mnuOptionsBarcode_Click();
    void mnuOptionsBarcodeProp_Click();
    // Tool bar
    void tlbObjects_ButtonClick(const QString& key);

signals:
    // A template was shown, or the shown one got a new file name.
    void templateShown();
    // The window was hidden or closed (ends showModal).
    void windowHidden();
    // The outlined object changed (or none is outlined any more).
    void selectionChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The Menu key wherever the focus is: the object menu, never the
    // tool bar's own show/hide menu.
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

public:
    // Closing: unloadMode 0 is the window's own close button, 1 a close
    // from code (E&xit). Returns true when the window may close.
    bool Form_QueryUnload(int unloadMode);

    // Sizes and repaints the surface after the card's size, sides or
    // background changed.
    void refreshCardLayout();

private:
    bool runPropertiesDialog(frmIDProperties& dialog, CPrintTemplate& t, bool isNew);
    // After the properties dialog: a two-sided card's back objects follow a
    // new height; turning the back off asks before removing them.
    void keepTheBack(float oldHeight, bool wasDuplex);
    // Selects the first object a save would have to leave out.
    void selectFirstUnsaveable();
    // frmPreviewPanels.cpp: the selection, the Properties panel, the menus
    // and tool bars from the action table, recent templates.
    void buildConveniences();
    void restorePlacement();
    void storePlacement();
    void report(const std::exception& e, const char* procedure) const;
    // "Save Changes?" when the document changed: vbYes (saved), vbNo or
    // vbCancel (also when Yes did not end in a saved file; vbNo also when
    // nothing changed).
    int askSaveChanges();
    void sizeSurface();
    void refreshRulers();
    void setCaptionFor(const QString& prefix);
    void storeGeometry();

    // The editing state is the window's own (DesignEditing::of creates it);
    // the action table builds the menus and tool bars into the window.
    friend class DesignEditing;
    friend class DesignActions;
    QPointer<DesignEditing> m_editing;

    QString m_moduleSource;
    CErrorPtr m_error;
    CProperties* m_properties = nullptr;
    std::shared_ptr<CPrintData> m_defaultPrintData;
    std::unique_ptr<CTargetApplications> m_targets;
    std::unique_ptr<COutline> m_outline;
    std::shared_ptr<CPrintTemplate> m_template;
    std::vector<CarriedObject> m_carried;

    QScrollArea* m_scroll = nullptr;
    DesignCanvas* m_canvas = nullptr;
    DesignSurface* m_picID = nullptr;
    OutlineShape* m_shpOutline = nullptr;
    std::array<CornerHandle*, 4> m_imgCorner {};
    QLineEdit* m_txtText = nullptr;
    std::array<std::unique_ptr<ControlArray>, 6> m_arrays;
    QToolBar* m_tlbObjects = nullptr;
    QActionGroup* m_toolGroup = nullptr;
    QUndoStack* m_undoStack = nullptr;
    QMenu* m_mnuMethods = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_zoomLabel = nullptr;
    DesignSelection* m_selection = nullptr;
    PropertiesPanel* m_propertiesPanel = nullptr;
    QToolBar* m_tlbMain = nullptr;

    std::unique_ptr<DesignTools> m_tools;
    bool m_menuByKeyboard = false;
    bool m_closingFromCode = false;
    bool m_inModal = false;
};

} // namespace kyt
