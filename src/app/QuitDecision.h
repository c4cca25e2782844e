#pragma once

#include <functional>

// Whether a request to quit may go ahead. With nothing unsaved in the editor
// it may; otherwise the user is asked "Confirm exit". "Save" asks the editor
// to save (it quits by itself once the save succeeded) and keeps the
// application running, unless nothing is left to save by then; any other
// answer quits without saving.
class QuitDecision {
public:
    enum class Reply { Now, Cancel };
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
