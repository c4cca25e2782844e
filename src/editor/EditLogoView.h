#pragma once

#include "canvas/WebView.h"
#include "canvas/WebViewViewController.h"
#include "core/DesignId.h"
#include "editor/EditorPanel.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class BackgroundPictureTiles;
class CanvasHost;
class EditBar;
class EditLogoViewModel;
class EditorButton;
class EditorPanelHost;
class EditorToolbar;
class QStackedWidget;
class ToastView;
class WindowController;

// The logo editor: toolbar, edit bar, canvas and side panels in the editor
// window. A new one is built for every design opened; it closes the window
// itself after a successful save and when the user leaves.
class EditLogoView : public QWidget {
    Q_OBJECT
public:
    // `itemId` is the design's id on the server; the save stores it under it.
    EditLogoView(QString svg, DesignId itemId, WindowController* windowController, bool fromMyDesignsView,
        WebView webview = WebView { &sharedWebViewController() }, QWidget* parent = nullptr);
    ~EditLogoView() override;

    EditLogoViewModel& model() const { return *m_model; }
    const QString& svg() const { return m_svg; }
    bool fromMyDesignsView() const { return m_fromMyDesignsView; }
    const WebView& webview() const { return m_webview; }

    // The close strip; the window manager's close does the same.
    void leave();
    bool isClosed() const { return m_closed; }

    // Another design is to replace this one. With unsaved changes the user
    // is asked first (Save / Don't Save / Cancel); `replace` runs once this
    // design may go: at once, or after its save has succeeded. Cancel, or a
    // failed save, drops the request.
    void replaceWith(std::function<void()> replace);

    EditorToolbar* toolbar() const { return m_toolbar; }
    CanvasHost* canvasHost() const { return m_canvasHost; }
    ToastView* toastView() const { return m_toast; }
    // The edit bar shown for the current selection.
    EditBar* currentEditBar() const;
    EditBar* textEditBar() const { return m_textBar; }
    EditBar* graphicsEditBar() const { return m_graphicsBar; }
    EditBar* backgroundEditBar() const { return m_backgroundBar; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildTextBar();
    void buildGraphicsBar();
    void buildBackgroundBar();
    EditorButton* addPanelButton(EditBar* bar, const QString& icon, const QString& labelKey, EditorPanel panel);
    void placeChildren();
    void connectModel();
    void updateToolbar();
    void updateEditBar();
    void setExportSheetShown(bool shown);
    void closeEditor();

    QString m_svg;
    WindowController* m_windowController;
    bool m_fromMyDesignsView;
    WebView m_webview;
    // Runs after the running save has closed the editor.
    std::function<void()> m_afterSave;

    EditLogoViewModel* m_model;
    EditorToolbar* m_toolbar;
    QStackedWidget* m_editBars;
    EditBar* m_textBar;
    EditBar* m_graphicsBar;
    EditBar* m_backgroundBar;
    CanvasHost* m_canvasHost;
    EditorPanelHost* m_fontSheets;
    EditorPanelHost* m_graphicsSheets;
    EditorPanelHost* m_backgroundSheets;
    ToastView* m_toast;
    QPointer<QWidget> m_exportSheet;
    QPointer<QWidget> m_watchedWindow;
    bool m_closingByEditor = false;
    bool m_closed = false;
};
