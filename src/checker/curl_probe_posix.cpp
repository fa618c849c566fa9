// The native probe: libcurl, one easy handle per request, so that every
// worker thread has its own. The library is loaded when the first probe is
// made, not linked: libcurl and the dozens of libraries it needs cost every
// start of vellox-cli about 16 ms of dynamic linking, and only the check
// command uses it.
#include <curl/curl.h>
#include <dlfcn.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>

#include "checker/site_address.h"
#include "checker/site_probe.h"

namespace {

// The entry points the probe uses, found in the loaded library.
struct CurlApi {
  CURLcode (*globalInit)(long flags) = nullptr;
  CURL* (*easyInit)() = nullptr;
  CURLcode (*easySetopt)(CURL*, CURLoption, ...) = nullptr;
  CURLcode (*easyPerform)(CURL*) = nullptr;
  CURLcode (*easyGetinfo)(CURL*, CURLINFO, ...) = nullptr;
  void (*easyCleanup)(CURL*) = nullptr;
};

template <typename Function>
bool Resolve(void* library, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(dlsym(library, name));
  return *function != nullptr;
}

// Loads the library and runs curl_global_init (not thread-safe) once,
// before any worker; null when the library or an entry point is missing.
// The library stays loaded for the rest of the run.
const CurlApi* LoadCurlOnce() {
  static std::once_flag once;
  static CurlApi api;
  static bool loaded = false;
  std::call_once(once, [] {
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!library) return;
    loaded = Resolve(library, "curl_global_init", &api.globalInit) &&
             Resolve(library, "curl_easy_init", &api.easyInit) &&
             Resolve(library, "curl_easy_setopt", &api.easySetopt) &&
             Resolve(library, "curl_easy_perform", &api.easyPerform) &&
             Resolve(library, "curl_easy_getinfo", &api.easyGetinfo) &&
             Resolve(library, "curl_easy_cleanup", &api.easyCleanup) &&
             api.globalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  });
  return loaded ? &api : nullptr;
}

struct EasyDeleter {
  const CurlApi* api;
  void operator()(CURL* handle) const { api->easyCleanup(handle); }
};
using ScopedEasy = std::unique_ptr<CURL, EasyDeleter>;

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
  CurlProbe(const CurlApi& curl, const ProbeOptions& options) : curl_(curl), options_(options) {}

  ProbeAnswer Ask(const std::string& url, ProbeVerb verb) override {
    ProbeAnswer answer;
    SiteAddress address;
    if (!SplitSiteAddress(url, &address)) {
      answer.outcome = ProbeOutcome::kNotHttp;
      return answer;
    }
    ScopedEasy easy(curl_.easyInit(), EasyDeleter{&curl_});
    if (!easy) return answer;
    CURL* h = easy.get();
    curl_.easySetopt(h, CURLOPT_URL, url.c_str());
    curl_.easySetopt(h, CURLOPT_USERAGENT, options_.userAgent.c_str());
    curl_.easySetopt(h, CURLOPT_NOSIGNAL, 1L);  // time-outs without SIGALRM in threads
    curl_.easySetopt(h, CURLOPT_FOLLOWLOCATION, 0L);
    curl_.easySetopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options_.timeoutMs));
    curl_.easySetopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(options_.timeoutMs));
    curl_.easySetopt(h, CURLOPT_FILETIME, 1L);
    curl_.easySetopt(h, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_.easySetopt(h, CURLOPT_HEADERDATA, &answer.retryAfter);
    if (verb == ProbeVerb::kHead) {
      curl_.easySetopt(h, CURLOPT_NOBODY, 1L);
    } else {
      curl_.easySetopt(h, CURLOPT_HTTPGET, 1L);
      curl_.easySetopt(h, CURLOPT_WRITEFUNCTION, StopAtBody);
    }
    CURLcode result = curl_.easyPerform(h);
    long code = 0;
    curl_.easyGetinfo(h, CURLINFO_RESPONSE_CODE, &code);
    // A GET stopped at its body (CURLE_WRITE_ERROR) has been answered.
    if (code != 0 && (result == CURLE_OK || result == CURLE_WRITE_ERROR)) {
      answer.outcome = ProbeOutcome::kAnswered;
      answer.code = static_cast<int>(code);
      long fileTime = -1;
      if (curl_.easyGetinfo(h, CURLINFO_FILETIME, &fileTime) == CURLE_OK && fileTime > 0)
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
  const CurlApi& curl_;
  ProbeOptions options_;
};

}  // namespace

std::unique_ptr<SiteProbe> MakeSiteProbe(const ProbeOptions& options) {
  const CurlApi* curl = LoadCurlOnce();
  if (!curl) return nullptr;
  return std::make_unique<CurlProbe>(*curl, options);
}
