#include "editor/EditorToolbar.h"

#include "editor/EditorButton.h"

#include <QHBoxLayout>

EditorToolbar::EditorToolbar(QWidget* parent)
    : QWidget(parent)
    , m_leave(new EditorButton(
          QStringLiteral("editor_leave"), QStringLiteral("Close"), EditorButton::Layout::TextBesideIcon, this))
    , m_undo(new EditorButton(
          QStringLiteral("editor_undo"), QStringLiteral("Undo"), EditorButton::Layout::TextBesideIcon, this))
    , m_redo(new EditorButton(
          QStringLiteral("editor_redo"), QStringLiteral("Redo"), EditorButton::Layout::TextBesideIcon, this))
    , m_export(new EditorButton(
          QStringLiteral("editor_export"), QStringLiteral("Export"), EditorButton::Layout::TextBesideIcon, this))
    , m_save(new EditorButton(
          QStringLiteral("editor_save"), QStringLiteral("Save"), EditorButton::Layout::TextBesideIcon, this))
{
    setObjectName(QStringLiteral("EditorToolbar"));
    setFixedHeight(height);
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#EditorToolbar { background: #262626; border-bottom: 1px solid #383838; }"));
    m_save->setStyleSheet(QStringLiteral(
        "QToolButton { color: white; font-size: 12px; background: #007AFF; border: none; border-radius: 5px;"
        " padding: 2px 12px; }"
        "QToolButton:disabled { background: #2F4A6B; color: #8A94A0; }"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 0, 16, 0);
    layout->setSpacing(6);
    layout->addWidget(m_leave);
    layout->addSpacing(12);
    layout->addWidget(m_undo);
    layout->addWidget(m_redo);
    layout->addStretch();
    layout->addWidget(m_export);
    layout->addSpacing(6);
    layout->addWidget(m_save);

    connect(m_leave, &EditorButton::clicked, this, &EditorToolbar::leaveClicked);
    connect(m_undo, &EditorButton::clicked, this, &EditorToolbar::undoClicked);
    connect(m_redo, &EditorButton::clicked, this, &EditorToolbar::redoClicked);
    connect(m_export, &EditorButton::clicked, this, &EditorToolbar::exportClicked);
    connect(m_save, &EditorButton::clicked, this, &EditorToolbar::saveClicked);
}
