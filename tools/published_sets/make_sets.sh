#!/usr/bin/env bash
# Writes sets/ITRF2005.params, sets/ITRF2008.params and sets/ITRF2014.params
# with the project's own writer (tessara-cli params new-set), from the
# published ITRF to GDA94 parameters (EPSG 6277, 6276, 9682) converted to the
# files' units: mm -> m, mas -> arc-seconds, ppb -> ppm (each divided by
# 1000). The ITRF2014 rotation rates are published with 8 decimals in
# arc-seconds; the editor keeps 7, so they are rounded (1.50379 mas/yr ->
# 0.0015038"/yr and so on): below 0.01 mm inside the epoch window 1989-2020.
#
#   tools/published_sets/make_sets.sh BUILD     (BUILD holds cli/tessara-cli)
set -euo pipefail
cli=${1:?usage: $0 BUILD}/cli/tessara-cli
sets=$(dirname "$0")/../../sets
mkdir -p "$sets"
"$cli" params new-set --name ITRF2005 --epoch 1994 \
    --base -0.07973,-0.00686,0.03803,-0.0000351,0.0021211,0.0021411,0.006636 \
    --rates 0.00225,-0.00062,-0.00056,0.0014707,0.0011443,0.0011701,0.000294 \
    "$sets/ITRF2005.params"
"$cli" params new-set --name ITRF2008 --epoch 1994 \
    --base -0.08468,-0.01942,0.03201,-0.0004254,0.0022578,0.0024015,0.00971 \
    --rates 0.00142,0.00134,0.0009,0.0015461,0.001182,0.0011551,0.000109 \
    "$sets/ITRF2008.params"
"$cli" params new-set --name ITRF2014 --epoch 2020 \
    --base -0.06155,0.01087,0.04019,0.0394924,0.0327221,0.0328979,0.009994 \
    --rates 0,0,0,0.0015038,0.0011835,0.0012072,0 \
    "$sets/ITRF2014.params"
