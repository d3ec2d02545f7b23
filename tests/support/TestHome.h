#pragma once
// Every test process has folders of its own for configuration, data, cache
// and state, made before the application object and removed at the end: what
// Qt or anything else keeps in the user's folders (the file dialog's history
// of folders among it) never reaches the real user's.
#include <QString>

namespace vel::test {

// The process's own folder that holds the four.
QString TestHome();

}  // namespace vel::test
