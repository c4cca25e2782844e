#pragma once

#include <QWidget>

class ElidedLabel;

// One industry row of the wizard's list: a checkbox and the name, lighter
// while it is the industry selected last (it follows
// Step1ViewEventBus::SelectEvent). A click emits tapped().
class MailSection : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize rowSize { 240, 40 };

    explicit MailSection(
        const QString& text = {}, int index = -1, const QString& isSelectText = {}, QWidget* parent = nullptr);

    const QString& text() const { return m_text; }
    int index() const { return m_index; }
    bool isSelected() const { return !m_text.isEmpty() && m_text == m_isSelectText; }

Q_SIGNALS:
    void tapped(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setIsSelectText(const QString& text);

    QString m_text;
    int m_index;
    QString m_isSelectText;
    ElidedLabel* m_name;
};
