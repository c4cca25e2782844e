#include "fonts/ExportViewForEditLogoSheet.h"

#include "canvas/WebViewViewController.h"
#include "core/Localization.h"
#include "core/SharedIcon.h"
#include "editor/EditLogoViewModel.h"
#include "fonts/ExportFlow.h"
#include "fonts/ExportViewSheetItem.h"
#include "fonts/Spinner.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void styleCloseButton(QPushButton* close)
{
    close->setIcon(sharedIcon(QStringLiteral(":/images/x-close.svg")));
    close->setIconSize(QSize(24, 24));
    close->setFixedSize(24, 24);
    close->setFlat(true);
    close->setCursor(Qt::PointingHandCursor);
    close->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
}

void styleSaveButton(QPushButton* save)
{
    QFont saveFont = save->font();
    saveFont.setPixelSize(17);
    save->setFont(saveFont);
    save->setFixedSize(358, 50);
    save->setCursor(Qt::PointingHandCursor);
    save->setStyleSheet(
        QStringLiteral("QPushButton { color: white; border: none; border-radius: 8px;"
                       " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #5CCCAA, stop:1 #60D733); }"
                       "QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #4FB896, "
                       "stop:1 #55C02C); }"));
}

QLabel* sheetTitle(QWidget* parent)
{
    auto* title = new QLabel(localized(QStringLiteral("Export to 'Documents'")), parent);
    QFont titleFont = title->font();
    titleFont.setPixelSize(22);
    titleFont.setWeight(QFont::Medium);
    title->setFont(titleFont);
    title->setFixedSize(358, 26);
    title->setStyleSheet(QStringLiteral("color: #FFFFFF; background: transparent;"));
    return title;
}

} // namespace

ExportViewForEditLogoSheet::ExportViewForEditLogoSheet(EditLogoViewModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_flow(new ExportFlow(
          [canvas = QPointer<WebViewViewController>(&model.canvas())](const QString& script) {
              if (canvas)
                  canvas->evaluate(script);
          },
          this))
    , m_close(new QPushButton(this))
    , m_save(new QPushButton(localized(QStringLiteral("Save to 'Documents’")), this))
    , m_overlay(new QWidget(this))
    , m_spinner(new Spinner(Qt::black, 30, m_overlay))
{
    layOut();
    subscribe();
}

void ExportViewForEditLogoSheet::layOut()
{
    setObjectName(QStringLiteral("exportSheet"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#exportSheet { background: #212529; }"));
    setFixedWidth(sheetWidth);
    setWindowTitle(localized(QStringLiteral("Export")));
    styleCloseButton(m_close);
    styleSaveButton(m_save);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8 + 24 + 24, 0, 15 + 20);
    layout->setSpacing(8);
    layout->addWidget(sheetTitle(this), 0, Qt::AlignHCenter);
    layout->addSpacing(30);
    layout->addWidget(new ExportViewSheetItem(QStringLiteral("SVG + PNG"), this), 0, Qt::AlignHCenter);
    for (const char* key : { "Vector Graphics", "Infinite Scaling", "Lossless Fidelity" })
        layout->addWidget(new ExportViewSheetItem(localized(QLatin1String(key)), this), 0, Qt::AlignHCenter);
    layout->addSpacing(30);
    layout->addWidget(m_save, 0, Qt::AlignHCenter);

    m_overlay->setAttribute(Qt::WA_StyledBackground);
    m_overlay->setStyleSheet(QStringLiteral("background: rgba(0, 0, 0, 102);"));
    m_overlay->hide();
    m_spinner->resize(45, 45);
}

void ExportViewForEditLogoSheet::subscribe()
{
    connect(m_close, &QPushButton::clicked, this, &ExportViewForEditLogoSheet::closeSheet);
    connect(m_save, &QPushButton::clicked, this, [this] {
        setShowingProgress(true);
        m_flow->start();
    });
    connect(m_flow, &ExportFlow::finished, this, [this] {
        setShowingProgress(false);
        m_model.setShowExportViewSheet(false);
    });
}

void ExportViewForEditLogoSheet::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_close->move(8, 8);
    m_overlay->setGeometry(rect());
    m_spinner->move((width() - m_spinner->width()) / 2, (height() - m_spinner->height()) / 2);
}

void ExportViewForEditLogoSheet::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Like a sheet: centred at the top edge of the editor's window.
    if (isWindow() && parentWidget()) {
        const QWidget* host = parentWidget()->window();
        move(host->mapToGlobal(QPoint((host->width() - width()) / 2, 0)));
    }
}

void ExportViewForEditLogoSheet::setShowingProgress(bool shown)
{
    m_isShowingProgress = shown;
    m_overlay->setVisible(shown);
    m_overlay->raise();
    m_close->raise();
}

void ExportViewForEditLogoSheet::closeSheet()
{
    m_flow->cancel();
    setShowingProgress(false);
    m_model.setShowExportViewSheet(false);
}
