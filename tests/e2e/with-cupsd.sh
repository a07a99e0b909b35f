#!/usr/bin/env bash
# with-cupsd.sh [--no-default] COMMAND...: runs COMMAND against a private CUPS scheduler of its own.
#
# The scheduler lives in a fresh temporary folder: its configuration, spool, logs and pid file are
# all in there, and it listens only on a unix socket in that folder (no TCP port, no printer
# browsing, no DNS-SD), so several copies can run side by side (ctest -j) without meeting.
# It has one queue, pekuru-file, whose device is a file: the bytes a client sends (Qt sends a PDF)
# land in that file unchanged. Unless --no-default is given the queue is also the default
# destination. COMMAND sees:
#   CUPS_SERVER            the socket; libcups clients (lp, lpstat, Qt's CUPS plugin) talk to it
#   PEKURU_CUPS_QUEUE      pekuru-file
#   PEKURU_CUPS_OUTPUT     the file each job is written to. Every job rewrites it from the start,
#                          so it holds the latest job only: wait for a job (cups-wait-jobs.sh)
#                          before reading it, and before printing the next one.
#   PEKURU_CUPS_ERROR_LOG  the scheduler's error log, for messages when something goes wrong
# The script exits with COMMAND's status. The scheduler is stopped and the folder removed however
# COMMAND ends; if this script itself is killed outright the scheduler still gets SIGTERM (it is
# started with a parent-death signal).
#
# Run as root (as CI is), the scheduler runs its job filters as user lp, so the folders a job goes
# through are opened to group lp. Run as an ordinary user, the scheduler and its filters run as
# that user and nothing needs opening.
set -euo pipefail

usage() {
    echo "usage: with-cupsd.sh [--no-default] COMMAND..." >&2
    exit 2
}

make_default=1
if [[ ${1:-} == --no-default ]]; then
    make_default=0
    shift
fi
[[ $# -gt 0 ]] || usage

# cupsd and lpadmin live in /usr/sbin, which an ordinary user's PATH may leave out.
find_tool() {
    local found
    found=$(PATH="$PATH:/usr/sbin:/sbin" command -v "$1" || true)
    if [[ -z $found ]]; then
        echo "with-cupsd: $1 is not installed (scripts/setup.sh installs cups-daemon and cups-client)" >&2
        exit 1
    fi
    echo "$found"
}
cupsd_bin=$(find_tool cupsd)
lpadmin_bin=$(find_tool lpadmin)
lpstat_bin=$(find_tool lpstat)

# Always under /tmp rather than $TMPDIR: a unix socket path must stay under 108 bytes, and when
# running as root the filters (user lp) must be able to pass through every parent folder.
base=$(mktemp -d /tmp/pekuru-cups.XXXXXXXXXX)
cupsd_pid=
command_pid=

# Ends process $1 with TERM, or KILL after $2 tenths of a second.
# shellcheck disable=SC2317 # only ever called from cleanup
stop() {
    [[ -n $1 ]] && kill -0 "$1" 2>/dev/null || return 0
    kill -TERM "$1" 2>/dev/null || true
    for _ in $(seq "$2"); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# shellcheck disable=SC2317 # only ever called through the EXIT trap
cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    stop "$command_pid" 50
    stop "$cupsd_pid" 100
    rm -rf "$base"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

fail() {
    echo "with-cupsd: $*" >&2
    for log in "$base/log/error_log" "$base/log/cupsd.out"; do
        if [[ -s $log ]]; then
            echo "--- ${log##*/} ---" >&2
            tail -n 50 "$log" >&2
        fi
    done
    exit 1
}

socket=$base/cups.sock
output=$base/out/printed
queue=pekuru-file
mkdir -p "$base"/{etc,spool/tmp,cache,state,log,out,client}

if [[ $(id -u) -eq 0 ]]; then
    # cupsd runs filters as lp, not as root: lp has to pass through this folder to the filter
    # (bin/), the spooled documents (spool/) and its scratch folder (spool/tmp/). cupsd opens the
    # output file itself, as root, but out/ is lp's too in case a job ever writes it directly.
    run_as="User lp
Group lp"
    chgrp lp "$base" "$base/spool" "$base/spool/tmp" "$base/out"
    chmod 0710 "$base" "$base/spool"
    chmod 01770 "$base/spool/tmp"
    chmod 0770 "$base/out"
else
    run_as=
fi

# The scheduler's data folder is the installed one, seen through links, plus the folder of banner
# pages that cups-daemon alone does not bring: without it every start logs an error, which would
# only mislead whoever reads the log after a failure.
mkdir -p "$base/data/banners"
for entry in /usr/share/cups/*; do
    [[ -e $base/data/${entry##*/} ]] || ln -s "$entry" "$base/data/"
