#include "PictureFiles.h"
#include "ai/CustomVideoPlayer.h"
#include "ai/PlayerView.h"
#include "api/APIProvider.h"
#include "api/UploadImageHelpers.h"
#include "components/SeenPage.h"
#include "core/RxBus.h"
#include "core/SharedEvents.h"
#include "globals/AppGlobals.h"
#include "pictures/AIPicsView.h"
#include "pictures/AIPicsViewContentCropView.h"
#include "pictures/AIPicsViewContentSelectView.h"
#include "pictures/AIPicsViewContentView.h"
#include "pictures/AIPicsViewEvent.h"
#include "pictures/AIPicsViewModel.h"
#include "pictures/AIPicsViewTitleView.h"
#include "pictures/CropViewModel.h"
#include "pictures/PicturePanel.h"
#include "support/StandinHarness.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QMediaPlayer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVideoFrame>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace PictureFiles;
using json = nlohmann::json;

namespace {

const std::string uploadPath = "/index.php/logo2/Upload_pic";
const std::string createPath = "/index.php/logo2/Create_pic";
const QString failureToast = QStringLiteral("Logo creation failed. Please try again.");
const QString successToast = QStringLiteral("Your logo has been successfully created and saved to 'My Designs'.");

std::string uploadReply(const std::string& prelink, const std::string& id = "700001", int status = 0)
{
    return json {
        { "code", 0 }, { "message", "success" }, { "status", status },
        { "data", { { "item", { { "id", id }, { "put_prelink", prelink } } } } }
    }.dump();
}

// A video frame dark in its left half and light in its right.
QVideoFrame darkAndLightHalves()
{
    QVideoFrame frame(QVideoFrameFormat(QSize(8, 2), QVideoFrameFormat::Format_YUV420P));
    frame.map(QVideoFrame::WriteOnly);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 8; ++column)
            frame.bits(0)[row * frame.bytesPerLine(0) + column] = column < 4 ? 24 : 200;
    std::fill_n(frame.bits(1), frame.mappedBytes(1), uchar(128));
    std::fill_n(frame.bits(2), frame.mappedBytes(2), uchar(128));
    frame.unmap();
    return frame;
}

} // namespace

class PictureRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        picturePath = save(QDir(folder.path()), QStringLiteral("photo.jpg"), halves({ 1200, 900 }), "jpeg");
        subscribeEvent<ContentViewEventBus::ToastEvent>(&context,
            [this](const ContentViewEventBus::ToastEvent& e) { events << QStringLiteral("toast ") + e.text; });
        subscribeEvent<GeneratingViewEventBus::ToMyDesignPageEvent>(
            &context, [this](const GeneratingViewEventBus::ToMyDesignPageEvent& e) {
                events << QStringLiteral("to my design ") + (e.formAIPics ? "true" : "false");
            });
        page = std::make_unique<AIPicsView>();
        // The page is its own window, in front of it, as the main window shows it.
        auto* seenPage = new SeenPage(page.get());
        seenPage->setPage(page.get());
        page->show();
        seenPage->setWindowShown(true);
    }

    void TearDown() override
    {
        page.reset();
        APIProvider::shared().setTimeout(APIProvider::defaultTimeout);
    }

    AIPicsViewModel* model() const { return page->viewModel(); }
    AIPicsViewContentSelectView* selectView() const { return page->contentView()->selectView(); }
    CropView* cropView() const
    {
        AIPicsViewContentCropView* crop = page->contentView()->cropPage();
        return crop && crop->cropView() ? crop->cropView()->cropView() : nullptr;
    }

    // Picks the picture through the dialog, as the user does.
    void pick(const QString& path)
    {
        selectView()->choosePictureButton()->click();
        QFileDialog* dialog = selectView()->picturePanel()->dialog();
        ASSERT_TRUE(dialog);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
        ASSERT_TRUE(waitUntil([&] { return model()->screen() == AIPicsViewModel::Screen::Crop; }));
        ASSERT_TRUE(cropView());
    }

    void confirmAndWaitForTheEnd()
    {
        cropView()->confirmButton()->click();
        EXPECT_EQ(model()->screen(), AIPicsViewModel::Screen::Uploading);
        ASSERT_TRUE(waitUntil([&] { return model()->screen() != AIPicsViewModel::Screen::Uploading; }, 8000));
    }

    standin::StandinServer& server() { return harness.server(); }

    StandinHarness harness;
    QTemporaryDir folder;
    QString picturePath;
    QObject context;
    QStringList events;
    std::unique_ptr<AIPicsView> page;
};

