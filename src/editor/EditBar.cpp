#include "editor/EditBar.h"

#include "editor/EditorButton.h"

#include <QFrame>
#include <QHBoxLayout>

EditBar::EditBar(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
{
    setObjectName(QStringLiteral("EditBar"));
    setFixedHeight(height);
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#EditBar { background: #1E1E1E; border-bottom: 1px solid #383838; }"));
    m_layout->setContentsMargins(12, 4, 12, 4);
    m_layout->setSpacing(4);
}

EditorButton* EditBar::addButton(const QString& icon, const QString& labelKey, std::function<void()> onClick)
{
    auto* button = new EditorButton(icon, labelKey, EditorButton::Layout::TextUnderIcon, this);
    connect(button, &EditorButton::clicked, this, [onClick = std::move(onClick)] { onClick(); });
    m_layout->addWidget(button);
    return button;
}

void EditBar::addWidget(QWidget* widget, int stretch)
{
    m_layout->addWidget(widget, stretch);
}

void EditBar::addSeparator()
{
    auto* line = new QFrame(this);
    line->setFixedSize(1, 28);
    line->setStyleSheet(QStringLiteral("background: #383838;"));
    m_layout->addSpacing(6);
    m_layout->addWidget(line);
    m_layout->addSpacing(6);
}

void EditBar::finish()
{
    m_layout->addStretch();
}
