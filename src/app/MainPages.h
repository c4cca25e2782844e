#pragma once

class QWidget;

// Builds the five pages of the main window, each once, at its page index.
class MainPages {
public:
    static QWidget* makePage(int index, QWidget* parent);
};
