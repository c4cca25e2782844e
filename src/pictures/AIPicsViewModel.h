#pragma once

#include "model/UploadPicModel.h"
#include "pictures/decoding/PictureReader.h"

#include <QImage>
#include <QObject>
#include <optional>

// The picture-to-logo page without its widgets: which of its three screens is
// shown, the picked picture, and the request road after a confirmed crop
// (upload slot, PUT of the prepared square, create, hand-over to My Design).
// Every failure on the road is told with one toast and returns to the crop
// screen with the same picture; one road runs at a time.
class AIPicsViewModel : public QObject {
    Q_OBJECT
public:
    enum class Screen { Select, Crop, Uploading };

    explicit AIPicsViewModel(QObject* parent = nullptr);

    const QImage& selectedImage() const { return m_selectedImage; }
    bool isShowCropView() const { return m_isShowCropView; }
    bool isShowUploadView() const { return m_isShowUploadView; }
    Screen screen() const;

    // Decodes the picked file off the main thread; a decoded picture opens
    // the crop screen, a refused one is told why and leaves the page as it is.
    // Only the latest pick counts.
    void pickPicture(const QString& path);
    // The crop screen closes (Cancel, "Back"); not while the road runs.
    void closeCropView();

    // The road, step by step.
    void handleCropResult(const std::optional<QImage>& result);
    void putCroppedPicture(const UploadPicModel& reply);
    void createPicAfterUpload(const UploadPicModel& reply);
    void handleCreatePicReply(const UploadPicModel& reply);
    void reportPictureLogoFailure();

    // Whether a presigned address may take the upload: http or https with a host.
    static bool isUploadAddress(const QUrl& url);

Q_SIGNALS:
    void stateChanged();
    // A pick finished decoding (whether or not it could be used).
    void pictureDecoded(bool usable);

private:
    void setFlags(bool isShowCropView, bool isShowUploadView);
    void applyDecodedPicture(quint64 pick, const PictureReader::Result& read);

    QImage m_selectedImage;
    bool m_isShowCropView = false;
    bool m_isShowUploadView = false;
    quint64 m_latestPick = 0;
};
