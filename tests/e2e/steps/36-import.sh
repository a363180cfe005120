#!/usr/bin/env bash
# A later start with --import FILE.html hands the bookmarks file to the running
# copy: it adds the web addresses not there yet, saves them, and the later start
# prints what was added and what was already there, ending with status 0.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 36 "a later start imports a bookmarks file into the running copy" "${1:-build-tests}"

make_file alpha.txt
before=("0=$tmp/files/alpha.txt|alpha.txt" "1=https://example.org/|Example")
write_profile Top=3615 Left=4170 Height=3855 Width=5220 Arrange=0 SView=1 "${before[0]}|15|0" "${before[1]}|2415|0"
start_window
cat >"$tmp/files/bookmarks.html" <<'HTML'
<!DOCTYPE NETSCAPE-Bookmark-file-1>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<TITLE>Bookmarks</TITLE>
<H1>Bookmarks</H1>
<DL><p>
    <DT><A HREF="https://example.org/" ADD_DATE="1700000000">Example again</A>
    <DT><A HREF="https://news.example/?a=1&amp;b=2">Daily news</A>
    <DT><A HREF="javascript:void(0)">Bookmarklet</A>
    <DT><A HREF="http://wiki.example/">Wiki &amp; more</A>
</DL><p>
HTML
second_status=0
(cd "$tmp/files" && exec timeout 20 "$app" --import bookmarks.html) >"$tmp/second.log" 2>"$tmp/second.err" ||
  second_status=$?
((second_status == 0)) || fail "the import ended with status $second_status: $(cat "$tmp/second.log" "$tmp/second.err")"
imported() {
  entries_are "${before[@]}" "2=https://news.example/?a=1&b=2|Daily news" "3=http://wiki.example/|Wiki & more"
}
wait_for 5 imported || fail "the profile does not hold the bookmarks: $(entries | tr '\n' ' ')"
grep -q "2 added: Daily news, Wiki & more" "$tmp/second.log" ||
  fail "the later start did not print what was added: $(cat "$tmp/second.log")"
grep -q "1 already there: Example again" "$tmp/second.log" ||
  fail "the later start did not print what was there: $(cat "$tmp/second.log")"
grep -q "1 skipped: Bookmarklet (not a web address)" "$tmp/second.log" ||
  fail "the later start did not print what was skipped: $(cat "$tmp/second.log")"
(($(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | wc -l) == 1)) || fail "more than one launcher window"
shot import
ok "the bookmarks were imported once into the running copy, and the later start said what came of it"
step_end