done

cat >"$base/cups-files.conf" <<EOF
ServerRoot $base/etc
DataDir $base/data
RequestRoot $base/spool
TempDir $base/spool/tmp
CacheDir $base/cache
StateDir $base/state
ErrorLog $base/log/error_log
AccessLog $base/log/access_log
PageLog $base/log/page_log
Printcap $base/etc/printcap
FileDevice Yes
SystemGroup root lpadmin
$run_as
EOF

cat >"$base/cupsd.conf" <<EOF
LogLevel ${PEKURU_CUPS_LOG_LEVEL:-warn}
MaxLogSize 0
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
ErrorPolicy abort-job
PreserveJobHistory Yes
PreserveJobFiles No
DefaultAuthType None
<Location />
  Order deny,allow
  Allow all
</Location>
<Location /admin>
  Order deny,allow
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF

# A raw queue (no driver) would be the obvious choice, but cupsd sends a raw job to a file: device
# through no process at all and so writes nothing. The queue gets a small driver instead: a PPD
# whose one filter, for every document type, copies the document through unchanged. The PPD also
# lists A4 and Letter (A4 the default), which is what Qt shows as the printer's page sizes.
mkdir -m 0755 "$base/bin"
cat >"$base/bin/passthrough" <<'EOF_FILTER'
#!/bin/sh
# A CUPS filter: printer job-id user title copies options [file]. Copies the document as it is.
if [ -n "${6:-}" ]; then exec cat -- "$6"; else exec cat; fi
EOF_FILTER
chmod 0755 "$base/bin/passthrough"
cat >"$base/pekuru-file.ppd" <<EOF_PPD
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PEKURUFL.PPD"
*Manufacturer: "Pekuru"
*Product: "(Pekuru file)"
*ModelName: "Pekuru file"
*ShortNickName: "Pekuru file"
*NickName: "Pekuru file, documents passed through unchanged"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsFilter: "*/* 0 $base/bin/passthrough"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageSize Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageRegion Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*ImageableArea Letter/US Letter: "0 0 612 792"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/US Letter: "612 792"
EOF_PPD

# -f keeps cupsd in the foreground as our child; --pdeathsig makes it stop should this script be
# killed before its trap can run.
setpriv --pdeathsig TERM "$cupsd_bin" -f -c "$base/cupsd.conf" -s "$base/cups-files.conf" \
    >"$base/log/cupsd.out" 2>&1 </dev/null &
cupsd_pid=$!

deadline=$((SECONDS + 30))
until [[ $("$lpstat_bin" -h "$socket" -r 2>/dev/null || true) == "scheduler is running" ]]; do
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd exited while starting"
    ((SECONDS < deadline)) || fail "cupsd did not answer on $socket within 30 s"
    sleep 0.1
done

if ! admin_out=$("$lpadmin_bin" -h "$socket" -p "$queue" -v "file://$output" -P "$base/pekuru-file.ppd" -E 2>&1); then
    fail "could not create the queue $queue: $admin_out"
fi
# CUPS 2.4 says on every use of a PPD that drivers are deprecated; anything else it says is shown.
admin_out=$(grep -v 'Printer drivers are deprecated' <<<"$admin_out" || true)
[[ -z $admin_out ]] || echo "with-cupsd: $admin_out" >&2
if ((make_default)); then
    admin_out=$("$lpadmin_bin" -h "$socket" -d "$queue" 2>&1) || fail "could not make $queue the default: $admin_out"
fi

# The client side reads its settings (client.conf, lpoptions) from CUPS_SERVERROOT: point it at an
# empty folder so that the machine's own settings cannot pick another default. PRINTER and LPDEST
# would override the default destination, so they go too.
unset PRINTER LPDEST
export CUPS_SERVER=$socket CUPS_SERVERROOT=$base/client
export PEKURU_CUPS_QUEUE=$queue PEKURU_CUPS_OUTPUT=$output PEKURU_CUPS_ERROR_LOG=$base/log/error_log

# COMMAND runs in the background so that a signal to this script is handled at once (bash would
# otherwise hold its traps until COMMAND returned); its standard input is passed on explicitly.
"$@" <&0 &
command_pid=$!
status=0
wait "$command_pid" || status=$?
command_pid=
exit "$status"
