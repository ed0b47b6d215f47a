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
        <location filename="../build.cpp" line="54"/>
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
        <location filename="../main.cpp" line="47"/>
        <source>Writes TOI1.ini to TOI50.ini from one spreadsheet, after what it changes; --force replaces a bank, --dry-run writes nothing. Without DIR it writes your own bank.</source>
        <translation>1 つの表計算ファイルから TOI1.ini ～ TOI50.ini を書き、その前に変更点を示します。--force で既存の問題集を置き換え、--dry-run では何も書きません。DIR を省くと自分の問題集に書きます。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="51"/>
        <source>Prints the bank folder the program reads, and why.</source>
        <translation>プログラムが読む問題集のフォルダーと、その理由を表示します。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="56"/>
        <location filename="../main.cpp" line="118"/>
        <source>usage:</source>
        <translation>使い方:</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="59"/>
        <source>quizra-check COMMAND --help says what a command does.</source>
        <translation>各コマンドの説明は quizra-check コマンド --help で表示します。</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="83"/>
        <location filename="../where.cpp" line="26"/>
        <source>no question bank found; looked in</source>
        <translation>問題集が見つかりません。次のフォルダーを探しました:</translation>
    </message>
    <message>
        <location filename="../main.cpp" line="90"/>
        <source>reading </source>
        <translation>読み込み中: </translation>
    </message>
    <message>
        <location filename="../main.cpp" line="99"/>
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
        <location filename="../build.cpp" line="33"/>
        <source>note: quizra reads </source>
        <translation>注意: quizra が先に読むのは </translation>
    </message>
    <message>
        <location filename="../build.cpp" line="36"/>
        <source>) first; start it with quizra --bank </source>
        <translation>) です。この問題集で起動するには: quizra --bank </translation>
    </message>
    <message>
        <location filename="../build.cpp" line="45"/>
        <location filename="../preview.cpp" line="220"/>
        <source> entry</source>
        <translation> 件</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="45"/>
        <location filename="../build.cpp" line="139"/>
        <location filename="../preview.cpp" line="220"/>
        <source> entries</source>
        <translation> 件</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="46"/>
        <source> changed, </source>
        <translation>を変更、</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="46"/>
        <source> added, </source>
        <translation> 件を追加、</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="47"/>
        <source> removed</source>
        <translation> 件を削除</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="55"/>
        <source> more changed values (--all shows them)</source>
        <translation> 個の値が変わっています (--all ですべて表示します)</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="60"/>
        <source> was </source>
        <translation> は </translation>
    </message>
    <message>
        <location filename="../build.cpp" line="61"/>
        <source>, now </source>
        <translation> でしたが、今は </translation>
    </message>
    <message>
        <location filename="../build.cpp" line="62"/>
        <source>, as a spreadsheet program does to text it takes for a number, date or formula: use .xlsx, or open the CSV with quoted fields as text</source>
        <translation>。表計算ソフトが数値、日付、数式とみなした文字列に行う変換です: .xlsx を使うか、CSV を開くときに引用符で囲んだ欄を文字列として読ませてください</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="116"/>
        <source> error</source>
        <translation> 件のエラー</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="116"/>
        <source> errors</source>
        <translation> 件のエラー</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="117"/>
        <location filename="../sheet/bankwrite.cpp" line="139"/>
        <source>: nothing written</source>
        <translation>: 何も書き込んでいません</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="122"/>
        <source>--dry-run: nothing written; </source>
        <translation>--dry-run: 何も書き込んでいません。</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="123"/>
        <source> entries would go to </source>
        <translation> 件の項目の書き込み先: </translation>
    </message>
    <message>
        <location filename="../build.cpp" line="136"/>
        <source>TOI1.ini to TOI50.ini written to </source>
        <translation>TOI1.ini ～ TOI50.ini を書き込みました: </translation>
    </message>
    <message>
        <location filename="../build.cpp" line="138"/>
        <source>, the per-user bank</source>
        <translation>、ユーザーごとの問題集</translation>
    </message>
    <message>
        <location filename="../build.cpp" line="141"/>
        <source>the bank replaced is kept in </source>
        <translation>置き換えた問題集は次に保存してあります: </translation>
    </message>
    <message>
        <location filename="../build.cpp" line="142"/>
        <source> (the last </source>
        <translation> (最新の </translation>
    </message>
    <message>
        <location filename="../build.cpp" line="143"/>
        <source> are kept)</source>
        <translation> 個まで残します)</translation>
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
        <location filename="../sheet/bankbuild.cpp" line="329"/>
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
        <location filename="../build.cpp" line="94"/>
        <location filename="../check/entrycheck.cpp" line="170"/>
        <location filename="../sheet/xlsxxml.cpp" line="78"/>
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
        <location filename="../sheet/bankbuild.cpp" line="186"/>
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
        <location filename="../export.cpp" line="25"/>
        <source>: no rows for it</source>
        <translation>: 行は出力しません</translation>
    </message>
    <message>
        <location filename="../export.cpp" line="60"/>
        <source> cannot be written: </source>
        <translation> を書き込めません: </translation>
    </message>
    <message>
        <location filename="../export.cpp" line="97"/>
        <source>the spreadsheet</source>
        <translation>表計算ファイル</translation>
    </message>
    <message>
        <location filename="../export.cpp" line="98"/>
        <source> cannot be written</source>
        <translation> を書き込めません</translation>
    </message>
    <message>
        <location filename="../export.cpp" line="102"/>
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
        <location filename="../sheet/bankbuild.cpp" line="203"/>
        <source> to </source>
        <translation> ～ </translation>
    </message>
    <message>
        <location filename="../dump.cpp" line="20"/>
        <source>, count </source>
        <translation>、件数 </translation>
    </message>
    <message>
        <location filename="../dump.cpp" line="26"/>
        <source>, entry </source>
        <translation>、項目 </translation>
    </message>
    <message>
        <location filename="../dump.cpp" line="28"/>
        <source>, entries </source>
        <translation>、項目 </translation>
    </message>
    <message>
        <location filename="../dump.cpp" line="41"/>
        <source>overflow</source>
        <translation>桁あふれ</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="87"/>
        <source>row 1 holds data, not the header row: add the header row above it, question,entry,bun,ans1,ans2,ans3,ans4,ans,bmp,type</source>
        <translation>1 行目が見出し行ではなくデータです: その上に見出し行 question,entry,bun,ans1,ans2,ans3,ans4,ans,bmp,type を加えてください</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="97"/>
        <location filename="../sheet/bankbuild.cpp" line="104"/>
        <source>column </source>
        <translation>列 </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="98"/>
        <source> is not read</source>
        <translation> は読みません</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="104"/>
        <source> again: it is column </source>
        <translation> が重複しています: すでに列 </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="105"/>
        <location filename="../sheet/bankbuild.cpp" line="298"/>
        <source> already</source>
        <translation> にあります</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="114"/>
        <source>no column </source>
        <translation>次の列がありません: </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="115"/>
        <source>: the header row names question, entry, bun, ans1, ans2, ans3, ans4, ans, bmp and type</source>
        <translation>: 見出し行には question, entry, bun, ans1, ans2, ans3, ans4, ans, bmp, type を並べます</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="152"/>
        <source> is not a question number from 1 to 50</source>
        <translation> は 1 ～ 50 の問題番号ではありません</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="161"/>
        <source> is not an entry number from 1 to 32767</source>
        <translation> は 1 ～ 32767 の項目番号ではありません</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="168"/>
        <source> is not 1, 2, 3 or 4: no choice would be marked correct</source>
        <translation> は 1、2、3、4 のどれでもありません: 正解になる選択肢がありません</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="174"/>
        <source> is not a whole number from -32768 to 32767</source>
        <translation> は -32768 ～ 32767 の整数ではありません</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="186"/>
        <source>: the row ends after </source>
        <translation>: 行が </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="187"/>
        <source> fields</source>
        <translation> 個の値で終わっています</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="212"/>
        <location filename="../sheet/bankbuild.cpp" line="296"/>
        <source>entry </source>
        <translation>項目 </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="212"/>
        <location filename="../sheet/bankbuild.cpp" line="296"/>
        <source> of question </source>
        <translation> (問題 </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="214"/>
        <source> follows entry </source>
        <translation>): 直前は項目 </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="215"/>
        <source> comes without an entry 1</source>
        <translation>): 項目 1 がありません</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="216"/>
        <source>: entries run 1, 2, 3, … without gaps</source>
        <translation>: 項目番号は 1, 2, 3, … と欠けずに続けてください</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="222"/>
        <source>no rows for question </source>
        <translation>行のない問題があります: 問題 </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="223"/>
        <source>: every question needs at least an entry 1</source>
        <translation>: どの問題にも少なくとも項目 1 が要ります</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="297"/>
        <source> again: it is on row </source>
        <translation>): 重複しています: すでに行 </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="310"/>
        <source>a line break inside a value: each value is one line of a question file</source>
        <translation>値の中に改行があります: 値は問題ファイルの 1 行に収めます</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="313"/>
        <source>a NUL character: the program reads the value only up to it</source>
        <translation>NUL 文字があります: プログラムは値をその手前までしか読みません</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="318"/>
        <source> bytes in Shift-JIS, more than the 999 the program reads</source>
        <translation> バイト (Shift-JIS) あり、プログラムが読む 999 バイトを超えています</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="330"/>
        <source> is not found in </source>
        <translation> が </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="331"/>
        <source> (build copies no pictures)</source>
        <translation> にありません (build は画像をコピーしません)</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="392"/>
        <source>read as </source>
        <translation>次の文字コードとして読みました: </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="395"/>
        <source>fields separated by tabs</source>
        <translation>値はタブ区切りです</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="396"/>
        <source>fields separated by semicolons</source>
        <translation>値はセミコロン区切りです</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="406"/>
        <source>is empty: a bank spreadsheet starts with the header row</source>
        <translation>空です: 問題集の表計算ファイルは見出し行で始まります</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="408"/>
        <location filename="../sheet/csvread.cpp" line="61"/>
        <location filename="../sheet/xlsxread.cpp" line="141"/>
        <source>more than </source>
        <translation>上限の </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="409"/>
        <source> errors: the rest is not read</source>
        <translation> 件を超えるエラーがあります: 残りは読みません</translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="411"/>
        <source> more warnings, past the first </source>
        <translation> 件の警告は最初の </translation>
    </message>
    <message>
        <location filename="../sheet/bankbuild.cpp" line="412"/>
        <source>, not shown</source>
        <translation> 件より後なので表示しません</translation>
    </message>
    <message>
        <location filename="../sheet/bankdiff.cpp" line="64"/>
        <source>a formula evaluated</source>
        <translation>数式が計算されています</translation>
    </message>
    <message>
        <location filename="../sheet/bankdiff.cpp" line="69"/>
        <source>leading zeros lost</source>
        <translation>先頭のゼロが消えています</translation>
    </message>
    <message>
        <location filename="../sheet/bankdiff.cpp" line="72"/>
        <source>a thousands separator dropped</source>
        <translation>桁区切りのカンマが消えています</translation>
    </message>
    <message>
        <location filename="../sheet/bankdiff.cpp" line="77"/>
        <source>a trailing zero dropped</source>
        <translation>末尾のゼロが消えています</translation>
    </message>
    <message>
        <location filename="../sheet/bankdiff.cpp" line="84"/>
        <source>a date made of a fraction</source>
        <translation>分数が日付に変わっています</translation>
    </message>
    <message>
        <location filename="../sheet/bankdiff.cpp" line="90"/>
        <source>a number in exponent form rewritten</source>
        <translation>指数表記の数が書き換えられています</translation>
    </message>
    <message>
        <location filename="../sheet/bankdiff.cpp" line="93"/>
        <source>the sign of zero dropped</source>
        <translation>ゼロの符号が消えています</translation>
    </message>
    <message>
        <location filename="../sheet/bankdiff.cpp" line="96"/>
        <source>a time given seconds</source>
        <translation>時刻に秒が加えられています</translation>
    </message>
    <message>
        <location filename="../sheet/bankdiff.cpp" line="101"/>
        <source>full-width digits made half-width</source>
        <translation>全角数字が半角になっています</translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="103"/>
        <source>: the old bank is kept in </source>
        <translation>: 元の問題集は次に保存してあります: </translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="131"/>
        <source>: the old bank is back</source>
        <translation>: 元の問題集に戻しました</translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="166"/>
        <source> is not a build&apos;s journal: left alone, and nothing written; remove it once the bank is as it should be</source>
        <translation> は build の記録ファイルではありません: そのままにして、何も書き込んでいません。問題集が正しい状態になったら削除してください</translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="177"/>
        <source>a build killed midway was completed: </source>
        <translation>途中で強制終了した build を完了しました: </translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="178"/>
        <source> holds its new bank</source>
        <translation> には新しい問題集があります</translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="180"/>
        <source>; the old one is in </source>
        <translation>。元の問題集は次にあります: </translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="182"/>
        <source>a build killed midway was undone: </source>
        <translation>途中で強制終了した build を取り消しました: </translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="183"/>
        <source> holds the old bank again</source>
        <translation> は元の問題集に戻っています</translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="185"/>
        <source>a build killed midway could not be undone: </source>
        <translation>途中で強制終了した build を取り消せませんでした: </translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="195"/>
        <source>a staging folder left by a killed build was removed: </source>
        <translation>強制終了した build が残した作業フォルダーを削除しました: </translation>
    </message>
    <message>
        <location filename="../sheet/bankreplace.cpp" line="196"/>
        <source> holds its bank as before</source>
        <translation> の問題集は元のままです</translation>
    </message>
    <message>
        <location filename="../sheet/bankwrite.cpp" line="43"/>
        <source> is immutable or append-only (lsattr -d shows it)</source>
        <translation> は変更不可か追記のみの属性です (lsattr -d で確かめられます)</translation>
    </message>
    <message>
        <location filename="../sheet/bankwrite.cpp" line="50"/>
        <source> is a folder, not a question file</source>
        <translation> は問題ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <location filename="../sheet/bankwrite.cpp" line="52"/>
        <source> is not a regular file</source>
        <translation> は通常のファイルではありません</translation>
    </message>
    <message>
        <location filename="../sheet/bankwrite.cpp" line="54"/>
        <source> is immutable or append-only (lsattr shows it)</source>
        <translation> は変更不可か追記のみの属性です (lsattr で確かめられます)</translation>
    </message>
    <message>
        <location filename="../sheet/bankwrite.cpp" line="59"/>
        <source> belongs to another user, in a folder where only the owner may rename a file</source>
        <translation> はほかのユーザーのファイルです。このフォルダーでファイルの名前を変えられるのは所有者だけです</translation>
    </message>
    <message>
        <location filename="../sheet/bankwrite.cpp" line="147"/>
        <source>another build is writing </source>
        <translation>別の build が書き込み中です: </translation>
    </message>
    <message>
        <location filename="../sheet/bankwrite.cpp" line="158"/>
        <source> already holds a bank (</source>
        <translation> にはすでに問題集があります (</translation>
    </message>
    <message>
        <location filename="../sheet/bankwrite.cpp" line="160"/>
        <source>; add --force to replace it</source>
        <translation>。置き換えるには --force を付けてください</translation>
    </message>
    <message>
        <location filename="../sheet/cp932encode.cpp" line="17"/>
        <source>(a byte that is not UTF-8)</source>
        <translation>(UTF-8 ではないバイト)</translation>
    </message>
    <message>
        <location filename="../sheet/cp932encode.cpp" line="31"/>
        <location filename="../sheet/cp932encode.cpp" line="46"/>
        <source>character </source>
        <translation>文字 </translation>
    </message>
    <message>
        <location filename="../sheet/cp932encode.cpp" line="32"/>
        <source> has no Shift-JIS (CP932) code</source>
        <translation> には Shift-JIS (CP932) の符号がありません</translation>
    </message>
    <message>
        <location filename="../sheet/cp932encode.cpp" line="38"/>
        <source>does not read back the same from Shift-JIS</source>
        <translation>Shift-JIS から読み戻すと同じになりません</translation>
    </message>
    <message>
        <location filename="../sheet/cp932encode.cpp" line="47"/>
        <source> reads back from Shift-JIS as </source>
        <translation> は Shift-JIS から読み戻すと </translation>
    </message>
    <message>
        <location filename="../sheet/cp932encode.cpp" line="48"/>
        <source>: write that instead</source>
        <translation> になります: そちらを書いてください</translation>
    </message>
    <message>
        <location filename="../sheet/csvread.cpp" line="46"/>
        <source>out of memory</source>
        <translation>メモリーが足りません</translation>
    </message>
    <message>
        <location filename="../sheet/csvread.cpp" line="62"/>
        <source> fields in a row: not a bank spreadsheet</source>
        <translation> 個を超える値が 1 行にあります: 問題集の表計算ファイルではありません</translation>
    </message>
    <message>
        <location filename="../sheet/csvread.cpp" line="68"/>
        <source>a quote breaks the CSV rules: a field that holds a quote, comma or line break is wrapped in quotes, and a quote in it is written twice</source>
        <translation>引用符が CSV の規則に反しています: 引用符、カンマ、改行を含む欄は引用符で囲み、その中の引用符は 2 つ重ねて書きます</translation>
    </message>
    <message>
        <location filename="../sheet/csvtext.cpp" line="57"/>
        <source>starts as UTF-16 but is not UTF-16 throughout: save it again as CSV UTF-8</source>
        <translation>UTF-16 で始まっていますが、全体が UTF-16 ではありません: CSV UTF-8 で保存し直してください</translation>
    </message>
    <message>
        <location filename="../sheet/csvtext.cpp" line="67"/>
        <source>is neither UTF-8, UTF-16 with a byte-order mark nor Shift-JIS (CP932): save it as CSV UTF-8</source>
        <translation>UTF-8 でも、バイト順マーク付きの UTF-16 でも、Shift-JIS (CP932) でもありません: CSV UTF-8 で保存してください</translation>
    </message>
    <message>
        <location filename="../sheet/xlsxread.cpp" line="78"/>
        <source>holds more than </source>
        <translation>文字列が上限の </translation>
    </message>
    <message>
        <location filename="../sheet/xlsxread.cpp" line="79"/>
        <source> MiB of strings: not a bank</source>
        <translation> MiB を超えています: 問題集ではありません</translation>
    </message>
    <message>
        <location filename="../sheet/xlsxread.cpp" line="142"/>
        <source> columns: not a bank spreadsheet</source>
        <translation> 列を超えています: 問題集の表計算ファイルではありません</translation>
    </message>
    <message>
        <location filename="../sheet/xlsxread.cpp" line="151"/>
        <source>refers to shared string </source>
        <translation>共有文字列 </translation>
    </message>
    <message>
        <location filename="../sheet/xlsxread.cpp" line="152"/>
        <source>, which the workbook lacks</source>
        <translation> を参照していますが、ブックにありません</translation>
    </message>
    <message>
        <location filename="../sheet/xlsxread.cpp" line="190"/>
        <source>is not a workbook that can be read: </source>
        <translation>読めるブックではありません: </translation>
    </message>
    <message>
        <location filename="../sheet/xlsxread.cpp" line="203"/>
        <location filename="../sheet/xlsxread.cpp" line="208"/>
        <source>is not a workbook: </source>
        <translation>ブックではありません: </translation>
    </message>
    <message>
        <location filename="../sheet/xlsxxml.cpp" line="74"/>
        <source> cannot be opened: </source>
        <translation> を開けません: </translation>
    </message>
    <message>
        <location filename="../sheet/xlsxxml.cpp" line="81"/>
        <source>inflates to more than 1 GiB: not a bank</source>
        <translation>展開すると 1 GiB を超えます: 問題集ではありません</translation>
    </message>
    <message>
        <location filename="../sheet/xlsxxml.cpp" line="87"/>
        <source> is not well-formed XML: </source>
        <translation> は正しい XML ではありません: </translation>
    </message>
    <message>
        <location filename="../sheet/xlsxxml.cpp" line="88"/>
        <source> at line </source>
        <translation>、行 </translation>
    </message>
    <message>
        <location filename="../text/terminaltext.cpp" line="47"/>
        <source> (control characters shown as \xNN)</source>
        <translation> (制御文字は \xNN の形で示しています)</translation>
    </message>
    <message>
        <location filename="../where.cpp" line="12"/>
        <source>beside the program</source>
        <translation>プログラムと同じ場所</translation>
    </message>
    <message>
        <location filename="../where.cpp" line="13"/>
        <source>per-user bank</source>
        <translation>ユーザーごとの問題集</translation>
    </message>
    <message>
        <location filename="../where.cpp" line="14"/>
        <source>system bank</source>
        <translation>システム全体の問題集</translation>
    </message>
    <message>
        <location filename="../where.cpp" line="15"/>
        <source>sample bank</source>
        <translation>見本の問題集</translation>
    </message>
    <message>
        <location filename="../where.cpp" line="24"/>
        <source>the first of these folders that holds a question file:</source>
        <translation>次のフォルダーのうち、問題ファイルのある最初のものです:</translation>
    </message>
    <message>
        <location filename="../where.cpp" line="30"/>
        <source>: this one</source>
        <translation>: これです</translation>
    </message>
    <message>
        <location filename="../where.cpp" line="31"/>
        <source>: no question file</source>
        <translation>: 問題ファイルなし</translation>
    </message>
</context>
</TS>
