<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>check</name>
    <message>
        <location filename="../check/bankcheck.cpp" line="54"/>
        <source>question </source>
        <translation>問題 </translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="60"/>
        <source>larger than </source>
        <translation>大きすぎます (</translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="62"/>
        <source> MiB, more than the program reads: no exam will start</source>
        <translation> MiB を超え、プログラムが読める大きさではありません): 試験は始まりません</translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="64"/>
        <source>cannot be read (</source>
        <translation>読めません (</translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="65"/>
        <location filename="../check/bankcheck.cpp" line="112"/>
        <source> of every exam is empty</source>
        <translation> はどの試験でも空になります</translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="78"/>
        <source> lines, too many to check (a full file of 32767 entries has about 330000)</source>
        <translation> 行: 行が多すぎて検査できません (32767 項目の満杯のファイルでも約 330000 行です)</translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="101"/>
        <source>found only ignoring case: the program looks for </source>
        <translation>大文字と小文字を区別しないと見つかりません: プログラムが探す名前は </translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="104"/>
        <source>is a symbolic link to </source>
        <translation>シンボリックリンクです。リンク先は </translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="105"/>
        <source>, outside the bank folder: the program reads it all the same</source>
        <translation> で、問題集フォルダーの外ですが、プログラムはそのまま読みます</translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="111"/>
        <source>missing: </source>
        <translation>ありません: </translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="120"/>
        <source>cannot be checked: not enough memory</source>
        <translation>検査できません: メモリーが足りません</translation>
    </message>
    <message>
        <location filename="../check/bankcheck.cpp" line="122"/>
        <source>cannot be checked: </source>
        <translation>検査できません: </translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="27"/>
        <source>… and </source>
        <translation>… ほかに </translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="27"/>
        <source> more in </source>
        <translation> 件 (</translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="28"/>
        <source> (--all shows them)</source>
        <translation>)。--all ですべて表示します</translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="50"/>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="50"/>
        <source>files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="51"/>
        <source> checked: </source>
        <translation>を検査しました: </translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="52"/>
        <source> checked in </source>
        <translation>を検査しました、場所 </translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="53"/>
        <location filename="../preview/previewpage.cpp" line="315"/>
        <source>error</source>
        <translation>件のエラー</translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="53"/>
        <location filename="../preview/previewpage.cpp" line="316"/>
        <source>errors</source>
        <translation>件のエラー</translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="55"/>
        <location filename="../preview/previewpage.cpp" line="318"/>
        <source>warning</source>
        <translation>件の警告</translation>
    </message>
    <message>
        <location filename="../check/report.cpp" line="56"/>
        <location filename="../preview/previewpage.cpp" line="319"/>
        <source>warnings</source>
        <translation>件の警告</translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="12"/>
        <location filename="../preview/previewpage.cpp" line="127"/>
        <source>line </source>
        <translation>行 </translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="52"/>
        <source> is not [</source>
        <translation> は [</translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="53"/>
        <source>]: the program never reads it</source>
        <translation>] ではありません: プログラムはこのセクションを読みません</translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="57"/>
        <source> is never read: the program reads [COUNT] and [SEC1], [SEC2], …</source>
        <translation> は読まれません: プログラムが読むのは [COUNT] と [SEC1]、[SEC2]、… です</translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="64"/>
        <source>no &apos;=&apos; in this line: it reads as an empty key &apos;</source>
        <translation>この行に &apos;=&apos; がありません: 空のキー &apos;</translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="66"/>
        <source>&apos; (a value cannot go on over several lines)</source>
        <translation>&apos; として読まれます (値を複数の行にまたがって書くことはできません)</translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="70"/>
        <source> again in [</source>
        <translation> が [</translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="72"/>
        <source>]: the program reads the first, on </source>
        <translation>] に重複しています: プログラムが読むのは最初のもの、</translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="83"/>
        <source>key line before the first section: never read</source>
        <translation>最初のセクションより前のキー行です: 読まれません</translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="88"/>
        <source>no &apos;]&apos; closes the section name: it reads as </source>
        <translation>セクション名を閉じる &apos;]&apos; がありません: 次のように読まれます </translation>
    </message>
    <message>
        <location filename="../check/structurecheck.cpp" line="93"/>
        <source> again: the program reads only the first, on </source>
        <translation> が重複しています: プログラムが読むのは最初のものだけです、</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="27"/>
        <source>Prints one value of a question file as the program reads it.</source>
        <translation>問題ファイルの値を一つ、プログラムが読むとおりに表示します。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="29"/>
        <source>Prints every question file and every value the draw can reach.</source>
        <translation>すべての問題ファイルと、出題で使われうるすべての値を表示します。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="38"/>
        <source>Draws every entry the draw can pick with the exam window into OUTDIR, with OUTDIR/index.html listing the bank&apos;s problems and its entries. A later run into the same folder redraws only the entries that changed.</source>
        <translation>出題されうるすべての項目を試験画面で描いて OUTDIR に保存し、問題集の問題点と項目の一覧を OUTDIR/index.html に書きます。同じフォルダーへの 2 回目以降の実行では、変わった項目だけを描き直します。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="31"/>
        <source>Checks a bank, or a spreadsheet build would turn into one, for every problem an author can make: FILE:LINE: error|warning: message. Shows twenty problems a file unless --all is given. Exit status 0 when clean, 1 with warnings only, 2 with errors.</source>
        <translation>問題集、または build が問題集にする表計算ファイルを検査し、作成者が犯しうるすべての問題点を FILE:LINE: error|warning: メッセージ の形で示します。--all を付けない限り、1 ファイルにつき 20 件まで表示します。終了ステータスは問題なしで 0、警告のみで 1、エラーがあれば 2 です。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="44"/>
        <source>Writes the bank as one spreadsheet: an .xlsx workbook, or CSV (UTF-8).</source>
        <translation>問題集を 1 つの表計算ファイルに書き出します: .xlsx ブック、または CSV (UTF-8)。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="46"/>
        <source>Writes TOI1.ini to TOI50.ini from one spreadsheet, after what it changes; --force replaces a bank, --dry-run writes nothing. Without DIR it writes your own bank.</source>
        <translation>1 つの表計算ファイルから TOI1.ini ～ TOI50.ini を書き、その前に変更点を示します。--force で既存の問題集を置き換え、--dry-run では何も書きません。DIR を省くと自分の問題集に書きます。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="50"/>
        <source>Prints the bank folder the program reads, and why.</source>
        <translation>プログラムが読む問題集のフォルダーと、その理由を表示します。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="55"/>
        <location filename="../main.cpp" line="114"/>
        <source>usage:</source>
        <translation>使い方:</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="58"/>
        <source>quizra-check COMMAND --help says what a command does.</source>
        <translation>各コマンドの説明は quizra-check コマンド --help で表示します。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="82"/>
        <source>no question bank found; looked in</source>
        <translation>問題集が見つかりません。次のフォルダーを探しました:</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="88"/>
        <source>reading </source>
        <translation>読み込み中: </translation>
    </message>
    <message>
        <location filename="../main.cpp" line="96"/>
        <source> is not a folder</source>
        <translation> はフォルダーではありません</translation>
    </message>
    <message>
        <location filename="../preview/outputfolder.cpp" line="43"/>
        <source>cannot create the folder </source>
        <translation>フォルダーを作れません: </translation>
    </message>
    <message>
        <location filename="../preview/outputfolder.cpp" line="57"/>
        <source>cannot read the folder </source>
        <translation>フォルダーを読めません: </translation>
    </message>
    <message>
        <location filename="../preview/outputfolder.cpp" line="65"/>
        <source> holds a bank (</source>
        <translation> には問題集があります (</translation>
    </message>
    <message>
        <location filename="../preview/outputfolder.cpp" line="66"/>
        <source>): name a folder of its own for the preview</source>
        <translation>): プレビュー専用のフォルダーを指定してください</translation>
    </message>
    <message>
        <location filename="../preview/outputfolder.cpp" line="75"/>
        <source> holds files that preview did not write: name a new or empty folder</source>
        <translation> には preview が書いたのではないファイルがあります: 新しいフォルダーか空のフォルダーを指定してください</translation>
    </message>
    <message>
        <location filename="../preview/outputfolder.cpp" line="94"/>
        <source>cannot write </source>
        <translation>書き込めません: </translation>
    </message>
    <message>
        <location filename="../preview/picturewriter.cpp" line="24"/>
        <source>cannot encode </source>
        <translation>PNG にできません: </translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="118"/>
        <source> overflows</source>
        <translation> はオーバーフローします</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="120"/>
        <source>: no choice is marked correct</source>
        <translation>: 正解の選択肢がありません</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="129"/>
        <source>, spreadsheet row </source>
        <translation>、表の行 </translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="166"/>
        <location filename="../preview/previewpage.cpp" line="167"/>
        <source>Quizra preview: </source>
        <translation>Quizra プレビュー: </translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="169"/>
        <source>Every entry the draw can pick, as the exam window shows it; </source>
        <translation>出題されうるすべての項目を試験画面のとおりに示します。</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="219"/>
        <source>Problems</source>
        <translation>問題点</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="221"/>
        <location filename="../preview/previewpage.cpp" line="295"/>
        <source>No problems found.</source>
        <translation>問題は見つかりませんでした。</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="232"/>
        <source>Show only the entries with problems</source>
        <translation>問題のある項目だけを表示</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="240"/>
        <source>: question </source>
        <translation>: 問題 </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="270"/>
        <location filename="../preview/previewpage.cpp" line="244"/>
        <source>every exam takes </source>
        <translation>どの試験でも出題: </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="271"/>
        <location filename="../preview/previewpage.cpp" line="245"/>
        <source>exams draw </source>
        <translation>出題範囲: </translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="249"/>
        <location filename="../preview/previewpage.cpp" line="263"/>
        <source> to [</source>
        <translation> ～ [</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="264"/>
        <source>Not in the file: an exam that draws </source>
        <translation>ファイルにありません: これを</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="265"/>
        <source>it</source>
        <translation>引いた</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="265"/>
        <source>one</source>
        <translation>どれかを引いた</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="266"/>
        <source> shows question </source>
        <translation>試験では問題 </translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="266"/>
        <source> empty.</source>
        <translation> が空になります。</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="283"/>
        <source>An exam that draws it does not start.</source>
        <translation>これを引いた試験は始まりません。</translation>
    </message>
    <message>
        <location filename="../preview/previewpage.cpp" line="293"/>
        <source>Correct answer: </source>
        <translation>正解: </translation>
    </message>
    <message>
        <location filename="../preview/progressline.cpp" line="39"/>
        <location filename="../preview.cpp" line="220"/>
        <source> of </source>
        <translation> / </translation>
    </message>
    <message>
        <location filename="../preview/progressline.cpp" line="40"/>
        <source> entries, </source>
        <translation> 件、</translation>
    </message>
    <message>
        <location filename="../preview/progressline.cpp" line="41"/>
        <source> elapsed, </source>
        <translation> 経過、あと </translation>
    </message>
    <message>
        <location filename="../preview/progressline.cpp" line="41"/>
        <source> left</source>
        <translation> ほど</translation>
    </message>
    <message>
        <location filename="../preview.cpp" line="220"/>
        <source> entry</source>
        <translation> 件</translation>
    </message>
    <message>
        <location filename="../preview.cpp" line="220"/>
        <source> entries</source>
        <translation> 件</translation>
    </message>
    <message>
        <location filename="../preview.cpp" line="221"/>
        <source> files (</source>
        <translation> ファイル (</translation>
    </message>
    <message>
        <location filename="../preview.cpp" line="222"/>
        <source> drawn, </source>
        <translation> 件を描画、</translation>
    </message>
    <message>
        <location filename="../preview.cpp" line="222"/>
        <source> unchanged); </source>
        <translation> 件は変更なし); </translation>
    </message>
    <message>
        <location filename="../check/drawrange.cpp" line="39"/>
        <source>practically every exam start fails</source>
        <translation>試験の開始はほぼ必ず失敗します</translation>
    </message>
    <message>
        <location filename="../check/drawrange.cpp" line="41"/>
        <source>about </source>
        <translation>試験の開始 100 回のうち約 </translation>
    </message>
    <message>
        <location filename="../check/drawrange.cpp" line="42"/>
        <source> in 100 exam starts fail</source>
        <translation> 回が失敗します</translation>
    </message>
    <message>
        <location filename="../check/drawrange.cpp" line="43"/>
        <source>about 1 in </source>
        <translation>試験の開始のおよそ </translation>
    </message>
    <message>
        <location filename="../check/drawrange.cpp" line="44"/>
        <source> exam starts fail</source>
        <translation> 回に 1 回が失敗します</translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="39"/>
        <source>invalid Shift-JIS byte </source>
        <translation>Shift-JIS として正しくないバイト </translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="40"/>
        <source> at offset </source>
        <translation> (位置 </translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="42"/>
        <source>, read as �</source>
        <translation>) があり、� として読まれます</translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="44"/>
        <source>invalid Shift-JIS bytes at offsets </source>
        <translation>Shift-JIS として正しくないバイトがあります。位置 </translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="52"/>
        <source> more</source>
        <translation> 件</translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="53"/>
        <source>, each read as �</source>
        <translation>。それぞれ � として読まれます</translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="55"/>
        <source> (this line looks like UTF-8)</source>
        <translation> (この行は UTF-8 のようです)</translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="63"/>
        <source>is UTF-16 (byte-order mark </source>
        <translation>UTF-16 です (バイト順マーク </translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="64"/>
        <source>): save it as Shift-JIS</source>
        <translation>): Shift-JIS で保存してください</translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="71"/>
        <source>starts with a UTF-8 byte-order mark: its first section is lost</source>
        <translation>UTF-8 のバイト順マークで始まっています: 最初のセクションが読まれません</translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="72"/>
        <source>starts with a UTF-8 byte-order mark: its first line is spoilt</source>
        <translation>UTF-8 のバイト順マークで始まっています: 最初の行が正しく読まれません</translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="77"/>
        <source>is UTF-8, not Shift-JIS: its Japanese text reads as garbage (convert it with iconv -f UTF-8 -t CP932)</source>
        <translation>Shift-JIS ではなく UTF-8 です: 日本語が文字化けします (iconv -f UTF-8 -t CP932 で変換してください)</translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="90"/>
        <source>NUL byte at offset </source>
        <translation>NUL バイトがあります。位置 </translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="92"/>
        <source>: the rest of the line is not read</source>
        <translation>: 行の残りは読まれません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="54"/>
        <source>value is </source>
        <translation>値は </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="55"/>
        <source> bytes; the program reads the first </source>
        <translation> バイトあります。プログラムが読むのは最初の </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="57"/>
        <source>, ending with &apos;</source>
        <translation> バイトで、末尾は &apos;</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="72"/>
        <source>value holds control characters (</source>
        <translation>値に制御文字 (</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="73"/>
        <source>): they are not text, and no candidate can read them</source>
        <translation>) があります: 文字ではないため、受験者には読めません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="96"/>
        <source> reads as </source>
        <translation> は次のように読まれます: </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="102"/>
        <source>no ans in [</source>
        <translation>[</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="103"/>
        <source>]: no choice is marked correct</source>
        <translation>] に ans がありません: 正解の選択肢がありません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="111"/>
        <location filename="../check/entrycheck.cpp" line="131"/>
        <source> overflows: an exam that draws [</source>
        <translation> はオーバーフローします: [</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="112"/>
        <location filename="../check/entrycheck.cpp" line="132"/>
        <source>] will not start</source>
        <translation>] を引いた試験は始まりません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="114"/>
        <source>ans is empty: no choice is marked correct</source>
        <translation>ans が空です: 正解の選択肢がありません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="117"/>
        <source>, not 1 to 4: no choice is marked correct</source>
        <translation> で、1 ～ 4 ではありません: 正解の選択肢がありません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="120"/>
        <location filename="../check/entrycheck.cpp" line="141"/>
        <location filename="../check/entrycheck.cpp" line="287"/>
        <source>: write the number alone</source>
        <translation>: 数字だけを書いてください</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="139"/>
        <source>, neither 0 nor 1: the choices go side by side</source>
        <translation> で、0 でも 1 でもありません: 選択肢は横に並びます</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="150"/>
        <source>picture </source>
        <translation>画像 </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="152"/>
        <source> is found only ignoring case, as </source>
        <translation> は大文字と小文字を区別しないときだけ見つかります: </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="158"/>
        <source> is a symbolic link to </source>
        <translation> はシンボリックリンクです。リンク先は </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="159"/>
        <source>, outside the bank folder: the program shows it all the same</source>
        <translation> で、問題集フォルダーの外ですが、プログラムはそのまま表示します</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="163"/>
        <source> is not found</source>
        <translation> が見つかりません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="167"/>
        <source> lies outside the bank folder: it is never shown</source>
        <translation> は問題集フォルダーの外にあります: 表示されません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="170"/>
        <source> cannot be read: </source>
        <translation> を読めません: </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="173"/>
        <source> cannot be shown: </source>
        <translation> を表示できません: </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="180"/>
        <location filename="../check/layoutcheck.cpp" line="31"/>
        <source> is </source>
        <translation> は </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="181"/>
        <source> px but only </source>
        <translation> px ですが、表示されるのは </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="183"/>
        <source> px show </source>
        <translation> px だけです (</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="184"/>
        <source>below stacked choices (type=1)</source>
        <translation>縦に並べた選択肢 (type=1) の下</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="185"/>
        <source>below choices side by side</source>
        <translation>横に並べた選択肢の下</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="186"/>
        <source>: make it smaller</source>
        <translation>): 小さくしてください</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="200"/>
        <source>no bun in </source>
        <translation>bun がありません: </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="200"/>
        <source>: the question has no text</source>
        <translation>: 問題文がありません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="202"/>
        <source>bun is empty: the question has no text</source>
        <translation>bun が空です: 問題文がありません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="207"/>
        <source>no </source>
        <translation>次のキーがありません: </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="207"/>
        <source> in </source>
        <translation> (</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="208"/>
        <source>: choice </source>
        <translation>): 選択肢 </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="209"/>
        <location filename="../check/entrycheck.cpp" line="212"/>
        <source> is empty</source>
        <translation> が空です</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="211"/>
        <source> is empty: choice </source>
        <translation> が空です: 選択肢 </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="228"/>
        <location filename="../check/entrycheck.cpp" line="246"/>
        <source>key </source>
        <translation>キー </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="228"/>
        <location filename="../check/entrycheck.cpp" line="246"/>
        <source> is never read</source>
        <translation> は読まれません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="256"/>
        <source> is too large to read: no exam will start</source>
        <translation> は大きすぎて読めません: 試験は始まりません</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="262"/>
        <source> is too large: </source>
        <translation> は大きすぎます: </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="264"/>
        <source> with an overflow (a draw of </source>
        <translation> がオーバーフローで失敗します (</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="265"/>
        <source> or beyond)</source>
        <translation> 以降を引いたとき)</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="276"/>
        <source>no [COUNT] section: the count reads 0, so </source>
        <translation>[COUNT] セクションがありません: 項目数は 0 と読まれるため、</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="279"/>
        <source>no ALL in [COUNT]: the count reads 0, so </source>
        <translation>[COUNT] に ALL がありません: 項目数は 0 と読まれるため、</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="281"/>
        <source>ALL is empty: the count reads 0, so </source>
        <translation>ALL が空です: 項目数は 0 と読まれるため、</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="284"/>
        <source>, not a whole number of 1 or more: </source>
        <translation> で、1 以上の整数ではありません: </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="296"/>
        <source> is missing: an exam that draws it shows an empty question</source>
        <translation> がありません: これを引いた試験では問題が空になります</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="299"/>
        <source> are missing: an exam that draws one shows an empty question</source>
        <translation> がありません: どれかを引いた試験では問題が空になります</translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="331"/>
        <source> is never drawn: </source>
        <translation> は出題されません: </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="332"/>
        <source>the count reads 0</source>
        <translation>項目数は 0 と読まれます</translation>
    </message>
    <message>
        <location filename="../check/layoutcheck.cpp" line="32"/>
        <source> wide but only </source>
        <translation> の幅がありますが、表示されるのは </translation>
    </message>
    <message>
        <location filename="../check/layoutcheck.cpp" line="33"/>
        <source> show</source>
        <translation> だけです</translation>
    </message>
    <message>
        <location filename="../check/layoutcheck.cpp" line="35"/>
        <location filename="../check/layoutcheck.cpp" line="40"/>
        <source> one below the other (type=1): shorten it</source>
        <translation> (縦に並べたとき、type=1): 短くしてください</translation>
    </message>
    <message>
        <location filename="../check/layoutcheck.cpp" line="39"/>
        <source> side by side and </source>
        <translation> (横に並べたとき)、</translation>
    </message>
    <message>
        <location filename="../check/layoutcheck.cpp" line="41"/>
        <source> side by side: put the choices one below the other (type=1) or shorten it</source>
        <translation> (横に並べたとき): 選択肢を縦に並べる (type=1) か、短くしてください</translation>
    </message>
    <message>
        <location filename="../get.cpp" line="16"/>
        <source> cannot be read</source>
        <translation> を読めません</translation>
    </message>
    <message>
        <location filename="../get.cpp" line="22"/>
        <source>control characters shown as \xNN</source>
        <translation>制御文字は \xNN の形で示しています</translation>
    </message>
    <message>
        <location filename="../check/encodingcheck.cpp" line="50"/>
        <source> and </source>
        <translation> ほか </translation>
    </message>
    <message>
        <location filename="../check/entrycheck.cpp" line="272"/>
        <location filename="../check/entrycheck.cpp" line="298"/>
        <source> to </source>
        <translation> ～ </translation>
    </message>
</context>
</TS>
