#!/usr/bin/env bash
# The styled boxes under a compositing manager: the shadow in the window's margins.
source "$(dirname "$0")/session.sh"
x11_start
x11_start_compositor
composited=1
source "$(dirname "$0")/styled_boxes.sh"
