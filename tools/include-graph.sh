#!/usr/bin/env bash
# Prints which folder includes which (with the number of #include lines) and fails on any include that runs up
# the layers or sideways between windows. Layers, bottom first:
#   0 engine   1 knowledge, assets   2 report   3 entry   4 desktop   5 knowledge/window, report/window, entry/window
#   6 shell    7 main.cpp
# Run from anywhere: tools/include-graph.sh
set -euo pipefail
cd "$(dirname "$0")/.."

layer_of() {
    case $1 in
    engine) echo 0 ;;
    knowledge | knowledge/prose | assets) echo 1 ;;
    report) echo 2 ;;
    entry) echo 3 ;;
    desktop) echo 4 ;;
    knowledge/window | report/window | entry/window) echo 5 ;;
    shell) echo 6 ;;
    .) echo 7 ;;
    *) echo "" ;;
    esac
}

folder_of() { # the folder a file or header path belongs to; the prose headers are part of the knowledge core
    local dir
    dir=$(dirname "$1")
    [ "$dir" = knowledge/prose ] && dir=knowledge
    echo "$dir"
}

edges=$(
    find engine knowledge report entry assets desktop shell main.cpp -name '*.cpp' -o -name '*.h' | sort |
        while read -r file; do
            from=$(folder_of "$file")
            sed -n 's/^#include "\([^"]*\/[^"]*\)".*/\1/p' "$file" | while read -r header; do
                to=$(folder_of "$header")
                [ "$to" = "$from" ] || echo "$from -> $to"
            done
        done | sort | uniq -c
)
echo "$edges"

status=0
while read -r count from arrow to; do
    [ -n "${arrow:-}" ] || continue
    from_layer=$(layer_of "$from")
    to_layer=$(layer_of "$to")
    if [ -z "$from_layer" ] || [ -z "$to_layer" ] || [ "$to_layer" -ge "$from_layer" ]; then
        echo "not allowed: $from (layer ${from_layer:-?}) includes $to (layer ${to_layer:-?}) $count times" >&2
        status=1
    fi
done <<<"$edges"
[ $status -eq 0 ] && echo "every include runs down the layers"
exit $status
