#!/usr/bin/env bash
# Runs a command inside a network namespace of its own, where only the
# loopback interface exists, so that a test's requests can never leave the
# machine: every 127.0.0.x address can be bound there and every name lookup
# fails at once. Needs root (or user namespaces), as CI has.
# Usage: scripts/netns-run.sh COMMAND [ARGS...]
set -euo pipefail
# Listing a test program's cases (CTest's discovery at build time) sends
# nothing, so a build needs no namespace rights.
case " $* " in *" --gtest_list_tests "*) exec "$@" ;; esac
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY no_proxy NO_PROXY
exec unshare -n sh -c 'ip link set lo up && exec "$@"' netns-run "$@"
