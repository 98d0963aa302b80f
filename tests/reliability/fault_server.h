#pragma once
// A misbehaving HTTP server on 127.0.0.1 (ephemeral port) for fault injection: it reads each
// request's head and hands the connection to a behaviour that writes whatever it likes, stalls
// or resets. One request per connection, served one after the other on the server's own thread.
#include <QString>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace razoz::test {

class FaultServer {
public:
    struct Connection {
        int fd;
        std::string target; // request target, e.g. "/zahlen/lotto_neu.asp?…&Datum=20050402"
        int index;          // 0 for the first request
        const std::atomic<bool>& stopping;

        bool send(const std::string& bytes) const;
        // Waits up to `ms` or until the client goes away or the server stops; false then.
        bool hold(int ms) const;
        // Closes with a TCP reset instead of an orderly close.
        void reset() const;
        std::string datum() const; // the "Datum" parameter
    };
    using Behaviour = std::function<void(Connection&)>;

    explicit FaultServer(Behaviour behaviour);
    ~FaultServer();
    FaultServer(const FaultServer&) = delete;
    FaultServer& operator=(const FaultServer&) = delete;

    QString url() const;
    int requests() const { return requests_; }

private:
    void serve();
    Behaviour behaviour_;
    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

} // namespace razoz::test
