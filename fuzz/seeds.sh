#!/usr/bin/env bash
# Builds the seed corpora of the fuzz targets into DIR (one folder per target) from the reader's
# test files and the sample bank. Usage: fuzz/seeds.sh DIR
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:?usage: fuzz/seeds.sh DIR}
mkdir -p "$out"/profile_fuzzer "$out"/numbers_fuzzer "$out"/cp932_fuzzer "$out"/checker_fuzzer \
    "$out"/sheet_csv_fuzzer "$out"/sheet_xlsx_fuzzer

files=(tests/bank/profiles/*.ini sample/TOI1.ini sample/TOI2.ini sample/TOI50.ini)
n=0
for f in "${files[@]}"; do
    [[ -f $f ]] || continue
    n=$((n + 1))
    # The profile target reads "section NUL key NUL file"; a bare file is looked up as [SEC1] bun.
    cp "$f" "$out/profile_fuzzer/file$n"
    for lookup in "COUNT ALL" "SEC1 bun" "SEC2 ans" "sec1 BUN"; do
        set -- $lookup
        { printf '%s\0%s\0' "$1" "$2"; cat "$f"; } >"$out/profile_fuzzer/file$n-$1-$2"
    done
    cp "$f" "$out/cp932_fuzzer/file$n"
    cp "$f" "$out/checker_fuzzer/file$n"
    # Every value in the file is a seed for the number target.
    grep -a -o '=.*' "$f" | tr -d '\r' | cut -c2- | head -n 40 | while IFS= read -r v; do
        printf '%s' "$v" >"$out/numbers_fuzzer/v$n-$(printf '%s' "$v" | cksum | cut -d' ' -f1)"
    done
done

i=0
for v in 0 3 " 3" "3番" 2.5 3.5 -0.5 -2 12.5 32767 32767.5 32768 -32768.5 -32769 1e3 1e400 1e-400 \
    "&H10" 0x1f .5 "+7e+2" 40000 "１" 1.7976931348623157e308 1.8e308 00000000000000000000001; do
    i=$((i + 1))
    printf '%s' "$v" >"$out/numbers_fuzzer/edge$i"
done
printf '\x81\x40\x82\xA0\x88\x9F\xED\x40\xFA\x40\x87\x40\xA5\xDF\x80\xA0\xFD\xFE\xFF\x81' \
    >"$out/cp932_fuzzer/edges"

# Spreadsheets: a small bank as CSV in each encoding and separator build takes, and workbooks.
{
    printf '\xEF\xBB\xBFquestion,entry,bun,ans1,ans2,ans3,ans4,ans,bmp,type\r\n'
    printf '1,1,"問題の本文","0123","1,852"," 空白 ","""引用""",2,pic\\a.png,1\r\n'
    printf '1,,"表","ソ","能","①","～",4,,\r\n'
    for q in $(seq 2 50); do printf '%s,1,q,a,b,c,d,1,,0\r\n' "$q"; done
} >"$out/sheet_csv_fuzzer/bank.csv"
sed 's/^\xEF\xBB\xBF//' "$out/sheet_csv_fuzzer/bank.csv" | iconv -f UTF-8 -t CP932 \
    >"$out/sheet_csv_fuzzer/shift-jis.csv"
{ printf '\xFF\xFE'; sed 's/^\xEF\xBB\xBF//; s/,/\t/g' "$out/sheet_csv_fuzzer/bank.csv" |
    iconv -f UTF-8 -t UTF-16LE; } >"$out/sheet_csv_fuzzer/utf-16.txt"
sed 's/,/;/g; s/^\xEF\xBB\xBFquestion;entry;bun/問題番号;枝番;問題/' "$out/sheet_csv_fuzzer/bank.csv" \
    >"$out/sheet_csv_fuzzer/semicolons.csv"
# Line breaks where a message quotes the value.
printf 'question,entry,bun,ans1,ans2,ans3,ans4,ans,bmp,type,"no\r\nte"\r\n1,"1\n",q,a,b,c,d,"1\r\n2",,0\r\n' \
    >"$out/sheet_csv_fuzzer/line-breaks.csv"
cp "$out"/sheet_csv_fuzzer/* "$out/sheet_xlsx_fuzzer/"
cp tests/tools/sheets/*.xlsx "$out/sheet_xlsx_fuzzer/"
