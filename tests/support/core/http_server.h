#pragma once
// A real HTTP server for tests: cpp-httplib on an ephemeral port of 127.0.0.1, answering every GET
// from a handler and remembering each request's target and its "Accept" and "User-Agent" headers.
#include <QString>

#include <httplib.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace razoz::test {

class HttpServer {
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
    explicit HttpServer(Handler handler) : handler_(std::move(handler))
    {
        server_.Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
            {
                std::lock_guard lock(mutex_);
                targets_.push_back(req.target);
                accept_ = req.get_header_value("Accept");
                agent_ = req.get_header_value("User-Agent");
            }
            handler_(req, res);
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::yield();
    }
    // Answers every request with the same body.
    static Handler body(std::string text)
    {
        return [text = std::move(text)](const httplib::Request&, httplib::Response& res) {
            res.set_content(text, "text/plain");
        };
    }
    ~HttpServer()
    {
        server_.stop();
        thread_.join();
    }
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }
    int port() const { return port_; }
    std::vector<std::string> targets()
    {
        std::lock_guard lock(mutex_);
        return targets_;
    }
    std::string accept()
    {
        std::lock_guard lock(mutex_);
        return accept_;
    }
    std::string agent()
    {
        std::lock_guard lock(mutex_);
        return agent_;
    }

private:
    Handler handler_;
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::vector<std::string> targets_;
    std::string accept_, agent_;
};

} // namespace razoz::test
