#include "editor/sheets/TextFormatSheet.h"

#include "canvas/CanvasScripts.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/sheets/SelectedObjectWatcher.h"
#include "editor/sheets/SheetCanvas.h"
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
        [this] { SheetCanvas::evaluate(m_model, CanvasScripts::getFontAttributes()); });
    SheetCanvas::evaluate(m_model, CanvasScripts::getFontAttributes());
}

bool& TextFormatSheet::flag(int index)
{
    switch (index) {
    case 0:
        return m_canvasTextFormatModel.isBold;
    case 1:
        return m_canvasTextFormatModel.isItalic;
    case 2:
        return m_canvasTextFormatModel.isUnderLine;
    case 3:
        return m_canvasTextFormatModel.isUpper;
    default:
        return m_canvasTextFormatModel.isVertical;
    }
}

bool TextFormatSheet::flag(int index) const
{
    return const_cast<TextFormatSheet*>(this)->flag(index);
}

QString TextFormatSheet::iconName(int index) const
{
    return QStringLiteral("format%1%2").arg(index + 1).arg(flag(index) ? QStringLiteral("_select") : QString());
}

void TextFormatSheet::press(int index)
{
    SheetCanvas::evaluate(m_model, formatCalls[std::size_t(index)]());
    flag(index) = !flag(index);
    showFlags();
}

void TextFormatSheet::showFlags()
{
    for (int index = 0; index < buttonCount; ++index)
        m_buttons[std::size_t(index)]->setIcon(QIcon(QStringLiteral(":/images/%1.svg").arg(iconName(index))));
}
