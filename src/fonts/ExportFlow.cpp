#include "fonts/ExportFlow.h"

#include "canvas/CanvasScripts.h"
#include "core/ExportFolder.h"
#include "core/Localization.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "fonts/ExportFiles.h"
#include "globals/AppGlobals.h"

namespace {
const QString exportForm = QStringLiteral("ExportViewForEditLogoSheet");
} // namespace

ExportFlow::ExportFlow(Evaluate evaluate, QObject* parent)
    : QObject(parent)
    , m_evaluate(std::move(evaluate))
{
    subscribeEvent<ExportViewForEditLogoSheetEvent::imageSvgBase64StringEvent>(
        this, [this](const auto& event) { onSvgAnswer(event.base64String); });
    subscribeEvent<ExportViewSheetEvent::imageBase64StringEvent>(
        this, [this](const auto& event) { onPngAnswer(event.base64String); });
}

void ExportFlow::start()
{
    if (m_step != Step::Idle)
        return;
    m_step = Step::AwaitingSvg;
    m_svgWritten = false;
    m_evaluate(CanvasScripts::getSvgAsBase64ForResult(exportForm));
}

void ExportFlow::cancel()
{
    m_step = Step::Idle;
}

void ExportFlow::onSvgAnswer(const QString& base64)
{
    if (m_step != Step::AwaitingSvg)
        return;
    m_svgWritten = saveBase64SvgToDocuments(base64, exportFileName(QStringLiteral(".svg")), QStringLiteral("SVG")).ok();
    // The PNG is asked for even when the SVG could not be written.
    m_step = Step::AwaitingPng;
    m_evaluate(CanvasScripts::getLogoJpgPngBase64(
        exportFileName(QStringLiteral(".png")), 0, static_cast<int>(exportWidth), static_cast<int>(exportHeight)));
}

void ExportFlow::onPngAnswer(const QString& base64)
{
    if (m_step != Step::AwaitingPng)
        return;
    m_step = Step::Idle;
    printLine(QStringLiteral("图片编码 = "));
    const bool pngWritten
        = saveBase64PngToDocuments(base64, exportFileName(QStringLiteral(".png")), QStringLiteral("PNG")).ok();
    const bool written = m_svgWritten && pngWritten;
    const QString toast = written
        ? localized(QStringLiteral("The logo has been saved to the \"Documents\" -> Tessaly directory"))
        : localized(QStringLiteral("The logo could not be exported."));
    RxBus::shared().post(EditLogoViewEvent::toastEditWindowsEvent { toast });
    Q_EMIT finished(written);
}
