#include "fontwarmup.h"

#include "program.h"

#include <QTextLayout>

#include <utility>

void warmUpWindowFont() {
    static bool warm = false;
    if (std::exchange(warm, true)) return;
    // Every script a question mixes: kanji, both kana, full-width signs, Latin letters, digits.
    QTextLayout layout(QStringLiteral("問題の答えはどれか。（１）ア～ー「」＜＞、Ab12()&"),
                       Program::WindowFont());
    layout.beginLayout();
    layout.createLine().setLineWidth(1e6);
    layout.endLayout();
}
