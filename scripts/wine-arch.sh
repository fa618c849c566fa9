#!/usr/bin/env bash
# Prints the Windows build that Wine can run on this machine: "win32" where
# the kernel runs 32-bit Linux programs (Wine's 32-bit loader), else
# "win64" (the same program built for x86-64, run by wine64).
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo win32
else
  echo win64
fi
