#!/usr/bin/env bash
# Mutation score of the test suite over src/core.
#
#   scripts/mutate.sh [N] [SEED]        sample N mutants (default 60, seed 22),
#                                       save the sample, then run it
#   scripts/mutate.sh --list FILE       run the mutants listed in FILE again
#
# A mutant is one changed line: a flipped comparison (cmp), an integer literal
# of a condition or index off by one (off1), a negated if condition (neg) or a
# lone call statement dropped (drop). Each is built (in build-mutate) and
# the suite run (ctest, stopping at the first failure); a failing suite kills
# it, a mutant that does not compile is not counted. The file is restored
# after each mutant, and on exit even when interrupted.
#
# Environment: MUTATE_EXCLUDE  ctest -E regex (default: tst_savefaults, the
#                              slow fault sweep; set it empty to run all)
#              MUTATE_TIMEOUT  per-test timeout in seconds (default 60)
#              MUTATE_RESUME   set: keep the log and skip the mutants it holds
#              MUTATE_JOBS     parallel build and test jobs (default 2)
set -u
cd "$(git rev-parse --show-toplevel)"

sample=scripts/mutants.txt
if [ "${1:-}" = "--list" ]; then
    list=$2
else
    list=$sample
    python3 - "${1:-60}" "${2:-22}" >"$list" <<'EOF' || exit 1
import pathlib, random, re, sys

n, seed = int(sys.argv[1]), int(sys.argv[2])
kinds = {"cmp": [], "off1": [], "neg": [], "drop": []}
CMP = re.compile(r" (<=|>=|==|!=|<|>) ")
INT = re.compile(r"(?<![\w.'\"])\d+(?![\w.'\"])")
CALL = re.compile(r"^\s*[\w:]+(\.|->|::)?[\w:.>-]*\(.*\);\s*$")
KEYWORDS = ("return", "delete", "throw", "case", "goto", "break", "continue")
# reserve() only changes speed: dropping it makes a mutant no test can kill.

def code(line):
    # The line with string and char literals blanked, so nothing inside them mutates.
    return re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'', lambda m: "_" * len(m[0]), line)

for path in sorted(pathlib.Path("src/core").rglob("*.cpp")):
    prev = ";"
    for no, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        c = code(line).split("//")[0]
        s = c.strip()
        where = f"{path}:{no}"
        if not s or s.startswith(("#", "*", "/*")):
            continue
        for i, _ in enumerate(CMP.finditer(c)):
            kinds["cmp"].append(f"{where}:cmp:{i}")
        if re.search(r"\b(if|while|for) \(|\[|\.at\(|\?", c):
            for i, _ in enumerate(INT.finditer(c)):
                kinds["off1"].append(f"{where}:off1:{i}")
        if re.match(r"(} else )?if \(", s) and s.endswith((")", "{")):
            kinds["neg"].append(f"{where}:neg:0")
        if (CALL.match(c) and not s.startswith(KEYWORDS) and ".reserve(" not in c
                and "=" not in s.replace("==", "") and prev.endswith((";", "{", "}")) and c.count("(") == c.count(")")):
            kinds["drop"].append(f"{where}:drop:0")
        prev = s or prev

rng = random.Random(seed)
pools = [rng.sample(v, len(v)) for _, v in sorted(kinds.items())]
picked = []
while len(picked) < n and any(pools):
    for pool in pools:  # the kinds in turn, so each gets its share
        if pool and len(picked) < n:
            picked.append(pool.pop())
print("\n".join(sorted(picked, key=lambda m: (m.split(":")[0], int(m.split(":")[1])))))
EOF
fi

# Rewrites line LINE of FILE for mutant KIND number NTH; fails if it changes nothing.
apply() {
    python3 - "$@" <<'EOF'
import re, sys
path, no, kind, nth = sys.argv[1], int(sys.argv[2]), sys.argv[3], int(sys.argv[4])
lines = open(path, encoding="utf-8").read().split("\n")
line = lines[no - 1]
def code(l):
    return re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'', lambda m: "_" * len(m[0]), l)
def nth_match(pattern):
    return list(re.finditer(pattern, code(line).split("//")[0]))[nth]
if kind == "cmp":
    m = nth_match(r" (<=|>=|==|!=|<|>) ")
    flip = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}[m[1]]
    new = line[:m.start(1)] + flip + line[m.end(1):]
