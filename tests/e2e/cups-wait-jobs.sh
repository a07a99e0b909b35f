#!/usr/bin/env bash
# cups-wait-jobs.sh [--jobs N] [TIMEOUT-SECONDS]: waits, inside with-cupsd.sh, until the private
# scheduler has finished every job and the output file holds something.
#
# Done means: no job is pending, held or processing, at least N jobs (default 1) have completed,
# and $PEKURU_CUPS_OUTPUT exists and is not empty. Since each job rewrites the output file, a test
# that prints several times in one run passes the running total with --jobs so that it never reads
# the previous job's output. A job that the scheduler aborts fails the wait at once rather than at
# the deadline, as does a scheduler that stops answering. The timeout defaults to 60 seconds.
# A job cancelled on purpose counts as finished.
set -euo pipefail

usage() {
    echo "usage: cups-wait-jobs.sh [--jobs N] [TIMEOUT-SECONDS]" >&2
    exit 2
}

want_jobs=1
timeout=60
if [[ ${1:-} == --jobs ]]; then
    [[ ${2:-} =~ ^[0-9]+$ ]] || usage
    want_jobs=$2
    shift 2
fi
if [[ $# -gt 0 ]]; then
    [[ $1 =~ ^[0-9]+$ ]] || usage
    timeout=$1
    shift
fi
[[ $# -eq 0 ]] || usage

for var in CUPS_SERVER PEKURU_CUPS_QUEUE PEKURU_CUPS_OUTPUT; do
    if [[ -z ${!var:-} ]]; then
        echo "cups-wait-jobs: $var is not set; run this under tests/e2e/with-cupsd.sh" >&2
        exit 2
    fi
done

lpstat() { command lpstat -h "$CUPS_SERVER" "$@"; }

fail() {
    echo "cups-wait-jobs: $*" >&2
    {
        echo "--- jobs not finished ---"
        lpstat -o || true
        echo "--- finished jobs ---"
        lpstat -W completed -o || true
        echo "--- queue ---"
        lpstat -p "$PEKURU_CUPS_QUEUE" || true
        if [[ -s ${PEKURU_CUPS_ERROR_LOG:-} ]]; then
            echo "--- scheduler error log ---"
            tail -n 50 "$PEKURU_CUPS_ERROR_LOG"
        fi
    } >&2
    exit 1
}

# lpstat lists finished jobs (completed, cancelled or aborted alike) but not their states. A job
# that the scheduler gives up on leaves an error line tagged with its number in the error log
# (with-cupsd.sh sets ErrorPolicy abort-job, so the queue never stops and waits), which is how a
# failed job is told apart here.
finished_jobs() { lpstat -W completed -o | grep -c "^$PEKURU_CUPS_QUEUE-" || true; }
job_errors() {
    [[ -n ${PEKURU_CUPS_ERROR_LOG:-} && -e $PEKURU_CUPS_ERROR_LOG ]] || return 0
    grep -E '^E \[[^]]*\] \[Job [0-9]+\]' "$PEKURU_CUPS_ERROR_LOG" || true
}

deadline=$((SECONDS + timeout))
while :; do
    if ! pending=$(lpstat -o 2>&1); then
        fail "the scheduler at $CUPS_SERVER does not answer: $pending"
    fi
    errors=$(job_errors)
    [[ -z $errors ]] || fail "the scheduler could not print a job:
$errors"
    if [[ -z $pending ]]; then
        finished=$(finished_jobs)
        if ((finished >= want_jobs)) && [[ -s $PEKURU_CUPS_OUTPUT ]]; then
            echo "cups-wait-jobs: $finished job(s) completed; $PEKURU_CUPS_OUTPUT holds $(stat -c %s "$PEKURU_CUPS_OUTPUT") bytes"
            exit 0
        fi
    fi
    if ((SECONDS >= deadline)); then
        if [[ -n $pending ]]; then
            fail "jobs still unfinished after $timeout s"
        fi
        if [[ -s $PEKURU_CUPS_OUTPUT ]]; then
            fail "after $timeout s only $(finished_jobs) job(s) have finished, not $want_jobs"
        fi
        fail "after $timeout s $PEKURU_CUPS_OUTPUT is $([[ -e $PEKURU_CUPS_OUTPUT ]] && echo empty || echo missing)"
    fi
    sleep 0.2
done
