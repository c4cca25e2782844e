#pragma once

// The upload the editor's save goes through. It is the network client's
// saveAndUploadSVG unless a test puts a fake in its place.

#include <QString>
#include <functional>

using SvgUploader = std::function<void(
    const QString& itemId, const QString& base64, const QString& kind, std::function<void(bool saved)> completion)>;

SvgUploader& editorSvgUploader();
