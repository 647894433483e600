#include "TargetNotice.h"

namespace tavrio {

Notice noticeFor(const NoticeInput& input) {
    if (!input.target || input.now <= *input.target || input.announcedTarget == input.target) {
        return Notice::None;
    }
    const bool cameByTheClock = input.firstTickOfRun || input.lastTargetAhead == input.target;
    const bool wanted = input.notificationsWanted || input.soundWanted;
    return cameByTheClock && wanted ? Notice::Announce : Notice::MarkDone;
}

} // namespace tavrio
