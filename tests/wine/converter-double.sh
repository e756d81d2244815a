#!/bin/sh
# Stands in for the Linux converter behind TransTarquoIB.exe: records its
# arguments (one a line) and its working folder, takes a while as a user
# would, writes "Transformado" into "Velarix.ini" beside itself and ends with
# the chosen status. DOUBLE_RESULT and DOUBLE_STATUS choose the outcome;
# DOUBLE_ABORT makes it die before writing anything, as a converter that
# cannot open its window does: with that status, or by SIGABRT ("abort").
here=$(dirname "$0")
{
  pwd
  for argument in "$@"; do printf '%s\n' "$argument"; done
} > "$here/record"
case "${DOUBLE_ABORT:-}" in
  "") ;;
  abort) kill -ABRT $$ ;;
  *) exit "$DOUBLE_ABORT" ;;
esac
sleep 2
printf '[Transformadores]\r\nTransformado=%s\r\n' "${DOUBLE_RESULT:-1}" > "$here/Velarix.ini"
exit "${DOUBLE_STATUS:-0}"
