#include "api/SaveAndUploadSVG.h"

#include "api/APIProvider.h"
#include "api/APIToken.h"
#include "api/Gzip.h"
#include "api/OneShotBody.h"
#include "api/SavedDesignCheck.h"
#include "api/SvgPayloadDecoder.h"
#include "core/Configs.h"
#include "core/ExportFolder.h"
#include "core/LanguageWords.h"
#include "core/Log.h"
#include "core/PrivateTempFolders.h"
#include "globals/AppGlobals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QTemporaryDir>
#include <memory>
#include <nlohmann/json.hpp>

namespace {

const QString svgFileName = QStringLiteral("tempOriginal.svg");
const QString gzipFileName = QStringLiteral("tempOriginal.svg.gz");
const QString uploadFailedPrefix = QStringLiteral("上传失败: ");

bool saveInFlight = false;

// One save's private folder and the in-flight mark; both end with the session.
class SaveSession {
public:
    SaveSession()
        : m_folder(PrivateTempFolders::folderTemplate(QStringLiteral("save")))
    {
        saveInFlight = true;
    }
    ~SaveSession() { saveInFlight = false; }
    SaveSession(const SaveSession&) = delete;
    SaveSession& operator=(const SaveSession&) = delete;

    bool isValid() const { return m_folder.isValid(); }
    QString folderError() const { return m_folder.errorString(); }
    QString filePath(const QString& name) const { return m_folder.filePath(name); }

private:
    QTemporaryDir m_folder;
};

// The design is the user's own: only its owner may read the file.
bool writeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const std::optional<QString> failure
        = writeFileWhole(path, bytes, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (failure)
        *error = *failure;
    return !failure;
}

void fail(const std::function<void(bool)>& completion, const QString& line)
{
    printLine(line);
    if (completion)
        completion(false);
}

void report(std::unique_ptr<SaveSession> session, const std::function<void(bool)>& completion, bool saved,
    const QString& failure)
{
    printLine(saved ? QStringLiteral("上传成功") : uploadFailedPrefix + failure);
    session.reset();
    if (completion)
        completion(saved);
}

// Gives the file result to the caller of the save: prints the outcome, ends
// the session (removing its folder) and only then reports. An unanswered
// upload is first checked against what the server holds.
void finishSVGUpload(std::unique_ptr<SaveSession> session, const std::function<void(bool)>& completion,
    SavedDesignCheck::Probe probe, const SaveLogoFileResult& result)
{
    if (result.success || result.answered) {
        report(std::move(session), completion, result.success, result.text);
        return;
    }
    printLine(QStringLiteral("保存的回复丢失或无法读取, 向服务器核对: ") + result.text);
    auto held = std::make_shared<std::unique_ptr<SaveSession>>(std::move(session));
    SavedDesignCheck::run(std::move(probe), [held, completion, text = result.text](SavedDesignCheck::Outcome outcome) {
        switch (outcome) {
        case SavedDesignCheck::Outcome::Found:
            report(std::move(*held), completion, true, {});
            return;
        case SavedDesignCheck::Outcome::NotFound:
            report(std::move(*held), completion, false, text + QStringLiteral(" (服务器上没有这次保存)"));
            return;
        case SavedDesignCheck::Outcome::CheckFailed:
            report(std::move(*held), completion, false, text + QStringLiteral(" (无法向服务器核对)"));
            return;
        }
    });
}

} // namespace

bool isSaveAndUploadInFlight()
{
    return saveInFlight;
}

void saveAndUploadSVG(
    const QString& itemId, const QString& svgBase64, const QString& kind, std::function<void(bool saved)> completion)
{
    if (saveInFlight) {
        fail(completion, uploadFailedPrefix + QStringLiteral("另一次保存尚未完成"));
        return;
    }

    const auto payload = decodeSvgPayload(svgBase64);
    if (const auto* error = std::get_if<SvgPayloadError>(&payload)) {
        fail(completion, error->message);
        return;
    }
    const QByteArray& svg = std::get<QByteArray>(payload);

    auto session = std::make_unique<SaveSession>();
    QString error;
    if (!session->isValid()) {
        error = session->folderError();
        session.reset();
        fail(completion, QStringLiteral("写入 SVG 文件失败: ") + error);
        return;
    }
    const QString svgPath = session->filePath(svgFileName);
    if (!writeFile(svgPath, svg, &error)) {
        session.reset();
        fail(completion, QStringLiteral("写入 SVG 文件失败: ") + error);
        return;
    }
    printLine(QStringLiteral("SVG 文件写入成功"));

    const QString gzipPath = session->filePath(gzipFileName);
    const std::optional<QByteArray> compressed = gzipCompress(svg);
    if (!compressed) {
        session.reset();
        fail(completion, QStringLiteral("操作失败: ") + QStringLiteral("gzip 压缩失败"));
        return;
    }
    if (!writeFile(gzipPath, *compressed, &error)) {
        session.reset();
        fail(completion, QStringLiteral("操作失败: ") + error);
        return;
    }
    printLine(QStringLiteral("文件 gzip 压缩成功"));

    // The size is only for the log; not knowing it never stops the save.
    const QFileInfo gzipInfo(gzipPath);
    if (gzipInfo.exists())
        printLine(QStringLiteral("文件 '%1' 的大小为: %2 字节").arg(gzipFileName).arg(gzipInfo.size()));

    printLine(QStringLiteral("EditLogoView item_id3 = ") + itemId);
    printLine(QStringLiteral("EditLogoView from = ") + kind);

    auto sharedSession = std::make_shared<std::unique_ptr<SaveSession>>(std::move(session));
    auto upload = [itemId, gzipPath, kind, svg, sharedSession, completion = std::move(completion)](
                      std::optional<QSet<QString>> idsBefore) {
        SavedDesignCheck::Probe probe { itemId, kind, svg, std::move(idsBefore) };
        uploadSVGFile(itemId, gzipPath, kind,
            [sharedSession, completion, probe = std::move(probe)](const SaveLogoFileResult& result) {
                finishSVGUpload(std::move(*sharedSession), completion, probe, result);
            });
    };
    // A new design can only be found later among designs that were not
    // listed before it was sent.
    if (kind == QLatin1String("design"))
        upload(std::nullopt);
    else
        SavedDesignCheck::listDesignIds(std::move(upload));
}

