#include "standin/StandinServer.h"

#include "standin/ApiHandlers.h"
#include "standin/AssetHandlers.h"
#include "standin/ConnectionDropper.h"
#include "standin/FaultTable.h"
#include "standin/PipelineServer.h"
#include "standin/ReplyWriter.h"
#include "standin/RequestLog.h"
#include "standin/RouteTable.h"
#include "standin/StreamingFaults.h"

#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <httplib.h>
#include <iostream>
#include <sys/socket.h>
#include <thread>

namespace standin {

namespace {

std::string literal(const std::string& path)
{
    static const std::string special = ".^$|()[]{}*+?\\/";
    std::string pattern;
    for (const char c : path) {
        if (special.find(c) != std::string::npos)
            pattern += '\\';
        pattern += c;
    }
    return pattern;
}

std::string prepareDataDirectory(const Options& options, std::unique_ptr<QTemporaryDir>& temporary)
{
    if (!options.dataDir.empty())
        return options.dataDir;
    temporary = std::make_unique<QTemporaryDir>();
    return temporary->path().toStdString();
}

} // namespace

class StandinServer::Impl {
public:
    explicit Impl(Options options)
        : m_options(std::move(options))
        , m_dataDir(prepareDataDirectory(m_options, m_temporaryData))
        , m_catalog(m_options.templateCount)
        , m_designs(m_dataDir)
        , m_pictures(m_dataDir)
        , m_api(m_catalog, m_designs, m_pictures, m_options.updateVersion)
        , m_assets(m_catalog, m_designs, m_pictures)
    {
        registerRoutes();
    }

    ~Impl() { stop(); }

    int start(int port);
    void stop();
    void handle(const httplib::Request& request, httplib::Response& response);
    std::string baseUrl() const { return "http://127.0.0.1:" + std::to_string(m_port.load()); }

    Options m_options;
    std::unique_ptr<QTemporaryDir> m_temporaryData;
    std::string m_dataDir;
    FixtureCatalog m_catalog;
    DesignStore m_designs;
    PictureStore m_pictures;
    ApiHandlers m_api;
    AssetHandlers m_assets;
    RouteTable m_routes;
    FaultTable m_faults;
    RequestLog m_log;

    std::mutex m_replyMutex;
    std::map<std::string, Reply> m_replies;

