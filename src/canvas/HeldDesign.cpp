#include "canvas/HeldDesign.h"

#include <utility>

void HeldDesign::hold(qint64 token, Design design)
{
    m_token = token;
    m_design = std::move(design);
}

std::optional<HeldDesign::Design> HeldDesign::take(qint64 token)
{
    if (!find(token))
        return std::nullopt;
    return std::exchange(m_design, std::nullopt);
}

const HeldDesign::Design* HeldDesign::find(qint64 token) const
{
    return m_design && m_token == token ? &*m_design : nullptr;
}
