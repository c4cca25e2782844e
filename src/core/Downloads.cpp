#include "core/Downloads.h"

#include "core/HttpFetch.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"

#include <QStringDecoder>

void downloadBase64(
    const QString& url, ReplyKind kind, std::function<void(const QString&)> success, std::function<void()> failure)
{
    HttpFetch::get(url, kind, nullptr,
        [success = std::move(success), failure = std::move(failure)](const HttpFetchResult& result) {
            if (result.ok) {
                if (success)
                    success(QString::fromLatin1(result.body.toBase64()));
                return;
            }
            RxBus::shared().post(EditLogoViewEvent::loadSvgFail {});
            if (failure)
                failure();
        });
}

void downloadText(const QString& url, std::function<void(const std::optional<QString>&)> completion)
{
    HttpFetch::get(
        url, ReplyKind::DesignFile, nullptr, [completion = std::move(completion)](const HttpFetchResult& result) {
            std::optional<QString> text;
            if (result.ok) {
                QStringDecoder decoder(QStringDecoder::Utf8);
                QString decoded = decoder.decode(result.body);
                if (!decoder.hasError())
                    text = std::move(decoded);
            } else {
                printLine(QStringLiteral("Failed to get SVG: ") + result.errorText);
            }
            if (completion)
                completion(text);
        });
}
