#!/bin/sh
# viewer-session.sh <viewer> <out folder>
# A user's session with the viewer on a virtual X display (run it through
# run-on-xvfb.sh): import a CSV history, open it, record a buy and a sell,
# quit (saving the chart when asked), start again and find the trades. Keys
# and clicks go through xdotool as a user's would; screenshots go to the out
# folder. The viewer keeps its settings in a scratch folder.
set -eu
viewer=$1
out=$2
mkdir -p "$out"
work=$(mktemp -d)
trap 'kill $app 2>/dev/null || true; rm -rf "$work"' EXIT
app=

# The data folder is the scratch folder's, and a first start opens no sample.
mkdir -p "$work/settings/QuotechartHost" "$work/data/hist"
cat >"$work/settings/QuotechartHost/host.ini" <<INI
[General]
dataFolder=$work/data

[documents]
size=0
INI

# 300 weekdays of a rising and falling price, oldest first, as a download holds them.
awk 'BEGIN {
    print "Date,Open,High,Low,Close,Adj Close,Volume"
    t = mktime("2023 01 02 12 00 00"); n = 0; p = 50
    while (n < 300) {
        if (strftime("%u", t) < 6) {
            p += 3 * sin(n / 17) + (n % 7 - 3) * 0.4
            printf "%s,%.2f,%.2f,%.2f,%.2f,%.2f,%d\n", strftime("%Y-%m-%d", t), p, p + 1.5, p - 1.5, p + 0.3, p, 100000 + n * 500
            n++
        }
        t += 86400
    }
}' >"$work/acme.csv"

shot() { import -window root "$out/$1"; echo "screenshot $out/$1"; }
key() { xdotool key --clearmodifiers "$@"; sleep 0.7; }
typeText() { xdotool type --delay 15 "$1"; sleep 0.5; }
fail() { echo "FAILED: $*" >&2; shot "x11-session-failed.png"; exit 1; }

start() {
    "$viewer" --settings-folder "$work/settings" &
    app=$!
    main=$(xdotool search --sync --onlyvisible --name "Quote chart host" | head -n 1)
    xdotool windowfocus --sync "$main"
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$main")"   # X, Y, WIDTH, HEIGHT
}
# Clicks at a point of the main window.
clickAt() {
    xdotool mousemove --sync $((X + $1)) $((Y + $2)) click "$3"
    sleep 0.7
}
# The chart's price pane, as the first document is laid out: its centre line.
paneY=280

start
# File > Import history..., the file typed into the file dialog, Import, OK.
key alt+f
key i
typeText "$work/acme.csv"
key Return
shot "x11-import-dialog.png"
key Return
shot "x11-imported.png"
key Return
[ -s "$work/data/hist/ACME.csv" ] || fail "no history written"

# The watch list shows ACME: focus it, the first entry, Enter opens it.
clickAt 60 400 1
key Home
key Return
shot "x11-opened.png"

# A buy on an older day and a sell on a newer one, from the chart's popup menu.
clickAt 420 $paneY 3
key b
clickAt 780 $paneY 3
key s
shot "x11-traded.png"

# Quit: the question about the unsaved trades, Save, the file's name, Enter.
key ctrl+q
shot "x11-quit-question.png"
key Return
typeText "$work/acme.chart"
key Return
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
kill -0 "$app" 2>/dev/null && fail "the viewer did not quit"
grep -q "Buy #1:" "$work/acme.chart" || fail "no buy in the chart file"
grep -q "Sell #1:" "$work/acme.chart" || fail "no sell in the chart file"
grep -q "acme.chart" "$work/settings/QuotechartHost/host.ini" || fail "the session does not name the chart file"

# A new start reopens the chart file with both trades: their arrows are on the chart.
start
shot "x11-restarted.png"
import -window root "$work/restarted.png"
buys=$(convert "$work/restarted.png" txt:- | grep -c "#00B400" || true)
sells=$(convert "$work/restarted.png" txt:- | grep -c "#B40000" || true)
echo "after the restart: $buys buy-arrow pixels, $sells sell-arrow pixels"
[ "$buys" -gt 0 ] && [ "$sells" -gt 0 ] || fail "the trades are not on the reopened chart"
clickAt 1146 84 1   # the chart's Transactions tab
shot "x11-restarted-transactions.png"
key ctrl+q
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
kill -0 "$app" 2>/dev/null && fail "the unchanged chart asked before quitting"
echo "session passed"
