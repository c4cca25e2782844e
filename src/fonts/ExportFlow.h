#pragma once

// The export's steps, without widgets: ask the canvas page for the SVG, write
// it, ask for the 1024 × 1024 PNG, write it, and tell the user. An answer
// counts only in the step that waits for it, and none after cancel() or once
// the flow is destroyed.

#include "core/Reactive.h"

#include <QObject>
#include <QString>
#include <functional>

class ExportFlow : public QObject {
    Q_OBJECT
public:
    enum class Step { Idle, AwaitingSvg, AwaitingPng };
    // Evaluates one canvas call.
    using Evaluate = std::function<void(const QString& script)>;

    explicit ExportFlow(Evaluate evaluate, QObject* parent = nullptr);

    Step step() const { return m_step; }
    // Starts an export unless one is running.
    void start();
    // Forgets a running export: its answers write nothing.
    void cancel();

Q_SIGNALS:
    // The PNG answer was handled; `written` is true when both files were.
    void finished(bool written);

private:
    void onSvgAnswer(const QString& base64);
    void onPngAnswer(const QString& base64);

    Evaluate m_evaluate;
    Step m_step = Step::Idle;
    bool m_svgWritten = false;
};
