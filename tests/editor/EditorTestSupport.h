#pragma once

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/SaveChangesDialog.h"
#include "editor/SvgUploader.h"
#include "globals/AppGlobals.h"
#include "support/TestSupport.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// The page's answers to the model's current design load.
inline void pageLoadsDesign(const EditLogoViewModel& model)
{
    RxBus::shared().post(EditLogoViewEvent::svgLoadSuccessEvent { 460, 460, model.designLoadToken() });
}
inline void pageFailsDesign(const EditLogoViewModel& model)
{
    RxBus::shared().post(EditLogoViewEvent::loadSvgFail { model.designLoadToken() });
}

// The SVG that the recorded `calls` asked the page to load under `token`;
// empty when they asked for no such load.
inline QString designLoadedBy(const WebViewViewController& controller, const QStringList& calls, qint64 token)
{
    const HeldDesign::Design* design = controller.heldDesign().find(token);
    return design && calls.contains(CanvasScripts::loadDesignFromHost(token)) ? design->svg : QString();
}

// A canvas controller whose calls are recorded instead of reaching a page.
class RecordingCanvas {
public:
    RecordingCanvas()
    {
        m_controller.setScriptSink([this](const QString& js) { m_calls << js; });
    }
    WebViewViewController* controller() { return &m_controller; }
    const QStringList& calls() const { return m_calls; }
    void clear() { m_calls.clear(); }
    int count(const QString& js) const { return static_cast<int>(m_calls.count(js)); }
    QString loadedDesign(qint64 token) const { return designLoadedBy(m_controller, m_calls, token); }

private:
    WebViewViewController m_controller;
    QStringList m_calls;
};

// Records the shared controller's calls while alive.
class SharedCanvasRecorder {
public:
    SharedCanvasRecorder()
    {
        sharedWebViewController().setScriptSink([this](const QString& js) { m_calls << js; });
    }
    ~SharedCanvasRecorder() { sharedWebViewController().setScriptSink({}); }
    const QStringList& calls() const { return m_calls; }
    void clear() { m_calls.clear(); }
    int count(const QString& js) const { return static_cast<int>(m_calls.count(js)); }
    QString loadedDesign(qint64 token) const { return designLoadedBy(sharedWebViewController(), m_calls, token); }

private:
    QStringList m_calls;
};

// Replaces the save's upload with a fake that keeps each request; the test
// completes them by hand.
class FakeUploader {
public:
    struct Request {
        QString itemId;
        QString base64;
        QString kind;
        std::function<void(bool)> completion;
    };

    FakeUploader()
        : m_previous(editorSvgUploader())
    {
        editorSvgUploader() = [this](const QString& itemId, const QString& base64, const QString& kind,
                                  std::function<void(bool)> completion) {
            m_requests.push_back({ itemId, base64, kind, std::move(completion) });
        };
    }
    ~FakeUploader() { editorSvgUploader() = m_previous; }

    std::vector<Request>& requests() { return m_requests; }
    void complete(bool saved, std::size_t index = 0) { m_requests.at(index).completion(saved); }

private:
    SvgUploader m_previous;
    std::vector<Request> m_requests;
};

// Answers the save-changes dialog.
class ScopedSaveChangesAnswer {
public:
    explicit ScopedSaveChangesAnswer(SaveChangesDialog::Choice choice)
    {
        SaveChangesDialog::setAnswerer([this, choice](QWidget*) {
            ++m_asked;
            return choice;
        });
    }
    ~ScopedSaveChangesAnswer() { SaveChangesDialog::setAnswerer({}); }
    int asked() const { return m_asked; }

private:
    int m_asked = 0;
};

// Keeps every event of type T posted while alive.
template <BusEvent T> class EventRecorder {
public:
    EventRecorder()
    {
        subscribeEvent<T>(m_bag, [this](const T& event) { m_events.push_back(event); });
    }
    const std::vector<T>& events() const { return m_events; }
    std::size_t count() const { return m_events.size(); }

private:
    std::vector<T> m_events;
    rx::DisposeBag m_bag;
};
