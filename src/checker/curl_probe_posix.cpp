// The native probe: libcurl, one easy handle per request, so that every
// worker thread has its own.
#include <curl/curl.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cstdlib>
#include <cstring>
#include <mutex>

#include "checker/site_address.h"
#include "checker/site_probe.h"

namespace {

struct EasyDeleter {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using ScopedEasy = std::unique_ptr<CURL, EasyDeleter>;

// curl_global_init is not thread-safe: it runs once, before any worker.
void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Collects Retry-After from the header lines of the last answer.
size_t OnHeader(char* data, size_t size, size_t count, void* user) {
  const size_t length = size * count;
  static constexpr char kName[] = "retry-after:";
  const size_t nameLength = sizeof(kName) - 1;
  if (length > nameLength && strncasecmp(data, kName, nameLength) == 0) {
    std::string value(data + nameLength, length - nameLength);
    char* end = nullptr;
    long seconds = std::strtol(value.c_str(), &end, 10);
    bool digitsOnly = end != value.c_str();
    for (; digitsOnly && *end; ++end)
      if (*end != ' ' && *end != '\r' && *end != '\n') digitsOnly = false;
    *static_cast<int*>(user) = digitsOnly && seconds >= 0 ? static_cast<int>(seconds) : -1;
  } else if (length >= 5 && std::strncmp(data, "HTTP/", 5) == 0) {
    *static_cast<int*>(user) = -1;  // a new status line: an earlier answer's header is gone
  }
  return length;
}

// A GET ends at the first byte of the body: the headers are all it needs.
size_t StopAtBody(char*, size_t, size_t, void*) { return 0; }

ProbeOutcome OutcomeOf(CURLcode code) {
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
      return ProbeOutcome::kNameNotResolved;
    case CURLE_COULDNT_CONNECT:
      return ProbeOutcome::kCannotConnect;
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
      return ProbeOutcome::kConnectionReset;
    case CURLE_OPERATION_TIMEDOUT:
      return ProbeOutcome::kTimedOut;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
      return ProbeOutcome::kNotHttp;
    default:
      return ProbeOutcome::kOtherError;
  }
}

class CurlProbe : public SiteProbe {
 public:
  explicit CurlProbe(const ProbeOptions& options) : options_(options) {}

  ProbeAnswer Ask(const std::string& url, ProbeVerb verb) override {
    ProbeAnswer answer;
    SiteAddress address;
    if (!SplitSiteAddress(url, &address)) {
      answer.outcome = ProbeOutcome::kNotHttp;
      return answer;
    }
    ScopedEasy easy(curl_easy_init());
    if (!easy) return answer;
    CURL* h = easy.get();
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_USERAGENT, options_.userAgent.c_str());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);  // time-outs without SIGALRM in threads
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options_.timeoutMs));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(options_.timeoutMs));
    curl_easy_setopt(h, CURLOPT_FILETIME, 1L);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &answer.retryAfter);
    if (verb == ProbeVerb::kHead) {
      curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
    } else {
      curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
      curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, StopAtBody);
    }
    CURLcode result = curl_easy_perform(h);
    long code = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &code);
    // A GET stopped at its body (CURLE_WRITE_ERROR) has been answered.
    if (code != 0 && (result == CURLE_OK || result == CURLE_WRITE_ERROR)) {
      answer.outcome = ProbeOutcome::kAnswered;
      answer.code = static_cast<int>(code);
      long fileTime = -1;
      if (curl_easy_getinfo(h, CURLINFO_FILETIME, &fileTime) == CURLE_OK && fileTime > 0)
        answer.lastModified = static_cast<uint32_t>(fileTime);
      return answer;
    }
    answer.outcome = OutcomeOf(result);
    answer.retryAfter = -1;
    return answer;
  }

  bool HostResolves(const std::string& url) override {
    SiteAddress address;
    if (!SplitSiteAddress(url, &address)) return false;
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    int error = getaddrinfo(address.host.c_str(), nullptr, &hints, &found);
    if (found) freeaddrinfo(found);
    // EAI_AGAIN too: where no resolver answers, the name is as good as unknown.
    return error != EAI_NONAME && error != EAI_AGAIN && error != EAI_FAIL;
  }

 private:
  ProbeOptions options_;
};

}  // namespace

std::unique_ptr<SiteProbe> MakeSiteProbe(const ProbeOptions& options) {
  InitCurlOnce();
  return std::make_unique<CurlProbe>(options);
}
