// A script message from the canvas page: a name from the set the page posts
// (or any name) and any body, through the dispatcher the bridge calls.

#include "FuzzEnvironment.h"
#include "canvas/ScriptMessageDispatcher.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

const char* const knownNames[] = { "log", "pageReady", "imageBase64", "clickCanvasBlank", "loadFontFail", "loadSvgFail",
    "getBrightnessAndSaturation", "hsltorgb", "fontAttributes", "loadFontSuccess", "getSvgAsBase64",
    "clickCanvasTextItem", "clickCanvasPathItem", "undoRedoState", "svgLoadSuccess", "uploadSvg" };

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ScriptMessageDispatcher dispatcher;
    FuzzedDataProvider input(data, size);
    const auto choice = input.ConsumeIntegralInRange<std::size_t>(0, std::size(knownNames));
    const QString name = choice < std::size(knownNames) ? QString::fromLatin1(knownNames[choice])
                                                        : QString::fromStdString(input.ConsumeRandomLengthString(32));
    if (input.ConsumeBool()) {
        const auto request = input.ConsumeIntegralInRange<qint64>(0, 3);
        dispatcher.noteFontRequested(request, QString::fromStdString(input.ConsumeRandomLengthString(16)), {},
            QString::fromStdString(input.ConsumeRandomLengthString(16)));
    }
    dispatcher.dispatch(name, QString::fromStdString(input.ConsumeRemainingBytesAsString()));
    return 0;
}
