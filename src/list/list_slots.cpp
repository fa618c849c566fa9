// The slots themselves, the per-run memory of passwords and what the
// application asks of the lists. Opening is in list_open.cpp, the save
// step, "Save Copy" and "Revert" in list_save_step.cpp.
#include "list/list_slots.h"

#include "list/encryption.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "list/smart_folders.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "util/messages.h"

namespace {

ListHost& NoHost() {
  static ListHost host;
  return host;
}

Settings& NoSettings() {
  static Settings settings;
  return settings;
}

// The settings a list keeps its own copy of.
void TakeSettings(const Settings& settings, BookmarkList* list) {
  if (!list) return;
  list->settings.recentPeriod = settings.recentPeriod;
  list->settings.maxSmartItems = settings.maxSmartItems;
}

}  // namespace

bool HasMarkedItems(const BookmarkList& list) {
  for (uint32_t count : list.markedCount)
    if (count != 0) return true;
  return false;
}

ListSlots::ListSlots(Settings* settings, ListHost* host)
    : clock(platform::Now),
      settings_(settings ? settings : &NoSettings()),
      host_(host ? host : &NoHost()) {}

ListSlots::~ListSlots() { CloseAll(); }

std::unique_ptr<BookmarkList> ListSlots::NewList() const {
  auto list = std::make_unique<BookmarkList>();
  EncryptionOf(*list);
  list->clock = clock;
  TakeSettings(*settings_, list.get());
  return list;
}

void ListSlots::FollowSettings() {
  TakeSettings(*settings_, currentList.get());
  TakeSettings(*settings_, markHoldingList.get());
}

int ListSlots::AddKnownList(const std::string& path) {
  if (settings_->lists.size() >= kMaxKnownLists) return -1;
  KnownListEntry entry;
  entry.name = ListNameFromPath(path);
  entry.path = path;
  settings_->lists.push_back(entry);
  return static_cast<int>(settings_->lists.size()) - 1;
}

void ListSlots::SaveUnsavedChanges(BookmarkList& list) {
  list.EncodeCurrentIfChanged();
  if (!list.readOnly && list.modified) SaveList(list, true, host_);
}

void ListSlots::Install(std::unique_ptr<BookmarkList> list, int knownIndex, bool keepCurrent,
                        bool replaceCurrent) {
  if (currentList && !replaceCurrent && (keepCurrent || HasMarkedItems(*currentList))) {
    if (markHoldingList) SaveUnsavedChanges(*markHoldingList);
    DiscardMarkHolding();
    markHoldingList = std::move(currentList);
    markHoldingListIndex = currentListIndex;
  } else if (currentList) {
    // A reading of the same file replaces its older reading on purpose
    // (the user's No, Revert); any other list is closed only when saved.
    if (!replaceCurrent) SaveUnsavedChanges(*currentList);
    CloseList(*currentList, true, host_);
    currentList.reset();
  }
  if (currentListIndex >= 0 && currentListIndex != knownIndex) previousListIndex = currentListIndex;
  currentList = std::move(list);
  currentListIndex = knownIndex;
  autosaveHold_ = AutosaveHold();
  if (knownIndex >= 0) settings_->currentListIndex = knownIndex;
  host_->ListsChanged();
}

void ListSlots::ExchangeSlots() {
  if (currentListIndex >= 0) previousListIndex = currentListIndex;
  std::swap(currentList, markHoldingList);
  std::swap(currentListIndex, markHoldingListIndex);
  autosaveHold_ = AutosaveHold();
  if (currentListIndex >= 0) settings_->currentListIndex = currentListIndex;
  host_->ListsChanged();
}

void ListSlots::DiscardMarkHolding() {
  if (markHoldingList) CloseList(*markHoldingList, true, host_);
  markHoldingList.reset();
  markHoldingListIndex = -1;
}

