#include "app/VersionView.h"

#include "core/ColorUtilities.h"
#include "core/Localization.h"

#include <QLabel>
#include <QVBoxLayout>

VersionView::VersionView(const QString& version, QWidget* parent)
    : QWidget(parent)
{
    m_label = new QLabel(footerText(version), this);
    QFont font = m_label->font();
    font.setPixelSize(12);
    m_label->setFont(font);
    m_label->setTextFormat(Qt::PlainText);
    QPalette textPalette = m_label->palette();
    textPalette.setColor(QPalette::WindowText, Color(0x868E96));
    m_label->setPalette(textPalette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(m_label, 0, Qt::AlignHCenter);
}

QString VersionView::text() const
{
    return m_label->text();
}

QString VersionView::footerText(const QString& version)
{
    QString format = localized(QStringLiteral("Ver:%@    © Tessaly. All rights reserved."));
    return format.replace(QStringLiteral("%@"), version);
}
