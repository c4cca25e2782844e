#pragma once

#include <QWidget>

// A letter heading for the industry list, on light grey. The list does not
// place it today; it is kept for an index view.
class MailSectionHeader : public QWidget {
    Q_OBJECT
public:
    explicit MailSectionHeader(const QString& title, QWidget* parent = nullptr);

    const QString& title() const { return m_title; }

private:
    QString m_title;
};
