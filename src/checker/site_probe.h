// One request to a web server, as the site checker asks it: the probe
// interface with one implementation per platform (libcurl natively,
// WinINet in the Windows build), so that the checker's rules are the same
// on both sides. A probe is used by one worker thread at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

enum class ProbeVerb { kHead, kGet };

// How a request ended.
enum class ProbeOutcome {
  kAnswered,         // a status line came back: code is set
  kNotHttp,          // not an http or https address, or it cannot be parsed
  kCannotConnect,    // the connection was refused
  kConnectionReset,  // the server reset the connection
  kTimedOut,         // no answer within the time-out
  kNameNotResolved,  // the host name does not resolve
  kOtherError,       // anything else (an empty reply, a protocol error)
};

struct ProbeAnswer {
  ProbeOutcome outcome = ProbeOutcome::kOtherError;
  int code = 0;               // the HTTP status code when answered
  uint32_t lastModified = 0;  // Last-Modified as seconds since 1970 UTC; 0 = none
  int retryAfter = -1;        // Retry-After in seconds; -1 = none or a date
};

class SiteProbe {
 public:
  virtual ~SiteProbe() = default;
  // Sends one request and reads the status line and headers only (a GET's
  // body is never downloaded); redirections are not followed. Never throws.
  virtual ProbeAnswer Ask(const std::string& url, ProbeVerb verb) = 0;
  // False only when the host name of url is known not to resolve.
  virtual bool HostResolves(const std::string& url) = 0;
};

// What every probe of a run is made with.
struct ProbeOptions {
  std::string userAgent;
  uint32_t timeoutMs = 5000;  // connect, send and receive each
};

// The platform's probe, or null when it cannot be made (the run then
// stops, as when the Internet handle cannot be created).
std::unique_ptr<SiteProbe> MakeSiteProbe(const ProbeOptions& options);
