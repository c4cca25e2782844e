#pragma once

#include <QWidget>
#include <functional>

class EditorButton;
class QHBoxLayout;

// One row of edit-bar buttons under the toolbar.
class EditBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int height = 54;

    explicit EditBar(QWidget* parent);

    EditorButton* addButton(const QString& icon, const QString& labelKey, std::function<void()> onClick);
    void addWidget(QWidget* widget, int stretch = 0);
    void addSeparator();
    void finish();

private:
    QHBoxLayout* m_layout;
};
