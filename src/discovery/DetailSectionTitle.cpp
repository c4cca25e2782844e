#include "discovery/DetailSectionTitle.h"

#include "core/Localization.h"
#include "discovery/StyledLabel.h"

QLabel* detailSectionTitle(const QString& titleKey, QWidget* parent)
{
    QLabel* title = styledLabel(localized(titleKey), 16, 0xE9ECEF, parent);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return title;
}
