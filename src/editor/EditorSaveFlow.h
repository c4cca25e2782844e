#pragma once

#include "core/Reactive.h"

#include <QObject>
#include <QString>
#include <functional>

class QTimer;
class WebViewViewController;

// One save of the design: ask the page for its SVG, upload it, and report the
// outcome. Only one save runs at a time; a quit-save quits the application
// once its upload has succeeded.
class EditorSaveFlow : public QObject {
    Q_OBJECT
public:
    // How long the page may take to hand over its SVG before the save fails.
    static constexpr int pageAnswerTimeoutMs = 30000;

    // `canSave` says whether a design is loaded and may be saved.
    EditorSaveFlow(
        WebViewViewController* canvas, bool fromMyDesignsView, std::function<bool()> canSave, QObject* parent);

    void endSubscriptions() { m_subscriptions.dispose(); }

    bool isSaving() const { return m_isSaving; }
    bool isQuitSave() const { return m_isQuitSave; }

    // The toolbar's Save. Returns whether a save started.
    bool save();
    // The quit alert's Save.
    void quitSave();

    // The upload kind: saved designs are re-saved as "design".
    QString uploadKind() const;
    // The id the detail page reloads: the item id text, 0 when not a number.
    static int refreshId(const QString& itemIdText);

Q_SIGNALS:
    void savingChanged(bool saving);
    // The design is on the server; the caller closes the editor.
    void savedAndClosing();

private:
    void subscribe();
    void start(bool quit);
    void upload(const QString& base64);
    void succeed();
    void fail();
    void setSaving(bool saving);

    WebViewViewController* m_canvas;
    bool m_fromMyDesignsView;
    std::function<bool()> m_canSave;
    QTimer* m_pageAnswerTimer;
    bool m_isSaving = false;
    bool m_isQuitSave = false;
    bool m_awaitingSvg = false;
    rx::DisposeBag m_subscriptions;
};
