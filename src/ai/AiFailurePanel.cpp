#include "ai/AiFailurePanel.h"

#include "ai/StepSupport.h"
#include "components/LoadSvgFailView.h"
#include "core/ColorUtilities.h"

namespace {
constexpr QSize areaSize(720, 500);
constexpr int failViewLift = 32;
} // namespace

AiFailurePanel::AiFailurePanel(std::function<void()> retry, QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(areaSize);
    fillColor(this, Color(0x1E1E1E));
    auto* backing = new QWidget(this);
    fillColor(backing, Qt::white);
    m_failView = new LoadSvgFailView(
        std::move(retry), [] {}, backing);
    backing->resize(m_failView->size());
    backing->move(
        (areaSize.width() - m_failView->width()) / 2, (areaSize.height() - m_failView->height()) / 2 - failViewLift);
}
