#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the database tests, in a temporary folder, reached on a
# socket in that folder only (no TCP port), with password authentication: the role
# "quorvane" (password "secret") owns the database "labels".
#   pg-cluster.sh start STATE   makes and starts it; writes its folder's path to STATE
#   pg-cluster.sh kill STATE    stops the server at once, as a crash would
#   pg-cluster.sh revive STATE  starts the stopped server again
#   pg-cluster.sh stop STATE    stops it and removes the folder and STATE
# The server refuses to run as root: as root, the cluster belongs to the "postgres" user
# that Debian's package makes.
set -euo pipefail
command=$1
state=$2
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
if [ -z "$bindir" ]; then
  echo "pg-cluster.sh: PostgreSQL is not installed (Debian's package postgresql)" >&2
  exit 1
fi
owner=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  owner=postgres
  id -u "$owner" >/dev/null 2>&1 || owner=nobody
fi
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u "$owner" -- "$@"; else "$@"; fi
}
server() {
  as_owner "$bindir/pg_ctl" -D "$1/data" -l "$1/server.log" -w -t 60 \
    -o "-k $1 -c listen_addresses= -c fsync=off -c full_page_writes=off" "${@:2}" >/dev/null
}

case $command in
start)
  dir=$(mktemp -d "${TMPDIR:-/tmp}/quorvane-pg.XXXXXX")
  chmod 755 "$dir"
  printf 'superuser-secret\n' >"$dir/password"
  [ "$(id -u)" -eq 0 ] && chown -R "$owner" "$dir"
  as_owner "$bindir/initdb" -D "$dir/data" -U postgres --auth=scram-sha-256 \
    --pwfile="$dir/password" -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 ||
    { cat "$dir/initdb.log" >&2; exit 1; }
  server "$dir" start || { cat "$dir/server.log" >&2; exit 1; }
  PGPASSWORD=superuser-secret "$bindir/psql" -X -q -h "$dir" -U postgres -d postgres \
    -v ON_ERROR_STOP=1 \
    -c "CREATE ROLE quorvane LOGIN PASSWORD 'secret'" \
    -c "CREATE DATABASE labels OWNER quorvane ENCODING 'UTF8'"
  echo "$dir" >"$state"
  ;;
kill)
  server "$(cat "$state")" stop -m immediate
  ;;
revive)
  server "$(cat "$state")" start
  ;;
stop)
  [ -f "$state" ] || exit 0
  dir=$(cat "$state")
  server "$dir" stop -m fast || true
  rm -rf "$dir" "$state"
  ;;
*)
  echo "usage: pg-cluster.sh start|kill|revive|stop STATE" >&2
  exit 2
  ;;
esac
