#pragma once

#include "ai/StyleCard.h"
#include "model/Step2Model.h"

// A style card of wizard step 2 (70 × 110): picture, outline, check badge
// and name. Selected while the step's selected id equals the style's id.
class RealisticStyleSingleView : public StyleCard {
    Q_OBJECT
public:
    static constexpr QSize cardSize { 70, 110 };

    explicit RealisticStyleSingleView(const Step2ModelStylesContentData& data, QWidget* parent = nullptr);

    const Step2ModelStylesContentData& data() const { return m_data; }

private:
    Step2ModelStylesContentData m_data;
};