    std::unique_ptr<httplib::Server> m_server;
    std::thread m_listener;
    std::atomic<int> m_port { -1 };
    std::mutex m_stopMutex;
    std::condition_variable m_stopped;
    bool m_stopping = false;

private:
    void registerRoutes();
    bool waitUnlessStopping(int delayMs);
};

// The one table of everything the stand-in answers.
void StandinServer::Impl::registerRoutes()
{
    using R = const RouteRequest&;
    auto api = [this](const std::string& path, Reply (ApiHandlers::*handler)(R) const) {
        m_routes.add("GET|POST", literal("/index.php" + path), [this, handler](R r) { return (m_api.*handler)(r); });
    };
    api("/logo2/Get_design_list", &ApiHandlers::designList);
    api("/Get_discorys_list", &ApiHandlers::discoveryList);
    api("/Get_details_list", &ApiHandlers::templateDetails);
    api("/logo2/Get_design_detail", &ApiHandlers::designDetails);
    api("/logo2/Del_logo", &ApiHandlers::deleteDesign);
    api("/logo2/Save_logo_file", &ApiHandlers::saveLogoFile);
    api("/Step1", &ApiHandlers::industries);
    api("/Step2", &ApiHandlers::styles);
    api("/Step3", &ApiHandlers::symbols);
    m_routes.add("GET|POST", literal("/index.php/logo2/Ai_make"), [this](R r) {
        // A generation takes a while; other routes answer meanwhile, and
        // stopping the server ends the wait.
        waitUnlessStopping(m_options.generationMs);
        return m_api.aiMake(r);
    });
    m_routes.add("GET|POST", literal("/index.php/Free_ai_get"), [this](R r) { return m_api.freeAiGet(r); });
    api("/logo2/Upload_pic", &ApiHandlers::uploadPic);
    m_routes.add("GET|POST", literal("/index.php/logo2/Create_pic"), [this](R r) {
        // Making the logo takes a while, as it does on the real service.
        if (!waitUnlessStopping(m_options.generationMs))
            return Reply::text(503, "Service Unavailable");
        return m_api.createPic(r);
    });
    api("/logo2/GetRemoteFonts", &ApiHandlers::fontList);
    api("/logo2/GetShapeType", &ApiHandlers::graphicCategories);
    api("/logo2/GetShape", &ApiHandlers::graphics);
    api("/logo2/GetBackground", &ApiHandlers::backgrounds);
    api("/logo2/Get_config", &ApiHandlers::config);
    api("/Bind_user", &ApiHandlers::bindUser);
    api("/logo2/Backup_v1_design", &ApiHandlers::backupV1Design);
    api("/nba", &ApiHandlers::sample);
    api("", &ApiHandlers::sample);
    m_routes.add(
        "GET|POST", literal("/update/index.php/v1/ty/check_update"), [this](R r) { return m_api.checkUpdate(r); });

    const std::string designFiles = "(thumb\\.png|image\\.png|image\\.webp|original\\.png|design\\.svg)";
    m_routes.add("GET", "/static/templates/([0-9]+)/" + designFiles, [this](R r) { return m_assets.templateFile(r); });
    m_routes.add("GET", "/static/designs/([A-Za-z0-9_-]+)/([0-9]+)/([0-9]+)/" + designFiles,
        [this](R r) { return m_assets.designFile(r); });
    m_routes.add("GET", "/static/styles/([0-9]+)\\.png", [this](R r) { return m_assets.styleImage(r); });
    m_routes.add("GET", "/static/graphics/categories/([0-9]+)\\.png", [this](R r) { return m_assets.categoryIcon(r); });
    m_routes.add("GET", "/static/graphics/([0-9]+)\\.(svg|png)", [this](R r) { return m_assets.graphic(r); });
    m_routes.add("GET", "/static/backgrounds/([0-9]+)/(image\\.png|thumb\\.png)",
        [this](R r) { return m_assets.backgroundFile(r); });
    m_routes.add("GET", "/static/fonts/([A-Za-z0-9_.-]+\\.ttf)", [this](R r) { return m_assets.font(r); });
    m_routes.add("GET", "/static/pictures/([0-9]+)\\.png", [this](R r) { return m_assets.picture(r); });
    m_routes.add("PUT", "/upload/([0-9]+)\\.png", [this](R r) { return m_assets.putPicture(r); });
    m_routes.add("GET", "/site(/.*)?", [this](R r) { return m_assets.sitePage(r); });
}

int StandinServer::Impl::start(int port)
{
    if (m_server)
        return m_port;
    // A client that hangs up must not kill the process when a reply is written to it.
    std::signal(SIGPIPE, SIG_IGN);
    {
        std::lock_guard lock(m_stopMutex);
        m_stopping = false;
    }
    auto server = std::make_unique<PipelineServer>();
    // Idle keep-alive connections each hold a worker, so keep plenty.
    server->new_task_queue = [] { return new httplib::ThreadPool(48); };
    server->set_keep_alive_max_count(100);
    server->set_default_headers({ { "Access-Control-Allow-Origin", "*" } });
    // A reply goes out in several writes; without this each keep-alive
    // request waits for the client's delayed acknowledgement.
    server->set_tcp_nodelay(true);
    // Without SO_REUSEPORT, so a second server cannot silently share a port that is in use.
    server->set_socket_options([](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    const auto handler
        = [this](const httplib::Request& request, httplib::Response& response) { handle(request, response); };
    server->Get(".*", handler);
    server->Post(".*", handler);
    server->Put(".*", handler);
    server->Delete(".*", handler);
    server->set_exception_handler(
        [](const httplib::Request& request, httplib::Response& response, std::exception_ptr error) {
            std::string what = "unknown error";
            try {
                std::rethrow_exception(error);
            } catch (const std::exception& e) {
                what = e.what();
            } catch (...) {
            }
            std::cout << "standin: " << request.path << " failed: " << what << std::endl;
            ReplyWriter::write(response, Reply { 500, "Internal Server Error", "text/plain" });
        });
    int bound = -1;
    if (port == 0)
        bound = server->bind_to_any_port("127.0.0.1");
    else if (server->bind_to_port("127.0.0.1", port))
        bound = port;
    if (bound <= 0)
        return -1;
    m_port = bound;
    httplib::Server* raw = server.get();
    m_server = std::move(server);
    m_listener = std::thread([raw] { raw->listen_after_bind(); });
    // stop() only takes effect once the server runs, so do not return before it does.
    while (!raw->is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return bound;
}

void StandinServer::Impl::stop()
{
    if (!m_server)
        return;
    {
        std::lock_guard lock(m_stopMutex);
        m_stopping = true;
    }
    m_stopped.notify_all();
    m_server->stop();
    ConnectionDropper::dropAll(m_port);
    if (m_listener.joinable())
        m_listener.join();
    m_server.reset();
    m_port = -1;
}

bool StandinServer::Impl::waitUnlessStopping(int delayMs)
{
    std::unique_lock lock(m_stopMutex);
    return !m_stopped.wait_for(lock, std::chrono::milliseconds(delayMs), [this] { return m_stopping; });
}

void StandinServer::Impl::handle(const httplib::Request& request, httplib::Response& response)
{
    RecordedRequest record = RequestLog::recordOf(request);
    const nlohmann::json body = record.body;
    m_log.add(std::move(record));
    if (m_options.logRequests)
        std::cout << request.method << " " << request.path << std::endl;

    const auto fault = m_faults.lookup(request.path);
    const Fault kind = fault ? fault->fault : Fault::None;
    switch (kind) {
    case Fault::Http500:
        ReplyWriter::write(response, Reply { 500, "Internal Server Error", "text/plain" });
        return;
    case Fault::Http403:
        ReplyWriter::write(response, Reply { 403, "Forbidden", "text/plain" });
        return;
    case Fault::NotJson:
        ReplyWriter::write(
            response, Reply { 200, "<html><body>Service temporarily unavailable</body></html>", "text/html" });
        return;
    case Fault::Nested: {
        constexpr std::size_t depth = 32000;
        ReplyWriter::write(response,
            Reply { 200, std::string(depth, '[') + std::string(depth, ']'), "application/json; charset=utf-8" });
        return;
    }
    case Fault::Drop:
        ConnectionDropper::drop(request.local_port, request.remote_port);
        response.status = 500;
        response.set_header("Connection", "close");
        return;
    case Fault::Endless:
        StreamingFaults::endless(response, fault->delayMs, [this](int ms) { return waitUnlessStopping(ms); });
        return;
    case Fault::Delay:
        if (!waitUnlessStopping(fault->delayMs)) {
            ConnectionDropper::drop(request.local_port, request.remote_port);
            return;
        }
        break;
    case Fault::None:
    case Fault::WrongTypes:
    case Fault::Trickle:
        break;
    }

    std::optional<Reply> reply;
    {
        std::lock_guard lock(m_replyMutex);
        if (const auto canned = m_replies.find(request.path); canned != m_replies.end())
            reply = canned->second;
    }
    if (!reply)
        reply = m_routes.dispatch(request, body, baseUrl());
    if (!reply)
        reply = Reply::text(404, "Not Found");
    if (kind == Fault::WrongTypes)
        *reply = Reply { 200, reply->isJson() ? FaultTable::withWrongTypes(reply->body) : R"({"data":[1,2,3]})",
            "application/json; charset=utf-8" };
    if (kind == Fault::Trickle) {
        StreamingFaults::trickle(response, *reply, fault->delayMs, [this](int ms) { return waitUnlessStopping(ms); });
        return;
    }
    ReplyWriter::write(response, std::move(*reply));
}

StandinServer::StandinServer(Options options)
    : m_impl(std::make_unique<Impl>(std::move(options)))
{
}

StandinServer::~StandinServer() = default;

int StandinServer::start(int port)
{
    return m_impl->start(port);
}
void StandinServer::stop()
{
    m_impl->stop();
}
int StandinServer::port() const
{
    return m_impl->m_port;
}
std::string StandinServer::baseUrl() const
{
    return m_impl->baseUrl();
}
std::string StandinServer::apiBase() const
{
    return baseUrl() + "/index.php";
}
std::string StandinServer::updateBase() const
{
    return baseUrl() + "/update/index.php";
}

void StandinServer::setFault(const std::string& path, Fault fault, int delayMs)
{
    m_impl->m_faults.set(path, fault, delayMs);
}

void StandinServer::clearFaults()
{
    m_impl->m_faults.clear();
}

void StandinServer::setReply(const std::string& path, int status, std::string body, std::string contentType)
{
    std::lock_guard lock(m_impl->m_replyMutex);
    m_impl->m_replies[path] = Reply { status, std::move(body), std::move(contentType) };
}

void StandinServer::clearReplies()
{
    std::lock_guard lock(m_impl->m_replyMutex);
    m_impl->m_replies.clear();
}

std::vector<RecordedRequest> StandinServer::requests() const
{
    return m_impl->m_log.all();
}

std::vector<RecordedRequest> StandinServer::requestsTo(const std::string& pathSuffix) const
{
    return m_impl->m_log.endingWith(pathSuffix);
}

void StandinServer::clearRequests()
{
    m_impl->m_log.clear();
}

std::optional<std::string> StandinServer::designSvg(const std::string& uuid, const std::string& itemId) const
{
    const long long id = itemId.size() > 18 ? 0 : std::atoll(itemId.c_str());
    return id > 0 ? m_impl->m_designs.svg(uuid, id) : std::nullopt;
}

std::vector<std::string> StandinServer::designIds(const std::string& uuid) const
{
    std::vector<std::string> ids;
    for (const DesignRecord& record : m_impl->m_designs.designs(uuid))
        ids.push_back(std::to_string(record.id));
    return ids;
}

} // namespace standin