void uploadSVGFile(
    const QString& itemId, const QString& gzipFilePath, const QString& kind, SaveLogoFileCompletion completion)
{
    const QUrl url(Configs::Network::apiBaseURL + QStringLiteral("/logo2/Save_logo_file"));
    const QList<QPair<QString, QString>> parameters {
        { QStringLiteral("uuid"), deviceUUID() },
        { QStringLiteral("token"), apiToken() },
        { QStringLiteral("item_id"), itemId },
        { QStringLiteral("from"), kind },
        { QStringLiteral("lang"), apiLanguageName() },
    };

    auto* form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    if (!buildSaveLogoFileForm(*form, parameters, gzipFilePath)) {
        delete form;
        // Nothing was sent, so nothing can have been stored.
        const QString description = QStringLiteral("无法读取文件 ") + gzipFilePath;
        printLine(uploadFailedPrefix + description);
        if (completion)
            completion(SaveLogoFileResult { false, description, true });
        return;
    }
    auto shared = std::make_shared<SaveLogoFileCompletion>(std::move(completion));
    APIProvider::shared().postMultipart(
        url, form, nullptr, [shared](const APIResponse& response) { handleSaveLogoFileReply(response, *shared); },
        [shared](const TransportError& error) { handleSaveLogoFileReply(error, *shared); });
}

bool buildSaveLogoFileForm(
    QHttpMultiPart& form, const QList<QPair<QString, QString>>& parameters, const QString& gzipFilePath)
{
    QFile file(gzipFilePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (const auto& [name, value] : parameters) {
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentDispositionHeader, QStringLiteral("form-data; name=\"%1\"").arg(name));
        part.setBody(value.toUtf8());
        form.append(part);
    }
    QHttpPart filePart;
    filePart.setHeader(QNetworkRequest::ContentDispositionHeader,
        QStringLiteral("form-data; name=\"filename\"; filename=\"big_orig.svg.gz\""));
    filePart.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/gzip"));
    // A body that cannot be rewound, so a dropped connection never stores the design twice.
    filePart.setBodyDevice(new OneShotBody(file.readAll(), &form));
    form.append(filePart);
    return true;
}

void handleSaveLogoFileReply(
    const std::variant<APIResponse, TransportError>& outcome, const SaveLogoFileCompletion& completion)
{
    auto finish = [&completion](bool success, const QString& text, bool answered = true) {
        if (completion)
            completion(SaveLogoFileResult { success, text, answered });
    };
    if (const auto* error = std::get_if<TransportError>(&outcome)) {
        printLine(uploadFailedPrefix + error->description);
        finish(false, error->description, false);
        return;
    }
    const APIResponse& response = std::get<APIResponse>(outcome);
    if (response.statusCode < 200 || response.statusCode > 299) {
        finish(false, QStringLiteral("服务器访问失败 (HTTP %1)").arg(response.statusCode));
        return;
    }
    const nlohmann::json reply = nlohmann::json::parse(response.data.cbegin(), response.data.cend(), nullptr, false);
    if (reply.is_discarded()) {
        const QString description = QStringLiteral("回复不是有效的 JSON");
        printLine(uploadFailedPrefix + description);
        finish(false, description, false);
        return;
    }
    const auto status = reply.is_object() ? reply.find("status") : reply.end();
    const bool readable = reply.is_object() && status != reply.end() && status->is_number_integer();
    if (readable && *status == 0) {
        finish(true, QStringLiteral("操作成功"));
        return;
    }
    finish(false, QStringLiteral("回复的 status 不是 0"), readable);
}
