#pragma once

#include "ai/CreateButton.h"

// The free creator's Create button.
class FreeCreatorButtonView : public CreateButton {
    Q_OBJECT
public:
    explicit FreeCreatorButtonView(QWidget* parent = nullptr);

    // Commits the free creator's choices to the ones a generation sends,
    // then posts Step3ViewEventBus::GeneratingEvent.
    static void create();
};
