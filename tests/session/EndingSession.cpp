// A session manager that holds one session with one client and ends it, as a logout does:
//   vorlakin_ending_session [--checkpoint | --cancelled] PROGRAM [ARGUMENTS...]
// starts PROGRAM with SESSION_MANAGER pointing here and passes its output on. Once the program
// has registered and printed a line starting "ready", it asks it to save for the end of the
// session, then tells it to die. It prints "restart hint N" for the restart style the program
// asked for (3: never), "saved" once the program is done saving, and "status N" for the program's
// exit status, or "still running" if it has not ended 20 seconds after being told to.
// With --checkpoint it first asks for a save that ends nothing (a desktop's "save session now"),
// with --cancelled for a logout's save that it then cancels; then, once the program has answered
// a second checkpoint (so it still runs), it prints "went on" and waits for a line on its input
// before the logout.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

bool registered = false;
bool saved = false;
bool connectionClosed = false;
SmsConn session = nullptr;

Status registerClient(SmsConn connection, SmPointer, char* previousId) {
    SmsRegisterClientReply(connection, SmsGenerateClientID(connection));
    std::free(previousId);
    registered = true;
    return 1;
}

void setProperties(SmsConn, SmPointer, int count, SmProp** properties) {
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(properties[i]->name, SmRestartStyleHint) == 0 &&
            properties[i]->num_vals > 0)
            std::printf("restart hint %d\n",
                        *static_cast<unsigned char*>(properties[i]->vals[0].value));
        SmFreeProperty(properties[i]);
    }
    std::free(properties);
    std::fflush(stdout);
}

