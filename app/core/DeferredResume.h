// When a translation run's deferred engine call is taken up again from idle time: once the
// framework wants no more idle time, one more idle call is asked for, and on that call the
// resume is posted.
#pragma once

class CDeferredResume {
public:
    void Defer() { m_deferred = true; }
    void Cancel() {
        m_deferred = false;
        m_resumeCount = -1;
    }
    bool IsDeferred() const { return m_deferred; }

    // Called with the idle count and the framework's own answer. Returns whether more idle time
    // is wanted; resumeNow tells the caller to post the resume message.
    bool OnIdle(long count, bool frameworkWantsMore, bool& resumeNow);

private:
    bool m_deferred = false;
    long m_resumeCount = -1;
};