elif kind == "off1":
    m = nth_match(r"(?<![\w.'\"])\d+(?![\w.'\"])")
    new = line[:m.start()] + str(int(m[0]) + 1) + line[m.end():]
elif kind == "neg":
    start = line.index("if (") + 3
    depth = 0
    for end in range(start, len(line)):
        depth += {"(": 1, ")": -1}.get(line[end], 0)
        if depth == 0:
            break
    new = line[:start + 1] + "!(" + line[start + 1:end] + ")" + line[end:]
else:  # drop
    new = line[:len(line) - len(line.lstrip())] + ";"
if new == line:
    sys.exit(1)
lines[no - 1] = new
open(path, "w", encoding="utf-8").write("\n".join(lines))
print(f"    {line.strip()}\n -> {new.strip()}")
EOF
}

backup=$(mktemp -d)
current=""
restore() {
    # A plain copy gives the file a new time stamp, so the next build recompiles it.
    [ -n "$current" ] && cat "$backup/file" >"$current"
    current=""
}
trap 'restore; rm -rf "$backup"' EXIT
trap 'exit 130' INT TERM

exclude=${MUTATE_EXCLUDE-tst_savefaults}
export QT_QPA_PLATFORM=offscreen
# A build of its own with shared libraries: a mutant recompiles one file and
# relinks one library, not the fifty executables that link the core.
bdir=${MUTATE_BUILD:-build-mutate}
if [ ! -f "$bdir/CMakeCache.txt" ]; then
    cmake -S . -B "$bdir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIN_SHARED_MODULES=ON \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null || exit 1
fi
log=$bdir/mutate.log
[ -n "${MUTATE_RESUME:-}" ] || : >"$log"
killed=0 survived=0 broken=0
echo "Building the unchanged tree..."
cmake --build "$bdir" -j"${MUTATE_JOBS:-2}" >/dev/null || { echo "the tree does not build"; exit 1; }
# Runs the suite (the tests matching $1 first, where a mutant is most likely
# caught); on failure prints the first failing test's name.
suite() {
    local out
    for first in ${1:+"$1"} ""; do
        out=$(cd "$bdir" && ctest -j"${MUTATE_JOBS:-2}" --timeout "${MUTATE_TIMEOUT:-60}" \
            --stop-on-failure ${first:+-R "$first"} ${exclude:+-E "$exclude"} </dev/null 2>&1) || {
            grep -m1 -oE '[0-9]+ - [A-Za-z0-9_]+ \(' <<<"$out" | sed -E 's/^[0-9]+ - //; s/ \(//'
            return 1
        }
    done
}
# A suite that fails unmutated would count every mutant as killed.
suite >/dev/null || { echo "the suite fails on the unchanged tree"; exit 1; }
while IFS=: read -r file line kind nth; do
    [ -z "$file" ] && continue
    # A resumed run counts what the log already holds for this mutant.
    case $(grep -F "$file:$line:$kind:$nth  " "$log" | head -n 1) in
    *"  killed"*) killed=$((killed + 1)); continue ;;
    *"  SURVIVED") survived=$((survived + 1)); continue ;;
    *"  did not compile") broken=$((broken + 1)); continue ;;
    *"  not applicable") continue ;;
    esac
    cp "$file" "$backup/file" && current=$file
    if ! diff=$(apply "$file" "$line" "$kind" "$nth"); then
        echo "$file:$line:$kind:$nth  not applicable" | tee -a "$log"
        restore
        continue
    fi
    if ! cmake --build "$bdir" -j"${MUTATE_JOBS:-2}" </dev/null >/dev/null 2>&1; then
        result="did not compile"
        broken=$((broken + 1))
    elif by=$(suite "$(basename "$(dirname "$file")")"); then
        result=SURVIVED
        survived=$((survived + 1))
    else
        result="killed${by:+ by $by}"
        killed=$((killed + 1))
    fi
    printf '%s:%s:%s:%s  %s\n%s\n' "$file" "$line" "$kind" "$nth" "$result" "$diff" | tee -a "$log"
    restore
done <"$list"
cmake --build "$bdir" -j"${MUTATE_JOBS:-2}" >/dev/null
counted=$((killed + survived))
echo "killed $killed, survived $survived, did not compile $broken (not counted)" | tee -a "$log"
[ "$counted" -gt 0 ] && echo "score: $killed/$counted = $((100 * killed / counted))%" | tee -a "$log"
