#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each over its
# seed corpus for a few seconds (TAVRO_FUZZ_SECONDS, 5 by default). A failed build,
# a crash, a sanitizer report, a leak or a hang fails the script; the input that
# did it is kept in build-fuzz/fuzz-artifacts/ and the fuzzer's log is shown.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${TAVRO_FUZZ_SECONDS:-5}"

# Only the fuzz targets and what they link: no Qt layer, tests or benchmarks.
scripts/configure.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DTAVRO_BUILD_FUZZ=ON \
  -DTAVRO_BUILD_GUI=OFF -DTAVRO_BUILD_TESTS=OFF -DTAVRO_BUILD_BENCH=OFF

# Each target and its seed folders. The seeds of the production-data readers
# are partly written into the build folder by the sample-data generator.
targets=(ProfileTextFuzz RegistryTextFuzz RichTextFuzz FuzzSummaryReader FuzzParseDateTime FuzzFormula)
declare -A seeds=(
  [ProfileTextFuzz]="tests/platform/corpus/ini"
  [RegistryTextFuzz]="tests/platform/corpus/settings"
  [RichTextFuzz]="tests/platform/corpus/rtf"
  [FuzzSummaryReader]="build-fuzz/fuzz-corpus/data/kvx fuzz/data/corpus/kvx"
  [FuzzParseDateTime]="build-fuzz/fuzz-corpus/data/datetime fuzz/data/corpus/datetime"
  [FuzzFormula]="fuzz/datemacros/corpus"
)
declare -A options=([FuzzFormula]="-dict=fuzz/datemacros/formula.dict")

cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}" FuzzDataCorpus
echo "Fuzz configure and build: ${SECONDS} s"
started=$SECONDS

# New inputs go to a scratch folder named first, so the seed folders stay as
# they are.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
rm -rf build-fuzz/fuzz-artifacts
mkdir -p build-fuzz/fuzz-artifacts
failed=0
for target in "${targets[@]}"; do
  mkdir "$scratch/$target"
  log="build-fuzz/fuzz-artifacts/$target.log"
  # shellcheck disable=SC2086  # the seed folders and options are lists
  if build-fuzz/bin/"$target" -max_total_time="$seconds" -timeout=25 \
    -artifact_prefix=build-fuzz/fuzz-artifacts/"$target"- ${options[$target]:-} \
    "$scratch/$target" ${seeds[$target]} >"$log" 2>&1; then
    echo "$target: $(grep -o 'Done [0-9]* runs' "$log" | tail -1 || true), no fault"
  else
    echo "$target FAILED; the end of its log ($log):"
    tail -n 60 "$log"
    failed=1
  fi
done
echo "Fuzz runs: $((SECONDS - started)) s"
exit "$failed"
