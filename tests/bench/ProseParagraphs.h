// The paragraphs of the prose documents that the load and translation benchmarks repeat up to the
// editor's limit: sentences of about a hundred bytes, so that 10 MB make 99,999 sentences.
#pragma once

#include <string>

inline const std::u16string kJapaneseProse =
    u"吾輩はここで始めて人間というものを見た、しかもあとで聞くとそれは書生という人間中で一番獰悪な種族であったそうだ。\r\n"
    u"何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している、と吾輩は思うのである。\r\n";
inline const std::u16string kChineseProse = u"我们今天去公园散步，天气很好，路上遇到了很多老朋友。"
                                           u"你去过北京吗？我很喜欢那里的烤鸭，每次去都要吃上好几顿！\r\n"
                                           u"他说：“明天见。”然后就走了。\r\n";
