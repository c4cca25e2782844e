// tessaly-standin: the local stand-in for the remote API, on 127.0.0.1.
//
//   tessaly-standin [--port N] [--data FOLDER] [--templates N] [--generation-ms MS] [--update-version V] [--log]
//                   [--fault PATH=KIND[:MS]]...
//
// The first line written is "port <N>", the port it listens on (--port 0
// picks a free one). It runs until it receives SIGINT or SIGTERM.

#include "standin/FaultArgument.h"
#include "standin/StandinServer.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <pthread.h>
#include <string>
#include <thread>
#include <vector>

namespace {

void printUsage(std::ostream& out)
{
    out << "usage: tessaly-standin [--port N] [--data FOLDER] [--templates N] [--generation-ms MS]\n"
           "                       [--update-version V] [--log]\n"
           "                       [--fault PATH=KIND[:MS]]...\n"
           "\n"
           "  --fault PATH=KIND[:MS]  make requests to PATH fail (repeatable); a PATH ending in \"*\"\n"
           "                          covers every path that starts with the part before it.\n"
           "                          KIND is one of:";
    for (const auto& [name, fault] : standin::faultKinds())
        out << ' ' << name;
    out << "\n"
           "                          MS is the wait of \"delay\" in milliseconds (default 3000).\n"
           "                          \"endless\" answers 200 with no length and a body that never ends,\n"
           "                          64 KiB every MS (default 16, about 4 MB/s); \"trickle\" sends the\n"
           "                          normal reply with its length, one byte every MS (default 1000).\n"
           "  example: --fault /index.php/logo2/Save_logo_file=drop --fault /index.php/Step1=delay:5000"
        << std::endl;
}

bool parseNumber(const char* text, int& value)
{
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (!end || *end != '\0' || parsed < 0 || parsed > 1000000)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    standin::Options options;
    options.generationMs = 3000;
    std::vector<standin::FaultArgument> faults;
    int port = 8787;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--help" || argument == "-h") {
            printUsage(std::cout);
            return 0;
        }
        if (argument == "--log") {
            options.logRequests = true;
        } else if (argument == "--port" && hasValue && parseNumber(argv[i + 1], port) && port <= 65535) {
            ++i;
        } else if (argument == "--generation-ms" && hasValue && parseNumber(argv[i + 1], options.generationMs)) {
            ++i;
        } else if (argument == "--templates" && hasValue && parseNumber(argv[i + 1], options.templateCount)) {
            ++i;
        } else if (argument == "--data" && hasValue) {
            options.dataDir = argv[++i];
        } else if (argument == "--update-version" && hasValue) {
            options.updateVersion = argv[++i];
        } else if (argument == "--fault" && hasValue) {
            const std::optional<standin::FaultArgument> fault = standin::FaultArgument::parse(argv[++i]);
            if (!fault) {
                std::cerr << "tessaly-standin: not a fault: " << argv[i] << std::endl;
                printUsage(std::cerr);
                return 2;
            }
            faults.push_back(*fault);
        } else {
            printUsage(std::cerr);
            return 2;
        }
    }

    // Signals are taken by one waiting thread; block them before any other thread exists.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    // Images are rendered without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    standin::StandinServer server(options);
    for (const standin::FaultArgument& fault : faults) {
        server.setFault(fault.path, fault.fault, fault.delayMs);
        std::cout << "tessaly-standin: fault on " << fault.path << std::endl;
    }
    const int bound = server.start(port);
    if (bound < 0) {
        std::cerr << "tessaly-standin: cannot listen on 127.0.0.1:" << port << std::endl;
        return 1;
    }
    std::cout << "port " << bound << std::endl;
    std::cout << "tessaly-standin: serving " << server.apiBase() << std::endl;

    std::thread signalWaiter([&stopSignals, &application] {
        int received = 0;
        sigwait(&stopSignals, &received);
        QMetaObject::invokeMethod(&application, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    signalWaiter.detach();

    const int status = application.exec();
    server.stop();
    std::cout << "tessaly-standin: stopped" << std::endl;
    return status;
}
