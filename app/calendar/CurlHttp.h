#pragma once

#include "app/calendar/HttpClient.h"

// HTTP through libcurl, certificates checked, with one connection kept open between
// exchanges. One object serves one thread.
class CurlHttp : public HttpClient
{
public:
    CurlHttp();
    ~CurlHttp() override;
    CurlHttp(const CurlHttp&) = delete;
    CurlHttp& operator=(const CurlHttp&) = delete;

    HttpResponse Send(const HttpRequest& request) override;

private:
    void* handle;
};
