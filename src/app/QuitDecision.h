#pragma once

#include <functional>

// Whether a request to quit may go ahead. With nothing unsaved in the editor
// it may; otherwise the user is asked "Confirm exit". "Save" means the editor
// is to save first (it asks to quit again once the save succeeded), unless
// nothing is left to save by then; any other answer quits without saving.
class QuitDecision {
public:
    enum class Reply { Now, SaveFirst };
    enum class Answer { Save, Cancel };

    // Asks the user; the default shows the alert. Tests answer it directly.
    using Question = std::function<Answer()>;

    QuitDecision();
    explicit QuitDecision(Question askToSave);

    Reply decide();

    // The modal "Confirm exit" alert, "Save" being the default button.
    static Answer askWithAlert();

private:
    Question m_askToSave;
};
