#!/bin/sh
# Runs a test in a private mount namespace, where it may mount a small tmpfs that nobody else
# sees and that goes with the process. An ordinary user gets one inside a user namespace of its
# own (unshare -r), where such mounts are allowed too. Where both are refused (a container
# without CAP_SYS_ADMIN and without user namespaces), the test runs as it is and skips with a
# message.
if unshare --mount --propagation private true 2>/dev/null; then
  exec unshare --mount --propagation private env TARROWIND_PRIVATE_MOUNTS=1 "$@"
fi
if unshare -r --mount --propagation private true 2>/dev/null; then
  exec unshare -r --mount --propagation private env TARROWIND_PRIVATE_MOUNTS=1 "$@"
fi
exec "$@"
