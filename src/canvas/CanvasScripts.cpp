#include "canvas/CanvasScripts.h"

namespace CanvasScripts {

namespace {

QString flag(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString call(const char* function)
{
    return QLatin1String(function) + QStringLiteral("()");
}

QString callWithText(const char* function, const QString& text)
{
    return QLatin1String(function) + QLatin1Char('(') + jsq(text) + QLatin1Char(')');
}

QString callWithValueAndFlag(const char* function, int value, bool isAddToUndo)
{
    return QLatin1String(function) + QLatin1Char('(') + QString::number(value) + QLatin1Char(',') + flag(isAddToUndo)
        + QLatin1Char(')');
}

// The trailing arguments of the font calls: ,'weight','style',request.
QString faceAndRequest(const FontFaceStyle& face, qint64 request)
{
    return QLatin1Char(',') + jsq(face.weight) + QLatin1Char(',') + jsq(face.style) + QLatin1Char(',')
        + QString::number(request);
}

} // namespace

QString jsq(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('\'');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\'':
            out += QStringLiteral("\\'");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case 0x2028:
            out += QStringLiteral("\\u2028");
            break;
        case 0x2029:
            out += QStringLiteral("\\u2029");
            break;
        default:
            if (u < 0x20)
                out += QStringLiteral("\\u%1").arg(unsigned(u), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('\'');
    return out;
}

QString hex6lower(int rgb)
{
    return QStringLiteral("%1").arg(unsigned(rgb) & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

QString activeAttributes()
{
    return call("activeAttributes");
}

QString hsltorgb(int hue, int saturation, int lightness, int tag)
{
    return QStringLiteral("hsltorgb(%1,%2,%3,%4)").arg(hue).arg(saturation).arg(lightness).arg(tag);
}

QString getFontAttributes()
{
    return call("getFontAttributes");
}
QString setTextFontBold()
{
    return call("setTextFontBold");
}
QString setTextFontItalic()
{
    return call("setTextFontItalic");
}
QString setTextFontUnderLine()
{
    return call("setTextFontUnderLine");
}
QString setTextFontUppercase()
{
    return call("setTextFontUppercase");
}
QString setTextFontDirection()
{
    return call("setTextFontDirection");
}
QString setTextFontFamily(const QString& family, const FontFaceStyle& face, qint64 request)
{
    return QStringLiteral("setTextFontFamily(") + jsq(family) + faceAndRequest(face, request) + QLatin1Char(')');
}

QString loadFont(const QString& family, const QString& location, const FontFaceStyle& face, qint64 request)
{
    return QStringLiteral("LoadFont(") + jsq(family) + QLatin1Char(',') + jsq(location) + faceAndRequest(face, request)
        + QLatin1Char(')');
}

QString pushLocalFont(const QString& jsonArray)
{
    return callWithText("pushLocalFont", jsonArray);
}

QString canvasClear(bool keepHistory)
{
    return QStringLiteral("canvasClear(") + flag(keepHistory) + QLatin1Char(')');
}

QString getSvgAsBase64ForResult(const QString& tag)
{
    return callWithText("getSvgAsBase64ForResult", tag);
}

QString getLogoJpgPngBase64(const QString& name, int a, int b, int c)
{
    return QStringLiteral("getLogoJpgPngBase64(") + jsq(name) + QStringLiteral(", %1, %2, %3, ").arg(a).arg(b).arg(c)
        + flag(a == 1) + QLatin1Char(')');
}

QString setObjColor(int rgb)
{
    return setObjColorString(QLatin1Char('#') + hex6lower(rgb));
}

QString setObjColorString(const QString& text)
{
    return callWithText("setObjColor", text.isNull() ? QStringLiteral("#000000") : text);
}

QString setActiveBrightness(int value, bool isAddToUndo)
{
    return callWithValueAndFlag("setActiveBrightness", value, isAddToUndo);
}

QString setActiveSaturation(int value, bool isAddToUndo)
{
    return callWithValueAndFlag("setActiveSaturation", value, isAddToUndo);
}

QString setObjOpacity(int percent, bool isAddToUndo)
{
    return callWithValueAndFlag("setObjOpacity", percent, isAddToUndo);
}

QString charSpacing(int space, bool isAddToUndo)
{
    return callWithValueAndFlag("charSpacing", space, isAddToUndo);
}

QString changeRotate(int degrees, bool isAddToUndo)
{
    return callWithValueAndFlag("changeRotate", degrees, isAddToUndo);
}

QString setFlipObjX()
{
    return call("setFlipObjX");
}
QString setFlipObjY()
{
    return call("setFlipObjY");
}

QString setCanvasBKGroundColor(int rgb)
{
    return callWithText("setCanvasBKGroundColor", QLatin1Char('#') + hex6lower(rgb));
}

QString undoItem()
{
    return call("undoItem");
}
QString redoItem()
{
    return call("redoItem");
}
QString copyItem()
{
    return call("copyItem");
}
QString deleteItem()
{
    return call("deleteItem");
}
QString addText(const QString& text)
{
    return callWithText("addText", text);
}
QString loadDesignFromHost(qint64 token)
{
    return QStringLiteral("loadDesignFromHost(") + QString::number(token) + QLatin1Char(')');
}

QString setCanvasSize(int width, int height)
{
    return QStringLiteral("setCanvasSize(%1,%2)").arg(width).arg(height);
}

QString addSvgBase64(const QString& base64)
{
    return callWithText("addSvgBase64", base64);
}

QString setCanvasBKGroundImage(const QString& pngBase64)
{
    return callWithText("setCanvasBKGroundImage", QStringLiteral("data:image/png;base64,") + pngBase64);
}

QString collectGarbage()
{
    return QStringLiteral("collectGarbage()");
}

} // namespace CanvasScripts
