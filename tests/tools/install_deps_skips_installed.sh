#!/bin/sh
# With every package present, installing the dependencies calls neither
# apt-get nor sudo. Argument: the repository's root.
set -e
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
for tool in apt-get sudo; do
    printf '#!/bin/sh\necho "%s was called" >&2\nexit 1\n' "$tool" >"$stubs/$tool"
    chmod +x "$stubs/$tool"
done
PATH="$stubs:$PATH" sh "$1/tools/install-deps.sh"
