#include "texts.h"

#include "cp932.h"
#include "profile.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>

namespace benchbank {
namespace {

std::string cp932(std::string_view utf8) {
    std::string bytes;
    std::size_t failedAt = 0;
    if (!quizra::encodeCp932(utf8, bytes, failedAt))
        throw std::logic_error("bench text without a code page 932 code");
    return bytes;
}

// Entries of question text bun and the four choices, answered and typed by their number k.
std::vector<std::string> synthetic(const std::string &bun,
                                   const std::array<std::string, 4> &choices) {
    std::vector<std::string> bodies;
    for (int k = 1; k <= 4; ++k) {
        std::string body = "bun=" + bun + "\r\n";
        for (int c = 0; c < 4; ++c)
            body +=
                "ans" + std::to_string(c + 1) + "=" + choices[static_cast<std::size_t>(c)] + "\r\n";
        bodies.push_back(body + "ans=" + std::to_string(1 + k % 4) +
                         "\r\ntype=" + std::to_string(k % 2) + "\r\n");
    }
    return bodies;
}

std::vector<std::string> repeated(std::string_view utf8) {
    const std::string text = cp932(utf8);
    std::string bun;
    for (int i = 0; i < 8; ++i)
        bun += text;
    return synthetic(bun, {text + text, text + text, text + text, text + text});
}

constexpr std::string_view Sentences[] = {
    "エンジンのオーバーヒートを防ぐため、クーラントとオイルのレベルをチェックする。",
    "ゼロエミッションのモーターボートでも、バッテリーの充電をモニターで確かめる。",
    "スクリューにロープが絡んだときは、エンジンをストップしてからナイフで取り除く。",
    "マリーナのスロープでトレーラーからボートを降ろすとき、ウインチのワイヤーを確かめる。",
    "水深の浅いエリアでは、センターボードを上げ、スピードを落としてコースを変える。",
    "ライフジャケットのサイズとバックルを、出航前にクルー全員でチェックする。",
    "レーダーとプロッターの表示が食い違うときは、コンパスとチャートで位置を確かめる。",
    "ビルジポンプのスイッチを入れ、ホースの端からビルジが出ることをチェックする。",
    "フューエルタンクのベントを開き、ガソリンのにおいがしたらブロワーで換気する。",
    "ウォータージェットのインテークにゴミが詰まったら、エンジンを止める措置をとる。",
    "サーフェスドライブのトリムを調整し、ポーポイジングを抑えてスムーズに走る。",
    "アンカーのチェーンとロープは、水深の三倍以上をリールから繰り出す。",
};
constexpr std::string_view Choices[] = {
    "オーバーヒート", "バッテリーチャージャー", "スクリューガード",     "ウインチワイヤー",
    "センターボード", "ライフジャケット",       "レーダーリフレクター", "ビルジポンプ",
};

std::vector<std::string> katakana() {
    std::vector<std::string> bodies;
    constexpr std::size_t count = std::size(Sentences);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string bun = cp932(Sentences[i]) + cp932(Sentences[(i + 1) % count]) +
                                cp932(Sentences[(i + 5) % count]);
        std::array<std::string, 4> choices;
        for (std::size_t c = 0; c < 4; ++c)
            choices[c] = cp932(Choices[(i + c) % std::size(Choices)]);
        for (std::string &body : synthetic(bun, choices))
            bodies.push_back(std::move(body));
    }
    return bodies;
}

// Every entry of TOI1.ini to TOI50.ini of the sample bank, bmp lines left out.
std::vector<std::string> sample() {
    std::vector<std::string> bodies;
    for (int n = 1; n <= 50; ++n) {
        std::ifstream in(std::filesystem::path(QUIZRA_SAMPLE_DIR) /
                             ("TOI" + std::to_string(n) + ".ini"),
                         std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        quizra::ProfileScanner scanner(bytes);
        quizra::ProfileLine line;
        bool inEntry = false;
        while (scanner.next(line)) {
            if (line.kind == quizra::ProfileLine::Kind::Section) {
                inEntry = line.name.starts_with("SEC");
                if (inEntry) bodies.emplace_back();
            } else if (inEntry && line.kind == quizra::ProfileLine::Kind::Key &&
                       !quizra::sameName(line.name, "bmp")) {
                bodies.back().append(line.text).append("\r\n");
            }
        }
    }
    if (bodies.empty()) throw std::runtime_error("no sample bank in " QUIZRA_SAMPLE_DIR);
    return bodies;
}

std::vector<std::string> bodiesOf(Text text) {
    switch (text) {
    case Text::Plain:
        return repeated("問題のテキストです。");
    case Text::Sample:
        return sample();
    case Text::LongVowel:
        return repeated("問題のテーマとコースです。");
    case Text::Katakana:
        return katakana();
    }
    throw std::logic_error("unknown bench text");
}

} // namespace

const std::vector<std::string> &entryBodies(Text text) {
    static std::array<std::vector<std::string>, 4> bodies;
    std::vector<std::string> &made = bodies[static_cast<std::size_t>(text)];
    if (made.empty()) made = bodiesOf(text);
    return made;
}

} // namespace benchbank
