#include "pictures/AIPicsViewModel.h"

#include "api/APIFactory.h"
#include "api/OffMainThread.h"
#include "api/PresignedUpload.h"
#include "api/UploadImageHelpers.h"
#include "core/Localization.h"
#include "core/Log.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "pictures/AIPicsUploadImage.h"
#include "pictures/decoding/PictureReader.h"

#include <QTimer>
#include <QUrl>

namespace {

void toast(const QString& text)
{
    RxBus::shared().post(ContentViewEventBus::ToastEvent { text });
}

void toast(const char* key)
{
    toast(localized(QString::fromUtf8(key)));
}

constexpr const char* failureText = "Logo creation failed. Please try again.";
constexpr const char* successText = "Your logo has been successfully created and saved to 'My Designs'.";
constexpr const char* unreadableText = "This picture can't be opened. Please choose another one.";
constexpr const char* tooLargeText = "This picture is too large. Please choose one of at most %1 megapixels.";

// Why a picked picture is not opened: a smaller copy of a large one would be.
QString refusalText(const PictureReader::Result& read)
{
    if (read.refusal == PictureReader::Refusal::TooLarge)
        return localized(QString::fromUtf8(tooLargeText)).arg(read.mostPixels / 1000000);
    return localized(QString::fromUtf8(unreadableText));
}

} // namespace

AIPicsViewModel::AIPicsViewModel(QObject* parent)
    : QObject(parent)
{
}

AIPicsViewModel::Screen AIPicsViewModel::screen() const
{
    if (!m_isShowCropView)
        return Screen::Select;
    return m_isShowUploadView ? Screen::Uploading : Screen::Crop;
}

void AIPicsViewModel::setFlags(bool isShowCropView, bool isShowUploadView)
{
    if (isShowCropView == m_isShowCropView && isShowUploadView == m_isShowUploadView)
        return;
    m_isShowCropView = isShowCropView;
    m_isShowUploadView = isShowUploadView;
    // A closed crop screen shows the photo nowhere: its tens of megabytes go.
    if (!m_isShowCropView)
        m_selectedImage = QImage();
    Q_EMIT stateChanged();
}

void AIPicsViewModel::pickPicture(const QString& path)
{
    const quint64 pick = ++m_latestPick;
    runOffMainThread<PictureReader::Result>(
        this, [path] { return PictureReader::read(path); },
        [this, pick](const PictureReader::Result& read) { applyDecodedPicture(pick, read); });
}

void AIPicsViewModel::applyDecodedPicture(quint64 pick, const PictureReader::Result& read)
{
    // A later pick, or a road under way, makes this result stale.
    if (pick != m_latestPick || m_isShowUploadView)
        return;
    if (read.image.isNull()) {
        toast(refusalText(read));
        Q_EMIT pictureDecoded(false);
        return;
    }
    m_selectedImage = read.image;
    setFlags(true, false);
    // The crop screen starts again with the new picture.
    Q_EMIT pictureDecoded(true);
}

void AIPicsViewModel::closeCropView()
{
    if (m_isShowUploadView)
        return;
    setFlags(false, false);
}

void AIPicsViewModel::handleCropResult(const std::optional<QImage>& result)
{
    // One road per Confirm: a second Confirm while it runs does nothing.
    if (!result || m_isShowUploadView || !m_isShowCropView)
        return;
    const std::optional<QImage> prepared = resizeImageToSquare512(*result);
    if (!prepared || prepared->isNull()) {
        toast(failureText);
        return;
    }
    aiPicsUploadImage() = *prepared;
    setFlags(true, true);
    uploadPic([this](const UploadPicModel& reply) { putCroppedPicture(reply); }, [this] { reportPictureLogoFailure(); },
        this);
}

bool AIPicsViewModel::isUploadAddress(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty();
}

void AIPicsViewModel::putCroppedPicture(const UploadPicModel& reply)
{
    const UploadPicModelItemItem& item = reply.data.item;
    if (reply.status != 0 || item.put_prelink.isEmpty() || item.id.isEmpty()) {
        reportPictureLogoFailure();
        return;
    }
    const QUrl url(item.put_prelink, QUrl::StrictMode);
    if (!isUploadAddress(url)) {
        printLine(QStringLiteral("Error: The URL \"") + item.put_prelink + QStringLiteral("\" is not valid."));
        reportPictureLogoFailure();
        return;
    }
    uploadPNGToPresignedURL(
        aiPicsUploadImage(), url, [this, reply] { createPicAfterUpload(reply); },
        [this] { reportPictureLogoFailure(); }, this);
}

void AIPicsViewModel::createPicAfterUpload(const UploadPicModel& reply)
{
    const QString itemId = reply.data.item.id;
    QTimer::singleShot(0, this, [this, itemId] {
        createPic(
            itemId, [this](const UploadPicModel& created) { handleCreatePicReply(created); },
            [this] { reportPictureLogoFailure(); }, this);
    });
}

void AIPicsViewModel::handleCreatePicReply(const UploadPicModel& reply)
{
    if (reply.status != 0) {
        reportPictureLogoFailure();
        return;
    }
    setFlags(false, false);
    RxBus::shared().post(GeneratingViewEventBus::ToMyDesignPageEvent { true });
    toast(successText);
}

void AIPicsViewModel::reportPictureLogoFailure()
{
    setFlags(m_isShowCropView, false);
    toast(failureText);
}
