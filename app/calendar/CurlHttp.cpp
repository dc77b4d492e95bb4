#include "app/calendar/CurlHttp.h"

#include <curl/curl.h>

#include <cctype>
#include <mutex>

namespace
{

size_t Collect(char* data, size_t size, size_t count, void* into)
{
    static_cast<std::string*>(into)->append(data, size * count);
    return size * count;
}

size_t TakeEtag(char* data, size_t size, size_t count, void* into)
{
    const std::string line(data, size * count);
    constexpr const char* kName = "etag:";
    if (line.size() > 5)
    {
        bool named = true;
        for (size_t i = 0; i < 5 && named; ++i)
            named = std::tolower(static_cast<unsigned char>(line[i])) == kName[i];
        if (named)
        {
            const size_t first = line.find_first_not_of(" \t", 5);
            const size_t last = line.find_last_not_of(" \t\r\n");
            if (first != std::string::npos && last >= first)
                *static_cast<std::string*>(into) = line.substr(first, last - first + 1);
        }
    }
    return size * count;
}

} // namespace

CurlHttp::CurlHttp()
{
    static std::once_flag started;
    std::call_once(started, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    handle = curl_easy_init();
}

CurlHttp::~CurlHttp()
{
    curl_easy_cleanup(static_cast<CURL*>(handle));
}

HttpResponse CurlHttp::Send(const HttpRequest& request)
{
    HttpResponse response;
    CURL* curl = static_cast<CURL*>(handle);
    if (curl == nullptr)
    {
        response.error = "no HTTP client";
        return response;
    }
    curl_easy_reset(curl);
    curl_slist* headers = nullptr;
    const auto header = [&headers](const std::string& name, const std::string& value)
    {
        if (!value.empty())
            headers = curl_slist_append(headers, (name + ": " + value).c_str());
    };
    header("If-Match", request.ifMatch);
    header("If-None-Match", request.ifNoneMatch);
    header("Content-Type", request.contentType);
    header("Depth", request.depth);
    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, request.method.c_str());
    if (request.method == "HEAD")
        curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    if (!request.body.empty() || request.method == "PUT")
    {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(request.body.size()));
    }
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    if (!request.user.empty())
    {
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, CURLAUTH_BASIC);
        curl_easy_setopt(curl, CURLOPT_USERNAME, request.user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, request.password.c_str());
    }
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 60L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &response.body);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, TakeEtag);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &response.etag);
    const CURLcode result = curl_easy_perform(curl);
    if (result == CURLE_OK)
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response.status);
    else
        response.error = curl_easy_strerror(result);
    curl_slist_free_all(headers);
    return response;
}
