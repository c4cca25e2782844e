#pragma once

#include "canvas/CanvasModels.h"

#include <QObject>

// What the side panels show and change: the selected object's attributes as
// the page last reported them, and as the panels have since written them.
// Each setter stores its model and says so.
class SidePanelValues : public QObject {
    Q_OBJECT
public:
    explicit SidePanelValues(QObject* parent = nullptr);

    const CanvasBrightnessAndSaturationModel& canvasBrightnessAndSaturationModel() const
    {
        return m_canvasBrightnessAndSaturationModel;
    }
    const CanvasTextModel& canvasTextModel() const { return m_canvasTextModel; }
    const CanvasPathModel& canvasPathModel() const { return m_canvasPathModel; }
    const CanvasTextCharSpacingModel& canvasTextCharSpacingModel() const { return m_canvasTextCharSpacingModel; }
    void setCanvasBrightnessAndSaturationModel(const CanvasBrightnessAndSaturationModel& model);
    void setCanvasTextModel(const CanvasTextModel& model);
    void setCanvasPathModel(const CanvasPathModel& model);
    void setCanvasTextCharSpacingModel(const CanvasTextCharSpacingModel& model);

Q_SIGNALS:
    void canvasBrightnessAndSaturationModelChanged();
    void canvasTextModelChanged();
    void canvasPathModelChanged();
    void canvasTextCharSpacingModelChanged();

private:
    CanvasBrightnessAndSaturationModel m_canvasBrightnessAndSaturationModel;
    CanvasTextModel m_canvasTextModel;
    CanvasPathModel m_canvasPathModel;
    CanvasTextCharSpacingModel m_canvasTextCharSpacingModel;
};
