# Sourced after wine-env.sh by whatever runs a Wine test. Under the test
# command's workers (scripts/wine-workers.sh) CTest gives the test one
# prefix slot: it runs in that worker's copy of the prefix, on the worker's
# display. Run alone (ctest -R ... without workers), it runs in the prefix
# itself, one run at a time: "${wine_lock[@]}" before a command waits for the
# prefix's lock and holds it until the command ends (empty when the slot or
# the lock is already held).
wine_lock=()
if [ -n "${CTEST_RESOURCE_GROUP_0_PREFIX:-}" ]; then
  # CTest writes "id:<worker>,slots:1".
  worker=${CTEST_RESOURCE_GROUP_0_PREFIX#id:}
  worker=${worker%%,*}
  export WINEPREFIX="$WINEPREFIX-worker$worker"
  read -ra worker_displays <<<"${TANDEMIX_WORKER_DISPLAYS:-}"
  if [ -n "${worker_displays[worker]:-}" ]; then export DISPLAY="${worker_displays[worker]}"; fi
elif [ -z "${TANDEMIX_WINE_LOCK_HELD:-}" ]; then
  export TANDEMIX_WINE_LOCK_HELD=1
  # -o: the wineserver the command starts does not inherit the lock.
  wine_lock=(flock -o "$TANDEMIX_WINE_LOCK")
fi