void ListSlots::CloseAll() {
  if (markHoldingList) CloseList(*markHoldingList, false, host_);
  markHoldingList.reset();
  markHoldingListIndex = -1;
  if (currentList) CloseList(*currentList, false, host_);
  currentList.reset();
  currentListIndex = -1;
}

// ---- Passwords -----------------------------------------------------------

std::string ListSlots::RememberedPassword(int knownIndex) const {
  if (knownIndex < 0 || static_cast<size_t>(knownIndex) >= rememberedPasswords_.size())
    return std::string();
  return rememberedPasswords_[static_cast<size_t>(knownIndex)];
}

void ListSlots::Remember(int knownIndex, const std::string& password) {
  if (knownIndex < 0 || !settings_->HasBehaviour(kBehaviourRememberPasswords)) return;
  if (rememberedPasswords_.size() <= static_cast<size_t>(knownIndex))
    rememberedPasswords_.resize(static_cast<size_t>(knownIndex) + 1);
  rememberedPasswords_[static_cast<size_t>(knownIndex)] = password;
}

bool ListSlots::TryRememberedPasswords(BookmarkList& list, int knownIndex) {
  for (int index : {knownIndex, currentListIndex, markHoldingListIndex}) {
    std::string password = RememberedPassword(index);
    if (password.empty() || !CheckPassword(list, password, true)) continue;
    Remember(knownIndex, password);
    return true;
  }
  return false;
}

bool ListSlots::AskPassword(BookmarkList& list, int knownIndex, bool markVerified) {
  if (askingPassword_) {
    host_->RaisePasswordRequest();
    return false;
  }
  ListEncryption before = EncryptionOf(list);
  std::string passwordBefore = list.password, checkBefore = list.checkValue;
  int keyStateBefore = list.keyState;
  bool accepted = false;
  std::string remembered = RememberedPassword(knownIndex);
  if (settings_->HasBehaviour(kBehaviourRememberPasswords) && !remembered.empty() &&
      CheckPassword(list, remembered, true)) {
    accepted = true;
  } else {
    // Any password would "decrypt" a wholly encrypted list into garbage, so
    // such a list needs its check value to match.
    bool strict = (list.encryptionOptions & kEncryptWholeList) != 0;
    std::string title = MessageBody(IDS_DECRYPT_TITLE, {NameOf(list, knownIndex)});
    askingPassword_ = true;
    std::string typed;
    while (!accepted && host_->RequestPassword(title, &typed)) {
      accepted = CheckPassword(list, typed, strict);
      if (accepted) {
        Remember(knownIndex, typed);
      } else {
        MessageFromTable(Owner(), IDS_WRONG_PASSWORD,
                         platform::kMbOk | platform::kMbIconWarning | platform::kMbSystemModal);
      }
      typed.clear();
    }
    askingPassword_ = false;
  }
  if (accepted && !markVerified) {
    EncryptionOf(list) = before;
    list.password = passwordBefore;
    list.checkValue = checkBefore;
    list.keyState = keyStateBefore;
  }
  return accepted;
}

void ListSlots::ForgetPasswords() {
  for (BookmarkList* list : {currentList.get(), markHoldingList.get()}) {
    if (!list) continue;
    if (list->keyState == 2) list->keyState = 1;
    list->password.clear();
  }
  rememberedPasswords_.clear();
}

// ---- Queries ---------------------------------------------------------------

uint32_t ListSlots::SecondsSinceSave() const {
  return HasCurrent() ? clock() - currentList->lastSaveTime : 0;
}

bool ListSlots::ScanDueVisits() { return HasCurrent() && DueVisitScan(*currentList); }

std::string ListSlots::NameOf(const BookmarkList& list, int knownIndex) const {
  if (knownIndex >= 0 && static_cast<size_t>(knownIndex) < settings_->lists.size())
    return settings_->lists[static_cast<size_t>(knownIndex)].name;
  return ListNameFromPath(list.path);
}

std::string ListSlots::CurrentName() const {
  return HasCurrent() ? NameOf(*currentList, currentListIndex) : std::string();
}
