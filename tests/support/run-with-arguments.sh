#!/usr/bin/env bash
# Runs the given command with a fixed set of extra arguments that the
# ProcessArguments test looks for: an empty one and one with a blank.
exec "$@" --tarn-marker "" "a b" c
