#!/usr/bin/env bash
# Prints Tintlet's dotted version (1.1.0.0) from res/version.h, where it is written.
sed -n 's/^#define TINTLET_VERSION_\(MAJOR\|MINOR\|PATCH\|BUILD\) \([0-9]*\)$/\2/p' \
  "$(dirname "$0")/../res/version.h" | paste -sd.
