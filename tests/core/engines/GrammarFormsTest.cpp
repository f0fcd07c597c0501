// Grammar forms of both directions, each with the whole translation it must give.
#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* source;
    const char* translation;
};

const Case kJapanese[] = {
    // でなければならない after a noun: 必须是.
    {"教育は無償でなければならない。", "教育必须是无偿。"},
    // あまり…ない: 不太, the negation taken into it; an adjective before ない is negated.
    {"この本はあまり面白くない。", "这书不太有趣。"},
    // An adverb of degree leaves out 很.
    {"これはあまりに高い。", "这太高。"},
    // The suffix 的, not the noun (target); 及び between nouns as 和.
    {"経済的及び文化的権利は重要である。", "经济的和文化的权利重要。"},
    // のため, によってのみ, を問わず, に関し: prepositions before their phrase.
    {"平和の維持のため、努力する。", "为了和平的维持，努力。"},
    {"婚姻は合意によってのみ成立する。", "婚姻只有通过合意成立。"},
    {"人種を問わず、平等である。", "不论种族，平等。"},
    {"婚姻に関し平等の権利を有する。", "关于婚姻有平等的权利。"},
    // Demonstratives the data lacks.
    {"これらの権利は重要である。", "这些权利重要。"},
    // たことがない: 没有…过.
    {"こんな顔は見たことがない。", "这样的脸没有看过。"},
    // すべき: 应该 before the verb of a relative clause.
    {"達成すべき基準を決める。", "决定应该达成的基准。"},
    // An adverb, not a stem with its ending; an adnominal, not a verb's form.
    {"彼は常に本を読む。", "他经常读书。"},
    {"同じ本を読む。", "读相同的书。"},
    // のです adds nothing.
    {"機能は多いのですが、使わない。", "功能很多，但是不使用。"},
    {"彼は何も言わなかったのである。", "他什么也没有说。"},
    // Modals and the negation after the subject, before the prepositional phrases and
    // adverbs of manner; adverbs of scope before them.
    {"何人も、ほしいままに逮捕されることはない。", "任何人不得任意被逮捕。"},
    {"互いに同胞の精神をもって行動しなければならない。", "必须互相以同胞的精神行动。"},
    {"彼は学校で勉強しない。", "他不在学校学习。"},
    // Bare nouns of a list are no subject: the modal stays before them.
    {"何人も、ほしいままに逮捕、拘禁、又は追放されることはない。", "任何人不得任意逮捕、拘禁或被放逐。"},
    // となる: the noun follows 成为.
    {"人民の意思は、統治の権力の基礎とならなければならない。", "人民的意思，必须成为统治的权力的基础。"},
    // と before a noun used as a verb: its partner, with 跟.
    {"加盟国は、国際連合と協力して、平和を守る。", "会员国跟联合国合作，保护和平。"},
    // こと after a clause: the clause itself; ことのできない.
    {"人権を保護することが肝要である。", "保护人权至关重要。"},
    {"譲ることのできない権利を有する。", "有不能转让的权利。"},
    // Bare continuatives before commas.
    {"情報を求め、受け、及び伝える。", "寻求信息，接受，和传达。"},
    // ありません after an adjective, after a noun and after が.
    {"入力したパスワードは正しくありません。", "输入的密码不正确。"},
    {"問題ありません。", "没有问题。"},
    {"時間がありません。", "没有时间。"},
    // No 的 after a word of quantity, nor between Sino-Japanese adjectival noun and noun.
    {"すべての人は平等な権利を有する。", "人人有平等权利。"},
    // する権利を有する: 有权, the clause after it.
    {"子供は教育を受ける権利を有する。", "孩子有权受教育。"},
    // も opening a clause stands for the subject; いかなる…も: 任何…都.
    {"いかなる国も参加できる。", "任何国都能参加。"},
    // Verbs of result take the negation inside; 受ける negated is 不受, with られる 能受到.
    {"ファイルが見つかりません。", "文件找不到。"},
    {"差別を受けない。", "不受歧视。"},
    {"援助を受けられる。", "能受到援助。"},
    // An adjective's adverbial form before なる: 变得.
    {"画面が暗くなった。", "屏幕变得暗了。"},
    // The noun of an adjective with さ, where the data has one: 高度, not 很高.
    {"画像の高さと幅を変換する。", "转换图像的高度和宽度。"},
    // Bare nouns of a list joined by 、 take the particle of the last one.
    {"彼は本、ノート、ペンを買った。", "他买了书、笔记本、笔杆。"},
    // か before a comma: 或 between the clauses; て between two verbs: 并.
    {"ファイルは削除されたか、移動されました。", "文件被删除了或被移动了。"},
    {"バージョン情報を表示して終了する。", "显示版本信息并结束。"},
    // A relative clause keeps its noun before a copula, and before a blank and a Latin noun.
    {"昨日読んだ本です。", "昨天读的书。"},
    {"変換した PNG の幅です。", "转换的PNG的宽度。"},
    // Items before a に対する phrase go inside its preposition; 何人も before a comma is no item.
    {"人は、生命、自由に対する権利を有する。", "人有对生命、自由的权利。"},
    {"何人も、学校で勉強できる。", "任何人能在学校学习。"},
    // Verbs of transfer take 到 and their place, the object before them with 将; what fails
    // stands before 失败.
    {"ファイルをフォルダにコピーします。", "将文件复制到文件夹。"},
    {"接続に失敗しました。", "连接失败了。"},
    // てください: 请 before the clause.
    {"名前を入力してください。", "请输入名字。"},
    // A Latin word and the noun beside it are one phrase; a noun predicate alone has no 是.
    {"HTTP サーバーの内部エラーです。", "HTTP 服务器的内部错误。"},
    // という after a noun names the thing; after a clause it makes the clause modify the noun.
    {"これは日本という国の話です。", "这是日本这个国的话。"},
    {"ファイルを開くという操作を行う。", "进行开文件的操作。"},
    // のない and のある after a noun: 没有…的, 有…的.
    {"理由のない逮捕は禁止される。", "没有理由的逮捕被禁止。"},
    // Literary forms: ざる, べからず, ざるを得ない, かかる, しかるに.
    {"譲ることのできざる権利を有する。", "有不能转让的权利。"},
    {"何人も差別されるべからず。", "不得被任何人歧视。"},
    {"彼は行かざるを得ない。", "他必须去。"},
    {"かかる行為は許されない。", "这样的行为不被允许。"},
    {"しかるに、彼は来なかった。", "然而，他没有来。"},
    // ある with a place: 在 alone after the thing named first, 有 before the thing named after;
    // ない after a particle is the negated ある.
    {"私の本は机の上にある。", "我的书在桌子上。"},
    {"私の本は机の上にない。", "我的书不在桌子上。"},
    {"机の上に本がある。", "桌子上有书。"},
    {"彼には時間がない。", "他没有时间。"},
    // いる of living things likewise; a clause that says where its noun is takes 在 alone.
    {"部屋に猫がいる。", "房间有猫。"},
    {"猫は部屋にいる。", "猫在房间。"},
    {"机の上にある本を読んだ。", "读了在桌子上的书。"},
    // What が names after 好き, 上手, 必要 is the object: 喜欢猫, 需要时间.
    {"私は猫が好きです。", "我喜欢猫。"},
    {"時間が必要だ。", "需要时间。"},
    // 全く before a negation takes it after itself: 完全不.
    {"全くわからない。", "完全不明白。"},
};

