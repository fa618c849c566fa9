// The loopback web server of tools/peers/site_server.py, started for a test
// or a benchmark and stopped with the object. Its hosts are 127.0.0.2,
// 127.0.0.3, ...; run inside a network namespace of its own.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>

class LoopbackServer {
 public:
  explicit LoopbackServer(int hosts, int delayMs = 0);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  bool Ready() const { return port_ != 0; }
  // "http://127.0.0.<host + 2>:<port>/<path>".
  std::string Url(int host, const std::string& path) const;
  // An address on a port where nothing listens.
  std::string RefusedUrl() const;
  // The most connections each host ("127.0.0.x") served at once.
  std::map<std::string, int> MostConnections() const;
  // Forgets the counts and every "first time" state.
  void Reset() const;

 private:
  std::string Get(const std::string& path) const;

  pid_t pid_ = -1;
  int toServer_ = -1;  // its stdin: closing it ends the server
  int port_ = 0;
  int refusedPort_ = 0;
};
