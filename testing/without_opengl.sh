#!/bin/sh
# Usage: without_opengl.sh PROGRAM
# On the current X display but with no OpenGL for Qt, PROGRAM must show its message box
# and, once Return closes it, end with status 1; a crash (a status over 128) fails.
# The box takes the focus when it shows: xdotool waits until it is shown and focused,
# with no fixed delay, and presses Return as a user would (window 0: the focused one,
# through the X server's test extension, not an event sent to a window that may be gone).
program=$1
name=$(basename "$program")
QT_XCB_GL_INTEGRATION=none "$program" &
pid=$!
xdotool search --sync --onlyvisible --name "^$name\$" windowfocus --sync key --window 0 Return &
presser=$!
wait $pid
status=$?
[ $status -eq 1 ] || kill $presser  # it would wait for ever for a box that never came
wait $presser
pressed=$?
[ $status -eq 1 ] && [ $pressed -eq 0 ] && exit 0
echo "$name ended with status $status; the box was closed: $([ $pressed -eq 0 ] && echo yes || echo no)" >&2
exit 1
