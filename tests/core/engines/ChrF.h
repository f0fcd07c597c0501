// chrF, the character n-gram F-score (n = 1 to 6, recall weighted by beta = 2), over a corpus:
// the n-gram counts of all sentences are added, the F-score of each order taken and the six
// averaged. Blanks are ignored.
#pragma once

#include <string>
#include <vector>

class CChrF {
public:
    void Add(const std::u16string& hypothesis, const std::u16string& reference);
    double Score() const;  // 0 to 100

private:
    static constexpr int kOrder = 6;
    double m_matches[kOrder] = {};
    double m_hypothesis[kOrder] = {};
    double m_reference[kOrder] = {};
};
