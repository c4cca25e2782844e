#include "ai/RealisticStyleSingleView.h"

#include "core/ColorUtilities.h"

namespace {
StyleCard::Look wizardLook()
{
    StyleCard::Look look;
    look.height = RealisticStyleSingleView::cardSize.height();
    look.pictureTop = 10;
    look.cornerRadius = 5;
    look.badge = true;
    look.selectBorderColor = Color(0x4CC75C);
    look.unSelectBorderColor = Qt::white;
    look.selectTextColor = Color(0xDEE2E6);
    look.unSelectTextColor = Color(0xDEE2E6);
    return look;
}
} // namespace

RealisticStyleSingleView::RealisticStyleSingleView(const Step2ModelStylesContentData& data, QWidget* parent)
    : StyleCard(data.img, data.name, wizardLook(), parent)
    , m_data(data)
{
}
