#pragma once

#include "../EditorTestSupport.h"
#include "components/CustomSlider.h"
#include "editor/EditLogoViewModel.h"
#include "editor/EditorEvents.h"
#include "editor/EditorPanelFactories.h"
#include "editor/sheets/EditorSheets.h"

#include <QMouseEvent>
#include <QTest>
#include <QWebEngineView>
#include <QWidget>

// Installs the adjustment sheets for one test and removes them afterwards.
class ScopedEditorSheets {
public:
    ScopedEditorSheets() { installEditorSheets(); }
    ~ScopedEditorSheets()
    {
        for (EditorPanel panel : { EditorPanel::TextColor, EditorPanel::TextCharsSpacing, EditorPanel::TextFormat,
                 EditorPanel::GraphicsRotate, EditorPanel::Flip, EditorPanel::BackgroundColor })
            EditorPanelFactories::setPanelFactory(panel, {});
    }
};

// An editor model over a recording canvas, as the sheets see it.
struct SheetModelHarness {
    RecordingCanvas canvas;
    EditLogoViewModel model { QStringLiteral("<svg/>"), 0, false, canvas.controller() };

    void selectText(const QString& id, const QString& opacity = QStringLiteral("1"),
        const QString& charSpacing = QStringLiteral("0"))
    {
        CanvasTextModel text;
        text.id = id;
        text.opacity = opacity;
        text.charSpacing = charSpacing;
        RxBus::shared().post(EditFontEvent::CanvasTextData { text });
    }
    void selectGraphic(const QString& id, int angle = 0, const QString& opacity = QStringLiteral("1"))
    {
        CanvasPathModel path;
        path.id = id;
        path.angle = angle;
        path.opacity = opacity;
        RxBus::shared().post(EditGraphicsEvent::CanvasGraphicsData { path });
    }
};

// Drags a slider thumb the way a user does: press on `from`, hold until the
// long press is recognised, then move through `points` and release at the
// last.
inline void dragThumb(CustomSlider* slider, QPoint from, const std::vector<QPoint>& points)
{
    QTest::mousePress(slider, Qt::LeftButton, {}, from);
    waitUntil([&] { return slider->gesturePhase() == LongPressDragGesture::Phase::Pressed; }, 5000);
    for (const QPoint& point : points) {
        QMouseEvent move(QEvent::MouseMove, point, slider->mapToGlobal(point), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(slider, &move);
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, points.empty() ? from : points.back());
}

// Evaluates `expression` in the shared canvas page and returns its value.
inline QVariant pageValue(const QString& expression)
{
    auto* view = qobject_cast<QWebEngineView*>(sharedWebViewController().view());
    bool done = false;
    QVariant result;
    view->page()->runJavaScript(expression, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    waitUntil([&] { return done; }, 10000);
    return result;
}
