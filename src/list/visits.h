// Visit bookkeeping of a bookmark: counting a visit, "Set to Never".
#pragma once

#include <cstdint>

#include "list/bookmark_list.h"

// Seconds within which a second visit is not counted again.
constexpr uint32_t kVisitRecountSeconds = 60;

// Records a visit of the bookmark at index (an alias records it on its
// target) at the list's clock time: a visit more than 60 seconds after the
// last one counts (Visits + 1, the last visit becomes the previous one, a
// status "Updated" becomes "OK"); in any case TimeLastVisit is now. Then a
// due visit that has come is rescheduled and the bookmark enters Recently
// visited and Frequently visited. Returns true when the visit was counted.
bool RecordVisit(BookmarkList& list, uint16_t index);

// "Set to Never": clears Visits, TimeLastVisit, TimePreviousVisit and the
// recently-visited flag.
void SetVisitNever(BookmarkList& list, uint16_t index);
