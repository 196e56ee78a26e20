#!/usr/bin/env bash
# Runs a test program with a print service of its own: the program finds the cups-pdf
# queue through CUPS_SERVER, VANTOR_TEST_QUEUE names it and VANTOR_TEST_PDF_DIR is where
# its PDF files appear.
source "$(dirname "$0")/session.sh"
cups_start
export VANTOR_TEST_QUEUE="$cups_queue" VANTOR_TEST_PDF_DIR="$cups_pdf"
"$@"
