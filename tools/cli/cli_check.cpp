#include "cli_check.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "checker/check_run.h"
#include "checker/check_waiter.h"
#include "cli_messages.h"
#include "cli_session.h"
#include "list/list_save.h"
#include "list/site_status.h"
#include "settings/settings.h"

namespace {

int CheckUsage() {
  std::fputs("usage: vellox-cli check LIST [--jobs N] [--all]\n", stderr);
  return 2;
}

}  // namespace

int RunCheckCommand(int argc, char** argv, std::FILE* out) {
  if (argc < 1) return CheckUsage();
  const std::string path = argv[0];
  CheckRunOptions options;
  options.jobs = static_cast<int>(kDefaultSimultaneousChecks);
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--all") == 0) {
      options.recheckRecent = true;
    } else if (std::strcmp(argv[i], "--jobs") == 0 && i + 1 < argc) {
      options.jobs = std::atoi(argv[++i]);
      if (options.jobs < 1) return CheckUsage();
    } else {
      return CheckUsage();
    }
  }
  ToolSession session("", out);
  if (!session.Open(path) || !session.Loaded()) {
    std::fprintf(out, "result: %s\n", session.Result());
    return 1;
  }
  BookmarkList& list = *session.List();
  // Held open for writing elsewhere (the program): the results could not be saved.
  if (list.readOnly) {
    std::fputs("result: ReadOnly\n", out);
    return 1;
  }
  CheckWaiter waiter;
  options.wake = waiter.WakeFunction();
  std::vector<uint16_t> stored;
  {
    CheckRun run(list, options);
    run.StartScope(0);
    RunChecksToEnd(run, waiter, &stored);
  }
  std::sort(stored.begin(), stored.end());
  uint32_t checked = 0;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) {
    if (list.IsAlias(i) || !std::binary_search(stored.begin(), stored.end(), i)) continue;
    BookmarkItem r;
    list.DecodeInto(i, false, &r);
    std::fprintf(out, "%u\t%u\t%s\t%s\n", r.id, r.siteStatus, SiteStatusText(r.siteStatus),
                 r.url.c_str());
    ++checked;
  }
  int saved = SaveList(list, true);
  if (saved != kSaveOk && saved != kSaveReopenedReadOnly) {
    WriteResult result =
        saved == kSaveEncryptionFailed ? WriteResult::EncryptionFailed : WriteResult::CannotWrite;
    std::fprintf(out, "result: %s\n", ResultName(result));
    if (const MessageText* message = MessageFor(result))
      std::fprintf(out, "message: %s\n",
                   MessageLine(*message, SystemErrorText(list.lastError)).c_str());
    return 1;
  }
  std::fprintf(out, "checked: %u\n", checked);
  return 0;
}
