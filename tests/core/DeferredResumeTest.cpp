// A deferred engine call is resumed once, on the idle call after the framework's idle work.
#include "DeferredResume.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs idle calls 0, 1, 2, ... as the message loop would, while more idle time is wanted, and
// records the answers: "+" more wanted, "." done, "R" resume posted.
std::string RunIdle(CDeferredResume& resume, long frameworkBusyUntil) {
    std::string trace;
    for (long count = 0; count < 20; ++count) {
        bool resumeNow = false;
        bool more = resume.OnIdle(count, count < frameworkBusyUntil, resumeNow);
        trace += resumeNow ? "R" : (more ? "+" : ".");
        if (!more)
            break;
    }
    return trace;
}

TEST(DeferredResumeTest, NothingDeferredLeavesTheFrameworksAnswer) {
    CDeferredResume resume;
    EXPECT_EQ(RunIdle(resume, 1), "+.");
}

TEST(DeferredResumeTest, ResumesOnceAfterTheFrameworksIdleWork) {
    CDeferredResume resume;
    resume.Defer();
    EXPECT_EQ(RunIdle(resume, 1), "++R");
    EXPECT_FALSE(resume.IsDeferred());
    EXPECT_EQ(RunIdle(resume, 1), "+.");  // the next idle period has nothing to resume
}

TEST(DeferredResumeTest, InputBetweenStartsTheWaitAgain) {
    CDeferredResume resume;
    resume.Defer();
    bool resumeNow = false;
    EXPECT_TRUE(resume.OnIdle(0, true, resumeNow));
    EXPECT_TRUE(resume.OnIdle(1, false, resumeNow));  // asks for call 2
    // New input: the loop starts again at 0, so call 2 never came.
    EXPECT_EQ(RunIdle(resume, 1), "++R");
}

TEST(DeferredResumeTest, CancelledDeferralPostsNothing) {
    CDeferredResume resume;
    resume.Defer();
    resume.Cancel();
    EXPECT_EQ(RunIdle(resume, 1), "+.");
}

} // namespace
