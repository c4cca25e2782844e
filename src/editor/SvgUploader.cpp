#include "editor/SvgUploader.h"

#include "api/SaveAndUploadSVG.h"

SvgUploader& editorSvgUploader()
{
    static SvgUploader uploader
        = [](const QString& itemId, const QString& base64, const QString& kind, std::function<void(bool)> completion) {
              saveAndUploadSVG(itemId, base64, kind, std::move(completion));
          };
    return uploader;
}
