# Sourced by the benchmarks after they read their options: builds a release Tavrio in
# $build/tavrio and the benchmark's own programs in $build/programs, and, with $before set, that
# revision's Tavrio in $build/before; sets $revision to its short name.
echo "Building in $build ..."
cmake -S "$repo" -B "$build/tavrio" -DCMAKE_BUILD_TYPE=Release -DTAVRIO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build/tavrio" -j "$(nproc)" --target tavrio >/dev/null
cmake -S "$repo/bench" -B "$build/programs" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/programs" -j "$(nproc)" >/dev/null
revision=
if [[ -n $before ]]; then
    revision=$(git -C "$repo" rev-parse --short "$before^{commit}")
    # Unpacked once per revision: unpacked again, every file would be new to the build.
    if [[ $(cat "$build/before-source/.revision" 2>/dev/null) != "$revision" ]]; then
        rm -rf "$build/before-source"
        mkdir -p "$build/before-source"
        git -C "$repo" archive "$revision" | tar -x -C "$build/before-source"
        echo "$revision" >"$build/before-source/.revision"
    fi
    cmake -S "$build/before-source" -B "$build/before" -DCMAKE_BUILD_TYPE=Release \
        -DTAVRIO_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build/before" -j "$(nproc)" --target tavrio >/dev/null
fi
