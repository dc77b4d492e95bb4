#pragma once

#include <string>

// One HTTP exchange, as the calendar publisher needs it. Behind this interface so that the
// publisher's rules can be followed without a server; the program uses CurlHttp.
struct HttpRequest
{
    std::string method;
    std::string url;
    std::string user{};
    std::string password{};
    std::string body{};
    // Sent when not empty: "*" or an entity tag as the server gave it.
    std::string ifMatch{};
    std::string ifNoneMatch{};
    std::string contentType{};
    std::string depth{};
};

struct HttpResponse
{
    // 0 when no answer came: no network, no server, a refused certificate.
    long status = 0;
    std::string etag{};
    std::string body{};
    // Why no answer came.
    std::string error{};
};

class HttpClient
{
public:
    virtual ~HttpClient() = default;
    virtual HttpResponse Send(const HttpRequest& request) = 0;
};
