#!/bin/sh
# Called by gettext's msgexec once for each entry of a catalog: writes the
# entry as one row of a C++ table, {"English", "translation"}, every byte as
# a hexadecimal escape so that no text can break the C++ around it.
[ -n "${MSGEXEC_MSGID:-}" ] || exit 0  # the catalog's header
hex() { od -An -v -tx1 | tr -d ' \n' | sed 's/../\\x&/g'; }
printf '    {"%s", "%s"},\n' "$(printf '%s' "$MSGEXEC_MSGID" | hex)" "$(hex)"
