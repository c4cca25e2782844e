#pragma once

#include "core/DesignId.h"
#include "core/Reactive.h"
#include "editor/EditorPanel.h"
#include "editor/EditorSelection.h"
#include "model/ResourceBgModel.h"

#include <QObject>
#include <QString>

class EditorCanvasHandlers;
class EditorPanelFlags;
class EditorSaveFlow;
class EditorToast;
class SidePanelValues;
class QTimer;
class WebViewViewController;

// The editor's state and rules, without widgets: loading, load failure, undo
// state, selection, leaving and the save. It feeds the side panels' values
// and the toast from the page's events. Its bus subscriptions end with it.
class EditLogoViewModel : public QObject {
    Q_OBJECT
public:
    enum class LeaveStep { CloseNow, AskToSave, Ignored };
    enum class SaveChangesChoice { Save, DontSave, Cancel };

    // How long a design load may go without the page's answer.
    static constexpr int defaultDesignLoadTimeoutMs = 20000;

    EditLogoViewModel(
        QString svg, DesignId itemId, bool fromMyDesignsView, WebViewViewController* canvas, QObject* parent = nullptr);

    // Loads the design and asks for the background pictures.
    void start();
    // The editor has closed: no bus event reaches it any more.
    void endSubscriptions();
    // A running load's limit restarts with the new value.
    void setDesignLoadTimeout(int milliseconds);

    WebViewViewController& canvas() const { return *m_canvas; }
    EditorPanelFlags& panels() const { return *m_panels; }
    EditorSaveFlow& saveFlow() const { return *m_saveFlow; }
    // The models the side panels bind to.
    SidePanelValues& panelValues() const { return *m_panelValues; }
    EditorToast& toast() const { return *m_toast; }

    const QString& svg() const { return m_svg; }
    DesignId itemId() const { return m_itemId; }
    // The token of the design load in progress or last finished.
    qint64 designLoadToken() const { return m_loadToken; }
    bool fromMyDesignsView() const { return m_fromMyDesignsView; }
    bool isLoading() const { return m_isLoading; }
    bool isLoadingSvgFail() const { return m_isLoadingSvgFail; }
    bool isDesignLoaded() const { return m_isDesignLoaded; }
    bool isSaving() const;
    bool isBusy() const { return m_isLoading || isSaving(); }
    bool canSave() const { return m_isDesignLoaded && !m_isLoading && !m_isLoadingSvgFail && !isSaving(); }
    // The edit bars and their panels act only on a loaded design.
    bool canEdit() const { return canSave(); }
    // The design has changes that leaving would lose.
    bool hasUnsavedChanges() const { return m_canUndo; }
    bool canUndo() const { return m_canUndo; }
    bool canRedo() const { return m_canRedo; }
    EditorSelection selection() const { return m_selection; }
    bool isShowExportViewSheet() const { return m_isShowExportViewSheet; }
    // The background bar's catalogue; one tile per entry of data.item.
    const ResourceBgModel& backgroundCatalogue() const { return m_backgroundCatalogue; }

    // Toolbar.
    void undo();
    void redo();
    bool save();
    void setShowExportViewSheet(bool shown);
    LeaveStep requestLeave();
    void resolveLeave(SaveChangesChoice choice);

    // Edit bars.
    void openPanel(EditorPanel panel);
    void copySelection();
    void deleteSelection();
    void addText();
    void setBackgroundPicture(const QString& url);

    // The load-failure view's Retry.
    void retryLoad();

Q_SIGNALS:
    void loadingChanged(bool loading);
    void loadFailedChanged(bool failed);
    void busyChanged(bool busy);
    void undoRedoChanged(bool canUndo, bool canRedo);
    void selectionChanged(EditorSelection selection);
    void exportSheetChanged(bool shown);
    void backgroundCatalogueChanged();
    // The editor window closes: after a save, or when the user leaves.
    void closeRequested();

private:
    void subscribe();
    void loadDesign();
    void endLoad(bool loaded);
    void onPageFailed();
    void requestBackgroundPictures();
    void setLoading(bool loading);
    void setLoadFailed(bool failed);
    void setSelection(EditorSelection selection);
    void setUndoRedo(bool canUndo, bool canRedo);
    void emitBusyIfChanged();

    QString m_svg;
    DesignId m_itemId;
    bool m_fromMyDesignsView;
    WebViewViewController* m_canvas;
    EditorPanelFlags* m_panels;
    EditorSaveFlow* m_saveFlow;
    EditorCanvasHandlers* m_handlers;
    SidePanelValues* m_panelValues;
    EditorToast* m_toast;
    QTimer* m_loadTimer;
    qint64 m_loadToken = 0;

    bool m_isLoading = true;
    bool m_isLoadingSvgFail = false;
    bool m_isDesignLoaded = false;
    bool m_canUndo = false;
    bool m_canRedo = false;
    bool m_lastBusy = true;
    EditorSelection m_selection = EditorSelection::None;
    bool m_isShowExportViewSheet = false;
    ResourceBgModel m_backgroundCatalogue;
    rx::DisposeBag m_subscriptions;
};
