// The Windows probe: WinINet with the system's proxy settings, one
// Internet handle per probe (one probe per check), requests that reuse an
// existing connection and never follow a redirection; Winsock for the host
// name lookup after a 500.
#include <windows.h>
#include <wininet.h>
#include <winsock2.h>

#include <cstdlib>
#include <string>

#include "checker/site_address.h"
#include "checker/site_probe.h"

namespace {

// Wine reports a time-out as ERROR_INTERNET_CONNECTION_ABORTED, Windows as
// ERROR_INTERNET_TIMEOUT: both are time-outs.
constexpr DWORD kWineTimeoutError = ERROR_INTERNET_CONNECTION_ABORTED;

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle = nullptr) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_) InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET Get() const { return handle_; }

 private:
  HINTERNET handle_;
};

// Wine ignores the time-outs of the InternetOpen handle alone (a request
// then waits forever): they are set on every handle.
void SetTimeouts(HINTERNET handle, DWORD milliseconds) {
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT})
    InternetSetOptionA(handle, option, &milliseconds, sizeof milliseconds);
}

ProbeOutcome OutcomeOf(DWORD error) {
  switch (error) {
    case ERROR_INTERNET_CANNOT_CONNECT:
      return ProbeOutcome::kCannotConnect;
    case ERROR_INTERNET_CONNECTION_RESET:
      return ProbeOutcome::kConnectionReset;
    case ERROR_INTERNET_TIMEOUT:
    case kWineTimeoutError:
      return ProbeOutcome::kTimedOut;
    case ERROR_INTERNET_NAME_NOT_RESOLVED:
      return ProbeOutcome::kNameNotResolved;
    case ERROR_INTERNET_UNRECOGNIZED_SCHEME:
    case ERROR_INTERNET_INVALID_URL:
      return ProbeOutcome::kNotHttp;
    default:
      return ProbeOutcome::kOtherError;
  }
}

// SYSTEMTIME in UTC to seconds since 1970.
uint32_t SecondsSince1970(const SYSTEMTIME& time) {
  FILETIME file;
  if (!SystemTimeToFileTime(&time, &file)) return 0;
  ULARGE_INTEGER ticks;
  ticks.LowPart = file.dwLowDateTime;
  ticks.HighPart = file.dwHighDateTime;
  constexpr ULONGLONG kTicksPerSecond = 10000000ULL;
  constexpr ULONGLONG kSecondsFrom1601To1970 = 11644473600ULL;
  ULONGLONG seconds = ticks.QuadPart / kTicksPerSecond;
  return seconds > kSecondsFrom1601To1970 ? static_cast<uint32_t>(seconds - kSecondsFrom1601To1970)
                                          : 0;
}

int RetryAfter(HINTERNET request) {
  char text[64] = {};
  DWORD size = sizeof text;
  if (!HttpQueryInfoA(request, HTTP_QUERY_RETRY_AFTER, text, &size, nullptr)) return -1;
  char* end = nullptr;
  long seconds = std::strtol(text, &end, 10);
  return end != text && *end == '\0' && seconds >= 0 ? static_cast<int>(seconds) : -1;
}

class WinInetProbe : public SiteProbe {
 public:
  WinInetProbe(HINTERNET internet, DWORD timeoutMs) : internet_(internet), timeoutMs_(timeoutMs) {}

  ProbeAnswer Ask(const std::string& url, ProbeVerb verb) override {
    ProbeAnswer answer;
    char host[INTERNET_MAX_HOST_NAME_LENGTH] = {};
    char path[INTERNET_MAX_URL_LENGTH] = {};
    char extra[INTERNET_MAX_URL_LENGTH] = {};
    URL_COMPONENTSA parts = {};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof host;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = sizeof path;
    parts.lpszExtraInfo = extra;
    parts.dwExtraInfoLength = sizeof extra;
    if (!InternetCrackUrlA(url.c_str(), 0, 0, &parts) ||
        (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)) {
      answer.outcome = ProbeOutcome::kNotHttp;
      return answer;
    }
    InternetHandle connection(InternetConnectA(internet_.Get(), host, parts.nPort, nullptr, nullptr,
                                               INTERNET_SERVICE_HTTP, 0, 1));
    if (!connection.Get()) {
      answer.outcome = OutcomeOf(GetLastError());
      return answer;
    }
    SetTimeouts(connection.Get(), timeoutMs_);
    DWORD flags = INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_NO_AUTO_REDIRECT;
    if (parts.nScheme == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;
    // The GET of a second try must reach the server, not the cache.
    if (verb == ProbeVerb::kGet) flags |= INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
    std::string object = std::string(path[0] ? path : "/") + extra;
    InternetHandle request(HttpOpenRequestA(connection.Get(),
                                            verb == ProbeVerb::kHead ? "HEAD" : "GET",
                                            object.c_str(), nullptr, nullptr, nullptr, flags, 1));
    if (!request.Get()) {
      answer.outcome = OutcomeOf(GetLastError());
      return answer;
    }
    SetTimeouts(request.Get(), timeoutMs_);
    if (!HttpSendRequestA(request.Get(), nullptr, 0, nullptr, 0)) {
      answer.outcome = OutcomeOf(GetLastError());
      return answer;
    }
    DWORD code = 0, size = sizeof code;
    if (!HttpQueryInfoA(request.Get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &code,
                        &size, nullptr)) {
      answer.outcome = ProbeOutcome::kOtherError;
      return answer;
    }
    answer.outcome = ProbeOutcome::kAnswered;
    answer.code = static_cast<int>(code);
    SYSTEMTIME modified = {};
    size = sizeof modified;
    if (HttpQueryInfoA(request.Get(), HTTP_QUERY_LAST_MODIFIED | HTTP_QUERY_FLAG_SYSTEMTIME,
                       &modified, &size, nullptr))
      answer.lastModified = SecondsSince1970(modified);
    answer.retryAfter = RetryAfter(request.Get());
    return answer;  // the body of a GET is never read: closing the request drops it
  }

  bool HostResolves(const std::string& url) override {
    SiteAddress address;
    if (!SplitSiteAddress(url, &address)) return false;
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return true;
    bool found = gethostbyname(address.host.c_str()) != nullptr;
    bool unknown = !found && WSAGetLastError() == WSAHOST_NOT_FOUND;
    WSACleanup();
    return !unknown;
  }

 private:
  InternetHandle internet_;
  DWORD timeoutMs_;
};

}  // namespace

std::unique_ptr<SiteProbe> MakeSiteProbe(const ProbeOptions& options) {
  HINTERNET internet =
      InternetOpenA(options.userAgent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (!internet) return nullptr;
  SetTimeouts(internet, options.timeoutMs);
  return std::make_unique<WinInetProbe>(internet, options.timeoutMs);
}
