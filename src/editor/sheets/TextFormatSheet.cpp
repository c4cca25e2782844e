#include "editor/sheets/TextFormatSheet.h"

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "core/RxBus.h"
#include "core/SharedIcon.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/sheets/SelectedObjectWatcher.h"
#include "editor/sheets/SheetStyle.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>

namespace {
// The page call of each switch, in button order.
using ScriptCall = QString (*)();
constexpr std::array<ScriptCall, TextFormatSheet::buttonCount> formatCalls = {
    &CanvasScripts::setTextFontBold,
    &CanvasScripts::setTextFontItalic,
    &CanvasScripts::setTextFontUnderLine,
    &CanvasScripts::setTextFontUppercase,
    &CanvasScripts::setTextFontDirection,
};
// The flag each switch shows, in button order.
constexpr std::array<bool CanvasTextFormatModel::*, TextFormatSheet::buttonCount> formatFlags = {
    &CanvasTextFormatModel::isBold,
    &CanvasTextFormatModel::isItalic,
    &CanvasTextFormatModel::isUnderLine,
    &CanvasTextFormatModel::isUpper,
    &CanvasTextFormatModel::isVertical,
};
} // namespace

TextFormatSheet::TextFormatSheet(EditLogoViewModel& model, QWidget* parent)
    : SidePanelFrame(EditorPanel::TextFormat, { QStringLiteral("Format"), 24, 10 }, SheetStyle::fixedBodyHeight, parent)
    , m_model(model)
{
    auto* row = new QHBoxLayout(body());
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(buttonSpacing);
    row->addStretch(1);
    for (int index = 0; index < buttonCount; ++index) {
        auto* button = new QPushButton(body());
        button->setFixedSize(buttonSide, buttonSide);
        button->setIconSize(QSize(buttonSide, buttonSide));
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; padding: 0; }"));
        connect(button, &QPushButton::clicked, this, [this, index] { press(index); });
        m_buttons[std::size_t(index)] = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    showFlags();

    subscribeEvent<EditFontEvent::CanvasTextFormatData>(this, [this](const EditFontEvent::CanvasTextFormatData& e) {
        m_canvasTextFormatModel = e.canvasTextFormatModel;
        showFlags();
    });
    auto* watcher = new SelectedObjectWatcher(model, this);
    connect(watcher, &SelectedObjectWatcher::selectedObjectChanged, this,
        [this] { m_model.canvas().evaluate(CanvasScripts::getFontAttributes()); });
    m_model.canvas().evaluate(CanvasScripts::getFontAttributes());
}

QString TextFormatSheet::iconName(int index) const
{
    const bool on = m_canvasTextFormatModel.*formatFlags.at(std::size_t(index));
    return QStringLiteral("format%1%2").arg(index + 1).arg(on ? QStringLiteral("_select") : QString());
}

void TextFormatSheet::press(int index)
{
    m_model.canvas().evaluate(formatCalls[std::size_t(index)]());
    bool& on = m_canvasTextFormatModel.*formatFlags[std::size_t(index)];
    on = !on;
    showFlags();
}

void TextFormatSheet::showFlags()
{
    for (int index = 0; index < buttonCount; ++index)
        m_buttons[std::size_t(index)]->setIcon(sharedIcon(QStringLiteral(":/images/%1.svg").arg(iconName(index))));
}
