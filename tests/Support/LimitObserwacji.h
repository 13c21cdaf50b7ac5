#pragma once

#include <QString>

// Tests past the system's inotify watch limit lower it inside a user namespace of their own (the
// ctest entry PonadLimitemObserwacji starts them in one with `unshare -U -r`), where the limit
// binds this process only; the machine's own limit is never touched.
namespace LimitObserwacji {

// Whether this process runs in a user namespace below the machine's own, where lowering the
// limit binds this process alone.
bool wWlasnejPrzestrzeniUzytkownika();
// Watches this process holds now, over all its inotify descriptors.
int uzyteObserwacje();
// Lets this process make only `wolne` more watches. Empty when done; otherwise why not, for
// GTEST_SKIP.
QString pozwolNaJeszcze(int wolne);
// The folders above `sciezka` up to "/": a stream watches each of them above its roots.
int katalogowPowyzej(const QString &sciezka);

} // namespace LimitObserwacji
