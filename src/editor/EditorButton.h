#pragma once

#include <QToolButton>

// A button of the editor's toolbar and edit bars: one of our icons with a
// short label, on the dark chrome.
class EditorButton : public QToolButton {
    Q_OBJECT
public:
    enum class Layout { TextBesideIcon, TextUnderIcon };

    // `icon` is the image name under ":/images/", `labelKey` a string key.
    EditorButton(const QString& icon, const QString& labelKey, Layout layout, QWidget* parent);
};