const Case kChinese[] = {
    // 受任何: 受 and 任何 (two words ahead), 受 as the verb.
    {"人人不受任何歧视。", "すべての人はいかなる差別も受けない。"},
    // A verb whose object is an adjective with 的 and a noun.
    {"他具有丰富的经验。", "彼は豊富な経験を持つ。"},
    {"这种语言具有非常清晰的语法。", "このような言語は非常に明確な語法を持つ。"},
    {"我们应该避免错误。", "私たちは誤りを避けるべきである。"},
    {"他离开了中国。", "彼は中国を離れた。"},
    // A conjunction after the first verb's object starts a clause of its own; 并 and 而 there
    // are the first verb's continuative form.
    {"打印版本信息并退出。", "バージョン情報を印刷し、退出する。"},
    // Verbs side by side share the object after the last.
    {"用户可以创建、修改和删除文件。", "ユーザーはファイルを作成し、修改し、削除することができる。"},
    // A verb straight before a noun modifies it, unless the first verb takes a verb as object.
    {"删除指定文件。", "指定したファイルを削除する。"},
    {"无法打开指定文件。", "指定したファイルを開くことができない。"},
    // Adjectives linked by 而: the first going on to the next, before 的 and as the predicate.
    {"这是一个简单而有效的方法。", "これは簡単で有効な方法である。"},
    {"他很聪明而且勤奋。", "彼はとても聡明で、しかもまめまめしい。"},
    // 是 is the verb of its clause; a demonstrative alone is これ.
    {"这是我的书。", "これは私の本である。"},
    // A word that is an adjectival noun in Japanese takes な before its noun.
    {"他们建立自由的国家。", "彼らは自由な国を打ち立てる。"},
    // 不是: the negated copula; 此 and 本 before a noun: この.
    {"他不是学生。", "彼は学生ではない。"},
    {"此方法有效。", "この方法は有効である。"},
    {"这一问题很重要。", "この問題はとても重要である。"},
    // The phrases before the verb in their Chinese order; the place after 到 takes に.
    {"请将文件从桌面复制到目录。", "ファイルをデスクトップからディレクトリにコピーする。"},
    // After a modal the verb is the clause's own; a verb after 的 names a thing.
    {"他们有权享受法律的保护。", "彼らは法律の保護を享受する権利を有する。"},
    {"他们有权享受法律的平等保护。", "彼らは法律の平等保護を享受する権利を有する。"},
    // A verb whose Japanese is a plain noun is the object.
    {"本公司有资格参加比赛。", "この会社は試合に参加することができる。"},
    // 一个 is not counted; 一个或多个: 一つ以上.
    {"选择一个或多个文件。", "一つ以上のファイルを選択する。"},
    {"文件被删除了。", "ファイルは削除された。"},
    // A clause as the object takes こと; a lone action is the object itself; a noun and an
    // action at the object's end are one compound.
    {"他开始写信。", "彼は手紙を書くことを始める。"},
    {"人人应受法律保护。", "すべての人は法律保護を受けるべきである。"},
    {"读取标准输入。", "標準入力を読み込む。"},
    // 没有 before a noun: there is none; 失败 after an action: that action fails.
    {"我没有钱。", "私は銭がない。"},
    {"创建文件失败。", "ファイルの作成に失敗する。"},
    // 任何 opening the subject: も; alternatives joined by 或 share the last verb's form.
    {"任何人不得进入。", "いかなる人も入ってはならない。"},
    {"用户可以创建或删除文件。", "ユーザーはファイルを作成又は削除することができる。"},
    // A place or a time before the subject: で or に after it.
    {"法律之前人人平等。", "すべての人は法律の前で平等である。"},
    {"会议之后我们回家。", "私たちは会議の後に家に帰る。"},
    // A phrase of its own before a comma: the postposition after its noun.
    {"在这种情况下，我们不能离开。", "このような情況下で、私たちは離れることができない。"},
    {"作为学生，他很努力。", "学生として、彼はとても努力する。"},
    // 使用 with a second verb: the tool takes で; a clause opening with its verb is its own.
    {"我们可以使用这个工具打开文件。", "私たちはこのツールでファイルを開くことができる。"},
    {"列出目录中的内容。", "ディレクトリ中の内容を列挙する。"},
    // Verbs whose partner takes に.
    {"这种行为违反法律。", "このような行為は法律に違反する。"},
    // 视为, 宣布为: what the thing is taken as takes と.
    {"他被视为英雄。", "彼は英雄とみなされる。"},
    {"这种行为被宣布为犯罪。", "このような行為は犯罪と宣布される。"},
};

class JapaneseGrammarFormTest : public testing::TestWithParam<Case> {};
class ChineseGrammarFormTest : public testing::TestWithParam<Case> {};

TEST_P(JapaneseGrammarFormTest, Translation) {
    EXPECT_EQ(TranslateUtf8(TestEngine(kJapaneseToChinese), GetParam().source, 932, 936).text,
              GetParam().translation);
}

TEST_P(ChineseGrammarFormTest, Translation) {
    EXPECT_EQ(TranslateUtf8(TestEngine(kChineseToJapanese), GetParam().source, 936, 932).text,
              GetParam().translation);
}

INSTANTIATE_TEST_SUITE_P(Forms, JapaneseGrammarFormTest, testing::ValuesIn(kJapanese));
INSTANTIATE_TEST_SUITE_P(Forms, ChineseGrammarFormTest, testing::ValuesIn(kChinese));

} // namespace
