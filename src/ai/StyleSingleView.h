#pragma once

#include "ai/StyleCard.h"

// A style tile of the free creator: picture (70 × 70, corners of 3) with a
// green outline while chosen, and the style's name.
class StyleSingleView : public StyleCard {
    Q_OBJECT
public:
    StyleSingleView(int currentIndex, const QString& styleText, const QString& styleImage, QWidget* parent = nullptr);

    int currentIndex() const { return m_currentIndex; }

private:
    int m_currentIndex;
};
