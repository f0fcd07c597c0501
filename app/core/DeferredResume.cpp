// When a translation run's deferred engine call is taken up again from idle time.
#include "DeferredResume.h"

bool CDeferredResume::OnIdle(long count, bool frameworkWantsMore, bool& resumeNow) {
    resumeNow = false;
    if (frameworkWantsMore)
        return true;
    if (!m_deferred)
        return false;
    if (count != m_resumeCount) {
        m_resumeCount = count + 1;
        return true;
    }
    resumeNow = true;
    Cancel();
    return false;
}
