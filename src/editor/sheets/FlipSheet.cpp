#include "editor/sheets/FlipSheet.h"

#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "editor/sheets/FlipSheetItem.h"
#include "editor/sheets/SheetStyle.h"

#include <QHBoxLayout>

FlipSheet::FlipSheet(QWidget* parent)
    : SidePanelFrame(EditorPanel::Flip, { QStringLiteral("Flip"), 10, 10 }, SheetStyle::fixedBodyHeight, parent)
    // The horizontal flip shows "flip-v1" and the vertical one "flip-h1".
    , m_horizontal(new FlipSheetItem(
          QStringLiteral("flip-v1"), QStringLiteral("Flip Horizontal"), 0,
          [] { RxBus::shared().post(EditGraphicsEvent::FlipSheetHorizontalEvent {}); }, body()))
    , m_vertical(new FlipSheetItem(
          QStringLiteral("flip-h1"), QStringLiteral("Flip Vertical"), 0,
          [] { RxBus::shared().post(EditGraphicsEvent::FlipSheetVerticalEvent {}); }, body()))
{
    auto* row = new QHBoxLayout(body());
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addStretch(1);
    row->addWidget(m_horizontal);
    row->addSpacing(itemGap);
    row->addWidget(m_vertical);
    row->addStretch(1);
}
