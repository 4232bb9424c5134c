#!/usr/bin/env bash
# Keeps the source tree's floors in order and the tests in proportion:
# - only src/ui includes Qt Widgets, so the core runs and is tested without
#   a display;
# - a folder of src/ includes only from itself and the folders before it in
#   util, game, imaging, geometry, recognition, output, app, then batch and
#   ui side by side (neither includes the other);
# - test lines stay at most 0.33 of the code lines (src/ and tools/render/;
#   blank and comment-only lines not counted), and the figure is printed.
set -u
root=${1:?usage: check_layering.sh PROJECT_DIR}
cd "$root" || exit 2
status=0

widgets=$(grep -rlE '#include *<(QtWidgets|QWidget|QDialog|QMessageBox|QApplication|QMainWindow|QLabel|QLineEdit|QPushButton|QComboBox|QCheckBox|QGroupBox)' \
    src --include='*.h' --include='*.cpp' | grep -v '^src/ui/')
if [ -n "$widgets" ]; then
    echo "Qt Widgets used outside src/ui:"
    echo "$widgets"
    status=1
fi

declare -A floor=([util]=0 [game]=1 [imaging]=2 [geometry]=3 [recognition]=4 [output]=5
                  [app]=6 [batch]=7 [ui]=7)
upward=$(grep -rnoE '#include "[a-z]+/' src --include='*.h' --include='*.cpp' |
    while IFS=: read -r file line include; do
        from=${file#src/}; from=${from%%/*}
        to=${include#\#include \"}; to=${to%/}
        if [ -z "${floor[$from]:-}" ] || [ -z "${floor[$to]:-}" ] ||
           [ "${floor[$to]}" -gt "${floor[$from]}" ] ||
           { [ "${floor[$to]}" -eq "${floor[$from]}" ] && [ "$to" != "$from" ]; }; then
            echo "$file:$line includes $to/"
        fi
    done)
if [ -n "$upward" ]; then
    echo "includes that go up the folder order:"
    echo "$upward"
    status=1
fi

# Lines that are neither blank nor only a comment.
countLines() {
    find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 cat |
        grep -vE '^\s*$' | grep -cvE '^\s*(//|/\*|\*)'
}
code=$(countLines src tools/render)
tests=$(countLines tests)
share=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.3f", t / c }')
echo "test lines per code line: $share ($tests / $code)"
if awk -v s="$share" 'BEGIN { exit !(s > 0.33) }'; then
    echo "the tests have grown past 0.33 of the code"
    status=1
fi

[ "$status" -eq 0 ] && echo "layering: folders in order, no Qt Widgets outside src/ui"
exit "$status"