TEST_F(PictureRoad, UploadsThePreparedSquareCreatesTheLogoAndHandsOver)
{
    pick(picturePath);
    EXPECT_EQ(page->titleView()->title(), QStringLiteral("Select Region"));
    cropView()->confirmButton()->click();
    EXPECT_EQ(page->titleView()->title(), QStringLiteral("Done"));
    EXPECT_FALSE(page->titleView()->isBackShown());
    // Only the video's light particles show over the page's colour.
    AIPicsViewContentCropView* generating = page->contentView()->cropPage();
    generating->videoView()->playerView()->setFrame(darkAndLightHalves());
    const QImage screen = generating->generatingScreen()->grab().toImage();
    const QRect video = generating->videoView()->geometry();
    EXPECT_EQ(screen.pixelColor(video.left() + video.width() / 4, video.center().y()), QColor(30, 30, 30));
    EXPECT_GT(screen.pixelColor(video.right() - video.width() / 4, video.center().y()).red(), 150);
    ASSERT_TRUE(waitUntil([&] { return model()->screen() == AIPicsViewModel::Screen::Select; }, 8000));
    EXPECT_EQ(page->titleView()->title(), QStringLiteral("AI Pics"));
    // The photo is not kept past its crop screen.
    EXPECT_TRUE(model()->selectedImage().isNull());

    EXPECT_EQ(events, QStringList({ QStringLiteral("to my design true"), QStringLiteral("toast ") + successToast }));
    std::vector<std::string> order;
    for (const standin::RecordedRequest& request : server().requests())
        order.push_back(request.method + " " + request.path.substr(0, request.path.find_last_of('/')));
    EXPECT_EQ(order, (std::vector<std::string> { "POST /index.php/logo2", "PUT /upload", "POST /index.php/logo2" }));

    const auto puts = server().requests();
    const standin::RecordedRequest& put = puts.at(1);
    EXPECT_EQ(put.headers.at("Content-Type"), "image/png");
    QImage uploaded;
    ASSERT_TRUE(uploaded.loadFromData(QByteArray::fromStdString(put.rawBody), "PNG"));
    EXPECT_EQ(uploaded.size(), QSize(uploadImageSide(), uploadImageSide()));
    const std::string slot = put.path.substr(put.path.find_last_of('/') + 1, 6);
    EXPECT_EQ(server().requestsTo(createPath).at(0).body["item_id"], slot);
    EXPECT_EQ(server().designIds(deviceUUID().toStdString()).size(), 1u);
}

TEST_F(PictureRoad, EveryFailureIsToldAndReturnsToTheCropScreenWithThePicture)
{
    QTemporaryDir untouched;
    const QString victim = write(QDir(untouched.path()), QStringLiteral("victim.png"), "keep me");
    struct Case {
        const char* name;
        std::function<void(standin::StandinServer&)> arrange;
        int puts; // PUT requests the case lets through
    };
    const std::string filePrelink = QUrl::fromLocalFile(victim).toString().toStdString();
    const Case cases[] = {
        { "Upload_pic HTTP 500", [](auto& s) { s.setFault(uploadPath, standin::Fault::Http500); }, 0 },
        { "Upload_pic dropped", [](auto& s) { s.setFault(uploadPath, standin::Fault::Drop); }, 0 },
        { "Upload_pic timed out",
            [](auto& s) {
                APIProvider::shared().setTimeout(std::chrono::milliseconds(300));
                s.setFault(uploadPath, standin::Fault::Delay, 2000);
            },
            0 },
        { "Upload_pic status 1",
            [](auto& s) { s.setReply(uploadPath, 200, uploadReply(s.baseUrl() + "/upload/1.png", "1", 1)); }, 0 },
        { "empty put_prelink", [](auto& s) { s.setReply(uploadPath, 200, uploadReply("")); }, 0 },
        { "file: address", [&](auto& s) { s.setReply(uploadPath, 200, uploadReply(filePrelink)); }, 0 },
        { "ftp: address", [](auto& s) { s.setReply(uploadPath, 200, uploadReply("ftp://127.0.0.1/x.png")); }, 0 },
        { "PUT 403", [](auto& s) { s.setFault("/upload/*", standin::Fault::Http403); }, 1 },
        { "PUT 413",
            [](auto& s) {
                const std::string path = "/upload/700001.png";
                s.setReply(
                    uploadPath, 200, uploadReply(s.baseUrl() + path + "?expires=99999999999&signature=x", "700001"));
                s.setReply(path, 413, "EntityTooLarge", "text/plain");
            },
            1 },
        // Whether a dropped PUT is sent once is the upload function's guard, not this page's.
        { "PUT dropped", [](auto& s) { s.setFault("/upload/*", standin::Fault::Drop); }, 1 },
        { "Create_pic HTTP 500", [](auto& s) { s.setFault(createPath, standin::Fault::Http500); }, 1 },
        { "Create_pic status 1",
            [](auto& s) { s.setReply(createPath, 200, R"({"status":1,"code":1,"message":"no","data":{}})"); }, 1 },
        // A reply that says nothing is no success.
        { "Create_pic without status",
            [](auto& s) { s.setReply(createPath, 200, R"({"code":0,"message":"ok","data":{}})"); }, 1 },
        { "Create_pic status not a number",
            [](auto& s) { s.setReply(createPath, 200, R"({"status":"not a number","code":0,"data":{}})"); }, 1 },
        { "Upload_pic without status",
            [](auto& s) {
                json reply = json::parse(uploadReply(s.baseUrl() + "/upload/1.png", "1"));
                reply.erase("status");
                s.setReply(uploadPath, 200, reply.dump());
            },
            0 },
    };
    pick(picturePath);
    const qint64 picture = model()->selectedImage().cacheKey();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server().clearFaults();
        server().clearReplies();
        server().clearRequests();
        APIProvider::shared().setTimeout(APIProvider::defaultTimeout);
        events.clear();
        c.arrange(server());
        confirmAndWaitForTheEnd();
        pumpEvents(30);
        EXPECT_EQ(events, QStringList { QStringLiteral("toast ") + failureToast });
        EXPECT_EQ(model()->screen(), AIPicsViewModel::Screen::Crop);
        EXPECT_EQ(model()->selectedImage().cacheKey(), picture);
        ASSERT_TRUE(cropView());
        EXPECT_EQ(int(server().requestsTo(".png").size()), c.puts);
        EXPECT_TRUE(server().designIds(deviceUUID().toStdString()).empty());
    }
    QFile kept(victim);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("keep me"));
}

