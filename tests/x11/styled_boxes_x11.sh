#!/usr/bin/env bash
# The styled boxes where no compositing manager runs: no shadow, an opaque frame.
source "$(dirname "$0")/session.sh"
x11_start
composited=0
source "$(dirname "$0")/styled_boxes.sh"