Status newClient(SmsConn connection, SmPointer, unsigned long* mask, SmsCallbacks* callbacks,
                 char**) {
    session = connection;
    std::memset(callbacks, 0, sizeof *callbacks);
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = [](SmsConn connection, SmPointer, int) {
        SmsInteract(connection);
    };
    callbacks->interact_done.callback = [](SmsConn, SmPointer, Bool) {};
    callbacks->save_yourself_request.callback = [](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {
    };
    callbacks->save_yourself_phase2_request.callback = [](SmsConn connection, SmPointer) {
        SmsSaveYourselfPhase2(connection);
    };
    callbacks->save_yourself_done.callback = [](SmsConn, SmPointer, Bool) {
        saved = true;
        std::puts("saved");
        std::fflush(stdout);
    };
    callbacks->close_connection.callback = [](SmsConn, SmPointer, int count, char** reasons) {
        SmFreeReasons(count, reasons);
        connectionClosed = true;
    };
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = [](SmsConn, SmPointer, int count, char** names) {
        for (int i = 0; i < count; ++i)
            std::free(names[i]);
        std::free(names);
    };
    callbacks->get_properties.callback = [](SmsConn connection, SmPointer) {
        SmsReturnProperties(connection, 0, nullptr);
    };
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    return 1;
}

Bool anyHost(char*) {
    return True;
}

[[noreturn]] void fail(const char* what, const char* why) {
    std::fprintf(stderr, "vorlakin_ending_session: %s: %s\n", what, why);
    std::exit(2);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string first = argc > 1 ? argv[1] : "";
    const bool checkpoint = first == "--checkpoint";
    const bool cancelled = first == "--cancelled";
    if (checkpoint || cancelled) {
        --argc;
        ++argv;
    }
    if (argc < 2)
        fail("usage",
             "vorlakin_ending_session [--checkpoint | --cancelled] PROGRAM [ARGUMENTS...]");
    // libICE's default ends the process when the client's connection breaks, as it does when
    // the client quits.
    IceSetIOErrorHandler([](IceConn) {});
    char error[256] = {};
    if (!SmsInitialize("vorlakin-test", "1", newClient, nullptr, anyHost, sizeof error, error))
        fail("SmsInitialize", error);
    int listenCount = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&listenCount, &listeners, sizeof error, error))
        fail("IceListenForConnections", error);
    for (int i = 0; i < listenCount; ++i)
        IceSetHostBasedAuthProc(listeners[i], anyHost);
    setenv("SESSION_MANAGER", IceComposeNetworkIdList(listenCount, listeners), 1);

    int output[2];
    if (pipe(output) != 0)
        fail("pipe", std::strerror(errno));
    const pid_t child = fork();
    if (child == 0) {
        const int nothing = open("/dev/null", O_RDONLY);
        dup2(nothing, STDIN_FILENO);
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    close(output[1]);
    // The client may be gone by the time it is told to die.
    signal(SIGPIPE, SIG_IGN);

    IceConn connection = nullptr;
    std::string lines;
    bool ready = false;
    // Saves before the logout's: the first as asked for, the second to see the program still runs.
    int savesBefore = checkpoint || cancelled ? 2 : 0;
    bool loggingOut = savesBefore == 0;
    bool toldToSave = false;
    bool toldToDie = false;
    time_t deadline = time(nullptr) + 60;
    int status = 0;
    for (;;) {
        if (waitpid(child, &status, WNOHANG) == child)
            break;
        if (time(nullptr) > deadline) {
            std::puts("still running");
            std::fflush(stdout);
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            _exit(1);
        }
        if (registered && ready && !toldToSave && session && savesBefore > 0) {
            const bool forShutdown = cancelled && savesBefore == 2;
            SmsSaveYourself(session, SmSaveBoth, forShutdown,
                            forShutdown ? SmInteractStyleAny : SmInteractStyleNone, False);
            toldToSave = true;
        }
        if (saved && savesBefore > 0 && !connectionClosed) {
            if (cancelled && savesBefore == 2)
                SmsShutdownCancelled(session);
            saved = toldToSave = false;
            if (--savesBefore == 0) {
                std::puts("went on");
                std::fflush(stdout);
            }
        }
        if (registered && ready && !toldToSave && session && loggingOut) {
            SmsSaveYourself(session, SmSaveBoth, True, SmInteractStyleAny, False);
            toldToSave = true;
            deadline = time(nullptr) + 20;
        }
        if (saved && loggingOut && !toldToDie && !connectionClosed) {
            SmsDie(session);
            toldToDie = true;
        }
        std::vector<pollfd> watched;
        for (int i = 0; i < listenCount; ++i)
            watched.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        watched.push_back({output[0], POLLIN, 0});
        const bool waitingForWord = !loggingOut && savesBefore == 0;
        if (waitingForWord)
            watched.push_back({STDIN_FILENO, POLLIN, 0});
        const size_t sessionAt = watched.size();
        if (connection && !connectionClosed)
            watched.push_back({IceConnectionNumber(connection), POLLIN, 0});
        if (poll(watched.data(), watched.size(), 100) <= 0)
            continue;
        for (int i = 0; i < listenCount; ++i) {
            if (!(watched[i].revents & POLLIN) || connection)
                continue;
            IceAcceptStatus accepted;
            connection = IceAcceptConnection(listeners[i], &accepted);
            while (connection && IceConnectionStatus(connection) == IceConnectPending)
                IceProcessMessages(connection, nullptr, nullptr);
        }
        if (watched[listenCount].revents & (POLLIN | POLLHUP)) {
            char buffer[4096];
            const ssize_t got = read(output[0], buffer, sizeof buffer);
            if (got > 0) {
                fwrite(buffer, 1, got, stdout);
                std::fflush(stdout);
                lines.append(buffer, got);
                ready = ready || lines.find("ready") != std::string::npos;
            }
        }
        if (waitingForWord && (watched[listenCount + 1].revents & (POLLIN | POLLHUP))) {
            char buffer[256];
            loggingOut = read(STDIN_FILENO, buffer, sizeof buffer) >= 0;
            deadline = time(nullptr) + 60;
        }
        if (connection && !connectionClosed && watched.size() > sessionAt &&
            (watched[sessionAt].revents & (POLLIN | POLLHUP))) {
            if (IceProcessMessages(connection, nullptr, nullptr) == IceProcessMessagesIOError)
                connectionClosed = true;
        }
    }
    std::printf("status %d\n", WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    std::fflush(stdout);
    // The session's connection and listeners go with the process, unreleased and unchecked.
    _exit(0);
}