TEST_F(PictureRoad, ADoubleConfirmSendsOneUpload)
{
    pick(picturePath);
    CropView* crop = cropView();
    const std::optional<QImage> cut = crop->viewModel()->crop(model()->selectedImage());
    crop->confirmButton()->click();
    model()->handleCropResult(cut); // a second Confirm while the road runs
    ASSERT_TRUE(waitUntil([&] { return model()->screen() == AIPicsViewModel::Screen::Select; }, 8000));
    EXPECT_EQ(server().requestsTo(uploadPath).size(), 1u);
}

// The select page's video waits while the crop page covers it.
TEST_F(PictureRoad, CancelAndBackReturnToTheSelectPage)
{
    const auto selectVideoPlays = [&] { return selectView()->player()->playbackState() == QMediaPlayer::PlayingState; };
    EXPECT_TRUE(selectVideoPlays());
    pick(picturePath);
    EXPECT_FALSE(selectVideoPlays());
    cropView()->cancelButton()->click();
    EXPECT_EQ(model()->screen(), AIPicsViewModel::Screen::Select);
    EXPECT_TRUE(selectVideoPlays());
    EXPECT_FALSE(page->contentView()->cropPage());
    EXPECT_TRUE(model()->selectedImage().isNull());

    pick(picturePath);
    EXPECT_TRUE(page->titleView()->isBackShown());
    page->titleView()->backButton()->click();
    EXPECT_EQ(model()->screen(), AIPicsViewModel::Screen::Select);
    EXPECT_TRUE(server().requestsTo(uploadPath).empty());
}

TEST_F(PictureRoad, ARefusedPictureIsToldWhyAndTheSelectPageStays)
{
    const QString text = write(QDir(folder.path()), QStringLiteral("notes.png"), "not a picture");
    QSignalSpy decoded(model(), &AIPicsViewModel::pictureDecoded);
    model()->pickPicture(text);
    ASSERT_TRUE(waitForSignals(decoded));
    EXPECT_EQ(events, QStringList { QStringLiteral("toast This picture can't be opened. Please choose another one.") });
    EXPECT_EQ(model()->screen(), AIPicsViewModel::Screen::Select);

    // Of two picks, only the later one counts.
    model()->pickPicture(picturePath);
    model()->pickPicture(text);
    ASSERT_TRUE(waitForSignals(decoded, 2));
    pumpEvents(100);
    EXPECT_EQ(decoded.count(), 2);
    EXPECT_EQ(model()->screen(), AIPicsViewModel::Screen::Select);

    // One refused for its size says so, with the bound.
    events.clear();
    model()->pickPicture(write(QDir(folder.path()), QStringLiteral("huge.png"), pngClaiming(40000)));
    ASSERT_TRUE(waitForSignals(decoded, 3));
    EXPECT_EQ(events,
        QStringList {
            QStringLiteral("toast This picture is too large. Please choose one of at most 134 megapixels.") });
}
