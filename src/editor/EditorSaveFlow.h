#pragma once

#include "core/DesignId.h"
#include "core/Reactive.h"

#include <QObject>
#include <QString>
#include <functional>

class QTimer;
class WebViewViewController;

// One save of the design: ask the page for its SVG, upload it, and report the
// outcome. Only one save runs at a time; a quit-save tells the application
// how it ended, once: stored, or not (failure, no SVG from the page, the
// editor going first). The upload's outcome comes back to the save that
// started it, never to another editor's.
class EditorSaveFlow : public QObject {
    Q_OBJECT
public:
    // `itemId` is the design's id on the server; `canSave` says whether a
    // design is loaded and may be saved.
    EditorSaveFlow(WebViewViewController* canvas, DesignId itemId, bool fromMyDesignsView,
        std::function<bool()> canSave, QObject* parent);
    ~EditorSaveFlow() override;

    // The editor is going: no SVG can arrive any more.
    void endSubscriptions();

    void setPageAnswerTimeout(int milliseconds);

    bool isSaving() const { return m_isSaving; }
    bool isQuitSave() const { return m_isQuitSave; }

    // The toolbar's Save. Returns whether a save started.
    bool save();
    // The quit alert's Save.
    void quitSave();

    // The upload kind: saved designs are re-saved as "design".
    QString uploadKind() const;

Q_SIGNALS:
    void savingChanged(bool saving);
    // The design is on the server; the caller closes the editor, after a
    // quit-save too.
    void savedAndClosing();
    // The save did not store the design; the editor stays open.
    void saveFailed();
    // The failed save was the quit alert's: the program stays, and the user
    // must see why.
    void quitSaveFailed();

private:
    void subscribe();
    void start(bool quit);
    void upload(const QString& base64);
    void finishUpload(bool saved);
    void succeed();
    void fail();
    void endQuitSave();
    void setSaving(bool saving);

    WebViewViewController* m_canvas;
    DesignId m_itemId;
    bool m_fromMyDesignsView;
    std::function<bool()> m_canSave;
    QTimer* m_pageAnswerTimer;
    bool m_isSaving = false;
    bool m_isQuitSave = false;
    bool m_awaitingSvg = false;
    rx::DisposeBag m_subscriptions;
};
