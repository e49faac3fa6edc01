#!/usr/bin/env bash
# A folder that refuses new files, with the program installed in it, for the
# end-to-end suite: as a folder under Program Files refuses a program that
# runs with the user's rights. Wine keeps no Windows rights, and the tests
# may run as root, whom no file mode stops; a read-only bind mount stops
# everyone. Where mounts are not allowed, the folder stays writable and says
# so in a file beside it, and the test that needs it is skipped.
#   readonly_folder.sh start <folder> <dozorik.exe>
#   readonly_folder.sh stop <folder>
set -euo pipefail
action=$1
folder=$2

case "$action" in
  start)
    umount "$folder" 2>/dev/null || true
    rm -rf "$folder" "$folder.unavailable"
    mkdir -p "$folder"
    cp "$3" "$(dirname "$3")/navodhtm.htm" "$(dirname "$3")/navodhtm-en.htm" "$folder/"
    if ! { mount --bind "$folder" "$folder" && mount -o remount,bind,ro "$folder"; } 2>"$folder.unavailable"; then
      umount "$folder" 2>/dev/null || true
      echo "no read-only folder: $(cat "$folder.unavailable")"
      exit 0
    fi
    rm -f "$folder.unavailable"
    echo "read-only: $folder"
    ;;
  stop)
    umount "$folder" 2>/dev/null || true
    rm -rf "$folder" "$folder.unavailable"
    ;;
  *)
    echo "usage: $0 start <folder> <dozorik.exe> | stop <folder>" >&2
    exit 2
    ;;
esac
