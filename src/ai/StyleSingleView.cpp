#include "ai/StyleSingleView.h"

#include "core/ColorUtilities.h"

namespace {
StyleCard::Look freeLook()
{
    StyleCard::Look look;
    look.cornerRadius = 3;
    look.selectBorderColor = Color(0x4CC75C);
    look.unSelectBorderColor = Qt::white;
    look.selectTextColor = Color(0xDEE2E6);
    look.unSelectTextColor = Color(0xDEE2E6);
    return look;
}
} // namespace

StyleSingleView::StyleSingleView(int currentIndex, const QString& styleText, const QString& styleImage, QWidget* parent)
    : StyleCard(styleImage, styleText, freeLook(), parent)
    , m_currentIndex(currentIndex)
{
}
