#pragma once

#include "editor/EditLogoViewModel.h"

#include <functional>

class QWidget;

// Asks whether to save the design's changes before leaving the editor:
// "Save" (default), "Don't Save", "Cancel".
class SaveChangesDialog {
public:
    using Choice = EditLogoViewModel::SaveChangesChoice;
    using Answerer = std::function<Choice(QWidget* parent)>;

    static Choice ask(QWidget* parent);
    // Tests answer in place of the modal dialog; an empty answerer restores it.
    static void setAnswerer(Answerer answerer);
};
