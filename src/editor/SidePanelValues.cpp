#include "editor/SidePanelValues.h"

namespace {
template <class Model>
void store(SidePanelValues& values, Model& stored, const Model& model, void (SidePanelValues::*changed)())
{
    stored = model;
    (values.*changed)();
}
} // namespace

SidePanelValues::SidePanelValues(QObject* parent)
    : QObject(parent)
{
}

void SidePanelValues::setCanvasBrightnessAndSaturationModel(const CanvasBrightnessAndSaturationModel& model)
{
    store(*this, m_canvasBrightnessAndSaturationModel, model,
        &SidePanelValues::canvasBrightnessAndSaturationModelChanged);
}

void SidePanelValues::setCanvasTextModel(const CanvasTextModel& model)
{
    store(*this, m_canvasTextModel, model, &SidePanelValues::canvasTextModelChanged);
}

void SidePanelValues::setCanvasPathModel(const CanvasPathModel& model)
{
    store(*this, m_canvasPathModel, model, &SidePanelValues::canvasPathModelChanged);
}

void SidePanelValues::setCanvasTextCharSpacingModel(const CanvasTextCharSpacingModel& model)
{
    store(*this, m_canvasTextCharSpacingModel, model, &SidePanelValues::canvasTextCharSpacingModelChanged);
}
