#!/usr/bin/env bash
# Static checks over the product code: clang-tidy (configuration in .clang-tidy) and
# cppcheck (suppressions in .cppcheck-suppressions). Tests, fuzz targets, benchmarks and
# tools are not checked. Exits non-zero on any finding.
#
#   scripts/lint.sh [BUILD]      BUILD: a configured build folder (default: build)
#   LINT_JOBS=N                  parallel clang-tidy runs (default 2)
#   LINT_ONLY=tidy|cppcheck      run one of the two tools
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" 2>/dev/null && pwd) || {
    echo "lint: build folder '${1:-build}' not found; configure it first" >&2
    exit 2
}
jobs=${LINT_JOBS:-2}
only=${LINT_ONLY:-}
db="$build/compile_commands.json"
folders='records|engine|values|params|filetransform|program|interactive|widgets|app|editor|cli'

if [ ! -f "$db" ]; then
    echo "lint: $db is missing (configure with CMAKE_EXPORT_COMPILE_COMMANDS=ON)" >&2
    exit 2
fi

tidy=$(command -v clang-tidy-14 || command -v clang-tidy) || {
    echo "lint: clang-tidy is not installed" >&2
    exit 2
}
command -v cppcheck >/dev/null || {
    echo "lint: cppcheck is not installed" >&2
    exit 2
}

# Our translation units from the compile database; moc output lives in the build folder
# and is never listed because only paths under the source folders are kept.
mapfile -t units < <(python3 - "$db" "$root" "$folders" <<'EOF'
import json, re, sys
db, root, folders = sys.argv[1:4]
keep = re.compile('^' + re.escape(root) + '/(' + folders + ')/')
for f in sorted({e['file'] for e in json.load(open(db))}):
    if keep.match(f):
        print(f)
EOF
)
if [ "${#units[@]}" -eq 0 ]; then
    echo "lint: no product sources in $db" >&2
    exit 2
fi

# The Qt sources compile against moc output; generate it when the build has not.
if [ -f "$build/build.ninja" ]; then
    mapfile -t autogen < <(cd "$build" && ninja -t targets all |
        sed -n 's/^\(tessara_[a-z_]*_autogen\): phony$/\1/p' | grep -v -e _tests_ -e _test_ \
        -e screenshots)
    if [ "${#autogen[@]}" -gt 0 ]; then
        ninja -C "$build" -j "$jobs" "${autogen[@]}" >/dev/null || {
            echo "lint: generating the moc output failed" >&2
            exit 2
        }
    fi
fi

status=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ "$only" != cppcheck ]; then
    echo "== clang-tidy: ${#units[@]} files, $jobs jobs"
    start=$SECONDS
    # One clang-tidy per file; each writes its own report so parallel output never mixes.
    # GCC-only warning flags in the compile database are unknown to clang: not a finding.
    export tidy root work
    printf '%s\n' "${units[@]}" | xargs -P "$jobs" -I{} bash -c '
        f="{}"; out="$work/$(echo "${f#$root/}" | tr / _).log"
        if ! "$tidy" -p "$0" --quiet --extra-arg=-Wno-unknown-warning-option "$f" \
                >"$out" 2>"$out.err"; then
            cat "$out.err" >>"$out"; echo "$f" >>"$work/failed"
        fi' "$build"
    cat "$work"/*.log 2>/dev/null | grep -v -e '^[0-9]* warnings\? generated\.$' \
        -e '^Suppressed [0-9]* warnings' -e '^Use -header-filter' || true
    if [ -f "$work/failed" ]; then
        echo "clang-tidy: findings in $(sort -u "$work/failed" | wc -l) files" \
             "($((SECONDS - start)) s)"
        status=1
    else
        echo "clang-tidy: clean ($((SECONDS - start)) s)"
    fi
fi

if [ "$only" != tidy ]; then
    echo "== cppcheck: ${#units[@]} files"
    start=$SECONDS
    mkdir -p "$work/cppcheck"
    # Qt's own headers are not parsed (--library=qt describes its macros and ownership);
    # only our headers are, through -I on the source root.
    if cppcheck --quiet --error-exitcode=1 --inline-suppr \
            --enable=warning,performance,portability,style \
            --std=c++20 --language=c++ --library=qt --platform=unix64 \
            -D__GNUC__ -DQT_NO_CONTEXTLESS_CONNECT \
            -I "$root" --suppressions-list="$root/.cppcheck-suppressions" \
            -j "$jobs" --cppcheck-build-dir="$work/cppcheck" "${units[@]}"; then
        echo "cppcheck: clean ($((SECONDS - start)) s)"
    else
        echo "cppcheck: findings ($((SECONDS - start)) s)"
        status=1
    fi
fi

exit $status
