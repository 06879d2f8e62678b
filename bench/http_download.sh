#!/usr/bin/env bash
# Downloads a 256 MB file from the stand-in client service with the launcher's own file transfer
# (HttpGetFile, 1024-byte chunks) and with the curl command line, three times each in one run,
# and prints the median times and their ratio. Usage: bench/http_download.sh [build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/${1:-build}"
cmake --build "$build" --target ylcs_service http_get_file_bench >/dev/null

work=$(mktemp -d)
service_pid=""
cleanup() {
  if [ -n "$service_pid" ]; then kill "$service_pid" 2>/dev/null || true; wait "$service_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/content/bench"
head -c 256M /dev/urandom >"$work/content/bench/big.bin"
"$build/service/ylcs_service" --port 0 --content "$work/content" >"$work/service.out" &
service_pid=$!
for _ in $(seq 100); do grep -q '^listening on' "$work/service.out" && break; sleep 0.05; done
url="$(sed -n 's/^listening on //p' "$work/service.out")/bench/big.bin"

median() { sort -n | sed -n 2p; }
ours=()
theirs=()
for round in 1 2 3; do
  ours+=("$("$build/bench/http_get_file_bench" "$url" "$work/ours.bin" 1024)")
  theirs+=("$(curl -s -o "$work/curl.bin" -w '%{time_total}' "$url")")
  cmp -s "$work/content/bench/big.bin" "$work/ours.bin" || { echo "round $round: HttpGetFile copy differs" >&2; exit 1; }
done
ours_median=$(printf '%s\n' "${ours[@]}" | median)
curl_median=$(printf '%s\n' "${theirs[@]}" | median)
echo "256 MB from the stand-in service on loopback, median of 3:"
echo "  HttpGetFile (1024-byte chunks): ${ours_median} s  (runs: ${ours[*]})"
echo "  curl command line:              ${curl_median} s  (runs: ${theirs[*]})"
awk -v a="$ours_median" -v b="$curl_median" 'BEGIN { printf "  ratio HttpGetFile / curl:       %.2f\n", a / b }'
