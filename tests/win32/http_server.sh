#!/usr/bin/env bash
# A web server on 127.0.0.1 for the update check's tests, kept for one test
# run. Usage: http_server.sh start|stop <state dir>
#   start: serves <state dir>/root on a free port and writes the port number
#          to <state dir>/port once the server answers;
#   stop:  ends the server that start left running.
set -euo pipefail
action=$1
state=$2
mkdir -p "$state/root"

# True once something accepts connections on the port.
answers() {
  python3 -c 'import socket, sys; socket.create_connection(("127.0.0.1", int(sys.argv[1])), 1).close()' \
    "$1" 2>/dev/null
}

stop() {
  if [ -f "$state/pid" ]; then
    kill "$(cat "$state/pid")" 2>/dev/null || true
    rm -f "$state/pid"
  fi
  rm -f "$state/port"
}

case "$action" in
  start)
    stop
    rm -f "$state/log"
    # Port 0: the system picks a free one, which the server names in its
    # first line. Its output goes to a file so the test runner does not wait
    # for the server to close it.
    python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$state/root" \
      </dev/null >"$state/log" 2>&1 &
    echo $! >"$state/pid"
    port=
    for _ in $(seq 100); do
      port=$(sed -n 's/.* port \([0-9][0-9]*\).*/\1/p' "$state/log" | head -n 1)
      if [ -n "$port" ] && answers "$port"; then
        echo "$port" >"$state/port"
        echo "serving $state/root on 127.0.0.1:$port"
        exit 0
      fi
      kill -0 "$(cat "$state/pid")" 2>/dev/null || break
      sleep 0.1
    done
    echo "the web server did not start:" >&2
    cat "$state/log" >&2
    stop
    exit 1
    ;;
  stop)
    stop
    ;;
  *)
    echo "usage: $0 start|stop <state dir>" >&2
    exit 2
    ;;
esac
