// The offscreen platform's one screen is 800 × 600, smaller than the editor
// window and the main window, which would then scroll; these tests open them
// on a desktop's screen, where they fit, and beside it on a netbook's (named
// "small"), where they scroll. The platform reads its screens from a file while the
// application object is made, so the file is named before main runs.

#include <QByteArray>
#include <QTemporaryFile>

namespace {

bool useDesktopScreen()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return false;
    static QTemporaryFile screens;
    if (!screens.open())
        return false;
    screens.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                  R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},)"
                  R"( {"name": "small", "x": 1920, "y": 0, "width": 1024, "height": 600,)"
                  R"( "logicalDpi": 144, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    return true;
}

[[maybe_unused]] const bool desktopScreen = useDesktopScreen();

} // namespace
