#pragma once

#include "ai/CreateButton.h"

// The wizard's Create button.
class CreatorButtonView : public CreateButton {
    Q_OBJECT
public:
    explicit CreatorButtonView(QWidget* parent = nullptr);

    // Commits the wizard's working choices to the ones a generation sends,
    // then posts Step3ViewEventBus::GeneratingEvent.
    static void create();
};
