#pragma once

#include <functional>

// Whether a request to quit may go ahead. With nothing unsaved in the editor
// it may; otherwise the user is asked "Confirm exit". "Save" means the editor
// is to save first (it asks to quit again once the save succeeded), unless
// nothing is left to save by then; "Don't Save" quits without saving; "Cancel"
// keeps the program running with its changes, as backing out of a question
// should.
class QuitDecision {
public:
    enum class Reply { Now, SaveFirst, Stay };
    enum class Answer { Save, DontSave, Cancel };

    // Asks the user; the default shows the alert. Tests answer it directly.
    using Question = std::function<Answer()>;

    QuitDecision();
    explicit QuitDecision(Question askToSave);

    Reply decide();

    // The modal "Confirm exit" alert: "Save" the default button, "Cancel" the
    // one that Escape and closing the alert choose.
    static Answer askWithAlert();

private:
    Question m_askToSave;
};
