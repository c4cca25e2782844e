#pragma once

// Saving a design: the canvas's Base64 SVG is decoded, written as
// "tempOriginal.svg", gzip-compressed to "tempOriginal.svg.gz" and posted as
// a multipart form to "/logo2/Save_logo_file". The reply's "status" equal to
// the integer 0 means saved. Each save works in a private temporary folder
// that is removed on every path; a save started while another is in flight
// is refused.

#include "api/APIResponse.h"

#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <variant>

class QHttpMultiPart;

// Runs `completion` exactly once: at once on a failure before the upload,
// later on the main thread after it. `kind` is "design" or "template". A
// save whose answer is lost or unreadable is reported as saved only when
// the server shows that it holds what was sent (SavedDesignCheck).
void saveAndUploadSVG(
    const QString& itemId, const QString& svgBase64, const QString& kind, std::function<void(bool saved)> completion);

// Whether a save is waiting for its upload reply.
bool isSaveAndUploadInFlight();

struct SaveLogoFileResult {
    bool success = false;
    // "操作成功" on success, otherwise the error's description.
    QString text;
    // False when the answer was lost or unreadable: the server may hold the design all the same.
    bool answered = true;
};
using SaveLogoFileCompletion = std::function<void(const SaveLogoFileResult&)>;

// Posts the compressed file with the design's fields; the completion runs on the main thread.
void uploadSVGFile(
    const QString& itemId, const QString& gzipFilePath, const QString& kind, SaveLogoFileCompletion completion);

// Appends one text part per parameter, then the file part "filename"
// ("big_orig.svg.gz", "application/gzip"). False when the file can't be opened.
bool buildSaveLogoFileForm(
    QHttpMultiPart& form, const QList<QPair<QString, QString>>& parameters, const QString& gzipFilePath);

// Judges the upload's outcome: success only for a 2xx reply that is a JSON
// object whose "status" is the integer 0. No reply, a body that is not JSON
// and a "status" that is not an integer leave the outcome unanswered.
void handleSaveLogoFileReply(
    const std::variant<APIResponse, TransportError>& outcome, const SaveLogoFileCompletion& completion);
