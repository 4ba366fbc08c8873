#!/usr/bin/env bash
# Stops the test run's Wine server so that nothing outlives the tests.
: "${WINEPREFIX:?}"
WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver64 -k 2>/dev/null
exit 0
