#include "fault_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace razoz::test {

bool FaultServer::Connection::send(const std::string& bytes) const
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

bool FaultServer::Connection::hold(int ms) const
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stopping && std::chrono::steady_clock::now() < until) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 20) > 0) {
            char c;
            if (::recv(fd, &c, 1, MSG_PEEK | MSG_DONTWAIT) == 0 || (p.revents & (POLLHUP | POLLERR))) return false;
        }
    }
    return !stopping;
}

void FaultServer::Connection::reset() const
{
    linger l{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
}

std::string FaultServer::Connection::datum() const
{
    const auto at = target.find("Datum=");
    return at == std::string::npos ? std::string() : target.substr(at + 6, 8);
}

FaultServer::FaultServer(Behaviour behaviour) : behaviour_(std::move(behaviour))
{
    listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK); // loopback only
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(listenFd_, 16) != 0 || ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0)
        throw std::runtime_error("fault server: cannot listen on 127.0.0.1");
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { serve(); });
}

FaultServer::~FaultServer()
{
    stopping_ = true;
    ::shutdown(listenFd_, SHUT_RDWR);
    thread_.join();
    ::close(listenFd_);
}

QString FaultServer::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port_);
}

void FaultServer::serve()
{
    while (!stopping_) {
        pollfd p{listenFd_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) continue;
        const int fd = ::accept(listenFd_, nullptr, nullptr);
        if (fd < 0) continue;
        // One request per connection: every answer says "Connection: close" or breaks off.
        std::string head;
        while (!stopping_ && head.find("\r\n\r\n") == std::string::npos) {
            pollfd c{fd, POLLIN, 0};
            if (::poll(&c, 1, 20) <= 0) continue;
            char chunk[4096];
            const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            if (n <= 0) break;
            head.append(chunk, std::size_t(n));
        }
        const auto sp1 = head.find(' '), sp2 = head.find(' ', sp1 + 1);
        if (sp1 != std::string::npos && sp2 != std::string::npos) {
            Connection c{fd, head.substr(sp1 + 1, sp2 - sp1 - 1), requests_++, stopping_};
            behaviour_(c);
        }
        ::close(fd);
    }
}

} // namespace razoz::test
