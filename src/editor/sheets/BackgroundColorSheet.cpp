#include "editor/sheets/BackgroundColorSheet.h"

#include "editor/sheets/BackgroundColorCardView.h"

#include <QVBoxLayout>

BackgroundColorSheet::BackgroundColorSheet(QWidget* parent)
    : SidePanelFrame(EditorPanel::BackgroundColor, { QStringLiteral("Color") }, plateHeight, parent)
    , m_plate(new BackgroundColorCardView(body()))
{
    auto* layout = new QVBoxLayout(body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_plate);
}
