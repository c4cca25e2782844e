#pragma once

#include "app/UpdateCheck.h"
#include "fonts/FontCatalogue.h"

#include <QObject>
#include <functional>

// The main window's start-up work, in this order and without waiting for
// any reply: fetch the configuration, subscribe to toasts, send the design
// back-up, fetch the font list, register the shipped fonts, check for an
// update. It runs once per object however often the window is shown again.
class StartupWork : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> subscribeToasts;
        std::function<void(const UpdatePrompt&)> presentUpdatePrompt;
        std::function<void()> registerFonts = FontUtils::registerLocalCJKFonts;
    };

    explicit StartupWork(Hooks hooks, QObject* parent = nullptr);

    // Does the work the first time; later calls do nothing.
    void run();
    bool hasRun() const { return m_hasRun; }

private:
    Hooks m_hooks;
    bool m_hasRun = false;
};
