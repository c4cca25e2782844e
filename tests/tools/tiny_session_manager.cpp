// A session manager that registers its clients and otherwise does nothing,
// for the end-to-end tests to break a program's session connection.
// It listens on local transports only, prints their SESSION_MANAGER value, then
// "registered ID" for each client. On SIGTERM it exits at once without
// closing its clients' connections, as a session manager that crashed.

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <utility>
#include <vector>

// libICE's own switch for a transport not to listen on, as session managers
// use for their no-listen option; no public header declares it.
extern "C" int _IceTransNoListen(const char* protocol);

namespace {

Status registerClient(SmsConn client, SmPointer, char* previousId)
{
    std::free(previousId);
    char* id = SmsGenerateClientID(client);
    if (!id)
        return 0;
    SmsRegisterClientReply(client, id);
    std::printf("registered %s\n", id);
    std::fflush(stdout);
    std::free(id);
    return 1;
}

// libSM calls each callback without looking, so each message a client may
// send has one; none of them needs an answer here.
void interactRequest(SmsConn, SmPointer, int) { }
void interactDone(SmsConn, SmPointer, Bool) { }
void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) { }
void saveYourselfPhase2Request(SmsConn, SmPointer) { }
void saveYourselfDone(SmsConn, SmPointer, Bool) { }
void closeConnection(SmsConn client, SmPointer, int count, char** reasons)
{
    SmFreeReasons(count, reasons);
    SmsCleanUp(client);
}
void setProperties(SmsConn, SmPointer, int count, SmProp** properties)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    std::free(properties);
}
void deleteProperties(SmsConn, SmPointer, int count, char** names)
{
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}
void getProperties(SmsConn client, SmPointer)
{
    SmsReturnProperties(client, 0, nullptr);
}

Status newClient(SmsConn, SmPointer, unsigned long* mask, SmsCallbacks* callbacks, char**)
{
    *callbacks = {};
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = interactRequest;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = saveYourselfPhase2Request;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = closeConnection;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask
        | SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask
        | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask
        | SmsGetPropertiesProcMask;
    return 1;
}

// The test's clients have no ICE authority entry: any host that reaches a
// local listener is let in.
Bool anyHost(char*)
{
    return True;
}

// A client that goes away is dropped (IceProcessMessages says so) rather
// than ending this process, as libICE's default would.
void dropClient(IceConn) { }

void noteSignal(int) { }

} // namespace

int main()
{
    IceSetIOErrorHandler(dropClient);
    char error[256];
    if (!SmsInitialize("tiny_session_manager", "1.0", newClient, nullptr, anyHost, sizeof error, error)) {
        std::fprintf(stderr, "tiny_session_manager: %s\n", error);
        return 1;
    }
    // No TCP listener on any interface: the test's programs connect locally.
    if (_IceTransNoListen("tcp") != 0) {
        std::fprintf(stderr, "tiny_session_manager: cannot turn off TCP\n");
        return 1;
    }
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "tiny_session_manager: %s\n", error);
        return 1;
    }
    const std::vector<IceListenObj> local(listeners, listeners + count);
    for (IceListenObj listener : local)
        IceSetHostBasedAuthProc(listener, anyHost);
    char* ids = IceComposeNetworkIdList(count, listeners);
    std::printf("%s\n", ids);
    std::fflush(stdout);
    std::free(ids);

    // SIGTERM stays blocked but while waiting, so it ends the wait and
    // nothing else.
    sigset_t terminate, waiting;
    sigemptyset(&terminate);
    sigaddset(&terminate, SIGTERM);
    sigprocmask(SIG_BLOCK, &terminate, &waiting);
    std::signal(SIGTERM, noteSignal);

    std::vector<IceConn> clients;
    for (;;) {
        std::vector<pollfd> watched;
        for (IceListenObj listener : local)
            watched.push_back({ IceGetListenConnectionNumber(listener), POLLIN, 0 });
        for (IceConn client : clients)
            watched.push_back({ IceConnectionNumber(client), POLLIN, 0 });
        if (ppoll(watched.data(), watched.size(), nullptr, &waiting) < 0)
            break;
        std::vector<IceConn> open;
        for (std::size_t i = 0; i < clients.size(); ++i) {
            if ((watched[local.size() + i].revents & (POLLIN | POLLHUP))
                && IceProcessMessages(clients[i], nullptr, nullptr) == IceProcessMessagesIOError)
                IceCloseConnection(clients[i]);
            else
                open.push_back(clients[i]);
        }
        clients = std::move(open);
        for (std::size_t i = 0; i < local.size(); ++i) {
            IceAcceptStatus status;
            if (watched[i].revents & POLLIN) {
                if (IceConn client = IceAcceptConnection(local[i], &status))
                    clients.push_back(client);
            }
        }
    }
    // The listeners' socket files go; the clients' connections just drop.
    IceFreeListenObjs(count, listeners);
    return 0;
}
