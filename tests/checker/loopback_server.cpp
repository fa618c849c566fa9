#include "checker/loopback_server.h"

#include <curl/curl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

namespace {

size_t Append(char* data, size_t size, size_t count, void* user) {
  static_cast<std::string*>(user)->append(data, size * count);
  return size * count;
}

}  // namespace

LoopbackServer::LoopbackServer(int hosts, int delayMs) {
  int in[2], out[2];
  if (pipe(in) != 0) return;
  if (pipe(out) != 0) {
    close(in[0]);
    close(in[1]);
    return;
  }
  pid_ = fork();
  if (pid_ == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    close(in[1]);
    close(out[0]);
    std::string hostArg = std::to_string(hosts), delayArg = std::to_string(delayMs);
    execlp("python3", "python3", VELLOX_PEERS_DIR "/site_server.py", "--hosts", hostArg.c_str(),
           "--delay-ms", delayArg.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  toServer_ = in[1];
  // The first line says where it listens.
  std::FILE* lines = fdopen(out[0], "r");
  if (lines && std::fscanf(lines, "ready %d %d", &port_, &refusedPort_) != 2) port_ = 0;
  if (lines) std::fclose(lines);
}

LoopbackServer::~LoopbackServer() {
  if (toServer_ >= 0) close(toServer_);
  if (pid_ > 0) {
    int status = 0;
    waitpid(pid_, &status, 0);
  }
}

std::string LoopbackServer::Url(int host, const std::string& path) const {
  return "http://127.0.0." + std::to_string(host + 2) + ":" + std::to_string(port_) + "/" + path;
}

std::string LoopbackServer::RefusedUrl() const {
  return "http://127.0.0.2:" + std::to_string(refusedPort_) + "/";
}

std::string LoopbackServer::Get(const std::string& path) const {
  std::string body;
  CURL* h = curl_easy_init();
  if (!h) return body;
  std::string url = Url(0, path);
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, Append);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &body);
  curl_easy_perform(h);
  curl_easy_cleanup(h);
  return body;
}

std::map<std::string, int> LoopbackServer::MostConnections() const {
  std::map<std::string, int> result;
  std::istringstream lines(Get("__stats"));
  std::string host;
  int most = 0;
  while (lines >> host >> most) result[host] = most;
  return result;
}

void LoopbackServer::Reset() const { Get("__reset"); }
