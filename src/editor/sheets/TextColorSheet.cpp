#include "editor/sheets/TextColorSheet.h"

#include "canvas/CanvasScripts.h"
#include "canvas/WebViewViewController.h"
#include "core/RxBus.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/SidePanelValues.h"
#include "editor/sheets/BrightnessBar.h"
#include "editor/sheets/ColorBar.h"
#include "editor/sheets/OpacityBar.h"
#include "editor/sheets/SaturationBar.h"
#include "editor/sheets/SelectedObjectWatcher.h"
#include "editor/sheets/Throttle.h"
#include "editor/sheets/colorCardAndOpacityView.h"

#include <QVBoxLayout>

TextColorSheet::TextColorSheet(EditLogoViewModel& model, QWidget* parent)
    : SidePanelFrame(EditorPanel::TextColor, { QStringLiteral("Color") }, 0, parent)
    , m_model(model)
    , m_colorBar(new ColorBar(model, Throttle::create(hueThrottleInterval), body()))
    , m_saturationBar(new SaturationBar(model, body()))
    , m_brightnessBar(new BrightnessBar(model, body()))
    , m_opacityBar(new OpacityBar(model, body()))
    , m_plate(new colorCardAndOpacityView(body()))
{
    auto* column = new QVBoxLayout(body());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(rowSpacing);
    column->addWidget(m_colorBar);
    column->addWidget(m_saturationBar);
    column->addWidget(m_brightnessBar);
    column->addWidget(m_opacityBar);
    column->addWidget(m_plate, 1);

    subscribeEvent<EditFontEvent::ColorStringChangeEvent>(this, [this](const EditFontEvent::ColorStringChangeEvent& e) {
        QString text = e.color.isNull() ? QStringLiteral("FF0000FF") : e.color;
        m_colorText = text.remove(QLatin1Char('#'));
    });
    m_colorBar->setHue(model.panelValues().canvasBrightnessAndSaturationModel().hue / 360.0);

    auto* watcher = new SelectedObjectWatcher(model, this);
    connect(watcher, &SelectedObjectWatcher::selectedObjectChanged, this, &TextColorSheet::selectedObjectChanged);
}

double TextColorSheet::hue() const
{
    return m_colorBar->hue();
}

void TextColorSheet::setShowGridColorItem(bool show)
{
    if (show == m_showGridColorItem)
        return;
    m_showGridColorItem = show;
    m_model.canvas().evaluate(CanvasScripts::activeAttributes());
}

void TextColorSheet::selectedObjectChanged()
{
    m_model.canvas().evaluate(CanvasScripts::activeAttributes());
    m_opacityBar->load();
}
