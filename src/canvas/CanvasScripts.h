#pragma once

// The exact JavaScript text of every call the native side makes in the
// canvas page. Every text argument goes through jsq().

#include "canvas/FontFaceStyle.h"

#include <QString>

namespace CanvasScripts {

// A single-quoted JavaScript string literal of `text`; plain text comes out
// as '…' unchanged.
QString jsq(const QString& text);
// Six lowercase hexadecimal digits of the low 24 bits.
QString hex6lower(int rgb);

QString activeAttributes();
QString hsltorgb(int hue, int saturation, int lightness, int tag);
QString getFontAttributes();
QString setTextFontBold();
QString setTextFontItalic();
QString setTextFontUnderLine();
QString setTextFontUppercase();
QString setTextFontDirection();
// Sets the family and face on the texts font load `request` was made for,
// or with request 0 on the selected texts.
QString setTextFontFamily(const QString& family, const FontFaceStyle& face = {}, qint64 request = 0);
// Loads the file at `location` as `face` of `family`; a request other than 0
// notes the texts selected now as the ones it is for.
QString loadFont(const QString& family, const QString& location, const FontFaceStyle& face = {}, qint64 request = 0);
QString pushLocalFont(const QString& jsonArray);
QString canvasClear(bool keepHistory);
QString getSvgAsBase64ForResult(const QString& tag);
QString getLogoJpgPngBase64(const QString& name, int a, int b, int c);
QString setObjColor(int rgb);
QString setObjColorString(const QString& text);
QString setActiveBrightness(int value, bool isAddToUndo);
QString setActiveSaturation(int value, bool isAddToUndo);
QString setObjOpacity(int percent, bool isAddToUndo);
QString charSpacing(int space, bool isAddToUndo);
QString changeRotate(int degrees, bool isAddToUndo);
QString setFlipObjX();
QString setFlipObjY();
QString setCanvasBKGroundColor(int rgb);
QString undoItem();
QString redoItem();
QString copyItem();
QString deleteItem();
QString addText(const QString& text);
// Loads the design the host holds for `token`: the page takes it over the
// channel and echoes the token in "svgLoadSuccess" and "loadSvgFail".
QString loadDesignFromHost(qint64 token);
QString setCanvasSize(int width, int height);
QString addSvgBase64(const QString& base64);
QString setCanvasBKGroundImage(const QString& pngBase64);
QString collectGarbage();

} // namespace CanvasScripts
