#include "app/PageSelection.h"

void PageSelection::setIndex(int index)
{
    if (index == m_index)
        return;
    m_index = index;
    Q_EMIT indexChanged(index);
}
