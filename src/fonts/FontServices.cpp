#include "fonts/FontServices.h"

#include "canvas/WebViewViewController.h"
#include "core/Localization.h"
#include "core/RxBus.h"
#include "editor/EditorEvents.h"
#include "editor/EditorPanelFactories.h"
#include "editor/LocalFontPath.h"
#include "fonts/ExportViewForEditLogoSheet.h"
#include "fonts/FontCatalogue.h"
#include "fonts/FontFiles.h"
#include "fonts/FontRegistrationQueue.h"
#include "fonts/GraphicsAddSheet.h"
#include "fonts/TextFontFamilySheet.h"

void installFontServices()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;

    EditorPanelFactories::setPanelFactory(EditorPanel::TextFontFamily,
        [](EditLogoViewModel& model, QWidget* parent) { return new TextFontFamilySheet(model, parent); });
    EditorPanelFactories::setPanelFactory(
        EditorPanel::GraphicsAdd, [](EditLogoViewModel&, QWidget* parent) { return new GraphicsAddSheet(parent); });
    EditorPanelFactories::setExportSheetFactory(
        [](EditLogoViewModel& model, QWidget* parent) { return new ExportViewForEditLogoSheet(model, parent); });

    // fontconfig changes only while no web page exists: start-up registration
    // finishes before the canvas view is made, and nothing registers after.
    WebViewViewController::setBeforeViewCreation(&FontRegistrationQueue::finishNow);
    holdFontRegistrationWhile(&WebViewViewController::liveViewExists);

    setLocalFontPathResolver(
        [](const QString& fontName) { return FontUtils::registerLocalFontReturningPath(fontName); });
    sharedWebViewController().setLocalFontListProvider(&FontUtils::localFontListJsonForWebView);

    // Told here rather than by the font sheet, which may have closed by the time the page answers.
    subscribeEvent<EditFontEvent::TextFontFamilyDownloadFailEvent>([](const auto&) {
        RxBus::shared().post(
            EditLogoViewEvent::toastEditWindowsEvent { localized(QStringLiteral("The font could not be loaded.")) });
    });
}
