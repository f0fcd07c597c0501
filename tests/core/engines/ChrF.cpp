// chrF over a corpus.
#include "ChrF.h"

#include <algorithm>
#include <map>

namespace {

std::u16string WithoutBlanks(const std::u16string& s) {
    std::u16string out;
    for (char16_t c : s)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r' && c != 0x3000)
            out.push_back(c);
    return out;
}

std::map<std::u16string, int> Grams(const std::u16string& s, size_t n) {
    std::map<std::u16string, int> grams;
    for (size_t i = 0; i + n <= s.size(); ++i)
        ++grams[s.substr(i, n)];
    return grams;
}

} // namespace

void CChrF::Add(const std::u16string& hypothesis, const std::u16string& reference) {
    const std::u16string h = WithoutBlanks(hypothesis), r = WithoutBlanks(reference);
    for (int n = 1; n <= kOrder; ++n) {
        const auto hg = Grams(h, size_t(n)), rg = Grams(r, size_t(n));
        for (const auto& [gram, count] : hg) {
            m_hypothesis[n - 1] += count;
            auto it = rg.find(gram);
            if (it != rg.end())
                m_matches[n - 1] += std::min(count, it->second);
        }
        for (const auto& entry : rg)
            m_reference[n - 1] += entry.second;
    }
}

double CChrF::Score() const {
    // The F-score of each order, then their mean, as the common implementations report it.
    const double beta2 = 4.0;
    double sum = 0;
    int orders = 0;
    for (int n = 0; n < kOrder; ++n) {
        if (m_hypothesis[n] == 0 || m_reference[n] == 0)
            continue;
        const double precision = m_matches[n] / m_hypothesis[n];
        const double recall = m_matches[n] / m_reference[n];
        if (precision + recall > 0)
            sum += (1 + beta2) * precision * recall / (beta2 * precision + recall);
        ++orders;
    }
    return orders ? 100.0 * sum / orders : 0;
}
