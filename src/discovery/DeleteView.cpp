#include "discovery/DeleteView.h"

#include "core/ColorUtilities.h"
#include "core/Localization.h"
#include "discovery/ImageLabel.h"
#include "discovery/StyledLabel.h"
#include "discovery/TapTarget.h"

#include <QHBoxLayout>
#include <QLabel>

DeleteView::DeleteView(QWidget* parent)
    : QWidget(parent)
    , m_control(new TapTarget(this))
    , m_bin(new ImageLabel(QStringLiteral("Bin"), QSize(14, 14), m_control))
    , m_label(styledLabel(localized(QStringLiteral("Delete")), 12, 0x495057, m_control))
{
    m_bin->setAspectFill(true);
    auto* controlRow = new QHBoxLayout(m_control);
    controlRow->setContentsMargins(0, 0, 0, 0);
    controlRow->setSpacing(6);
    controlRow->addWidget(m_bin, 0, Qt::AlignVCenter);
    controlRow->addWidget(m_label, 0, Qt::AlignVCenter);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 20, 0);
    row->addStretch();
    row->addWidget(m_control);

    connect(m_control, &TapTarget::tapped, this, [this] {
        if (m_deleteMode)
            Q_EMIT alertRequested();
        else
            Q_EMIT deleteModeRequested();
    });
    setDeleteMode(false);
}

void DeleteView::setDeleteMode(bool deleteMode)
{
    m_deleteMode = deleteMode;
    m_bin->setImageName(deleteMode ? QStringLiteral("Bin (1)") : QStringLiteral("Bin"));
    QPalette colors = m_label->palette();
    colors.setColor(QPalette::WindowText, Color(deleteMode ? 0xD8ECFD : 0x495057));
    m_label->setPalette(colors);
}
